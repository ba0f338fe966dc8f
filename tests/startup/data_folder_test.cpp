#include "startup/data_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace tarvon {
namespace {

namespace fs = std::filesystem;

struct DataFolderTest : ::testing::Test {
    fs::path root = fs::temp_directory_path() / ("data_folder_test_" + std::to_string(getpid()));
    void SetUp() override { fs::create_directories(root); }
    void TearDown() override { fs::remove_all(root); }
};

TEST_F(DataFolderTest, WorkingDirectoryFirstThenBesideOrAroundTheProgram) {
    const fs::path shipped = root / "dist";
    fs::create_directories(shipped / kDataFolderName);
    const fs::path elsewhere = root / "desktop";
    fs::create_directories(elsewhere);

    EXPECT_EQ(FindDataFolder(shipped, "/opt/other"), shipped / kDataFolderName);
    // Started from a shortcut elsewhere: beside the launcher ...
    EXPECT_EQ(FindDataFolder(elsewhere, shipped), shipped / kDataFolderName);
    // ... or the folder the program itself lives in.
    EXPECT_EQ(FindDataFolder(elsewhere, shipped / kDataFolderName), shipped / kDataFolderName);
    EXPECT_EQ(FindDataFolder(elsewhere, (shipped / kDataFolderName).string() + "/"),
              shipped / kDataFolderName);
}

} // namespace
} // namespace tarvon
