#pragma once

// Both programs keep their per-user settings in one place, so a choice made in
// one (the language) holds in the other.
namespace tarvon {
inline constexpr const char* kOrganisation = "Orvalis";
inline constexpr const char* kApplication = "Tarvon";
} // namespace tarvon
