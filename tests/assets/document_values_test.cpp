#include "assets/document_error.h"
#include "assets/document_runs.h"
#include "assets/document_values.h"
#include "reactions/registry.h"

#include <gtest/gtest.h>

namespace assets {
namespace {

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const DocumentError& e) {
        return e.what();
    }
    return "";
}

TEST(RunsFile, ReadsNamedSeededRunsAndNamesTheLineOfAFault) {
    const auto runs = ParseRunsFile("# comment\r\n\nhi: --reaction HI --particles 100 --seed 4 "
                                    "--duration 20 --interval 0.5\nfe2: --reaction FeO --seed 9\n");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].name, "hi");
    EXPECT_EQ(runs[0].options.particles, 100);
    EXPECT_EQ(*runs[0].options.seed, 4u);
    EXPECT_FLOAT_EQ(runs[0].options.interval, 0.5f);
    EXPECT_EQ(runs[1].options.reaction, tarvon::FindReaction("FeO"));

    EXPECT_NE(errorOf([] { ParseRunsFile("\nhi: --reaction HI\n"); }).find("line 2"),
              std::string::npos);
    EXPECT_NE(errorOf([] {
                  ParseRunsFile("a: --reaction HI --seed 1\na: --reaction HI --seed 2");
              }).find("named twice"),
              std::string::npos);
    EXPECT_NE(errorOf([] { ParseRunsFile("Hi: --reaction HI --seed 1"); }), "");
    EXPECT_NE(errorOf([] { ParseRunsFile("hi: --reaction XY --seed 1"); }).find("--reaction"),
              std::string::npos);
    EXPECT_NE(errorOf([] { ParseRunsFile("hi --reaction HI --seed 1"); }), "");
}

TEST(RunsFile, AModelRunIsTheSameTableEveryTime) {
    auto runs = ParseRunsFile("hi: --reaction HI --particles 64 --seed 3 --duration 5");
    DocumentRun again = runs[0];
    RunModel(runs[0]);
    RunModel(again);
    EXPECT_EQ(runs[0].table.columns, (std::vector<std::string>{"Temps", "HI", "H2", "I2"}));
    ASSERT_EQ(runs[0].table.rows.size(), 6u);
    EXPECT_EQ(runs[0].table.rows, again.table.rows);
    // Every HI that is gone went into one H2 and one I2.
    for (const auto& row : runs[0].table.rows)
        EXPECT_EQ(row[1] + 2 * row[2], runs[0].table.rows[0][1]);
}

TEST(RunTableText, ParsesTheProgramsTextAndRefusesARaggedRow) {
    const RunTable t = ParseDataTable("Títol\r\nTemps\tO2\r\n0\t40\r\n0.5\t38\r\n");
    EXPECT_EQ(t.columns, (std::vector<std::string>{"Temps", "O2"}));
    EXPECT_EQ(t.rows, (std::vector<std::vector<double>>{{0, 40}, {0.5, 38}}));
    EXPECT_NE(errorOf([] { ParseDataTable("T\nTemps\tO2\n1\t2\t3\n"); }), "");
    EXPECT_NE(errorOf([] { ParseDataTable("T\nTemps\tO2\n1\t2x\n"); }), "");
}

TEST(DocumentNumbers, IntegersWholeR2ThreeDecimalsOthersThreeSignificantDigits) {
    EXPECT_EQ(FormatDocumentNumber(40), "40");
    EXPECT_EQ(FormatDocumentNumber(-3), "-3");
    EXPECT_EQ(FormatDocumentNumber(4.5), "4,5");
    EXPECT_EQ(FormatDocumentNumber(0.0123456), "0,0123");
    EXPECT_EQ(FormatDocumentNumber(123.4), "123");
    EXPECT_EQ(FormatDocumentNumber(0.99634, true), "0,996");
    EXPECT_NE(errorOf([] { FormatDocumentNumber(1.0 / 0.0); }), "");
}

// A hand-made run: 80 molecules halving every 2 s, with an empty last row.
DocumentValues halving() {
    DocumentRun r;
    r.name = "r";
    r.options.reaction = tarvon::FindReaction("HI");
    r.options.particles = 144;
    r.options.diameter = 1.5f;
    r.options.seed = 7;
    r.table.columns = {"Temps", "HI", "H2"};
    r.table.rows = {{0, 80, 0}, {2, 40, 20}, {4, 20, 30}, {6, 10, 35}, {8, 5, 37.5}, {10, 0, 40}};
    return DocumentValues({r});
}

