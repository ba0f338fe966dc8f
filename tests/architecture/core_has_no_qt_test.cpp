// The core library must reach no Qt header, directly or through the project's
// own headers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> lines(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

struct Include {
    char open = 0; // '<' or '"'
    std::string name;
};

// The header named by an #include line, if the line is one.
bool parseInclude(const std::string& line, Include& out) {
    std::size_t p = line.find_first_not_of(" \t");
    if (p == std::string::npos || line[p] != '#')
        return false;
    p = line.find_first_not_of(" \t", p + 1);
    if (p == std::string::npos || line.compare(p, 7, "include") != 0)
        return false;
    p = line.find_first_of("<\"", p + 7);
    if (p == std::string::npos)
        return false;
    const std::size_t end = line.find_first_of(">\"", p + 1);
    if (end == std::string::npos)
        return false;
    out = {line[p], line.substr(p + 1, end - p - 1)};
    return true;
}

// QPainter, QtWidgets/QLabel, qglobal.h ...
bool isQtHeader(const std::string& name) {
    if (name.empty())
        return false;
    if (name[0] == 'Q')
        return true;
    const bool lowerQt = name[0] == 'q' && name.size() > 2 && name.ends_with(".h") &&
                         name.find('/') == std::string::npos;
    return lowerQt;
}

// Returns the first Qt include reached from file, or "".
std::string firstQtInclude(const fs::path& file, std::set<fs::path>& seen) {
    if (!seen.insert(fs::weakly_canonical(file)).second)
        return "";
    for (const std::string& line : lines(file)) {
        Include inc;
        if (!parseInclude(line, inc))
            continue;
        if (isQtHeader(inc.name))
            return file.string() + ": " + line;
        const fs::path local = fs::path(PROJECT_SOURCE_ROOT) / inc.name;
        if (inc.open == '"' && fs::exists(local)) {
            std::string hit = firstQtInclude(local, seen);
            if (!hit.empty())
                return hit;
        }
    }
    return "";
}

} // namespace

TEST(CoreLibrary, ReachesNoQtHeader) {
    const std::vector<std::string> sources = lines(CORE_SOURCES_FILE);
    ASSERT_GT(sources.size(), 5u);
    std::set<fs::path> seen;
    for (const std::string& src : sources) {
        if (src.empty())
            continue;
        ASSERT_TRUE(fs::exists(src)) << src;
        EXPECT_EQ(firstQtInclude(src, seen), "") << "core file reaches Qt";
    }
}

TEST(CoreLibrary, QtIncludeIsRecognised) {
    // Guards the check above against a pattern that matches nothing.
    const fs::path probe = fs::temp_directory_path() / "core_has_no_qt_probe.cpp";
    std::ofstream(probe) << "#include <vector>\n#include <queue>\n";
    std::set<fs::path> seen;
    EXPECT_EQ(firstQtInclude(probe, seen), "");
    for (const char* qt :
         {"  #  include <QPainter>", "#include <QtCore/qglobal.h>", "#include \"qobject.h\""}) {
        std::ofstream(probe) << "#include <vector>\n" << qt << "\n";
        seen.clear();
        EXPECT_NE(firstQtInclude(probe, seen), "") << qt;
    }
    fs::remove(probe);
}
