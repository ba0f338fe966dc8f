#pragma once

#include <string>

namespace tarvon {

// Tells the user about a failure and waits until it is acknowledged.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& text) = 0;
};

} // namespace tarvon
