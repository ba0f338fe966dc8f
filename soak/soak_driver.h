#pragma once

#include "export/file_writers.h"
#include "mainwindow/tarvon_window.h"
#include "reactions/reaction_rules.h"
#include "soak/soak_services.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tarvon::soak {

// Drives one Tarvon window with random user actions drawn from one seed:
// menu commands, clicks in the box and on buttons, keys, speed changes and
// time passing, in which the animation and chronometer timers fire as the
// soak's clock reaches them. Checks what must hold after every action.
class SoakDriver {
public:
    SoakDriver(std::uint64_t seed, const std::filesystem::path& dataFolder,
               const std::filesystem::path& documentsFolder);
    ~SoakDriver();

    // One action and its checks; false once a check has failed.
    bool step();

    const std::string& failure() const { return failure_; }
    const std::deque<std::string>& lastActions() const { return lastActions_; }
    // Actions taken with each reaction chosen ("-" before the first choice).
    const std::map<std::string, long>& actionsPerReaction() const { return perReaction_; }
    long ticks() const { return ticks_; }
    long chronometerTicks() const { return cronoTicks_; }
    long commands() const { return commands_; }

private:
    struct VirtualTimer {
        std::optional<double> armedAt; // seconds on the soak clock
    };

    void menuCommand();
    void clickBox();
    void clickButton();
    void pressKey();
    void changeSpeed();
    void letTimePass();
    // Fires the timers due up to `until`, in time order.
    void advanceTo(double until);
    bool fireNext(double until);
    void note(const std::string& action);
    void fail(const std::string& what);
    void check(const char* when, bool afterTick);
    void tidy();

    std::mt19937_64 pick_;
    std::unique_ptr<SimulationState> state_;
    SoakClock clock_;
    SoakRandom rnd_;
    ReactionRules rules_;
    SoakDesktop desktop_;
    SoakMessages messages_;
    SoakNotice notice_;
    FileWriters writers_;
    DocumentServices documents_;
    std::unique_ptr<TarvonWindow> window_;
    std::vector<std::string> menuItems_;
    VirtualTimer tick_, crono_;
    std::filesystem::path documentsFolder_;
    int abandoned_ = 0;
    long actions_ = 0, ticks_ = 0, cronoTicks_ = 0, commands_ = 0;
    std::string failure_;
    std::deque<std::string> lastActions_;
    std::map<std::string, long> perReaction_;
};

} // namespace tarvon::soak
