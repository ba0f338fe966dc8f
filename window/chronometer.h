#pragma once

#include <optional>
#include <string>

namespace tarvon {

// The stopwatch of the chronometer panel: minutes, seconds and hundredths of
// real time, refreshed by the Crono timer.
struct Chronometer {
    bool CronoEnabled = false; // the Crono timer runs
    // Clock readings. Differences are taken in single precision like the
    // shown values, but the readings themselves keep the clock's precision.
    double CronoAra = 0, CronoInici = 0;
    float CronoMinuts = 0, CronoSegons = 0, CronoCent = 0;
    float CronoLlindar = 0; // elapsed time of the next hundredths refresh
    std::string lblMinuts = "0", lblSegons = "0", lblCent = "0";
};

// The start/stop button: starts from zero if stopped; stops if running and
// returns the lap, the elapsed time at the last tick in tenths of a second.
std::optional<float> IniciCrono(Chronometer& c, double now);

// One Crono tick: hundredths, then minutes, then seconds; after 60 minutes
// the count starts again from zero.
void CronoTick(Chronometer& c, double now);

// Stops without handing over a lap and shows zeros.
void TancarCrono(Chronometer& c);

} // namespace tarvon
