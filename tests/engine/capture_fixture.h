#pragma once
// A group of four photographed shapes waiting to be shown: IdxMeca 5, 2, 7 and
// 3, each photo at its own place, size and fill.

#include "engine/simulation_state.h"
#include "fakes.h"

#include <gtest/gtest.h>

namespace tarvon::test {

class CaptureFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dressEightAtoms(s);
        const std::int16_t idx[4] = {5, 2, 7, 3};
        for (int n = 0; n < 4; ++n) {
            s.meca.IdxMeca[n] = idx[n];
            s.meca.FotoMeca[n] = {100.0f * n, 1000.0f + n, 60.0f + n, 70.0f + n,
                                  static_cast<float>(packRgb({10 * n, 20, 30}))};
        }
        s.controls.tmrRellotgeEnabled = true;
    }
    SimulationState s;
};

} // namespace tarvon::test
