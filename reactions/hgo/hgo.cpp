#include "reactions/hgo/hgo.h"

namespace tarvon {

constexpr ReactionDescription kHgO{
    .key = "HgO",
    .id = Reaction::HgO,
};

} // namespace tarvon
