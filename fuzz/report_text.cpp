// The report form's title insertion: "text|content.xml".
#include "export/odf_first_line.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Undoes the five XML escapes.
std::string Unescape(const std::string& xml) {
    static const std::pair<const char*, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string text;
    for (std::size_t i = 0; i < xml.size();) {
        if (xml[i] != '&') {
            text += xml[i++];
            continue;
        }
        bool known = false;
        for (const auto& [entity, c] : kEntities)
            if (xml.compare(i, std::char_traits<char>::length(entity), entity) == 0) {
                text += c;
                i += std::char_traits<char>::length(entity);
                known = true;
                break;
            }
        FUZZ_CHECK(known); // a bare '&' would break the document
    }
    return text;
}

// Length of the common start of two texts.
std::size_t CommonPrefix(std::string_view a, std::string_view b) {
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

// `inserted` is `content` with `escaped` put in at one place, nothing else changed.
bool InsertedOnce(const std::string& content, const std::string& inserted,
                  const std::string& escaped) {
    if (inserted.size() != content.size() + escaped.size())
        return false;
    const std::string revContent(content.rbegin(), content.rend());
    const std::string revInserted(inserted.rbegin(), inserted.rend());
    return CommonPrefix(content, inserted) + CommonPrefix(revContent, revInserted) >=
           content.size();
}

// An empty paragraph "<text:p .../>" opened up around the text.
bool OpenedUp(const std::string& content, const std::string& inserted, const std::string& escaped) {
    const std::size_t at = CommonPrefix(content, inserted);
    if (content.compare(at, 2, "/>") != 0)
        return false;
    const std::string head = content.substr(0, at) + ">" + escaped;
    const std::string tail = content.substr(at + 2);
    return inserted == head + "</text:p>" + tail || inserted == head + "</text:h>" + tail;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t bar = input.find('|');
    const std::string text = input.substr(0, bar);
    const std::string content = bar == std::string::npos ? "" : input.substr(bar + 1);

    const std::string escaped = tarvon::EscapeXml(text);
    FUZZ_CHECK(escaped.find_first_of("<>") == std::string::npos);
    FUZZ_CHECK(Unescape(escaped) == text);

    const auto inserted = tarvon::InsertAtFirstLine(content, text);
    if (!inserted)
        return 0;
    FUZZ_CHECK(InsertedOnce(content, *inserted, escaped) || OpenedUp(content, *inserted, escaped));
    return 0;
}
