// The folders are layers: each may include only the folders named below it
// here, and the folders without Qt reach no Qt header.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Layer {
    std::set<std::string> mayInclude;
    bool qt;
};

// From the bottom up. A folder not listed here is not a layer (tests, bench, scripts, packaging).
const std::map<std::string, Layer>& Layers() {
    static const std::map<std::string, Layer> layers{
        {"platform", {{}, false}},
        {"texts", {{}, false}},
        {"analysis", {{}, false}},
        {"engine", {{"texts"}, false}},
        {"layout", {{"texts", "engine", "startup"}, false}},
        {"reactions", {{"texts", "engine", "layout"}, false}},
        {"startup", {{"texts", "platform"}, false}},
        {"launcher_rules", {{"texts", "engine", "startup"}, false}},
        {"window", {{"texts", "platform", "analysis", "engine", "layout", "reactions", "startup"}, false}},
        {"export", {{"texts", "window"}, false}},
        {"tools",
         {{"texts", "analysis", "engine", "layout", "reactions", "startup", "window", "qtcommon"}, true}},
        {"qtcommon", {{"texts", "platform", "engine", "startup"}, true}},
        {"kinetics",
         {{"texts", "platform", "analysis", "engine", "layout", "reactions", "startup", "window",
           "qtcommon"},
          true}},
        {"mainwindow",
         {{"texts", "platform", "analysis", "engine", "layout", "reactions", "startup", "window", "export",
           "qtcommon", "datapictures", "kinetics"},
          true}},
        {"launcher",
         {{"texts", "platform", "engine", "startup", "launcher_rules", "qtcommon", "datapictures"}, true}},
        {"assets", {{"texts", "analysis", "engine", "layout", "reactions", "window", "tools"}, true}},
        // The generator's pictures as the windows show them, in the installed language.
        {"datapictures", {{"texts", "startup", "assets", "qtcommon"}, true}},
        {"soak",
         {{"texts", "platform", "engine", "reactions", "window", "export", "qtcommon", "mainwindow"}, true}},
        // The fuzz targets read through the Qt-free code only.
        {"fuzz", {{"texts", "startup", "reactions", "window", "export", "tools"}, false}},
    };
    return layers;
}

// The header an #include line names, "" for any other line; `quoted` tells "" from <>.
std::string IncludedHeader(const std::string& line, bool& quoted) {
    const std::size_t hash = line.find_first_not_of(" \t");
    const std::size_t open = line.find_first_of("<\"");
    if (hash == std::string::npos || line[hash] != '#' || open == std::string::npos ||
        line.find("include") > open)
        return "";
    quoted = line[open] == '"';
    return line.substr(open + 1, line.find_first_of(">\"", open + 1) - open - 1);
}

// QPainter, QtWidgets/QLabel, qglobal.h ...
bool IsQtHeader(const std::string& name) {
    return name.starts_with('Q') ||
           (name.starts_with('q') && name.ends_with(".h") && name.find('/') == std::string::npos);
}

// Every include of the layer's files that breaks its rules.
std::vector<std::string> Violations(const std::string& folder, const Layer& layer) {
    std::vector<std::string> found;
    const fs::path root = fs::path(PROJECT_SOURCE_ROOT) / folder;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp")
            continue;
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            bool quoted = false;
            const std::string name = IncludedHeader(line, quoted);
            const std::string where = entry.path().lexically_relative(PROJECT_SOURCE_ROOT).string();
            if (!layer.qt && IsQtHeader(name))
                found.push_back(where + ": " + line);
            const std::size_t slash = name.find('/');
            if (!quoted || slash == std::string::npos)
                continue;
            const std::string target = name.substr(0, slash);
            if (target != folder && Layers().count(target) && !layer.mayInclude.count(target))
                found.push_back(where + ": " + line);
        }
    }
    return found;
}

} // namespace

TEST(Layers, EveryIncludePointsDownAndTheCoreReachesNoQt) {
    for (const auto& [folder, layer] : Layers()) {
        ASSERT_TRUE(fs::is_directory(fs::path(PROJECT_SOURCE_ROOT) / folder)) << folder;
        for (const std::string& v : Violations(folder, layer))
            ADD_FAILURE() << folder << " may not include this: " << v;
    }
}

TEST(Layers, TheRulesThemselvesHaveNoCycle) {
    // A folder that could reach itself through the table would not be a layer.
    for (const auto& [folder, layer] : Layers()) {
        std::set<std::string> reached, todo = layer.mayInclude;
        while (!todo.empty()) {
            const std::string next = *todo.begin();
            todo.erase(todo.begin());
            if (!reached.insert(next).second)
                continue;
            ASSERT_NE(next, folder) << folder << " reaches itself";
            for (const std::string& below : Layers().at(next).mayInclude)
                todo.insert(below);
        }
    }
}

TEST(Layers, IncludesAreRecognised) {
    // Guards the checks above against a pattern that matches nothing.
    bool quoted = false;
    EXPECT_EQ(IncludedHeader("  #  include \"engine/clock.h\"", quoted), "engine/clock.h");
    EXPECT_TRUE(quoted);
    for (const char* qt :
         {"#include <QPainter>", "#include <QtCore/qglobal.h>", "#include \"qobject.h\""})
        EXPECT_TRUE(IsQtHeader(IncludedHeader(qt, quoted))) << qt;
    for (const char* other : {"#include <queue>", "// #include <QPainter>"})
        EXPECT_FALSE(IsQtHeader(IncludedHeader(other, quoted))) << other;
}
