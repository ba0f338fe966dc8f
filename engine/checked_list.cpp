#include "engine/checked_list.h"

#include <string>

namespace tarvon {

IndexOutOfRange::IndexOutOfRange(long index, long size)
    : std::out_of_range("index " + std::to_string(index) + " outside 0.." +
                        std::to_string(size - 1)),
      index_(index) {}

} // namespace tarvon
