#include "assets/document_check.h"

#include "window/menu_tree.h"

#include <algorithm>
#include <map>
#include <regex>

namespace assets {

namespace {

const std::string kSeparator = " › ";
const std::string kSlideMark = "<!-- diapositiva -->";

std::set<std::string> matches(const std::string& text, const std::regex& pattern, int group) {
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it)
        found.insert((*it)[group].str());
    return found;
}

std::size_t occurrences(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + what.size()))
        ++count;
    return count;
}

void compareSets(const std::set<std::string>& catalan, const std::set<std::string>& translated,
                 const std::string& what, std::vector<std::string>& problems) {
    for (const std::string& item : catalan)
        if (!translated.count(item))
            problems.push_back("lacks the " + what + " " + item);
    for (const std::string& item : translated)
        if (!catalan.count(item))
            problems.push_back("has the " + what + " " + item + ", which the Catalan has not");
}

std::string collapseSpaces(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!space)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// A caption as a document cites it: "&Arxiu" is "Arxiu", "......Esborrar dades" is
// "Esborrar dades" and the ditto line "    \"      1 segon" is "1 segon".
std::string citedCaption(std::string caption) {
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    caption.erase(0, caption.find_first_not_of(" .\""));
    return collapseSpaces(caption);
}

std::string decodeEntities(std::string text) {
    static const std::pair<const char*, const char*> entities[] = {
        {"&nbsp;", " "}, {"&#39;", "'"}, {"&apos;", "'"}, {"&quot;", "\""},
        {"&lt;", "<"},   {"&gt;", ">"},  {"&amp;", "&"}};
    for (const auto& [entity, character] : entities)
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
            text.replace(at, std::string(entity).size(), character);
    return text;
}

std::string lineOf(const std::string& text, std::size_t at) {
    return std::to_string(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n') + 1);
}

// Some 30 bytes either side of `at`, cut between whole UTF-8 characters.
std::string excerpt(const std::string& text, std::size_t at) {
    const auto whole = [&text](std::size_t i) {
        while (i > 0 && i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            --i;
        return i;
    };
    const std::size_t from = whole(at > 30 ? at - 30 : 0);
    const std::size_t to = whole(std::min(text.size(), at + 30));
    return collapseSpaces(text.substr(from, to - from));
}

// Items whose caption the window changes while it runs, besides the tree's own.
const std::multimap<std::string, tarvon::TextKey>& changingCaptions() {
    static const std::multimap<std::string, tarvon::TextKey> captions{
        {"AccionsCongelar", {"window", "Congelar Imatge"}},
        {"AccionsCongelar", {"window", "Descongelar Imatge"}},
    };
    return captions;
}

} // namespace

std::vector<std::string> CounterpartProblems(const std::string& catalan,
                                             const std::string& translated) {
    static const std::regex value(R"(\{\{([^}]*)\}\})");
    static const std::regex image(R"(<img[^>]*\ssrc="([^"]*)\")");
    std::vector<std::string> problems;
    compareSets(matches(catalan, value, 0), matches(translated, value, 0), "value", problems);
    compareSets(matches(catalan, image, 1), matches(translated, image, 1), "figure", problems);
    const std::size_t slides = occurrences(catalan, kSlideMark);
    const std::size_t theirs = occurrences(translated, kSlideMark);
    if (slides != theirs)
        problems.push_back("has " + std::to_string(theirs) + " slides, the Catalan " +
                           std::to_string(slides));
    return problems;
}

std::set<std::string> MenuPaths(const tarvon::Language& words) {
    std::map<std::string, const tarvon::MenuItemDef*> byName;
    for (const tarvon::MenuItemDef& item : tarvon::MenuTree())
        byName[item.name] = &item;
    std::set<std::string> paths;
    for (const tarvon::MenuItemDef& item : tarvon::MenuTree()) {
        std::set<std::string> leaves{citedCaption(words(item.text))};
        const auto [first, last] = changingCaptions().equal_range(item.name);
        for (auto it = first; it != last; ++it)
            leaves.insert(citedCaption(words(it->second)));
        for (const std::string& leaf : leaves) {
            std::string path = leaf;
            paths.insert(path);
            for (auto up = byName.find(item.parent); up != byName.end();
                 up = byName.find(up->second->parent)) {
                path = citedCaption(words(up->second->text)) + kSeparator + path;
                paths.insert(path);
            }
        }
    }
    return paths;
}

std::vector<std::string> MenuReferenceProblems(const std::string& source,
                                               const std::set<std::string>& paths) {
    static const std::regex span(R"(<span class="menu">([^<]*)</span>)");
    std::vector<std::string> problems;
    std::vector<std::pair<std::size_t, std::size_t>> marked;
    for (auto it = std::sregex_iterator(source.begin(), source.end(), span);
         it != std::sregex_iterator(); ++it) {
        const auto at = static_cast<std::size_t>(it->position());
        marked.emplace_back(at, at + static_cast<std::size_t>(it->length()));
        const std::string cited = collapseSpaces(decodeEntities((*it)[1].str()));
        if (!paths.count(cited))
            problems.push_back("line " + lineOf(source, at) + ": no menu item '" + cited + "'");
    }
    for (std::size_t at = source.find("›"); at != std::string::npos;
         at = source.find("›", at + 1)) {
        const bool inside = std::any_of(marked.begin(), marked.end(), [at](const auto& range) {
            return range.first <= at && at < range.second;
        });
        if (!inside)
            problems.push_back("line " + lineOf(source, at) + ": a menu reference not marked: '" +
                               excerpt(source, at) + "'");
    }
    return problems;
}

std::string FormTitleProblem(const std::string& source) {
    static const std::regex first(R"(<body[^>]*>\s*<(h[1-6]|p)[^>]*>([^<]*)<)");
    std::smatch found;
    if (!std::regex_search(source, found, first))
        return "the form does not open with its title";
    const std::string title = found[2].str();
    if (title.rfind(" — ", 0) != 0 || title.size() <= std::string(" — ").size())
        return "the form's first paragraph must be its title alone after \" — \", not '" + title +
               "'";
    return {};
}

} // namespace assets
