#pragma once
// Slots placed by hand for the drawing of their atoms: the test box, eight
// atoms of each kind, the bond factor 0.85 and, for "NH3", slots 0 and 1 N2
// of size 180, 2 and 3 H2.

#include "engine/simulation_state.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace tarvon::test {

class SlotDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        setBox(s);
        dressEightAtoms(s);
        s.FactorEnllac = 0.85f;
        s.NumA = 4;
        s.MidaMol[0] = s.MidaMol[1] = 180;
    }
    void slot(int i, float z, float dx, float dy, float dz) {
        s.PosX[i] = 1200, s.PosY[i] = 1300, s.PosZ[i] = z;
        s.DirX[i] = dx, s.DirY[i] = dy, s.DirZ[i] = dz;
    }
    void row(int i, std::initializer_list<int> cols) {
        int c = 0;
        for (int v : cols)
            s.TaulaMol(i, c++) = static_cast<std::int16_t>(v);
    }
    SimulationState s;
};

} // namespace tarvon::test
