#include "layout/layout_extent.h"

#include "layout/mida_caixa.h"
#include "layout/window_layout.h"

#include <algorithm>

namespace tarvon {

namespace {

// The chronometer's own controls lie inside picCrono; the picture boxes take
// their picture's size and are placed apart (title centred, legend below).
bool placedApart(const std::string& name) {
    static const char* const apart[] = {"Caja",      "picPortada",    "picRI(0)",      "picRI(1)",
                                        "lblTempus", "lblMinSeg",     "lblMinuts",     "lblSegons",
                                        "lblCent",   "cmdIniciCrono", "cmdTancarCrono"};
    return std::find(std::begin(apart), std::end(apart), name) != std::end(apart);
}

NamedRect scaledRect(const char* name, float f, double left, double top, double width,
                     double height) {
    return {name, left * f, top * f, width * f, height * f};
}

// The largest box: many particles reach the width limit, and the diameter
// settings change only the perspective shift, which is tried across its range.
NamedRect largestBox(const WindowLayout& l, float f) {
    NamedRect box{"Caja", 0, 0, 0, 0};
    for (float diam = 0.5f; diam <= 2.5f; diam += 0.05f) {
        MidaCaixaInputs in;
        in.FactorPantalla = f;
        in.CostatNP = 40;
        in.DistEnllac = 400;
        in.FactorDiam = diam;
        in.ConstCaixa = l.ConstCaixa;
        in.AmpladaZona = l.AmpladaZona;
        in.LimitVisY = l.LimitVisY;
        const CajaPlacement c = MidaCaixa(in).Caja;
        if (c.Left + c.Width > box.right())
            box = {"Caja", c.Left, c.Top, c.Width, c.Height};
    }
    return box;
}

} // namespace

std::vector<NamedRect> TarvonLayoutRects(float f) {
    const WindowLayout l = LayoutFor(f, true);
    std::vector<NamedRect> rects;
    for (const auto& [name, g] : l.controls)
        if (!placedApart(name) && name != "lblPropietats")
            rects.push_back({name, g.Left, g.Top, g.Width, g.Height});
    // The description, where the load puts it and where a reaction does, as
    // high as its text.
    const ControlGeometry& p = l.at("lblPropietats");
    rects.push_back({"lblPropietats", p.Left, p.Top, p.Width, kDescriptionTextHeight * f});
    rects.push_back(
        scaledRect("lblPropietats (reaction)", f, 10400, 7730, 4800, kDescriptionTextHeight));
    rects.push_back(scaledRect("lblPropietats (mechanism)", f, 10600, 5500, 4400, 4000));
    rects.push_back(largestBox(l, f));
    // Circles 9500 down, at most 1.4 base diameters across, their symbols
    // beside the last one.
    rects.push_back(scaledRect("legend", f, 2000, 9400, 7500, 500));
    return rects;
}

Extent TarvonLayoutExtent(float f) {
    Extent e;
    for (const NamedRect& r : TarvonLayoutRects(f)) {
        e.width = std::max(e.width, r.right());
        e.height = std::max(e.height, r.bottom());
    }
    return e;
}

} // namespace tarvon
