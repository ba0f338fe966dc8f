#include "reactions/hi/hi.h"

namespace tarvon {

constexpr ReactionDescription kHI{
    .key = "HI",
    .id = Reaction::HI,
};

} // namespace tarvon
