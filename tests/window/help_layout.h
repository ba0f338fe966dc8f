#pragma once

#include "texts/language.h"
#include "window/help_text.h"
#include "window/menu_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// The help text's layout, checked the same in every language: the core's
// tests read the Catalan, the window's tests the installed catalogues.
namespace tarvon::help_layout {

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

inline int CharactersOf(const std::string& s) {
    int n = 0;
    for (const unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

inline bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

inline std::string WithoutAmpersand(std::string caption) {
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    return caption;
}

// Sections start after two empty lines; the menus that need a reaction say so
// in two lines in parentheses; entries are "-- name:" after an empty line,
// their explanation wrapped greedily to kAmpladaAjuda characters after four
// blanks. Gives the headings.
inline std::vector<std::string> ExpectLayout(const std::string& text) {
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "every line ends with CR LF";
    for (std::size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', lf + 1))
        EXPECT_EQ(text[lf - 1], '\r') << "a bare LF at " << lf;
    const std::vector<std::string> lines = Lines(text);
    EXPECT_GT(lines.size(), 10u);
    if (lines.size() <= 10)
        return {};
    EXPECT_EQ(lines.front(), "");
    EXPECT_EQ(lines.back(), " ");

    const std::vector<int> entriesPerSection{3, 3, 5, 4, 8, 6};
    const std::vector<bool> inParentheses{false, true, true, false, true, false};
    std::vector<std::string> headings;
    std::vector<int> entries;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const std::string& line = lines[i];
        const bool heading = i == 1 || (i >= 3 && lines[i - 1].empty() && lines[i - 2].empty() &&
                                        !lines[i - 3].empty());
        if (heading) {
            EXPECT_EQ(line.back(), ':') << line;
            const std::size_t section = headings.size();
            headings.push_back(line);
            entries.push_back(0);
            const bool said = StartsWith(lines[i + 1], "(");
            EXPECT_EQ(said, section < inParentheses.size() && inParentheses[section]) << line;
            if (said) {
                EXPECT_EQ(lines[i + 2].back(), ')');
                EXPECT_TRUE(lines[i + 3].empty()) << line;
                EXPECT_LE(CharactersOf(lines[i + 1]), kAmpladaAjuda) << lines[i + 1];
                EXPECT_LE(CharactersOf(lines[i + 2]), kAmpladaAjuda) << lines[i + 2];
            }
        } else if (StartsWith(line, "-- ")) {
            EXPECT_EQ(line.back(), ':');
            EXPECT_TRUE(lines[i - 1].empty()) << "an empty line before " << line;
            EXPECT_TRUE(StartsWith(lines[i + 1], "    ")) << "no explanation for " << line;
            if (!entries.empty())
                ++entries.back();
        } else if (StartsWith(line, "    ")) {
            const std::string body = line.substr(4);
            EXPECT_LE(CharactersOf(body), kAmpladaAjuda) << line;
            EXPECT_FALSE(body.empty() || body.front() == ' ' || body.back() == ' ') << line;
            // Greedy: the next line's first word would not have fitted here.
            if (StartsWith(lines[i + 1], "    ")) {
                const std::string next = lines[i + 1].substr(4);
                EXPECT_GT(CharactersOf(body) + 1 + CharactersOf(next.substr(0, next.find(' '))),
                          kAmpladaAjuda)
                    << line;
            }
        } else if (!line.empty() && !StartsWith(line, "(") && !StartsWith(lines[i - 1], "(")) {
            ADD_FAILURE() << "a line out of place: " << line;
        }
    }
    EXPECT_EQ(entries, entriesPerSection);
    return headings;
}

// The user looks for an entry's name in the menu: each heading starts with its
// menu's caption, and where the names are the menu's own, each entry names an
// item of its menu as the menu shows it (the Reaccions entries name the
// substances, and "Congelar/Descongelar imatge" both captions of one item).
inline void ExpectEntriesNameTheirItems(const std::string& text, const Language& lang) {
    const std::vector<std::string> headings = ExpectLayout(text);
    const auto& tree = MenuTree();
    const auto shown = [&](const MenuItemDef& item) {
        const std::string caption = WithoutAmpersand(lang(item.text));
        return caption.substr(caption.find_first_not_of('.'));
    };
    std::string menu;
    int checked = 0;
    for (const std::string& line : Lines(text)) {
        if (std::find(headings.begin(), headings.end(), line) != headings.end()) {
            menu.clear();
            for (const MenuItemDef& item : tree)
                if (item.parent.empty() && StartsWith(line, shown(item) + " ("))
                    menu = item.name;
            EXPECT_FALSE(menu.empty()) << "no menu for " << line;
            continue;
        }
        if (!StartsWith(line, "-- ") || menu == "mnuReaccions" || menu == "mnuAccions")
            continue;
        const std::string name = line.substr(3, line.size() - 4);
        EXPECT_TRUE(std::any_of(
            tree.begin(), tree.end(),
            [&](const MenuItemDef& item) { return item.parent == menu && shown(item) == name; }))
            << name << " in " << menu;
        ++checked;
    }
    EXPECT_EQ(checked, 22);
}

} // namespace tarvon::help_layout
