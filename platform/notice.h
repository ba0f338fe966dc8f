#pragma once

#include <string>

namespace tarvon {

// A short text shown over the window for a few seconds; it needs no answer.
class Notice {
public:
    virtual ~Notice() = default;
    virtual void show(const std::string& text) = 0;
};

} // namespace tarvon
