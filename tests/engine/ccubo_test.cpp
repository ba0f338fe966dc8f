#include "engine/ccubo.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvon {
namespace {

struct Line {
    TwipPoint from, to;
    Rgb colour;
    int width;
    LineStyle style;
};

class RecordingCanvas : public CajaCanvas {
public:
    void line(TwipPoint from, TwipPoint to, Rgb colour, int width, LineStyle style) override {
        lines.push_back({from, to, colour, width, style});
    }
    void floodFill(TwipPoint seed, Rgb colour) override { fills.emplace_back(seed, colour); }

    // The line joining the two points, in either direction.
    const Line* find(TwipPoint a, TwipPoint b) const {
        const auto same = [](TwipPoint p, TwipPoint q) {
            return std::abs(p.x - q.x) < 1e-3f && std::abs(p.y - q.y) < 1e-3f;
        };
        for (const Line& l : lines)
            if ((same(l.from, a) && same(l.to, b)) || (same(l.from, b) && same(l.to, a)))
                return &l;
        return nullptr;
    }
    std::vector<Line> lines;
    std::vector<std::pair<TwipPoint, Rgb>> fills;
};

const CubeColours kColours{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}, {6, 6, 6}};

struct CuboTest : ::testing::Test {
    void draw(float Ax, float Ay) {
        canvas.lines.clear();
        CCubo().Cubo(s, canvas, 4000, 6000, 500, 200, Ax, Ay, 3, 1, kColours);
    }
    SimulationState s;
    RecordingCanvas canvas;
};

TEST_F(CuboTest, EdgesWithTheirWidthsStylesAndColours) {
    draw(600, 600);
    ASSERT_EQ(canvas.lines.size(), 12u);
    const auto solid = LineStyle::Solid, inside = LineStyle::InsideSolid;
    const Line expected[] = {
        {{500, 800}, {4500, 800}, kColours.c2, 3, solid},   // front top, Ay below Iy
        {{1100, 200}, {5100, 200}, kColours.c2, 3, solid},  // back top
        {{5100, 200}, {5100, 6200}, kColours.c1, 3, solid}, // back right
        {{500, 6800}, {1100, 6200}, kColours.c1, 1, inside},
        {{1100, 6200}, {1100, 200}, kColours.c1, 1, inside},
        {{1100, 6200}, {5100, 6200}, kColours.c1, 1, inside}};
    for (const Line& e : expected) {
        const Line* l = canvas.find(e.from, e.to);
        ASSERT_NE(l, nullptr) << e.from.x << "," << e.from.y;
        EXPECT_EQ(l->colour, e.colour);
        EXPECT_EQ(l->width, e.width);
        EXPECT_EQ(l->style, e.style);
    }
}

TEST_F(CuboTest, ShallowAndFlatBoxesLiftTheirBackTopEdge) {
    draw(600, 30);
    // Lifted 40 above Iy; the hidden back-left edge still stops at Iy.
    EXPECT_NE(canvas.find({1100, 160}, {5100, 160}), nullptr);
    EXPECT_NE(canvas.find({1100, 6200}, {1100, 200}), nullptr);
    draw(600, 40);
    EXPECT_NE(canvas.find({1100, 200}, {5100, 200}), nullptr);
    draw(0, 0); // zero-length depth edges are still drawn
    EXPECT_EQ(canvas.lines.size(), 12u);
    EXPECT_NE(canvas.find({500, 160}, {4500, 160}), nullptr);
}

TEST_F(CuboTest, SevenFillsAndTheFrontStrips) {
    draw(600, 600);
    ASSERT_EQ(canvas.fills.size(), 7u);
    const Rgb expected[7] = {kColours.c3, kColours.c3, kColours.c3, kColours.c4,
                             kColours.c5, kColours.c6, kColours.c6};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(canvas.fills[k].second, expected[k]) << k;
    EXPECT_NEAR(canvas.fills[0].first.x, 500 + 600 + 400, 1e-3); // inside the back face
    EXPECT_NEAR(canvas.fills[4].first.y, 200 + 6000 + 120, 1e-3);

    const AtomShape &right = s.caja.shpCara[0], &top = s.caja.shpCara[1];
    EXPECT_TRUE(right.visible && top.visible);
    EXPECT_FALSE(right.filled || top.filled);
    EXPECT_EQ(right.border, kColours.c1);
    EXPECT_FLOAT_EQ(right.left, 4500);
    EXPECT_FLOAT_EQ(right.top, 790);
    EXPECT_FLOAT_EQ(right.height, 5980);
    EXPECT_FLOAT_EQ(top.height, 30);
    EXPECT_FLOAT_EQ(top.width, 3980);
}

} // namespace
} // namespace tarvon
