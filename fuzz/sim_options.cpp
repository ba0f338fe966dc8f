// tarvon-sim's command line: one argument per input line.
#include "tools/sim_options.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Arguments(const char* text, std::size_t size) {
    std::vector<std::string> args;
    std::string arg;
    for (std::size_t i = 0; i < size; ++i) {
        if (text[i] == '\n') {
            args.push_back(arg);
            arg.clear();
        } else {
            arg += text[i];
        }
    }
    if (!arg.empty())
        args.push_back(arg);
    return args;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result =
        tarvon::ParseSimOptions(Arguments(reinterpret_cast<const char*>(data), size));
    if (!result.ok()) {
        // The error is printed as one line: whatever the user typed is escaped.
        for (const char c : result.error)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f);
        return 0;
    }
    const tarvon::SimOptions& o = result.options;
    FUZZ_CHECK(o.help || o.reaction != nullptr);
    FUZZ_CHECK(o.particles >= 1 && o.particles <= 400);
    FUZZ_CHECK(o.diameter == 1.0f || o.diameter == 1.5f);
    FUZZ_CHECK(o.interval == 0.5f || o.interval == 1 || o.interval == 2 || o.interval == 5 ||
               o.interval == 10);
    FUZZ_CHECK(o.duration > 0 && o.duration <= 3600);
    FUZZ_CHECK(o.tickMs >= 1 && o.tickMs <= 100);
    return 0;
}
