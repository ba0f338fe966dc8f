#pragma once
// A main window's model with a recording box picture, loaded as the window
// loads it.

#include "engine/fakes.h"
#include "layout/mida_caixa.h"
#include "layout/window_layout.h"
#include "window/initial_state.h"
#include "window/tarvon_model.h"

#include <memory>
#include <vector>

namespace tarvon::test {

class FakePicture : public CajaPicture {
public:
    Rgb back{192, 255, 255};
    int lines = 0, fills = 0, clears = 0;
    void setBackColour(Rgb c) override {
        back = c;
        clear();
    }
    void clear() override {
        ++clears;
        lines = fills = 0;
    }
    void line(TwipPoint, TwipPoint, Rgb, int, LineStyle) override { ++lines; }
    void floodFill(TwipPoint, Rgb) override { ++fills; }
    void place(float l, float t, float w, float h) override { placed = {l, t, w, h}; }
    CajaPlacement placed;
};

struct LoadedWindow {
    explicit LoadedWindow(int NPOptim = 81, float factor = 1.0f) {
        m.w.FactorPantalla = factor;
        FormLoad(m, NPOptim, LayoutFor(factor, factor != 1.0f));
    }
    std::unique_ptr<SimulationState> state = std::make_unique<SimulationState>();
    FakeClock clock;
    MersenneRandom rnd{11};
    FakePicture picture;
    TarvonModel m{*state, clock, rnd, picture};
};

} // namespace tarvon::test
