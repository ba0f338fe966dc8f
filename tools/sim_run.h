#pragma once

#include "engine/simulation_state.h"
#include "engine/uniform_random.h"
#include "tools/sim_options.h"
#include "tools/simulated_clock.h"
#include "window/data_table.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tarvon {

// Wall-clock times of the ticks alone.
struct TickTimes {
    long ticks = 0;
    double totalMs = 0;
    double maxMs = 0;
    double meanMs() const { return ticks > 0 ? totalMs / ticks : 0; }
};

// A reaction run without the window: the population built as the program
// builds it after the reaction is chosen, on the reference screen, then ticks
// against a simulated clock taking interval rows.
class SimRun {
public:
    SimRun(const SimOptions& options, std::uint64_t seed, char decimalSeparator);
    ~SimRun();

    // Rebuilds as the mechanism view does: few particles, four times larger,
    // captures on.
    void enterMechanism();

    // One tick of the animation interval; false when it, or the continuation
    // of a capture before it, was abandoned.
    bool tick();
    // Why the last abandoned tick was abandoned.
    const std::string& tickError() const { return tickError_; }
    // Every tick of the duration.
    void run();

    SimulationState& state() { return *state_; }
    const DataTaking& data() const { return data_; }
    // The data table as text, with the run's decimal separator; its title and
    // "Temps" in Catalan unless another language is asked for.
    std::string table(const Language& lang = Catala()) const {
        return TaulaDades(data_.Taula, decimalSeparator_, lang);
    }
    char decimalSeparator() const { return decimalSeparator_; }
    const TickTimes& times() const { return times_; }
    long ticksInDuration() const { return ticksInDuration_; }
    // Captures of the mechanism view shown and continued so far.
    long continued() const { return continued_; }

private:
    class Hooks;
    void choose();
    void build(std::uint64_t seed);
    bool continueCapture();

    SimOptions options_;
    char decimalSeparator_;
    std::unique_ptr<SimulationState> state_;
    SimulatedClock clock_;
    MersenneRandom rnd_;
    DataTaking data_;
    std::unique_ptr<Hooks> hooks_;
    TickTimes times_;
    std::uint64_t seed_;
    long ticksInDuration_ = 0;
    long continued_ = 0;
    std::string tickError_;
};

} // namespace tarvon
