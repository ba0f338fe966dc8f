#pragma once

#include <stdexcept>
#include <string>

namespace assets {

// A text block that does not fit the room left for it: the picture would be clipped.
class TextOverflow : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace assets
