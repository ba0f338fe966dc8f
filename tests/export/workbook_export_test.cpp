#include "export/workbook_export.h"

#include "export/archive_testing.h"
#include "texts/marked_language.h"
#include "window/column_analysis.h"

#include <cmath>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace tarvon {
namespace {

namespace fs = std::filesystem;
using testing::EntryData;
using testing::ReadArchive;

const std::string kTitle = "Nombre de partícules en funció del temps (segons)";
const DataRows kHiTable{true,
                        {"Temps", "HI", "H2", "I2"},
                        {{0, {200, 0, 0}}, {0.5f, {196, 2, 2}}, {1, {190, 5, 5}}},
                        {}};

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}

// A cell's value, the shared string's text prefixed "s:" for a string.
std::string CellAt(const std::vector<testing::StoredEntry>& book, const std::string& ref,
                   const std::string& sheetFile = "sheet1.xml") {
    const std::string sheet = EntryData(book, "xl/worksheets/" + sheetFile);
    const std::size_t open = sheet.find("<c r=\"" + ref + "\"");
    if (open == std::string::npos)
        return "<empty>";
    const std::size_t v = sheet.find("<v>", open) + 3;
    const std::string value = sheet.substr(v, sheet.find("</v>", v) - v);
    const std::string tag = sheet.substr(open, sheet.find('>', open) - open);
    if (tag.find(" t=\"s\"") == std::string::npos)
        return value;
    const std::string shared = EntryData(book, "xl/sharedStrings.xml");
    std::size_t p = shared.find("<sst");
    for (int i = std::stoi(value); i >= 0; --i)
        p = shared.find("<si>", p + 1);
    p = shared.find('>', shared.find("<t", p + 4)) + 1;
    return "s:" + shared.substr(p, shared.find("</t>", p) - p);
}

std::string AnalysisCell(const std::vector<testing::StoredEntry>& book, const std::string& ref) {
    return CellAt(book, ref, "sheet2.xml");
}

struct WorkbookExport : testing::ScratchFolder {
    std::string path = (dir / "DadesCineHI.xlsx").string();
};

TEST_F(WorkbookExport, TableFromA3AndAScatterChartOfEveryCount) {
    ASSERT_TRUE(EscriureLlibreDades(path, kHiTable, "HI", Catala()));
    const auto book = ReadArchive(path);

    EXPECT_EQ(Count(EntryData(book, "xl/workbook.xml"), "<sheet name=\"Hoja1\""), 1);
    EXPECT_EQ(CellAt(book, "A3"), "s:" + kTitle);
    EXPECT_EQ(CellAt(book, "B3"), "<empty>");
    EXPECT_EQ(CellAt(book, "A4"), "s:Temps");
    EXPECT_EQ(CellAt(book, "D4"), "s:I2");
    EXPECT_EQ(CellAt(book, "A6"), "0.5");
    EXPECT_EQ(CellAt(book, "B7"), "190");
    EXPECT_EQ(CellAt(book, "A8"), "<empty>");

    const std::string chart = EntryData(book, "xl/charts/chart1.xml");
    EXPECT_EQ(Count(chart, "<c:scatterChart>"), 1);
    EXPECT_EQ(Count(chart, "<c:ser>"), 3);
    EXPECT_EQ(Count(chart, "<c:f>Hoja1!$A$5:$A$7</c:f>"), 3);
    EXPECT_EQ(Count(chart, "<c:f>Hoja1!$D$4</c:f>"), 1);
    EXPECT_EQ(Count(chart, "<c:f>Hoja1!$D$5:$D$7</c:f>"), 1);
    for (const char* title : {"HI", "Temps (s)", "Nombre de partícules"})
        EXPECT_EQ(Count(chart, "<a:t>" + std::string(title) + "</a:t>"), 1) << title;
}

// A second-order fall sampled each second, with the settings it was taken with.
DataRows SecondOrderTable(int rows) {
    DataRows t{true, {"Temps", "HI", "H2"}, {}, {"HI", 144, 1.5f, 50, true, 0}};
    for (int i = 0; i < rows; ++i) {
        const int n = static_cast<int>(std::lround(1 / (1.0 / 144 + 0.001 * i)));
        t.rows.push_back({static_cast<float>(i), {n, (144 - n) / 2}});
    }
    return t;
}

