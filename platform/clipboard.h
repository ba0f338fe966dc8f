#pragma once

#include <string>

namespace tarvon {

// The system clipboard, as text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
};

} // namespace tarvon
