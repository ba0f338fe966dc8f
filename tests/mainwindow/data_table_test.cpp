#include "mainwindow/data_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvon {
namespace {

constexpr char kComma = ',';

// The rows of the table after the title and header, without their CR LF.
std::vector<std::string> DataRows(const std::string& table) {
    std::vector<std::string> rows;
    std::size_t start = 0;
    for (std::size_t end; (end = table.find("\r\n", start)) != std::string::npos; start = end + 2)
        rows.push_back(table.substr(start, end - start));
    EXPECT_EQ(start, table.size()) << "text after the last CR LF";
    if (rows.size() >= 2)
        rows.erase(rows.begin(), rows.begin() + 2);
    return rows;
}

std::vector<std::string> RowTimes(const std::string& table) {
    std::vector<std::string> times;
    for (const std::string& row : DataRows(table))
        times.push_back(row.substr(0, row.find('\t')));
    return times;
}

// "HI" with 200 molecules.
class DataTable : public ::testing::Test {
protected:
    DataTable() {
        s.Reaccio = "HI";
        s.nHI = 200;
    }
    SimulationState s;
    DataTaking d;
};

// Starts interval rows at clock `t` as the interval commands do.
void StartInterval(DataTaking& d, SimulationState& s, double t, float interval) {
    s.Ara = t;
    IniciarDades(d, s, t, kComma);
    d.Interval = interval;
}

// Ticks at the given clock readings.
void TickAt(DataTaking& d, SimulationState& s, std::initializer_list<double> times) {
    for (const double t : times) {
        s.Ara = t;
        PrendreFilaInterval(d, s, kComma);
    }
}

TEST(DataTableText, GeneralNumberFormat) {
    EXPECT_EQ(FormatGeneral(0, kComma), "0");
    EXPECT_EQ(FormatGeneral(0.5f, kComma), "0,5");
    EXPECT_EQ(FormatGeneral(1000, kComma), "1000");
    EXPECT_EQ(FormatGeneral(1.5f, '.'), "1.5");
    EXPECT_EQ(FormatGeneral(0.1f + 0.2f, kComma), "0,3");
    EXPECT_EQ(FormatGeneral(3.2f + 4.1f, kComma), "7,3");
    EXPECT_EQ(FormatGeneral(1234567.8f, kComma), "1234568");
    EXPECT_EQ(FormatGeneral(12345.67f, kComma), "12345,67");
    EXPECT_EQ(FormatGeneral(1e-7f, kComma), "1e-07");
}

TEST_F(DataTable, NewTableHasTitleHeaderAndTheCountsAtZero) {
    EXPECT_EQ(IniciarDades(d, s, 5.0, kComma), TableStart::New);
    EXPECT_EQ(d.TaulaDades, "Nombre de partícules en funció del temps (segons)\r\n"
                            "Temps\tHI\tH2\tI2\r\n"
                            "0\t200\t0\t0\r\n");
    EXPECT_EQ(d.DarrerRegistre, 5.0);

    s.nHI = 198;
    s.nH2 = s.nI2 = 1;
    d.Interval = 0.5f;
    s.Ara = 5.5;
    EXPECT_TRUE(PrendreFilaInterval(d, s, kComma));
    EXPECT_EQ(DataRows(d.TaulaDades).back(), "0,5\t198\t1\t1");
}

TEST(DataTableText, HeaderAndCountsPerReaction) {
    SimulationState s;
    s.nO2 = 7;
    s.nN2 = 1;
    s.nH2 = 2;
    s.nNH3 = 3;
    s.nHg = 4;
    const std::pair<const char*, const char*> expected[] = {
        {"FeO", "Temps\tO2\r\n0,5\t7\r\n"},
        {"NH3", "Temps\tN2\tH2\tNH3\r\n0,5\t1\t2\t3\r\n"},
        {"HgO", "Temps\tHg\tO2\r\n0,5\t4\t7\r\n"},
        {"", "0,5\r\n"},
    };
    for (const auto& [key, text] : expected) {
        s.Reaccio = key;
        EXPECT_EQ(CapcaleraDades(s.Reaccio) + FilaDades(0.5f, s, kComma), text) << key;
    }
}

TEST_F(DataTable, ChangingTheIntervalContinuesTheTimes) {
    StartInterval(d, s, 100, 0.5f);
    TickAt(d, s, {100.5, 101.0, 101.5, 102.0});
    ASSERT_EQ(d.NombreRegistres, 4);

    s.Ara = 102.2;
    EXPECT_EQ(IniciarDades(d, s, 102.2, kComma), TableStart::Continued);
    d.Interval = 2;
    EXPECT_FLOAT_EQ(d.TempsBase, 2.0f);
    TickAt(d, s, {104.2, 106.2, 108.2});
    const std::vector<std::string> times{"0", "0,5", "1", "1,5", "2", "4", "6", "8"};
    EXPECT_EQ(RowTimes(d.TaulaDades), times);
}

TEST_F(DataTable, LateTickDelaysTheNextRowButNotItsTime) {
    StartInterval(d, s, 100, 1);
    TickAt(d, s, {100.95, 101.0, 102.7, 103.5, 103.7});
    const std::vector<std::string> times{"0", "1", "2", "3"};
    EXPECT_EQ(RowTimes(d.TaulaDades), times);
    EXPECT_EQ(d.DarrerRegistre, 103.7);
}

// A start at clock reading 0 still takes rows, and 0.49999999 s counts as
// 0.5 s once rounded to single precision.
TEST_F(DataTable, ElapsedTimeFromAnyClockReadingInSinglePrecision) {
    StartInterval(d, s, 0.0, 0.5f);
    TickAt(d, s, {0.49999999});
    EXPECT_EQ(d.NombreRegistres, 1);
}

TEST_F(DataTable, AtMost1000RowsPerInterval) {
    StartInterval(d, s, 0, 10);
    for (int i = 1; i <= 1005; ++i)
        TickAt(d, s, {10.0 * i});
    EXPECT_EQ(d.NombreRegistres, 1000);
    EXPECT_EQ(RowTimes(d.TaulaDades).size(), 1001u);
    EXPECT_EQ(RowTimes(d.TaulaDades).back(), "10000");

    // Another interval command continues the table past the limit.
    IniciarDades(d, s, s.Ara, kComma);
    d.Interval = 5;
    TickAt(d, s, {s.Ara + 5});
    EXPECT_EQ(RowTimes(d.TaulaDades).back(), "10005");
}

TEST_F(DataTable, StoppingOrClearingMakesTheNextStartANewTable) {
    StartInterval(d, s, 0, 1);
    TickAt(d, s, {1, 2});

    AturarDades(d);
    TickAt(d, s, {3, 4});
    EXPECT_EQ(RowTimes(d.TaulaDades).size(), 3u);
    EXPECT_EQ(d.Interval, 1.0f);
    s.nHI = 150;
    EXPECT_EQ(IniciarDades(d, s, 5, kComma), TableStart::New);
    EXPECT_EQ(DataRows(d.TaulaDades), std::vector<std::string>{"0\t150\t0\t0"});

    TickAt(d, s, {6});
    EsborrarDades(d);
    EXPECT_EQ(d.TaulaDades, "");
    EXPECT_EQ(d.NombreRegistres, 0);
    EXPECT_FALSE(d.DarrerRegistre.has_value());
    TickAt(d, s, {7, 8});
    EXPECT_EQ(d.TaulaDades, "");
}

} // namespace
} // namespace tarvon
