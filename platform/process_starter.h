#pragma once

#include <optional>
#include <string>

namespace tarvon {

// Starts a program as a process of its own, without waiting for it.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // The system's description of the error when the program did not start.
    virtual std::optional<std::string> start(const std::string& program,
                                             const std::string& workingDir) = 0;
};

} // namespace tarvon
