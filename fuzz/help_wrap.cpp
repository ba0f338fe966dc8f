// The help text's word wrap: the first byte is the width, the rest the text.
#include "fuzz/fuzz_check.h"
#include "window/word_wrap.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int width = 1 + data[0] % 80;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string> lines = tarvon::WrapWords(text, width);

    std::vector<std::string> rewrapped;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> words = Words(lines[i]);
        FUZZ_CHECK(!words.empty());
        // Too long only when a single word is.
        FUZZ_CHECK(tarvon::Characters(lines[i]) <= width || words.size() == 1);
        // Greedy: the next line's first word did not fit on this one.
        if (i + 1 < lines.size())
            FUZZ_CHECK(tarvon::Characters(lines[i]) + 1 +
                           tarvon::Characters(Words(lines[i + 1]).front()) >
                       width);
        rewrapped.insert(rewrapped.end(), words.begin(), words.end());
    }
    // No word lost, split or reordered.
    FUZZ_CHECK(rewrapped == Words(text));
    return 0;
}
