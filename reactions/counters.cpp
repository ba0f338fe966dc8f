#include "reactions/counters.h"

#include "reactions/reaction_description.h"

namespace tarvon {

std::vector<Counter> Comptadors(const SimulationState& s) {
    std::vector<Counter> shown;
    if (s.Reaccio != nullptr)
        for (const CounterBox& box : s.Reaccio->counters)
            shown.push_back({box.caption, box.value(s)});
    return shown;
}

} // namespace tarvon
