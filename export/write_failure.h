#pragma once

#include <string>

namespace tarvon {

// Keeps why a write failed for a caller that asked (`reason` not null); false.
inline bool WriteFailed(std::string* reason, const std::string& why) {
    if (reason != nullptr)
        *reason = why;
    return false;
}

} // namespace tarvon
