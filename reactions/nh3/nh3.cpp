#include "reactions/nh3/nh3.h"

namespace tarvon {

constexpr ReactionDescription kNH3{
    .key = "NH3",
    .id = Reaction::NH3,
};

} // namespace tarvon
