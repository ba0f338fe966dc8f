// The core library must reach no Qt header, directly or through the project's
// own headers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

// The header an #include line names ("" for any other line); `quoted` tells "" from <>.
std::string includedHeader(const std::string& line, bool& quoted) {
    const std::size_t hash = line.find_first_not_of(" \t");
    const std::size_t open = line.find_first_of("<\"");
    if (hash == std::string::npos || line[hash] != '#' || line.find("include") > open ||
        open == std::string::npos)
        return "";
    quoted = line[open] == '"';
    return line.substr(open + 1, line.find_first_of(">\"", open + 1) - open - 1);
}

// QPainter, QtWidgets/QLabel, qglobal.h ...
bool isQtHeader(const std::string& name) {
    return name.starts_with('Q') ||
           (name.starts_with('q') && name.ends_with(".h") && name.find('/') == std::string::npos);
}

// The first line reaching Qt from file, or "".
std::string firstQtInclude(const fs::path& file, std::set<fs::path>& seen) {
    if (!seen.insert(fs::weakly_canonical(file)).second)
        return "";
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        bool quoted = false;
        const std::string name = includedHeader(line, quoted);
        if (isQtHeader(name))
            return file.string() + ": " + line;
        const fs::path local = fs::path(PROJECT_SOURCE_ROOT) / name;
        if (quoted && fs::is_regular_file(local)) {
            if (std::string hit = firstQtInclude(local, seen); !hit.empty())
                return hit;
        }
    }
    return "";
}

} // namespace

TEST(CoreLibrary, ReachesNoQtHeader) {
    std::ifstream list(CORE_SOURCES_FILE);
    std::set<fs::path> seen;
    int sources = 0;
    for (std::string src; std::getline(list, src); ++sources) {
        ASSERT_TRUE(fs::exists(src)) << src;
        EXPECT_EQ(firstQtInclude(src, seen), "") << "core file reaches Qt";
    }
    EXPECT_GT(sources, 5);
}

TEST(CoreLibrary, QtIncludeIsRecognised) {
    // Guards the check above against a pattern that matches nothing.
    bool quoted = false;
    for (const char* qt :
         {"  #  include <QPainter>", "#include <QtCore/qglobal.h>", "#include \"qobject.h\""})
        EXPECT_TRUE(isQtHeader(includedHeader(qt, quoted))) << qt;
    for (const char* other : {"#include <queue>", "#include \"engine/clock.h\"", "// <QPainter>"})
        EXPECT_FALSE(isQtHeader(includedHeader(other, quoted))) << other;
}
