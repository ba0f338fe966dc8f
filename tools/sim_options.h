#pragma once

#include "texts/idioma.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvon {

struct ReactionDescription;

// What tarvon-sim was asked to do.
struct SimOptions {
    const ReactionDescription* reaction = nullptr; // looked up from its key
    int particles = 81;                            // the budget without a calibration file
    float diameter = 1.0f;                         // diameter factor: 1 or 1.5
    float interval = 1.0f;                         // seconds between rows
    double duration = 60;                          // simulated seconds
    int tickMs = 50;                               // simulated animation interval
    std::optional<std::uint64_t> seed;             // from the clock when absent
    std::string png;                               // picture of Caja at the end, if given
    bool fixedVolume = false;                      // the box of the largest particle number
    std::string analyse;                           // a species: its order analysis, not the table
    Idioma lang = Idioma::Catala;                  // of the table's title and time header
    bool bench = false;
    bool help = false;
};

// Either the options or one line saying which argument is wrong and what is
// accepted.
struct SimOptionsResult {
    SimOptions options;
    std::string error;
    bool ok() const { return error.empty(); }
};

SimOptionsResult ParseSimOptions(const std::vector<std::string>& args);

// A text the user gave, fit for a one-line message: line breaks and other
// control characters are written as C escapes ("\n", "\x1b").
std::string OneLineText(const std::string& text);

// The --help text, with the registered reactions.
const std::string& SimUsage();

} // namespace tarvon
