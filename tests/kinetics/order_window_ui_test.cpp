#include "kinetics/order_plot_view.h"
#include "kinetics/order_window.h"
#include "window/window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>

#include <cmath>

namespace tarvon {
namespace {

// HgO's table: mercury released at a steady rate, oxygen at half of it.
void HgOTable(TarvonModel& m, int rows) {
    m.data.Taula = {true, {"Temps", "Hg", "O2"}, {}, {}};
    for (int i = 0; i < rows; ++i)
        m.data.Taula.rows.push_back({static_cast<float>(i), {6 * i, 3 * i}});
    ++m.data.Revisio;
}

TEST(OrderWindow, ChoosesAColumnAndShowsItsFits) {
    test::LoadedWindow w;
    OrderWindow window(1.0f);
    window.refresh(w.m);
    EXPECT_TRUE(window.text()->text().contains("No hi ha dades"));

    HgOTable(w.m, 3);
    window.refresh(w.m);
    ASSERT_EQ(window.column()->count(), 2);
    EXPECT_EQ(window.column()->currentText(), "Hg"); // nothing falls: the first species
    EXPECT_TRUE(window.text()->text().contains("Calen més dades"));

    HgOTable(w.m, 12);
    window.refresh(w.m);
    EXPECT_TRUE(window.text()->text().contains("es forma a velocitat constant"));
    EXPECT_TRUE(window.text()->text().contains("Hg és un producte"));
    EXPECT_EQ(window.plot(0)->points(), 12);
    EXPECT_EQ(window.plot(1)->points(), 11); // t = 0 has N = 0

    window.column()->setCurrentIndex(1);
    emit window.column()->activated(1);
    EXPECT_EQ(window.report().column, "O2");
    EXPECT_TRUE(window.text()->text().contains("velocitat de formació, 3 partícules/s"));
    ++w.m.data.Revisio; // a new row of the same table keeps the user's column
    w.m.data.Taula.rows.push_back({12, {72, 36}});
    window.refresh(w.m);
    EXPECT_EQ(window.report().column, "O2");
}

} // namespace
} // namespace tarvon
