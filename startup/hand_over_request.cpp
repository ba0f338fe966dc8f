#include "startup/hand_over_request.h"

namespace tarvon {

RequestVerdict ReadHandOverRequest(std::string_view received) {
    const std::string_view seen = received.substr(0, kMaxRequest);
    if (seen.find('\n') == std::string_view::npos && seen.size() < kMaxRequest)
        return RequestVerdict::Incomplete;
    return received == kHandOverRequest ? RequestVerdict::HandOver : RequestVerdict::Ignore;
}

} // namespace tarvon
