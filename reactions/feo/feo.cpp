#include "reactions/feo/feo.h"

namespace tarvon {

constexpr ReactionDescription kFeO{
    .key = "FeO",
    .id = Reaction::FeO,
};

} // namespace tarvon
