#include "window/collision_text.h"

#include "window/text_args.h"

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

std::string CollisionText(const CollisionCounts& c, char sep, const Language& lang) {
    const std::string counts = std::to_string(c.collisions);
    const std::string effective = std::to_string(c.effective);
    const std::string ratio = c.collisions > 0 ? Percent(c.ratio(), sep) : "-";
    switch (c.kind) {
    case CollisionKind::Molecules:
        return WithArgs(
            lang(TX("window", "Des que ha començat l'experiment: xocs: %1; efectius: %2 (%3)")),
            {counts, effective, ratio});
    case CollisionKind::Surface:
        return WithArgs(lang(TX("window", "Des que ha començat l'experiment: arribades d'O2 a la "
                                          "superfície del ferro: %1; oxidacions: %2 (%3)")),
                        {counts, effective, ratio});
    case CollisionKind::None:
        break;
    }
    return {};
}

} // namespace tarvon
