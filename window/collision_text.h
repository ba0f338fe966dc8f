#pragma once

#include "engine/collision_counts.h"
#include "texts/language.h"

#include <string>

namespace tarvon {

// The collisions counted since the experiment began, as the live graph
// shows them: pairs of molecules and the effective ones, or O2 arrivals at
// the iron surface and oxidations, with their ratio; "" where nothing is
// counted.
std::string CollisionText(const CollisionCounts& c, char decimalSeparator, const Language& lang);

} // namespace tarvon
