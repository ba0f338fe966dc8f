#pragma once

#include <string>

namespace tarvon {

// Tells the user about a failure and waits until it is acknowledged.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // `detail`, when not empty, says what failed and where, for whoever asks.
    virtual void show(const std::string& text, const std::string& detail) = 0;
    void show(const std::string& text) { show(text, {}); }
};

} // namespace tarvon
