#include "mainwindow/workbook_export.h"

#include "mainwindow/tab_text.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace tarvon {

namespace {

using Rows = std::vector<std::vector<std::string>>;

constexpr lxw_row_t kFirstRow = 2; // A3, where the title is pasted
constexpr lxw_row_t kHeaderRow = kFirstRow + 1;
constexpr std::size_t kFirstDataLine = 2; // after the title and the header

// libxlsxwriter's default chart is 480 x 288 px; these make it 640 x 400.
constexpr double kChartXScale = 640.0 / 480.0;
constexpr double kChartYScale = 400.0 / 288.0;

// Wide enough for times such as "1000,5"; the title still overflows into the
// empty cells to its right.
constexpr double kTimeColumnWidth = 10;

bool WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const std::string& field,
               char decimalSeparator) {
    if (field.empty())
        return true;
    if (const auto number = ParseNumber(field, decimalSeparator))
        return worksheet_write_number(sheet, row, col, *number, nullptr) == LXW_NO_ERROR;
    return worksheet_write_string(sheet, row, col, field.c_str(), nullptr) == LXW_NO_ERROR;
}

bool WriteTable(lxw_worksheet* sheet, const Rows& rows, char decimalSeparator) {
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            if (!WriteCell(sheet, static_cast<lxw_row_t>(kFirstRow + r), static_cast<lxw_col_t>(c),
                           rows[r][c], decimalSeparator))
                return false;
    return true;
}

std::size_t WidestRow(const Rows& rows) {
    std::size_t widest = 0;
    for (const auto& row : rows)
        widest = std::max(widest, row.size());
    return widest;
}

// One series per count column of the header, all against the time column.
bool InsertChart(lxw_workbook* book, lxw_worksheet* sheet, const Rows& rows,
                 const std::string& Reaccio) {
    const std::size_t countColumns = rows[1].size() - 1;
    const auto lastRow = static_cast<lxw_row_t>(kFirstRow + rows.size() - 1);
    lxw_chart* chart = workbook_add_chart(book, LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS);
    if (chart == nullptr)
        return false;
    for (std::size_t c = 1; c <= countColumns; ++c) {
        lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
        if (series == nullptr)
            return false;
        const auto col = static_cast<lxw_col_t>(c);
        chart_series_set_categories(series, kFullaDades, kHeaderRow + 1, 0, lastRow, 0);
        chart_series_set_values(series, kFullaDades, kHeaderRow + 1, col, lastRow, col);
        chart_series_set_name_range(series, kFullaDades, kHeaderRow, col);
    }
    if (!Reaccio.empty())
        chart_title_set_name(chart, Reaccio.c_str());
    chart_axis_set_name(chart->x_axis, "Temps (s)");
    chart_axis_set_name(chart->y_axis, "Nombre de partícules");
    lxw_chart_options placement{};
    placement.x_scale = kChartXScale;
    placement.y_scale = kChartYScale;
    // From the header row down, so the title line stays readable above it.
    const auto besideTable = static_cast<lxw_col_t>(WidestRow(rows) + 1);
    return worksheet_insert_chart_opt(sheet, kHeaderRow, besideTable, chart, &placement) ==
           LXW_NO_ERROR;
}

bool HasChartData(const Rows& rows) {
    return rows.size() > kFirstDataLine && rows[1].size() > 1;
}

bool FillWorkbook(lxw_workbook* book, const Rows& rows, const std::string& Reaccio,
                  char decimalSeparator) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, kFullaDades);
    if (sheet == nullptr)
        return false;
    worksheet_set_column(sheet, 0, 0, kTimeColumnWidth, nullptr);
    // Printed, the table and its chart share the width of one landscape page.
    worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    if (!WriteTable(sheet, rows, decimalSeparator))
        return false;
    return !HasChartData(rows) || InsertChart(book, sheet, rows, Reaccio);
}

} // namespace

bool EscriureLlibreDades(const std::string& path, const std::string& TaulaDades,
                         const std::string& Reaccio, char decimalSeparator) {
    lxw_workbook* book = workbook_new(path.c_str());
    if (book == nullptr)
        return false;
    if (!FillWorkbook(book, SplitTabText(TaulaDades), Reaccio, decimalSeparator)) {
        // Nothing is written before workbook_close, so there is no file yet.
        lxw_workbook_free(book);
        return false;
    }
    if (workbook_close(book) != LXW_NO_ERROR) {
        // A part-written file, never a folder that happened to be named so.
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec))
            std::filesystem::remove(path, ec);
        return false;
    }
    return true;
}

} // namespace tarvon
