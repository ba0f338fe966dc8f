#pragma once
// Fixed-capacity lists with checked access. An index outside the list raises
// IndexOutOfRange; the event handler that caused it (a tick, a command) catches
// it at its boundary and is abandoned, and the program goes on.

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

namespace tarvon {

inline constexpr int kListSize = 501; // indices 0 to 500

class IndexOutOfRange : public std::out_of_range {
public:
    explicit IndexOutOfRange(long index, long size);
    long index() const { return index_; }

private:
    long index_;
};

template <typename T, int N = kListSize> class CheckedList {
public:
    T& operator[](long i) { return items_[check(i)]; }
    const T& operator[](long i) const { return items_[check(i)]; }
    void fill(const T& value) { items_.fill(value); }
    static constexpr int size() { return N; }
    // Raw entries for a hot loop whose index range was checked beforehand.
    const T* data() const { return items_.data(); }

private:
    static std::size_t check(long i) {
        if (i < 0 || i >= N)
            throw IndexOutOfRange(i, N);
        return static_cast<std::size_t>(i);
    }
    std::array<T, N> items_{};
};

// TaulaMol: one row per slot; column 0 the state, columns 1 to 4 atom indices.
class MolTable {
public:
    static constexpr int kColumns = 6;
    std::int16_t& operator()(long row, long col) { return rows_[row][checkColumn(col)]; }
    std::int16_t operator()(long row, long col) const { return rows_[row][checkColumn(col)]; }
    void clear() { rows_.fill({}); }

private:
    static std::size_t checkColumn(long col) {
        if (col < 0 || col >= kColumns)
            throw IndexOutOfRange(col, kColumns);
        return static_cast<std::size_t>(col);
    }
    CheckedList<std::array<std::int16_t, kColumns>> rows_;
};

} // namespace tarvon
