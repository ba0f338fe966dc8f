#include "window/order_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace tarvon {
namespace {

// A table of one falling and one rising species sampled from a law, counts
// rounded as the program's are.
DataRows Table(int rows, const std::function<double(double)>& law, double step = 2) {
    DataRows t{true, {"Temps", "A", "B"}, {}, {}};
    const double n0 = law(0);
    for (int i = 0; i < rows; ++i) {
        const double t_i = step * i;
        const int n = static_cast<int>(std::lround(law(t_i)));
        t.rows.push_back({static_cast<float>(t_i), {n, static_cast<int>(std::lround(n0)) - n}});
    }
    return t;
}

bool Says(const OrderReport& r, const std::string& part) {
    for (const std::string& line : r.lines)
        if (line.find(part) != std::string::npos)
            return true;
    return false;
}

TEST(OrderReport, SecondOrderDataAreNamedWithTheirHalfLife) {
    // 1/N = 1/400 + 0.0005 t: down to a quarter over 60 s.
    const DataRows t = Table(31, [](double x) { return 1 / (1.0 / 400 + 0.0005 * x); });
    const OrderReport r = BuildOrderReport(t, 1, ',', Catala());
    ASSERT_TRUE(r.fits);
    EXPECT_EQ(r.column, "A");
    EXPECT_FALSE(r.rising);
    EXPECT_EQ(r.fits->best, 2);
    EXPECT_TRUE(Says(r, "L'ordre que s'ajusta millor és 2."));
    EXPECT_FALSE(Says(r, "no permeten decidir"));
    EXPECT_NEAR(r.fits->fits[2].k, 0.0005, 0.00002);
    // t½ = 1/(k·N0) = 5 s from the fitted k.
    EXPECT_TRUE(Says(r, "1/(k·N0)): " + FormatSignificant(r.fits->halfLife, ',') + " s"));
    EXPECT_NEAR(r.fits->halfLife, 5, 0.3);
    EXPECT_TRUE(Says(r, "sense cap factor estequiomètric"));
    EXPECT_FALSE(Says(r, "no s'ajusta bé"));
}

TEST(OrderReport, ScatteredDataAreSaidToShowNoClearOrder) {
    // A count that falls and then stands still, as a few particles do.
    DataRows t{true, {"Temps", "N2"}, {}, {}};
    const int counts[] = {8, 7, 6, 6, 5, 5, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    for (int i = 0; i < 20; ++i)
        t.rows.push_back({1.5f * static_cast<float>(i), {counts[i]}});
    const OrderReport r = BuildOrderReport(t, 1, ',', Catala());
    ASSERT_TRUE(r.fits);
    EXPECT_LT(r.fits->fits[r.fits->best].line.r2, 0.9);
    EXPECT_TRUE(Says(r, "no s'ajusta bé a les dades (el millor R² és menor que 0,9)"));
}

TEST(OrderReport, ARisingProductIsAnalysedAsARateOfFormation) {
    const DataRows t = Table(20, [](double x) { return 300 - 4 * x; });
    const OrderReport r = BuildOrderReport(t, 2, '.', Catala()); // the second species rises
    ASSERT_TRUE(r.fits);
    EXPECT_TRUE(r.rising);
    EXPECT_EQ(r.fits->best, 0);
    EXPECT_TRUE(r.constantRate);
    EXPECT_TRUE(Says(r, "B es forma a velocitat constant mentre augmenta, 4 partícules/s: la "
                        "reacció és d'ordre 0."));
    EXPECT_TRUE(Says(r, "B és un producte: la recta d'ordre 0 dóna la seva velocitat de "
                        "formació, 4 partícules/s."));
    EXPECT_TRUE(Says(r, "no s'aplica")); // no half-life from a product
    // The first row, N = 0, has no logarithm.
    EXPECT_EQ(r.points[0].t.size(), 20u);
    EXPECT_EQ(r.points[1].t.size(), 19u);
    EXPECT_EQ(r.points[2].t.size(), 19u);
    EXPECT_TRUE(Says(r, "Ordre 0 (N): R² = 1.0000, pendent = 4, k = 4 partícules/s"));
}

TEST(OrderReport, AProductKeepsItsConstantRateWhenTheReactantRunsOutBeforeTheEnd) {
    // Formed at 4 per second until the reactant is gone at 30 s, then flat.
    const DataRows t = Table(31, [](double x) { return 120 - 4 * std::min(x, 30.0); });
    const OrderReport r = BuildOrderReport(t, 2, ',', Catala());
    ASSERT_TRUE(r.fits);
    EXPECT_LT(r.fits->fits[0].line.r2, 0.9); // the flat end bends the whole table
    EXPECT_TRUE(r.constantRate);
    EXPECT_DOUBLE_EQ(r.formationRate, 4);
}

TEST(OrderReport, AProductFormedEverMoreSlowlyGivesNoOrderOfItsOwn) {
    // The product of a second-order fall: its 1/N line may fit, but says nothing.
    const DataRows t = Table(31, [](double x) { return 1 / (1.0 / 400 + 0.0005 * x); });
    const OrderReport r = BuildOrderReport(t, 2, ',', Catala());
    ASSERT_TRUE(r.fits);
    EXPECT_TRUE(r.rising);
    EXPECT_FALSE(r.constantRate);
    EXPECT_TRUE(Says(r, "B no es forma a velocitat constant"));
    EXPECT_FALSE(Says(r, "s'ajusta millor"));
    EXPECT_TRUE(Says(r, "El temps de semireacció no s'aplica"));
    EXPECT_TRUE(Says(r, "Velocitat inicial de formació"));
}

TEST(OrderReport, TooFewRowsOrTooManyZerosAskForMoreData) {
    const DataRows three = Table(3, [](double x) { return 100 - x; });
    OrderReport r = BuildOrderReport(three, 1, ',', Catala());
    EXPECT_FALSE(r.fits);
    EXPECT_TRUE(Says(r, "Calen més dades"));
    EXPECT_EQ(r.points[0].t.size(), 3u); // the points still show

    DataRows zeros{true, {"Temps", "NH3"}, {{0, {0}}, {1, {0}}, {2, {0}}, {3, {1}}}, {}};
    r = BuildOrderReport(zeros, 1, ',', Catala());
    EXPECT_FALSE(r.fits);
    EXPECT_TRUE(Says(r, "Calen més dades"));

    r = BuildOrderReport(DataRows{}, 1, ',', Catala());
    EXPECT_FALSE(r.fits);
    EXPECT_TRUE(Says(r, "No hi ha dades"));
}

TEST(OrderReport, FlatDataDoNotDecideTheOrder) {
    // Nothing reacts yet: every line fits a flat series equally well.
    const DataRows flat = Table(8, [](double) { return 144; });
    const OrderReport r = BuildOrderReport(flat, 1, ',', Catala());
    ASSERT_TRUE(r.fits);
    EXPECT_FALSE(r.fits->decided);
    EXPECT_TRUE(Says(r, "Les dades no permeten decidir l'ordre"));
    EXPECT_TRUE(Says(r, "no es pot calcular"));
}

TEST(FormatSignificant, SixDigitsWithTheSeparatorAndPowersOfTenForTheSmall) {
    EXPECT_EQ(FormatSignificant(-1.2345678, ','), "-1,23457");
    EXPECT_EQ(FormatSignificant(123456.7, ','), "123457");
    EXPECT_EQ(FormatSignificant(0.0025, ','), "0,0025");
    EXPECT_EQ(FormatSignificant(0.000025, ','), "2,5·10⁻⁵");
    EXPECT_EQ(FormatSignificant(-3.5e7, '.'), "-3.5·10⁷");
    EXPECT_EQ(FormatSignificant(0, ','), "0");
}

} // namespace
} // namespace tarvon
