#pragma once

#include <stdexcept>

namespace assets {

// A document source that cannot be read or laid out as the document needs.
class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace assets
