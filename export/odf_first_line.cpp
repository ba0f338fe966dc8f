#include "export/odf_first_line.h"

namespace tarvon {

namespace {

constexpr auto npos = std::string::npos;

// Whether `name` starts at `pos` as a whole element name ("<text:p", not
// "<text:page-number").
bool OpensElement(const std::string& xml, std::size_t pos, const std::string& name) {
    if (xml.compare(pos, name.size(), name) != 0)
        return false;
    const std::size_t after = pos + name.size();
    return after < xml.size() && std::string(" \t\r\n/>").find(xml[after]) != npos;
}

// The position of the '>' that ends the tag starting at `pos`; quoted
// attribute values may hold a '>' of their own.
std::size_t TagEnd(const std::string& xml, std::size_t pos) {
    char quote = 0;
    for (std::size_t i = pos; i < xml.size(); ++i) {
        if (quote != 0) {
            if (xml[i] == quote)
                quote = 0;
        } else if (xml[i] == '"' || xml[i] == '\'') {
            quote = xml[i];
        } else if (xml[i] == '>') {
            return i;
        }
    }
    return npos;
}

struct Paragraph {
    std::size_t start;
    std::string name; // "text:p" or "text:h"
};

std::optional<Paragraph> FirstParagraph(const std::string& xml) {
    std::size_t pos = xml.find("<office:text");
    while (pos != npos && !OpensElement(xml, pos, "<office:text"))
        pos = xml.find("<office:text", pos + 1);
    for (; pos != npos; pos = xml.find("<text:", pos + 1)) {
        if (OpensElement(xml, pos, "<text:p"))
            return Paragraph{pos, "text:p"};
        if (OpensElement(xml, pos, "<text:h"))
            return Paragraph{pos, "text:h"};
    }
    return std::nullopt;
}

} // namespace

std::string EscapeXml(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::optional<std::string> InsertAtFirstLine(const std::string& contentXml,
                                             const std::string& text) {
    const auto paragraph = FirstParagraph(contentXml);
    if (!paragraph)
        return std::nullopt;
    std::string xml = contentXml;
    const std::size_t end = TagEnd(xml, paragraph->start);
    if (end == npos)
        return std::nullopt;
    const std::string escaped = EscapeXml(text);
    if (xml[end - 1] == '/') {
        // <text:p .../> becomes <text:p ...>text</text:p>.
        xml.replace(end - 1, 2, ">" + escaped + "</" + paragraph->name + ">");
        return xml;
    }
    std::size_t at = end + 1;
    if (OpensElement(xml, at, "<text:span")) {
        const std::size_t spanEnd = TagEnd(xml, at);
        if (spanEnd != npos && xml[spanEnd - 1] != '/')
            at = spanEnd + 1;
    }
    xml.insert(at, escaped);
    return xml;
}

} // namespace tarvon
