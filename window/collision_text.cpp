#include "window/collision_text.h"

#include <charconv>

namespace tarvon {

namespace {

// Per cent with one decimal.
std::string Percent(double ratio, char separator) {
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, ratio * 100, std::chars_format::fixed, 1);
    std::string text(buf, res.ptr);
    for (char& ch : text)
        if (ch == '.')
            ch = separator;
    return text + " %";
}

} // namespace

std::string CollisionText(const CollisionCounts& c, char sep) {
    const std::string counts = std::to_string(c.collisions);
    const std::string effective = std::to_string(c.effective);
    const std::string ratio = c.collisions > 0 ? Percent(c.ratio(), sep) : "-";
    switch (c.kind) {
    case CollisionKind::Molecules:
        return "Des que ha començat l'experiment: xocs: " + counts + "; efectius: " + effective +
               " (" + ratio + ")";
    case CollisionKind::Surface:
        return "Des que ha començat l'experiment: arribades d'O2 a la superfície del ferro: " +
               counts + "; oxidacions: " + effective + " (" + ratio + ")";
    case CollisionKind::None:
        break;
    }
    return {};
}

} // namespace tarvon
