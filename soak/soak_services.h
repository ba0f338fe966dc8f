#pragma once

#include "engine/clock.h"
#include "engine/uniform_random.h"
#include "window/document_services.h"

#include <cstdint>
#include <random>
#include <string>

namespace tarvon::soak {

// Time as the soak sets it: ticks come when it says, not when the machine can.
class SoakClock final : public Clock {
public:
    double t = 1000; // seconds
    double now() const override { return t; }
};

// The program's generator, but a reseed "from the clock" takes the next seed
// of the soak's own sequence, so one soak seed gives one run.
class SoakRandom final : public UniformRandom {
public:
    explicit SoakRandom(std::uint64_t seed) : seeds_(seed), engine_(seed) {}
    double next() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    void reseed(std::uint64_t) override { engine_.seed(seeds_()); }

private:
    std::mt19937_64 seeds_;
    std::mt19937_64 engine_;
};

// The desktop's services as the soak sees them: documents are written for
// real into a folder of the soak, never opened; what the user would be told
// is counted.
struct SoakDesktop final : Clipboard, DocumentOpener {
    int clipboardTexts = 0, opened = 0;
    void setText(const std::string&) override { ++clipboardTexts; }
    void open(const std::filesystem::path&, Failed) override { ++opened; }
};

struct SoakMessages final : MessageBox {
    int shown = 0;
    std::string last;
    void show(const std::string& text, const std::string& detail) override;
    using MessageBox::show;
};

struct SoakNotice final : Notice {
    int shown = 0;
    void show(const std::string&) override { ++shown; }
};

} // namespace tarvon::soak
