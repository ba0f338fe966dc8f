#include "mainwindow/workbook_export.h"

#include "mainwindow/archive_testing.h"

#include <filesystem>
#include <string>

namespace tarvon {
namespace {

namespace fs = std::filesystem;
using testing::EntryData;
using testing::ReadArchive;

const std::string kTitle = "Nombre de partícules en funció del temps (segons)";
const std::string kHiTable =
    kTitle + "\r\nTemps\tHI\tH2\tI2\r\n0\t200\t0\t0\r\n0,5\t196\t2\t2\r\n1\t190\t5\t5\r\n";

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
    ASSERT_TRUE(EscriureLlibreDades(path, kHiTable, "HI", ','));
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

TEST_F(WorkbookExport, OddTablesWriteWhatIsThere) {
    // Nothing, or a title without rows: a sheet and no chart.
    for (const std::string& text : {std::string(), kTitle, kTitle + "\r\nTemps\tO2\r\n"}) {
        ASSERT_TRUE(EscriureLlibreDades(path, text, "FeO", ',')) << text;
        const auto book = ReadArchive(path);
        EXPECT_NE(EntryData(book, "xl/worksheets/sheet1.xml"), "<missing>") << text;
        EXPECT_EQ(EntryData(book, "xl/charts/chart1.xml"), "<missing>") << text;
    }
    // Ragged rows, the last one past the header and without a line end; only
    // the locale's separator makes a decimal.
    const std::string ragged = kTitle + "\r\nTemps\tHg\tO2\r\n0\t9\r\n1.5\t8\t1\t7\tinf\t1e-07";
    ASSERT_TRUE(EscriureLlibreDades(path, ragged, "HgO", ','));
    const auto book = ReadArchive(path);
    EXPECT_EQ(CellAt(book, "C5"), "<empty>");
    EXPECT_EQ(CellAt(book, "A6"), "s:1.5");
    EXPECT_EQ(CellAt(book, "D6"), "7");
    EXPECT_EQ(CellAt(book, "E6"), "s:inf");
    EXPECT_EQ(CellAt(book, "F6"), "1E-07");
    EXPECT_EQ(Count(EntryData(book, "xl/charts/chart1.xml"), "<c:ser>"), 2);
    ASSERT_TRUE(EscriureLlibreDades(path, ragged, "HgO", '.'));
    EXPECT_EQ(CellAt(ReadArchive(path), "A6"), "1.5");
}

TEST_F(WorkbookExport, UnwritablePathFailsAndLeavesNothing) {
    const fs::path missing = dir / "no_such_folder" / "DadesCineHI.xlsx";
    EXPECT_FALSE(EscriureLlibreDades(missing.string(), kHiTable, "HI", ','));
    EXPECT_FALSE(fs::exists(missing));
}

} // namespace
} // namespace tarvon