TEST_F(WorkbookExport, TheAnalysisSheetHoldsTheSettingsTheFitsAndTheirCharts) {
    const DataRows t = SecondOrderTable(21);
    ASSERT_TRUE(EscriureLlibreDades(path, t, "HI", Catala()));
    const auto book = ReadArchive(path);
    const std::string workbook = EntryData(book, "xl/workbook.xml");
    EXPECT_LT(workbook.find("<sheet name=\"Hoja1\""), workbook.find("<sheet name=\"Anàlisi\""));
    EXPECT_EQ(CellAt(book, "B5"), "144"); // the first sheet as it was
    EXPECT_EQ(Count(EntryData(book, "xl/charts/chart1.xml"), "<c:ser>"), 2);

    EXPECT_EQ(AnalysisCell(book, "B4"), "144");
    EXPECT_EQ(AnalysisCell(book, "B5"), "s:1,5:1");
    EXPECT_EQ(AnalysisCell(book, "B7"), "s:sí");
    // HI: N, ln N and 1/N, the last the best; then H2 (0 at first: left out
    // of ln N and 1/N), whose N line climbs.
    const ColumnAnalysis hi = AnalyseColumn(t, 1);
    EXPECT_EQ(AnalysisCell(book, "G12"), "s:2");
    for (int order = 0; order < 3; ++order) {
        const std::string row = std::to_string(12 + order);
        EXPECT_DOUBLE_EQ(std::stod(AnalysisCell(book, "D" + row)), hi.fits->fits[order].line.r2);
        EXPECT_DOUBLE_EQ(std::stod(AnalysisCell(book, "E" + row)), hi.fits->fits[order].line.slope);
        EXPECT_DOUBLE_EQ(std::stod(AnalysisCell(book, "F" + row)), hi.fits->fits[order].k);
    }
    EXPECT_EQ(AnalysisCell(book, "A15"), "s:H2");
    EXPECT_GT(std::stod(AnalysisCell(book, "E15")), 0);
    // A product whose rate of formation falls gives no order of its own.
    EXPECT_EQ(AnalysisCell(book, "G15"), "s:cap (producte: trieu un reactiu)");
    EXPECT_EQ(AnalysisCell(book, "N12"), "<empty>");

    // A chart of each line of each species, with its least-squares line.
    const std::string last = EntryData(book, "xl/charts/chart7.xml");
    EXPECT_NE(last.find("<c:trendlineType val=\"linear\"/>"), std::string::npos);
    EXPECT_EQ(EntryData(book, "xl/charts/chart8.xml"), "<missing>");
    EXPECT_EQ(Count(EntryData(book, "xl/charts/chart3.xml"), "$K$12:$K$32</c:f>"), 1);

    // Too few rows: each species asks for more data.
    ASSERT_TRUE(EscriureLlibreDades(path, SecondOrderTable(3), "HI", Catala()));
    EXPECT_EQ(AnalysisCell(ReadArchive(path), "B13"), "s:Calen més dades");
}

TEST_F(WorkbookExport, TablesWithoutRowsGetASheetAndNoChart) {
    // Nothing, a title without a reaction, a header without rows.
    for (const DataRows& t :
         {DataRows{}, DataRows{true, {}, {}, {}}, DataRows{true, {"Temps", "O2"}, {}, {}}}) {
        ASSERT_TRUE(EscriureLlibreDades(path, t, "FeO", Catala()));
        const auto book = ReadArchive(path);
        EXPECT_NE(EntryData(book, "xl/worksheets/sheet1.xml"), "<missing>");
        EXPECT_EQ(EntryData(book, "xl/charts/chart1.xml"), "<missing>");
        EXPECT_EQ(CellAt(book, "A3"), t.started ? "s:" + kTitle : "<empty>");
    }
}

// The text of every <a:t> or <t> element of an entry of the workbook.
std::vector<std::string> Texts(const std::string& xml, const std::string& tag) {
    std::vector<std::string> texts;
    for (auto p = xml.find("<" + tag); p != std::string::npos; p = xml.find("<" + tag, p + 1)) {
        if (xml[p + tag.size() + 1] != '>' && xml[p + tag.size() + 1] != ' ')
            continue; // <tx>, <title>...
        const auto start = xml.find('>', p) + 1;
        texts.push_back(xml.substr(start, xml.find("</" + tag + ">", start) - start));
    }
    return texts;
}

TEST_F(WorkbookExport, EveryWordOfTheWorkbookComesThroughTheLanguage) {
    const test::MarkedLanguage marked;
    ASSERT_TRUE(EscriureLlibreDades(path, SecondOrderTable(21), "HI", marked));
    const auto book = ReadArchive(path);
    const std::string workbook = EntryData(book, "xl/workbook.xml");
    EXPECT_NE(workbook.find("<sheet name=\"~Hoja1\""), std::string::npos);
    EXPECT_NE(workbook.find("<sheet name=\"~Anàlisi\""), std::string::npos);
    // The charts read their values from the sheets by those names.
    EXPECT_EQ(Count(EntryData(book, "xl/charts/chart1.xml"), "'~Hoja1'!$A$5:$A$25</c:f>"), 2);
    EXPECT_EQ(Count(EntryData(book, "xl/charts/chart2.xml"), "'~Anàlisi'!$I$12:$I$32</c:f>"), 1);

    // Symbols, formulas and numbers are the same in every language.
    const std::set<std::string> symbols{"HI",   "H2",  "ln HI", "1/HI", "ln H2", "1/H2", "N",
                                        "ln N", "1/N", "R²",    "k",    "1,5:1", "2"};
    std::vector<std::string> texts = Texts(EntryData(book, "xl/sharedStrings.xml"), "t");
    for (int chart = 1; chart <= 7; ++chart)
        for (const std::string& t :
             Texts(EntryData(book, "xl/charts/chart" + std::to_string(chart) + ".xml"), "a:t"))
            texts.push_back(t);
    EXPECT_GT(texts.size(), 40u);
    for (const std::string& t : texts)
        EXPECT_TRUE(t.starts_with("~") || symbols.contains(t)) << t;
    EXPECT_EQ(AnalysisCell(book, "A1"), "s:~Anàlisi de l'ordre de reacció");
    EXPECT_EQ(CellAt(book, "A4"), "s:~Temps");
}

TEST_F(WorkbookExport, UnwritablePathFailsAndLeavesNothing) {
    const fs::path missing = dir / "no_such_folder" / "DadesCineHI.xlsx";
    EXPECT_FALSE(EscriureLlibreDades(missing.string(), kHiTable, "HI", Catala()));
    EXPECT_FALSE(fs::exists(missing));
}

} // namespace
} // namespace tarvon
