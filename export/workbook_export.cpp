#include "export/workbook_export.h"

#include "export/analysis_sheet.h"
#include "export/write_failure.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tarvon {

namespace {

constexpr lxw_row_t kFirstRow = 2; // A3, where the title is pasted
constexpr lxw_row_t kHeaderRow = kFirstRow + 1;

// libxlsxwriter's default chart is 480 x 288 px; these make it 640 x 400.
constexpr double kChartXScale = 640.0 / 480.0;
constexpr double kChartYScale = 400.0 / 288.0;

// Wide enough for times such as "1000,5"; the title still overflows into the
// empty cells to its right.
constexpr double kTimeColumnWidth = 10;

bool Ok(lxw_error e) {
    return e == LXW_NO_ERROR;
}

// The title and the time column's name in words, as the window's table has them; the species'
// formulas as they are.
bool WriteHeader(lxw_worksheet* sheet, const DataRows& t, const Language& lang) {
    const std::string title = lang(kTitolDadesText);
    if (!Ok(worksheet_write_string(sheet, kFirstRow, 0, title.c_str(), nullptr)))
        return false;
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
        const std::string name = c == 0 ? lang(kTempsText) : t.columns[c];
        if (!Ok(worksheet_write_string(sheet, kHeaderRow, static_cast<lxw_col_t>(c), name.c_str(),
                                       nullptr)))
            return false;
    }
    return true;
}

bool WriteRows(lxw_worksheet* sheet, const DataRows& t) {
    lxw_row_t r = kHeaderRow + 1;
    for (const DataRow& row : t.rows) {
        if (!Ok(worksheet_write_number(sheet, r, 0, row.Temps, nullptr)))
            return false;
        for (std::size_t c = 0; c < row.counts.size(); ++c)
            if (!Ok(worksheet_write_number(sheet, r, static_cast<lxw_col_t>(c + 1), row.counts[c],
                                           nullptr)))
                return false;
        ++r;
    }
    return true;
}

// One series per count column of the header, all against the time column.
bool InsertChart(lxw_workbook* book, lxw_worksheet* sheet, const DataRows& t,
                 const std::string& Reaccio, const Language& lang) {
    const std::string sheetName = lang(kFullaDades);
    const auto lastRow = static_cast<lxw_row_t>(kHeaderRow + t.rows.size());
    lxw_chart* chart = workbook_add_chart(book, LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS);
    if (chart == nullptr)
        return false;
    for (std::size_t c = 1; c < t.columns.size(); ++c) {
        lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
        if (series == nullptr)
            return false;
        const auto col = static_cast<lxw_col_t>(c);
        chart_series_set_categories(series, sheetName.c_str(), kHeaderRow + 1, 0, lastRow, 0);
        chart_series_set_values(series, sheetName.c_str(), kHeaderRow + 1, col, lastRow, col);
        chart_series_set_name_range(series, sheetName.c_str(), kHeaderRow, col);
    }
    if (!Reaccio.empty())
        chart_title_set_name(chart, Reaccio.c_str());
    const std::string xTitle = lang(TX("export", "Temps (s)"));
    const std::string yTitle = lang(TX("export", "Nombre de partícules"));
    chart_axis_set_name(chart->x_axis, xTitle.c_str());
    chart_axis_set_name(chart->y_axis, yTitle.c_str());
    lxw_chart_options placement{};
    placement.x_scale = kChartXScale;
    placement.y_scale = kChartYScale;
    // From the header row down, so the title line stays readable above it.
    const auto besideTable = static_cast<lxw_col_t>(t.columns.size() + 1);
    return Ok(worksheet_insert_chart_opt(sheet, kHeaderRow, besideTable, chart, &placement));
}

bool FillWorkbook(lxw_workbook* book, const DataRows& t, const std::string& Reaccio,
                  const Language& lang) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, lang(kFullaDades).c_str());
    if (sheet == nullptr)
        return false;
    worksheet_set_column(sheet, 0, 0, kTimeColumnWidth, nullptr);
    // Printed, the table and its chart share the width of one landscape page.
    worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    if (t.started) {
        if (!WriteHeader(sheet, t, lang) || !WriteRows(sheet, t))
            return false;
        const bool chartData = !t.rows.empty() && t.columns.size() > 1;
        if (chartData && !InsertChart(book, sheet, t, Reaccio, lang))
            return false;
    }
    return AfegirFullaAnalisi(book, t, lang);
}

} // namespace

bool EscriureLlibreDades(const std::string& path, const DataRows& Taula, const std::string& Reaccio,
                         const Language& lang, std::string* reason) {
    lxw_workbook* book = workbook_new(path.c_str());
    if (book == nullptr)
        return WriteFailed(reason, lang(TX("export", "no s'ha pogut crear el llibre")));
    if (!FillWorkbook(book, Taula, Reaccio, lang)) {
        // Nothing is written before workbook_close, so there is no file yet.
        lxw_workbook_free(book);
        return WriteFailed(reason, lang(TX("export", "no s'ha pogut omplir el full de càlcul")));
    }
    errno = 0;
    if (const lxw_error error = workbook_close(book); error != LXW_NO_ERROR) {
        const int system = errno; // from the file operation that failed, if any
        // A part-written file, never a folder that happened to be named so.
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec))
            std::filesystem::remove(path, ec);
        return WriteFailed(reason, system != 0 ? std::strerror(system) : lxw_strerror(error));
    }
    return true;
}

} // namespace tarvon
