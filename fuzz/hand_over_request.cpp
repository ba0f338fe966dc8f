// What a running copy makes of the bytes a peer sends it.
#include "startup/hand_over_request.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tarvon::RequestVerdict;
    const std::string_view received(reinterpret_cast<const char*>(data), size);
    const RequestVerdict verdict = tarvon::ReadHandOverRequest(received);
    FUZZ_CHECK((verdict == RequestVerdict::HandOver) == (received == tarvon::kHandOverRequest));
    if (verdict == RequestVerdict::Incomplete) {
        // Waiting is only for the rest of one short line.
        FUZZ_CHECK(size < tarvon::kMaxRequest);
        FUZZ_CHECK(received.find('\n') == std::string_view::npos);
    }
    return 0;
}
