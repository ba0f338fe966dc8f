#pragma once
// Test doubles for the launcher's platform services.

#include "platform/calibration_store.h"
#include "platform/message_box.h"
#include "platform/process_starter.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvon::test {

class RecordingMessages : public MessageBox {
public:
    std::vector<std::string> shown;
    void show(const std::string& text, const std::string&) override { shown.push_back(text); }
    using MessageBox::show;
};

class FakeStarter : public ProcessStarter {
public:
    struct Start {
        std::string program, workingDir;
    };
    std::vector<Start> starts;
    std::optional<std::string> error; // what the system says when starting fails
    std::function<void()> whileStarting;
    std::optional<std::string> start(const std::string& program,
                                     const std::string& workingDir) override {
        starts.push_back({program, workingDir});
        if (whileStarting)
            whileStarting();
        return error;
    }
};

class MemoryStore : public CalibrationStore {
public:
    std::optional<std::string> bytes;
    std::optional<std::string> writeError;
    RemoveResult removal{Removal::Deleted, {}};
    int removals = 0;

    std::optional<std::string> read() override { return bytes; }
    std::optional<std::string> write(const std::string& b) override {
        bytes = writeError ? bytes : b;
        return writeError;
    }
    RemoveResult remove() override {
        ++removals;
        bytes.reset();
        return removal;
    }
};

} // namespace tarvon::test
