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

} // namespace tarvon
