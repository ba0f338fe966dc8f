#include "tools/sim_options.h"
#include "tools/sim_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tarvon {
namespace {

struct Block {
    std::string arguments;
    std::string table;
};

// The recorded tables: "## ARGUMENTS" lines, each followed by its table.
std::vector<Block> recordedTables() {
    std::ifstream in(std::string(PROJECT_SOURCE_ROOT) + "/tests/tools/runner_tables.txt",
                     std::ios::binary);
    std::vector<Block> blocks;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("## "))
            blocks.push_back({line.substr(3), ""});
        else if (!line.starts_with("#") && !blocks.empty())
            blocks.back().table += line + "\n";
    }
    return blocks;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

// Regenerate the file with tarvon-sim (LC_ALL=C) only when the model is meant to change.
TEST(RunnerTables, EveryReactionSizeDiameterAndSeedGivesTheRecordedTable) {
    const std::vector<Block> blocks = recordedTables();
    ASSERT_EQ(blocks.size(), 72u);
    for (const Block& block : blocks) {
        SCOPED_TRACE(block.arguments);
        const SimOptionsResult parsed = ParseSimOptions(words(block.arguments));
        ASSERT_TRUE(parsed.ok()) << parsed.error;
        SimRun run(parsed.options, *parsed.options.seed, '.');
        run.run();
        EXPECT_EQ(run.table(), block.table);
    }
}

} // namespace
} // namespace tarvon
