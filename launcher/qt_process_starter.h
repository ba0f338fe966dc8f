#pragma once

#include "platform/process_starter.h"

namespace tarvon {

class QtProcessStarter final : public ProcessStarter {
public:
    std::optional<std::string> start(const std::string& program,
                                     const std::string& workingDir) override;
};

} // namespace tarvon
