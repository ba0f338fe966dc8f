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

// Seeds are left to the window test, which checks that every face is filled.
class RecordingCanvas : public CajaCanvas {
public:
    void line(TwipPoint from, TwipPoint to, Rgb colour, int width, LineStyle style) override {
        lines.push_back({from, to, colour, width, style});
    }
    void floodFill(TwipPoint, Rgb colour) override { fills.push_back(colour); }
    // The line joining the two points, in either direction.
    const Line* find(TwipPoint a, TwipPoint b) const {
        const auto same = [](TwipPoint p, TwipPoint q) { return p.x == q.x && p.y == q.y; };
        for (const Line& l : lines)
            if ((same(l.from, a) && same(l.to, b)) || (same(l.from, b) && same(l.to, a)))
                return &l;
        return nullptr;
    }
    std::vector<Line> lines;
    std::vector<Rgb> fills;
};

const CubeColours kColours{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}, {6, 6, 6}};

TEST(Cubo, EdgesFillsFrontStripsAndTheLiftOfAShallowBack) {
    SimulationState s;
    const auto draw = [&s](float Ax, float Ay) {
        RecordingCanvas canvas;
        CCubo().Cubo(s, canvas, 4000, 6000, 500, 200, Ax, Ay, 3, 1, kColours);
        return canvas;
    };
    const RecordingCanvas canvas = draw(600, 600);
    ASSERT_EQ(canvas.lines.size(), 12u);
    const auto solid = LineStyle::Solid, inside = LineStyle::InsideSolid;
    const Line expected[] = {{{500, 800}, {4500, 800}, kColours.c2, 3, solid}, // Ay below Iy
                             {{1100, 200}, {5100, 200}, kColours.c2, 3, solid},
                             {{5100, 200}, {5100, 6200}, kColours.c1, 3, solid},
                             {{500, 6800}, {1100, 6200}, kColours.c1, 1, inside},
                             {{1100, 6200}, {1100, 200}, kColours.c1, 1, inside},
                             {{1100, 6200}, {5100, 6200}, kColours.c1, 1, inside}};
    for (const Line& e : expected) {
        const Line* l = canvas.find(e.from, e.to);
        ASSERT_NE(l, nullptr) << e.from.x << "," << e.from.y;
        EXPECT_TRUE(l->colour == e.colour && l->width == e.width && l->style == e.style)
            << e.from.x << "," << e.from.y;
    }
    const Rgb c3 = kColours.c3, c6 = kColours.c6;
    EXPECT_EQ(canvas.fills, (std::vector<Rgb>{c3, c3, c3, kColours.c4, kColours.c5, c6, c6}));

    const AtomShape &right = s.caja.shpCara[0], &top = s.caja.shpCara[1];
    EXPECT_TRUE(right.visible && top.visible);
    EXPECT_FALSE(right.filled || top.filled);
    EXPECT_EQ(right.border, kColours.c1);
    EXPECT_EQ((std::vector<float>{right.left, right.top, right.width, right.height}),
              (std::vector<float>{4500, 790, 10, 5980}));
    EXPECT_EQ((std::vector<float>{top.left, top.width, top.height}),
              (std::vector<float>{500, 3980, 30}));

    // Below Ay 40 the back top edge is lifted 40; the hidden back-left edge still stops at Iy.
    const RecordingCanvas shallow = draw(600, 30);
    EXPECT_NE(shallow.find({1100, 160}, {5100, 160}), nullptr);
    EXPECT_NE(shallow.find({1100, 6200}, {1100, 200}), nullptr);
    EXPECT_NE(draw(600, 40).find({1100, 200}, {5100, 200}), nullptr);
    const RecordingCanvas flat = draw(0, 0); // zero-length depth edges are still drawn
    EXPECT_EQ(flat.lines.size(), 12u);
    EXPECT_NE(flat.find({500, 160}, {4500, 160}), nullptr);
}

} // namespace
} // namespace tarvon
