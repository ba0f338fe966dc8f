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
struct Fill {
    TwipPoint seed;
    Rgb colour;
};

class RecordingCanvas : public CajaCanvas {
public:
    void line(TwipPoint from, TwipPoint to, Rgb colour, int width, LineStyle style) override {
        lines.push_back({from, to, colour, width, style});
    }
    void floodFill(TwipPoint seed, Rgb colour) override { fills.push_back({seed, colour}); }

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
    std::vector<Fill> fills;
};

const CubeColours kColours{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}, {6, 6, 6}};

struct CuboTest : ::testing::Test {
    void draw(float Ax, float Ay) {
        CCubo().Cubo(s, canvas, 4000, 6000, 500, 200, Ax, Ay, 3, 1, kColours);
    }
    SimulationState s;
    RecordingCanvas canvas;
};

TEST_F(CuboTest, EdgesWithTheirWidthsAndColours) {
    draw(600, 600);
    ASSERT_EQ(canvas.lines.size(), 12u);
    const float yF = 800; // the front face hangs Ay below Iy
    const Line* frontTop = canvas.find({500, yF}, {4500, yF});
    ASSERT_NE(frontTop, nullptr);
    EXPECT_EQ(frontTop->colour, kColours.c2);
    EXPECT_EQ(frontTop->width, 3);
    const Line* backTop = canvas.find({1100, 200}, {5100, 200});
    ASSERT_NE(backTop, nullptr);
    EXPECT_EQ(backTop->colour, kColours.c2);
    const Line* backRight = canvas.find({5100, 200}, {5100, 6200});
    ASSERT_NE(backRight, nullptr);
    EXPECT_EQ(backRight->colour, kColours.c1);
    EXPECT_EQ(backRight->width, 3);
    // The three hidden edges are thin, inside-solid, colour 1.
    for (const auto& [a, b] : {std::pair<TwipPoint, TwipPoint>{{500, 6800}, {1100, 6200}},
                               {{1100, 6200}, {1100, 200}},
                               {{1100, 6200}, {5100, 6200}}}) {
        const Line* hidden = canvas.find(a, b);
        ASSERT_NE(hidden, nullptr);
        EXPECT_EQ(hidden->width, 1);
        EXPECT_EQ(hidden->style, LineStyle::InsideSolid);
        EXPECT_EQ(hidden->colour, kColours.c1);
    }
}

TEST_F(CuboTest, ShallowBoxLiftsItsBackTopEdge) {
    draw(600, 30);
    // Lifted 40 above Iy; the hidden back-left edge still stops at Iy.
    EXPECT_NE(canvas.find({1100, 160}, {5100, 160}), nullptr);
    EXPECT_NE(canvas.find({1100, 6200}, {1100, 200}), nullptr);

    canvas.lines.clear();
    draw(600, 40);
    EXPECT_NE(canvas.find({1100, 200}, {5100, 200}), nullptr);
}

TEST_F(CuboTest, FlatBoxKeepsZeroLengthDepthEdges) {
    draw(0, 0);
    EXPECT_EQ(canvas.lines.size(), 12u);
    EXPECT_NE(canvas.find({500, 160}, {4500, 160}), nullptr);  // back top, 40 up
    EXPECT_NE(canvas.find({500, 6200}, {500, 6200}), nullptr); // bottom-left depth
    EXPECT_EQ(canvas.fills.size(), 7u);
}

TEST_F(CuboTest, SevenFillsAndTheFrontStrips) {
    draw(600, 600);
    ASSERT_EQ(canvas.fills.size(), 7u);
    const Rgb expected[7] = {kColours.c3, kColours.c3, kColours.c3, kColours.c4,
                             kColours.c5, kColours.c6, kColours.c6};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(canvas.fills[k].colour, expected[k]) << k;
    EXPECT_NEAR(canvas.fills[0].seed.x, 500 + 600 + 400, 1e-3); // inside the back face
    EXPECT_NEAR(canvas.fills[0].seed.y, 200 + 5700, 1e-3);
    EXPECT_NEAR(canvas.fills[4].seed.y, 200 + 6000 + 120, 1e-3);

    const AtomShape &right = s.caja.shpCara[0], &top = s.caja.shpCara[1];
    EXPECT_TRUE(right.visible && top.visible);
    EXPECT_FALSE(right.filled || top.filled);
    EXPECT_EQ(right.border, kColours.c1);
    EXPECT_FLOAT_EQ(right.left, 4500);
    EXPECT_FLOAT_EQ(right.top, 790);
    EXPECT_FLOAT_EQ(right.height, 5980);
    EXPECT_FLOAT_EQ(right.width, 10);
    EXPECT_FLOAT_EQ(top.left, 500);
    EXPECT_FLOAT_EQ(top.height, 30);
    EXPECT_FLOAT_EQ(top.width, 3980);
}

} // namespace
} // namespace tarvon
