#pragma once

namespace tarvon {

// What a reaction's collision counts are counts of, for their labels.
enum class CollisionKind {
    None,      // no collisions counted: "HgO" releases its ions on a timer
    Molecules, // pairs of molecules that met, and those that reacted
    Surface,   // O2 arrivals at the iron surface, and oxidations
};

// Counted since the particle system was last rebuilt.
struct CollisionCounts {
    CollisionKind kind = CollisionKind::None;
    long collisions = 0; // Molecules: pair tests passed; Surface: arrivals at the surface
    long effective = 0;  // reaction events
    // Effective over all; 0 before the first collision.
    double ratio() const {
        return collisions > 0 ? static_cast<double>(effective) / static_cast<double>(collisions)
                              : 0.0;
    }
};

} // namespace tarvon
