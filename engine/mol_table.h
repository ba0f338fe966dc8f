#pragma once

#include "engine/checked_list.h"

#include <array>
#include <cstdint>

namespace tarvon {

// Column 0 of TaulaMol, kept as the table's 16-bit integer. Within one
// population a state only moves forward: Reactant to Product or to UsedUp.
enum class SlotState : std::int16_t {
    Reactant = 0, // an initial molecule that can still react
    Product = 1,  // a molecule a reaction formed (ammonia)
    UsedUp = 2,   // taken by a reaction: no longer moved, drawn or met
};

// TaulaMol: one row per slot; column 0 the state, columns 1 to 4 atom indices.
class MolTable {
public:
    static constexpr int kColumns = 6;
    std::int16_t& operator()(long row, long col) { return rows_[row][checkColumn(col)]; }
    std::int16_t operator()(long row, long col) const { return rows_[row][checkColumn(col)]; }
    SlotState state(long row) const { return static_cast<SlotState>(rows_[row][kStateColumn]); }
    void setState(long row, SlotState state) {
        rows_[row][kStateColumn] = static_cast<std::int16_t>(state);
    }
    // The slots of "FeO" and "NH3" the tick still moves.
    bool inPlay(long row) const { return state(row) < SlotState::UsedUp; }
    void clear() { rows_.fill({}); }

private:
    static constexpr std::size_t kStateColumn = 0;
    static std::size_t checkColumn(long col) {
        if (col < 0 || col >= kColumns)
            throw IndexOutOfRange(col, kColumns);
        return static_cast<std::size_t>(col);
    }
    CheckedList<std::array<std::int16_t, kColumns>> rows_;
};

} // namespace tarvon
