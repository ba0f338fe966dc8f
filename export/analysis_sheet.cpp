#include "export/analysis_sheet.h"

#include "window/column_analysis.h"
#include "window/text_args.h"

#include <cmath>
#include <string>
#include <vector>

namespace tarvon {

namespace {

// Settings and fits on the left, the values fitted in the middle, the charts
// on the right.
constexpr lxw_row_t kSettingsRow = 2;
constexpr lxw_row_t kFitsRow = 10; // header of the fits
constexpr lxw_col_t kValuesCol = 8;
constexpr lxw_row_t kChartRows = 16;
constexpr lxw_col_t kChartCols = 8;

constexpr const char* kLineNames[3] = {"N", "ln N", "1/N"};

bool Ok(lxw_error e) {
    return e == LXW_NO_ERROR;
}

// Writing through one object keeps each call short; the first error sticks.
class SheetWriter {
public:
    SheetWriter(lxw_worksheet* sheet, const Language& lang) : lang(lang), sheet_(sheet) {}
    void text(lxw_row_t r, lxw_col_t c, const std::string& s, lxw_format* f = nullptr) {
        if (ok_ && !s.empty())
            ok_ = Ok(worksheet_write_string(sheet_, r, c, s.c_str(), f));
    }
    void number(lxw_row_t r, lxw_col_t c, double v, lxw_format* f = nullptr) {
        if (ok_ && std::isfinite(v))
            ok_ = Ok(worksheet_write_number(sheet_, r, c, v, f));
    }
    void text(lxw_row_t r, lxw_col_t c, const TextKey& key, lxw_format* f = nullptr) {
        text(r, c, lang(key), f);
    }
    bool ok() const { return ok_; }
    lxw_worksheet* sheet() const { return sheet_; }
    const Language& lang;

private:
    lxw_worksheet* sheet_;
    bool ok_ = true;
};

void WriteSettings(SheetWriter& w, const RunSettings& s, lxw_format* bold) {
    w.text(0, 0, TX("export", "Anàlisi de l'ordre de reacció"), bold);
    const TextKey labels[] = {TX("export", "Reacció"),        TX("export", "Partícules"),
                              TX("export", "Diàmetre"),       TX("export", "Velocitat"),
                              TX("export", "Volum constant"), TX("export", "Data i hora")};
    for (lxw_row_t k = 0; k < 6; ++k)
        w.text(kSettingsRow + k, 0, labels[k], bold);
    w.text(kSettingsRow, 1, s.Reaccio);
    if (s.particles > 0)
        w.number(kSettingsRow + 1, 1, s.particles);
    w.text(kSettingsRow + 2, 1, DiameterText(s.diameter));
    w.number(kSettingsRow + 3, 1, s.speed);
    w.text(kSettingsRow + 4, 1, s.VolumConstant ? TX("export", "sí") : TX("export", "no"));
    w.text(kSettingsRow + 5, 1, StartedText(s.started));
}

// Time, then N, ln N and 1/N of each species; a count of 0 leaves the last
// two empty, as the lines leave it out.
void WriteValues(SheetWriter& w, const DataRows& t, lxw_format* bold) {
    w.text(kFitsRow, kValuesCol, TX("export", "Temps"), bold);
    for (std::size_t c = 1; c < t.columns.size(); ++c) {
        const auto col = static_cast<lxw_col_t>(kValuesCol + 1 + 3 * (c - 1));
        w.text(kFitsRow, col, t.columns[c], bold);
        w.text(kFitsRow, col + 1, "ln " + t.columns[c], bold);
        w.text(kFitsRow, col + 2, "1/" + t.columns[c], bold);
    }
    lxw_row_t r = kFitsRow + 1;
    for (const DataRow& row : t.rows) {
        w.number(r, kValuesCol, row.Temps);
        for (std::size_t c = 0; c < row.counts.size(); ++c) {
            const auto col = static_cast<lxw_col_t>(kValuesCol + 1 + 3 * c);
            const double n = row.counts[c];
            w.number(r, col, n);
            if (n > 0) {
                w.number(r, col + 1, std::log(n));
                w.number(r, col + 2, 1 / n);
            }
        }
        ++r;
    }
}

struct Formats {
    lxw_format* bold;
    lxw_format* r2;
};

// A product's ln N and 1/N lines give no order; only a constant rate of formation does.
std::string BestOrderText(const ColumnAnalysis& a, const Language& lang) {
    if (a.rises)
        return lang(a.constantRate ? TX("export", "0 (velocitat de formació constant)")
                                   : TX("export", "cap (producte: trieu un reactiu)"));
    return a.fits->decided ? std::to_string(a.fits->best) : lang(TX("export", "no es pot decidir"));
}

lxw_row_t WriteFits(SheetWriter& w, const DataRows& t, const Formats& f) {
    // R² and k are symbols, the same in every language.
    const Language& lang = w.lang;
    const std::string header[] = {lang(TX("export", "Espècie")),     lang(TX("export", "Ordre")),
                                  lang(TX("export", "Recta")),       "R²",
                                  lang(TX("export", "Pendent")),     "k",
                                  lang(TX("export", "Millor ordre"))};
    for (lxw_col_t c = 0; c < 7; ++c)
        w.text(kFitsRow, c, header[c], f.bold);
    lxw_row_t r = kFitsRow + 1;
    for (std::size_t c = 1; c < t.columns.size(); ++c) {
        const ColumnAnalysis a = AnalyseColumn(t, c);
        w.text(r, 0, t.columns[c], f.bold);
        if (!a.fits) {
            w.text(r++, 1, TX("export", "Calen més dades"));
            continue;
        }
        w.text(r, 6, BestOrderText(a, w.lang));
        for (int order = 0; order < 3; ++order, ++r) {
            const analysis::OrderFit& fit = a.fits->fits[order];
            w.number(r, 1, order);
            w.text(r, 2, kLineNames[order]);
            w.number(r, 3, fit.line.r2, f.r2);
            w.number(r, 4, fit.line.slope);
            w.number(r, 5, fit.k);
        }
    }
    w.text(r + 1, 0,
           TX("export", "k: el valor absolut del pendent, en partícules i segons, "
                        "sense cap factor estequiomètric."));
    return r + 1;
}

// Each chart is named and reads its values by the sheet's name in `lang`.
bool AddChart(lxw_workbook* book, lxw_worksheet* sheet, const DataRows& t, std::size_t c, int order,
              const Language& lang) {
    lxw_chart* chart = workbook_add_chart(book, LXW_CHART_SCATTER);
    if (chart == nullptr)
        return false;
    lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
    if (series == nullptr)
        return false;
    const auto first = kFitsRow + 1;
    const auto last = static_cast<lxw_row_t>(kFitsRow + t.rows.size());
    const auto col = static_cast<lxw_col_t>(kValuesCol + 1 + 3 * (c - 1) + order);
    const std::string name = lang(kFullaAnalisi);
    chart_series_set_categories(series, name.c_str(), first, kValuesCol, last, kValuesCol);
    chart_series_set_values(series, name.c_str(), first, col, last, col);
    chart_series_set_name_range(series, name.c_str(), kFitsRow, col);
    chart_series_set_trendline(series, LXW_CHART_TRENDLINE_TYPE_LINEAR, 0);
    const std::string title = WithArgs(lang(TX("export", "%1: %2 (ordre %3)")),
                                       {t.columns[c], kLineNames[order], std::to_string(order)});
    chart_title_set_name(chart, title.c_str());
    const std::string time = lang(TX("export", "Temps (s)"));
    chart_axis_set_name(chart->x_axis, time.c_str());
    chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    const auto chartsCol = static_cast<lxw_col_t>(kValuesCol + 2 + 3 * (t.columns.size() - 1));
    const auto row = static_cast<lxw_row_t>(kChartRows * (c - 1));
    return Ok(worksheet_insert_chart(sheet, row, chartsCol + kChartCols * order, chart));
}

} // namespace

bool AfegirFullaAnalisi(lxw_workbook* book, const DataRows& Taula, const Language& lang) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, lang(kFullaAnalisi).c_str());
    if (sheet == nullptr)
        return false;
    const Formats f{workbook_add_format(book), workbook_add_format(book)};
    format_set_bold(f.bold);
    format_set_num_format(f.r2, "0.0000");
    worksheet_set_column(sheet, 0, 0, 16, nullptr);
    SheetWriter w(sheet, lang);
    WriteSettings(w, Taula.settings, f.bold);
    if (!Taula.started || Taula.columns.size() < 2)
        return w.ok();
    WriteFits(w, Taula, f);
    WriteValues(w, Taula, f.bold);
    if (!w.ok() || Taula.rows.empty())
        return w.ok();
    for (std::size_t c = 1; c < Taula.columns.size(); ++c)
        for (int order = 0; order < 3; ++order)
            if (!AddChart(book, sheet, Taula, c, order, lang))
                return false;
    return true;
}

} // namespace tarvon
