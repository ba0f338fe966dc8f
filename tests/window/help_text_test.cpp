#include "window/help_text.h"
#include "window/menu_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarvon {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

int Characters(const std::string& s) {
    int n = 0;
    for (const unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

TEST(HelpText, SectionsEntriesAndLineRules) {
    const std::string text = TextAjuda();
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "every line ends with CR LF";
    const std::vector<std::string> lines = Lines(text);
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(lines.front(), "");
    EXPECT_EQ(lines.back(), " ");

    const std::vector<std::string> headings{
        "Arxiu (Alt -A):",    "Accions (Alt-C):",  "Eines (Alt -E):",
        "Reaccions (Alt-R):", "Cinètica (Alt-N):", "Finestra (Alt -F):"};
    const std::vector<int> entriesPerSection{3, 3, 5, 4, 8, 5};
    const std::vector<bool> inParentheses{false, true, true, false, true, false};
    std::vector<int> entries;
    std::size_t section = 0;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (section < headings.size() && line == headings[section]) {
            EXPECT_TRUE(i == 1 ||
                        (lines[i - 1].empty() && lines[i - 2].empty() && !lines[i - 3].empty()))
                << "two empty lines before " << line;
            EXPECT_EQ(StartsWith(lines[i + 1], "("), inParentheses[section]) << line;
            if (inParentheses[section]) {
                EXPECT_EQ(lines[i + 2].back(), ')');
                EXPECT_FALSE(StartsWith(lines[i + 3], "    "));
            }
            entries.push_back(0);
            ++section;
        } else if (StartsWith(line, "-- ")) {
            EXPECT_EQ(line.back(), ':');
            EXPECT_TRUE(lines[i - 1].empty()) << "an empty line before " << line;
            ASSERT_TRUE(StartsWith(lines[i + 1], "    ")) << "no explanation for " << line;
            ++entries.back();
        } else if (StartsWith(line, "    ")) {
            const std::string body = line.substr(4);
            EXPECT_LE(Characters(body), kAmpladaAjuda) << line;
            EXPECT_NE(body.front(), ' ');
            // Greedy: the next line's first word would not have fitted here.
            if (StartsWith(lines[i + 1], "    ")) {
                const std::string next = lines[i + 1].substr(4);
                EXPECT_GT(Characters(body) + 1 + Characters(next.substr(0, next.find(' '))),
                          kAmpladaAjuda)
                    << line;
            }
        }
    }
    EXPECT_EQ(section, headings.size());
    EXPECT_EQ(entries, entriesPerSection);
}

std::string WithoutAmpersand(std::string caption) {
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    return caption;
}

// The user looks for an entry's name in the menu: where the names are the menu's own, each
// entry names an item of its menu as the menu shows it (the Reaccions entries name the
// substances, and "Congelar/Descongelar imatge" both captions of one item).
TEST(HelpText, EntriesNameTheItemsOfTheirMenu) {
    std::string menu;
    int checked = 0;
    for (const std::string& line : Lines(TextAjuda())) {
        if (!line.empty() && line.back() == ':' && line.rfind("-- ", 0) != 0 &&
            line.rfind(" ", 0) != 0) {
            const std::string word = line.substr(0, line.find(' '));
            menu.clear();
            for (const MenuItemDef& item : MenuTree())
                if (item.parent.empty() && WithoutAmpersand(item.caption) == word)
                    menu = item.name;
            continue;
        }
        if (line.rfind("-- ", 0) != 0 || menu == "mnuReaccions" || menu == "mnuAccions")
            continue;
        const std::string name = line.substr(3, line.size() - 4);
        const auto& tree = MenuTree();
        EXPECT_TRUE(std::any_of(tree.begin(), tree.end(),
                                [&](const MenuItemDef& item) {
                                    const std::string shown =
                                        item.caption.substr(item.caption.find_first_not_of('.'));
                                    return item.parent == menu && shown == name;
                                }))
            << name << " in " << menu;
        ++checked;
    }
    EXPECT_EQ(checked, 21);
}

TEST(HelpText, PlacementScalesWithTheScreen) {
    const AjudaPlacement p = PlacementAjuda(0.78125f);
    EXPECT_NEAR(p.Width, 3984.375, 1e-3);
    EXPECT_NEAR(p.FontSize, 7.8125, 1e-4);
    EXPECT_NEAR(p.Left, 8007.8125, 1e-2);
    EXPECT_NEAR(p.TextHeight, (10580 - 550) * 0.78125, 1e-2);
    EXPECT_NEAR(p.TextWidth, (5100 - 100) * 0.78125, 1e-2);
}

TEST(HelpText, FittedPlacementLiesWithinTheScreenAndKeepsItsMargins) {
    // Screens in twips (15 per pixel), less a title bar.
    const struct {
        float factor, width, height;
    } cases[] = {{1.0f, 15360, 11100},
                 {1.125f, 19200, 10200},
                 {1.5f, 28800, 15500},
                 {0.75f, 9600, 6600},
                 {1.125f, 19200, 14700}};
    for (const auto& c : cases) {
        const AjudaPlacement wanted = PlacementAjuda(c.factor);
        const AjudaPlacement p = FitAjuda(wanted, c.width, c.height);
        EXPECT_GE(p.Left, 0) << c.width;
        EXPECT_GE(p.Top, 0) << c.width;
        EXPECT_LE(p.Left + p.Width, c.width) << c.width;
        EXPECT_LE(p.Top + p.Height, c.height) << c.width;
        EXPECT_FLOAT_EQ(p.Height - p.TextHeight, wanted.Height - wanted.TextHeight);
        EXPECT_FLOAT_EQ(p.Width - p.TextWidth, wanted.Width - wanted.TextWidth);
        EXPECT_EQ(p.FontSize, wanted.FontSize);
        // What already fits is left where it is.
        if (wanted.Left + wanted.Width <= c.width && wanted.Top + wanted.Height <= c.height) {
            EXPECT_EQ(p.Left, wanted.Left);
            EXPECT_EQ(p.Height, wanted.Height);
        }
    }
}

} // namespace
} // namespace tarvon
