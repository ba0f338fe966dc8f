// The core library must reach no Qt header, directly or through the project's
// own headers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
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

// Returns the first Qt include reached from file, or "".
std::string firstQtInclude(const fs::path& file, std::set<fs::path>& seen) {
    if (!seen.insert(fs::weakly_canonical(file)).second)
        return "";
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    static const std::regex qt(R"(^(Q[A-Za-z]*|Qt[A-Za-z]*/.*|q[a-z_]*\.h)$)");
    for (const std::string& line : lines(file)) {
        std::smatch m;
        if (!std::regex_search(line, m, include))
            continue;
        const std::string name = m[2];
        if (std::regex_match(name, qt))
            return file.string() + ": " + line;
        const fs::path local = fs::path(PROJECT_SOURCE_ROOT) / name;
        if (m[1] == "\"" && fs::exists(local)) {
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
    std::ofstream(probe) << "#include <vector>\n#include <QPainter>\n";
    std::set<fs::path> seen;
    EXPECT_NE(firstQtInclude(probe, seen), "");
    fs::remove(probe);
}
