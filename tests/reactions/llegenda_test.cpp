#include "reactions/llegenda.h"
#include "reactions/population_fixture.h"

namespace tarvon {
namespace {

constexpr float kS = 1.125f, kD0 = 150;

std::string fileOf(const Legend& l, int p) {
    return l.pictures.at(static_cast<std::size_t>(p)).file;
}

TEST(Llegenda, GasReactionsShowTheirTwoAtoms) {
    const Legend nh3 = Llegenda({Reaction::NH3, kD0, 55.5f, 27.75f, kS});
    ASSERT_EQ(nh3.circles.size(), 2u);
    const LegendCircle& second = nh3.circles[1];
    EXPECT_FLOAT_EQ(second.left, kS * 3500);
    EXPECT_FLOAT_EQ(second.top, kS * 9500);
    EXPECT_FLOAT_EQ(second.diameter, 55.5f);
    EXPECT_EQ(second.fill, (Rgb{255, 100, 0}));
    EXPECT_EQ(second.border, (Rgb{0, 0, 255}));
    EXPECT_EQ(fileOf(nh3, 0), "Arxius_orvalis/RI_68.bmp");
    EXPECT_EQ(fileOf(nh3, 1), "Arxius_orvalis/RI_30.bmp");
    EXPECT_EQ(fileOf(Llegenda({Reaction::HI, kD0, 1, 1, kS}), 0), "Arxius_orvalis/RI_70.bmp");
}

TEST(Llegenda, SolidReactionsShowMetalIonOxygenAndOxide) {
    const Legend feo = Llegenda({Reaction::FeO, kD0, 0, 0, kS});
    ASSERT_EQ(feo.circles.size(), 4u);
    const float diameters[4] = {1.16f * kD0, 0.83f * kD0, 0.74f * kD0, 1.4f * kD0};
    const Rgb fills[4] = {{200, 210, 220}, {255, 100, 0}, {0, 60, 255}, {0, 190, 255}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(feo.circles[k].diameter, diameters[k]);
        EXPECT_EQ(feo.circles[k].fill, fills[k]);
    }
    const char* files[6] = {"RI_43", "RI_43", "RI_09", "RI_69", "RI_69", "RI_12"};
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(fileOf(feo, p), std::string("Arxius_orvalis/") + files[p] + ".bmp");
    const Legend hgo = Llegenda({Reaction::HgO, kD0, 0, 0, kS});
    EXPECT_FLOAT_EQ(hgo.circles[0].diameter, 1.44f * kD0);
    EXPECT_FLOAT_EQ(hgo.circles[1].diameter, 1.1f * kD0);
    EXPECT_EQ(fileOf(hgo, 1), "Arxius_orvalis/RI_47.bmp");
}

TEST(Llegenda, PicturesSitBesideTheirCircleAndFollowOnesAfterThePictureBefore) {
    const Legend feo = Llegenda({Reaction::FeO, kD0, 0, 0, kS});
    const auto places = PlacePictures(feo, [](int index) { return 100.0f * index + 15; });
    ASSERT_EQ(places.size(), 6u);
    const LegendCircle &c2 = feo.circles[1], &c4 = feo.circles[3];
    EXPECT_FLOAT_EQ(places[1].left, c2.left + c2.diameter + 100);
    EXPECT_FLOAT_EQ(places[1].top, c2.top - 100);
    EXPECT_FLOAT_EQ(places[2].left, places[1].left + 215);
    EXPECT_FLOAT_EQ(places[2].top, c2.top);
    EXPECT_FLOAT_EQ(places[5].left, c4.left + c4.diameter + 100 + 515);
}

TEST(Llegenda, APopulationKeepsTheScreenFactorAndUsesTheNewRadii) {
    auto s = test::stateFor("HI", 40);
    s->llegenda.FactorPantalla = 0.78125f;
    MersenneRandom rnd;
    Crea_Poblacio(*s, rnd, 9);
    ASSERT_EQ(s->llegenda.circles.size(), 2u);
    EXPECT_FLOAT_EQ(s->llegenda.circles[0].left, 0.78125f * 2000);
    EXPECT_FLOAT_EQ(s->llegenda.circles[0].diameter, 1.33f * kD0);
}

} // namespace
} // namespace tarvon
