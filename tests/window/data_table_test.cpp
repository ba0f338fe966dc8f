#include "window/data_table.h"
#include "reactions/hi/hi.h"
#include "reactions/registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvon {
namespace {

constexpr char kComma = ',';

// The time of every row after the title and the header.
std::vector<std::string> RowTimes(const std::string& table) {
    std::vector<std::string> times;
    for (std::size_t p = 0;
         (p = table.find("\r\n", p)) != std::string::npos && p + 2 < table.size();)
        p += 2, times.push_back(table.substr(p, table.find_first_of("\t\r", p) - p));
    if (!times.empty())
        times.erase(times.begin());
    return times;
}

// "HI" with 200 molecules.
class DataTable : public ::testing::Test {
protected:
    DataTable() {
        UseReaction(s, &kHI);
        s.nHI = 200;
    }
    // Starts interval rows at clock `t` as the interval commands do.
    void start(double t, float interval) {
        s.Ara = t;
        IniciarDades(d, s, t);
        d.Interval = interval;
    }
    void tickAt(std::initializer_list<double> times) {
        for (const double t : times) {
            s.Ara = t;
            PrendreFilaInterval(d, s);
        }
    }
    std::string text() const { return TaulaDades(d.Taula, kComma, Catala()); }
    SimulationState s;
    DataTaking d;
};

TEST(DataTableText, GeneralNumberFormatAndTheColumnsOfEachReaction) {
    std::string formatted;
    for (const float v : {0.0f, 0.5f, 1000.0f, 0.1f + 0.2f, 1234567.8f, 12345.67f})
        formatted += FormatGeneral(v, kComma) + " ";
    EXPECT_EQ(formatted, "0 0,5 1000 0,3 1234568 12345,67 ");
    EXPECT_EQ(FormatGeneral(1.5f, '.'), "1.5");

    SimulationState s;
    s.nO2 = 7, s.nN2 = 1, s.nH2 = 2, s.nNH3 = 3, s.nHg = 4;
    const std::pair<const char*, const char*> expected[] = {
        {"FeO", "Temps\tO2\r\n0\t7\r\n0,5\t7\r\n"},
        {"NH3", "Temps\tN2\tH2\tNH3\r\n0\t1\t2\t3\r\n0,5\t1\t2\t3\r\n"},
        {"HgO", "Temps\tHg\tO2\r\n0\t4\t7\r\n0,5\t4\t7\r\n"},
        {"", "0,5\r\n"},
    };
    for (const auto& [key, rows] : expected) {
        UseReaction(s, FindReaction(key));
        DataTaking d;
        IniciarDades(d, s, 0);
        d.Interval = 0.5f;
        s.Ara = 0.5;
        PrendreFilaInterval(d, s);
        EXPECT_EQ(TaulaDades(d.Taula, kComma, Catala()), std::string(kTitolDades) + "\r\n" + rows)
            << key;
    }
    EXPECT_EQ(TaulaDades(DataRows{}, kComma, Catala()), "") << "no table was begun";
}

TEST_F(DataTable, NewTableHasTitleHeaderAndTheCountsAtZero) {
    EXPECT_EQ(IniciarDades(d, s, 5.0), TableStart::New);
    EXPECT_EQ(text(), "Nombre de partícules en funció del temps (segons)\r\n"
                      "Temps\tHI\tH2\tI2\r\n"
                      "0\t200\t0\t0\r\n");
    s.nHI = 198;
    s.nH2 = s.nI2 = 1;
    d.Interval = 0.5f;
    s.Ara = 5.5;
    EXPECT_TRUE(PrendreFilaInterval(d, s));
    EXPECT_TRUE(text().ends_with("\r\n0,5\t198\t1\t1\r\n"));
}

TEST_F(DataTable, ChangingTheIntervalContinuesTheTimes) {
    start(100, 0.5f);
    tickAt({100.5, 101.0, 101.5, 102.0});
    s.Ara = 102.2;
    EXPECT_EQ(IniciarDades(d, s, 102.2), TableStart::Continued);
    d.Interval = 2;
    tickAt({104.2, 106.2, 108.2});
    const std::vector<std::string> times{"0", "0,5", "1", "1,5", "2", "4", "6", "8"};
    EXPECT_EQ(RowTimes(text()), times);
}

// Row times count from the row number; 0.49999999 s counts as 0.5 s once
// rounded to single precision, from any clock reading, 0 included. A tick late
// by less than an interval keeps the schedule; one due for the next row too
// (a freeze, a busy machine) takes one row and starts the schedule again.
TEST_F(DataTable, ALateTickTakesOneRowAndOnlyAWholeIntervalLateRestartsTheSchedule) {
    start(0.0, 0.5f);
    tickAt({0.49999999});
    EXPECT_EQ(d.NombreRegistres, 1);
    AturarDades(d);
    start(100, 1);
    std::vector<int> rowsTaken;
    for (const double t : {100.95, 101.0, 102.7, 103.0, 106.5, 107.0, 107.4, 107.5}) {
        tickAt({t});
        rowsTaken.push_back(d.NombreRegistres);
    }
    EXPECT_EQ(rowsTaken, (std::vector<int>{0, 1, 2, 3, 4, 4, 4, 5}));
    EXPECT_EQ(RowTimes(text()), (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
}

// Ticks of the runner's clock, which adds the tick to the reading each time.
// Returns the clock reading of every interval row, from the start.
std::vector<double> RowMoments(DataTaking& d, SimulationState& s, double tick, double seconds) {
    std::vector<double> moments;
    const double start = s.Ara;
    for (double t = start; t - start < seconds;) {
        t += tick;
        s.Ara = t;
        if (PrendreFilaInterval(d, s))
            moments.push_back(t - start);
    }
    return moments;
}

// Each row comes at the first tick at or after its due time: with 70 ms ticks
// the row of 57 s is taken at 57.05 s, not 3 s late.
TEST_F(DataTable, RowsDoNotFallBehindTheClockWhenTheTickDoesNotDivideTheInterval) {
    start(1000, 1);
    const std::vector<double> moments = RowMoments(d, s, 0.07, 60);
    ASSERT_EQ(moments.size(), 60u); // the last tick is at 60.01 s
    for (std::size_t n = 1; n <= moments.size(); ++n) {
        EXPECT_GE(moments[n - 1] - n, -1e-6) << "row " << n;
        EXPECT_LT(moments[n - 1] - n, 0.07) << "row " << n;
    }
    EXPECT_EQ(RowTimes(text())[57], "57");
    EXPECT_NEAR(moments[56], 57.05, 1e-6);

    // The default 50 ms divides every interval: one row every interval / 50 ms
    // ticks, to the thousandth row.
    for (const float interval : {0.5f, 1.0f, 2.0f, 5.0f, 10.0f}) {
        AturarDades(d);
        start(1000, interval);
        const std::vector<double> at = RowMoments(d, s, 0.05, 1000 * interval + 1);
        ASSERT_EQ(at.size(), 1000u) << interval;
        for (std::size_t n = 1; n <= at.size(); n += 111)
            EXPECT_NEAR(at[n - 1], n * interval, 1e-6) << interval << " row " << n;
    }
}

// A chronometer lap taken beside interval rows: the next interval row is due
// one interval after the lap.
TEST_F(DataTable, AChronometerRowRestartsTheIntervalSchedule) {
    start(200, 1);
    tickAt({201});
    s.Ara = 201.4;
    d.MarcaCrono = 0.4f;
    EXPECT_TRUE(PrendreFilaCrono(d, s));
    tickAt({202, 202.3});
    EXPECT_EQ(d.NombreRegistres, 1);
    tickAt({202.4});
    EXPECT_EQ(RowTimes(text()), (std::vector<std::string>{"0", "1", "0,4", "2"}));
}

TEST_F(DataTable, AtMost1000RowsPerInterval) {
    start(0, 10);
    for (int i = 1; i <= 1005; ++i)
        tickAt({10.0 * i});
    EXPECT_EQ(RowTimes(text()).size(), 1001u);
    EXPECT_EQ(RowTimes(text()).back(), "10000");
    // Another interval command continues the table past the limit.
    start(s.Ara, 5);
    tickAt({s.Ara + 5});
    EXPECT_EQ(RowTimes(text()).back(), "10005");
}

TEST_F(DataTable, StoppingOrClearingMakesTheNextStartANewTable) {
    start(0, 1);
    tickAt({1, 2});
    AturarDades(d);
    tickAt({3, 4});
    EXPECT_EQ(RowTimes(text()).size(), 3u);
    s.nHI = 150;
    EXPECT_EQ(IniciarDades(d, s, 5), TableStart::New);
    EXPECT_EQ(RowTimes(text()).size(), 1u);
    EXPECT_TRUE(text().ends_with("\r\n0\t150\t0\t0\r\n"));

    tickAt({6});
    EsborrarDades(d);
    tickAt({7, 8});
    EXPECT_EQ(text(), "");
}

} // namespace
} // namespace tarvon
