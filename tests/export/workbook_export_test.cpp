#include "export/workbook_export.h"

#include "export/archive_testing.h"

#include <filesystem>
#include <string>

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
std::string CellAt(const std::vector<testing::StoredEntry>& book, const std::string& ref) {
    const std::string sheet = EntryData(book, "xl/worksheets/sheet1.xml");
    const std::size_t open = sheet.find("<c r=\"" + ref + "\"");
    if (open == std::string::npos)
        return "<empty>";
    const std::size_t v = sheet.find("<v>", open) + 3;
    const std::string value = sheet.substr(v, sheet.find("</v>", v) - v);
    const std::string stringCell = "<c r=\"" + ref + "\" t=\"s\">";
    if (sheet.compare(open, stringCell.size(), stringCell) != 0)
        return value;
    const std::string shared = EntryData(book, "xl/sharedStrings.xml");
    std::size_t p = shared.find("<sst");
    for (int i = std::stoi(value); i >= 0; --i)
        p = shared.find("<si><t>", p + 1);
    return "s:" + shared.substr(p + 7, shared.find("</t>", p) - p - 7);
}

struct WorkbookExport : testing::ScratchFolder {
    std::string path = (dir / "DadesCineHI.xlsx").string();
};

TEST_F(WorkbookExport, TableFromA3AndAScatterChartOfEveryCount) {
    ASSERT_TRUE(EscriureLlibreDades(path, kHiTable, "HI"));
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

TEST_F(WorkbookExport, TablesWithoutRowsGetASheetAndNoChart) {
    // Nothing, a title without a reaction, a header without rows.
    for (const DataRows& t :
         {DataRows{}, DataRows{true, {}, {}, {}}, DataRows{true, {"Temps", "O2"}, {}, {}}}) {
        ASSERT_TRUE(EscriureLlibreDades(path, t, "FeO"));
        const auto book = ReadArchive(path);
        EXPECT_NE(EntryData(book, "xl/worksheets/sheet1.xml"), "<missing>");
        EXPECT_EQ(EntryData(book, "xl/charts/chart1.xml"), "<missing>");
        EXPECT_EQ(CellAt(book, "A3"), t.started ? "s:" + kTitle : "<empty>");
    }
}

TEST_F(WorkbookExport, UnwritablePathFailsAndLeavesNothing) {
    const fs::path missing = dir / "no_such_folder" / "DadesCineHI.xlsx";
    EXPECT_FALSE(EscriureLlibreDades(missing.string(), kHiTable, "HI"));
    EXPECT_FALSE(fs::exists(missing));
}

} // namespace
} // namespace tarvon
