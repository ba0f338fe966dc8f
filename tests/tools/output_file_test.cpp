#include "tools/output_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace tarvon {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/output_file_test_XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir = name;
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    static std::string contents(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void put(const std::string& p, const std::string& text) {
        std::ofstream(p, std::ios::binary) << text;
    }

    fs::path dir;
    std::string error;
};

TEST_F(OutputFileTest, AFileIsReplacedOnlyByTheWriteAndOneCreatedInVainIsRemoved) {
    const std::string fresh = path("fresh.png"), old = path("old.png");
    put(old, "the picture of an earlier run");
    {
        OutputFile created, existing;
        ASSERT_TRUE(created.open(fresh, error)) << error;
        ASSERT_TRUE(existing.open(old, error)) << error;
        EXPECT_TRUE(fs::exists(fresh));
        EXPECT_EQ(contents(old), "the picture of an earlier run");
    } // the run failed: nothing was written
    EXPECT_FALSE(fs::exists(fresh));
    EXPECT_EQ(contents(old), "the picture of an earlier run");

    OutputFile created, existing;
    ASSERT_TRUE(created.open(fresh, error) && existing.open(old, error)) << error;
    EXPECT_TRUE(created.write("new", error) && existing.write("new", error)) << error;
    EXPECT_EQ(contents(fresh), "new");
    EXPECT_EQ(contents(old), "new") << "cut to the new size";
    EXPECT_EQ(created.pathToRemove(), nullptr);
}

} // namespace
} // namespace tarvon
