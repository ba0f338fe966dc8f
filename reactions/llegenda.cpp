#include "reactions/llegenda.h"

#include "reactions/atom_colours.h"

#include <array>
#include <stdexcept>

namespace tarvon {

namespace {

constexpr std::array<float, 5> kCircleLeft{2000, 3500, 5000, 6500, 8000};
constexpr float kCircleTop = 9500;

LegendCircle circle(float S, int k, float diameter, Rgb fill) {
    LegendCircle c;
    c.index = k;
    c.left = S * kCircleLeft.at(static_cast<std::size_t>(k - 1));
    c.top = S * kCircleTop;
    c.diameter = diameter;
    c.fill = fill;
    c.border = ColorsEspecie(6);
    return c;
}

LegendPicture picture(int index, const PictureData& entry, int circle, int follows = 0) {
    return {index, PicturePath(entry.file), circle, follows};
}

const LegendCircle& circleOf(const Legend& l, int k) {
    for (const LegendCircle& c : l.circles)
        if (c.index == k)
            return c;
    throw std::out_of_range("legend circle");
}

// A follow-on picture comes after the one it follows.
const PicturePlace& placeOf(const std::vector<PicturePlace>& placed, int index) {
    for (const PicturePlace& q : placed)
        if (q.index == index)
            return q;
    throw std::out_of_range("legend picture");
}

} // namespace

Legend Llegenda(LegendLayout layout, const LegendInput& in) {
    Legend l;
    l.FactorPantalla = in.FactorPantalla;
    if (layout != nullptr)
        layout(l, in);
    return l;
}

void GasLegend(Legend& l, const LegendInput& in, const PictureData& atomA,
               const PictureData& atomB) {
    const float S = in.FactorPantalla;
    l.circles = {circle(S, 1, 2 * in.rA, ColorsEspecie(4)),
                 circle(S, 2, 2 * in.rB, ColorsEspecie(1))};
    l.pictures = {picture(1, atomA, 1), picture(2, atomB, 2)};
}

void OxideLegend(Legend& l, const LegendInput& in, float metal, float ion,
                 const PictureData& metalSymbol) {
    const float S = in.FactorPantalla, D0 = in.D0;
    l.circles = {circle(S, 1, metal * D0, kMetalFill), circle(S, 2, ion * D0, ColorsEspecie(1)),
                 circle(S, 3, 0.74f * D0, ColorsEspecie(5)),
                 circle(S, 4, 1.4f * D0, ColorsEspecie(4))};
    l.pictures = {picture(1, metalSymbol, 1),
                  picture(2, metalSymbol, 2),
                  picture(3, kDoublePositivePicture, 2, 2),
                  picture(4, kOxygenPicture, 3),
                  picture(5, kOxygenPicture, 4),
                  picture(6, kDoubleNegativePicture, 4, 5)};
}

std::vector<PicturePlace> PlacePictures(const Legend& legend, float u,
                                        const std::function<float(int index)>& widthOf) {
    const float gap = 10 * u;
    std::vector<PicturePlace> out;
    for (const LegendPicture& p : legend.pictures) {
        const LegendCircle& c = circleOf(legend, p.circle);
        if (p.follows == 0) {
            out.push_back({p.index, c.left + c.diameter + gap, c.top - gap});
            continue;
        }
        const PicturePlace& before = placeOf(out, p.follows);
        out.push_back({p.index, before.left + widthOf(before.index), c.top});
    }
    return out;
}

} // namespace tarvon
