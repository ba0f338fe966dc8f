#pragma once

#include <cstddef>
#include <string_view>

namespace tarvon {

// The one line a later copy sends to the running one.
inline constexpr std::string_view kHandOverRequest = "Tarvon:mostrar\n";
// A request is one short line; a peer that sends more is dropped.
inline constexpr std::size_t kMaxRequest = 64;

enum class RequestVerdict { Incomplete, HandOver, Ignore };

// What the bytes received so far on one connection amount to: wait for more
// until a line end or kMaxRequest bytes, then the request itself or anything
// else, which is ignored.
RequestVerdict ReadHandOverRequest(std::string_view received);

} // namespace tarvon
