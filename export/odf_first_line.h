#pragma once

#include <optional>
#include <string>

namespace tarvon {

// `text`, escaped for XML character data.
std::string EscapeXml(const std::string& text);

// The content.xml of an ODF text document with `text` inserted at the start of
// the body's first paragraph or heading; inside its first span when the
// paragraph opens with one, so the text takes that run's formatting. Empty
// when the document has no paragraph.
std::optional<std::string> InsertAtFirstLine(const std::string& contentXml,
                                             const std::string& text);

} // namespace tarvon