// English prints the decimal point, in values, tables and settings alike; a word a value writes
// is the language's.
TEST(DocumentNumbers, EachLanguageItsOwnDecimalSeparatorAndWords) {
    EXPECT_EQ(FormatDocumentNumber(0.0123456, false, '.'), "0.0123");
    EXPECT_EQ(FormatDocumentNumber(0.99634, true, '.'), "0.996");
    EXPECT_EQ(FormatDocumentNumber(40, false, '.'), "40");
    struct Shouting final : tarvon::Language {
        std::string text(const tarvon::TextKey& key) const override {
            return std::string("<") + key.source + ">";
        }
    } words;
    const DocumentLanguage english{&words, '.'};
    const DocumentValues values = halving();
    EXPECT_EQ(values.text("r.diametre", english), "1.5:1");
    EXPECT_EQ(values.text("r.diametre"), "1,5:1");
    EXPECT_EQ(values.text("r.volum", english), "<variable>");
    EXPECT_EQ(values.text("r.HI.vmitjana@0-2 / 8", english), "2.5");
    const std::string table = values.text("r.taula", english);
    EXPECT_NE(table.find("<Temps (s)>"), std::string::npos) << table;
    EXPECT_NE(table.find("<td>37.5</td>"), std::string::npos) << table;
    EXPECT_EQ(table.find(','), std::string::npos) << table;
    EXPECT_EQ(SubstituteValues("{{r.HI.meitat / 4}} s", values, english), "0.5 s");
}

TEST(DocumentValues, TheConstantVolumeIsASettingOfTheRun) {
    const std::vector<DocumentRun> runs =
        ParseRunsFile("v: --reaction HI --particles 64 --fixed-volume --seed 1 --duration 2\n");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_TRUE(runs[0].options.fixedVolume);
    EXPECT_EQ(DocumentValues(runs).text("v.volum"), "constant");
    EXPECT_NE(errorOf([] { ParseRunsFile("a: --reaction HI --seed 1 --analyse HI\n"); }), "");
}

TEST(DocumentValues, CountsRatesFitsAndArithmeticFromTheRunsTable) {
    const DocumentValues v = halving();
    EXPECT_EQ(v.text("r.HI@4"), "20");
    EXPECT_EQ(v.text("r.HI.inicial"), "80");
    EXPECT_EQ(v.text("r.HI.final"), "0");
    EXPECT_EQ(v.text("r.HI.vmitjana@0-4"), "15");
    EXPECT_EQ(v.text("r.H2.vmitjana@2-6"), "3,75");
    EXPECT_EQ(v.text("r.HI.meitat"), "2");
    EXPECT_EQ(v.text("r.HI.temps@10"), "6");
    EXPECT_EQ(v.text("r.H2.temps@35"), "6");
    EXPECT_EQ(v.text("r.HI.ordre1.r2"), "1,000");
    EXPECT_EQ(v.text("r.HI.ordre1.k"), "0,347"); // ln 2 / 2
    EXPECT_EQ(v.text("r.HI.millor"), "1");
    EXPECT_EQ(v.text("r.HI.decidit"), "1");
    EXPECT_EQ(v.text("r.HI.semivida"), "2");
    EXPECT_EQ(v.text("r.diametre"), "1,5:1");
    EXPECT_EQ(v.text("r.volum"), "variable");
    EXPECT_EQ(v.text("r.reaccio"), "HI");
    EXPECT_EQ(v.text("r.llavor"), "7");
    EXPECT_EQ(v.text(" 2 * (r.HI.inicial - r.HI@2) / 4 "), "20");
    EXPECT_EQ(v.text("r.HI@2 - -r.HI@4"), "60");
    EXPECT_NE(v.text("r.taula").find("<th>H<sub>2</sub></th>"), std::string::npos);
    EXPECT_NE(v.text("r.taula").find("<td>37,5</td>"), std::string::npos);
}

TEST(DocumentValues, WhatWasNotComputedIsRefusedAndEverySuchPlaceholderNamed) {
    const DocumentValues v = halving();
    for (const char* bad :
         {"r.HI@3", "r.NH3@2", "r.HI.temps@90", "q.HI@2", "r.HI.ordre3.r2", "r.HI.vmitjana@4-2",
          "r.reaccio + 1", "r.HI / (r.HI@10)", "r.HI@2 +", "(r.HI@2"})
        EXPECT_NE(errorOf([&] { v.text(bad); }), "") << bad;

    EXPECT_EQ(SubstituteValues("a {{r.HI@0}} b {{r.H2@10}}.", v), "a 80 b 40.");
    // Claims the prose makes write nothing while they hold.
    EXPECT_EQ(
        SubstituteValues("x{{? r.HI@0 > 2 * r.HI@2 - 1}}{{?r.HI.ordre2.r2 < r.HI.ordre1.r2}}y", v),
        "xy");
    for (const char* claim : {"{{? r.HI@2 > r.HI@0}}", "{{? r.HI@2 < 40}}", "{{? r.HI@2}}",
                              "{{? 1 < 2 < 3}}", "{{? r.reaccio > 1}}"})
        EXPECT_NE(errorOf([&] { SubstituteValues(claim, v); }), "") << claim;
    EXPECT_NE(errorOf([&] { SubstituteValues("{{? r.HI@2 < 40}}", v); }).find("40 < 40"),
              std::string::npos);
    const std::string error =
        errorOf([&] { SubstituteValues("{{r.X@1}} {{r.HI@2}} {{s.HI@0}}", v); });
    EXPECT_NE(error.find("X"), std::string::npos);
    EXPECT_NE(error.find("'s'"), std::string::npos);
    EXPECT_NE(errorOf([&] { SubstituteValues("{{r.HI@2", v); }), "");
}

} // namespace
} // namespace assets
