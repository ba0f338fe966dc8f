#include "reactions/registry.h"

#include "reactions/feo/feo.h"
#include "reactions/hgo/hgo.h"
#include "reactions/hi/hi.h"
#include "reactions/nh3/nh3.h"

#include <array>

namespace tarvon {

namespace {

constexpr std::array kReactions{&kFeO, &kNH3, &kHI, &kHgO};

} // namespace

std::span<const ReactionDescription* const> Reactions() {
    return kReactions;
}

const ReactionDescription* FindReaction(std::string_view key) {
    for (const ReactionDescription* r : kReactions)
        if (key == r->key)
            return r;
    return nullptr;
}

} // namespace tarvon
