#include "startup/hand_over_request.h"
#include "startup/private_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvon {
namespace {

namespace fs = std::filesystem;

struct PrivateFolderTest : ::testing::Test {
    fs::path dir;
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "private-folder-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string made(const char* name, mode_t mode) const {
        const std::string path = (dir / name).string();
        EXPECT_EQ(::mkdir(path.c_str(), 0700), 0);
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }
    std::string fallback() const {
        return (dir / ("tarvon-" + std::to_string(::getuid()))).string();
    }
};

TEST_F(PrivateFolderTest, ThePrivateRuntimeFolderIsUsedAsItIs) {
    const std::string runtime = made("run", 0700);
    EXPECT_EQ(FindPrivateFolder(::getuid(), runtime, dir.string()).path, runtime);
    EXPECT_FALSE(fs::exists(fallback()));
}

TEST_F(PrivateFolderTest, ElseAFolderOfTheUsersOwnInTheTemporaryFolderMadePrivate) {
    const std::string open = made("run", 0755);
    const mode_t before = ::umask(0);
    for (const std::string& runtime : {std::string(), open, (dir / "missing").string()}) {
        const PrivateFolder found = FindPrivateFolder(::getuid(), runtime, dir.string());
        EXPECT_EQ(found.path, fallback()) << runtime << ": " << found.problem;
        struct stat st {};
        ASSERT_EQ(::stat(fallback().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
    ::umask(before);
}

TEST_F(PrivateFolderTest, AFallbackFolderOthersCouldUseIsRefused) {
    const std::string target = made("elsewhere", 0700);
    // Open to others, a link to a private folder, a file, another owner.
    made(("tarvon-" + std::to_string(::getuid())).c_str(), 0770);
    PrivateFolder found = FindPrivateFolder(::getuid(), {}, dir.string());
    EXPECT_TRUE(found.path.empty());
    EXPECT_NE(found.problem.find(fallback()), std::string::npos) << found.problem;

    fs::remove(fallback());
    fs::create_directory_symlink(target, fallback());
    EXPECT_TRUE(FindPrivateFolder(::getuid(), {}, dir.string()).path.empty());

    EXPECT_TRUE(IsPrivateFolder(target, ::getuid()));
    EXPECT_FALSE(IsPrivateFolder(target, ::getuid() + 1));
    EXPECT_TRUE(FindPrivateFolder(::getuid() + 1, target, dir.string()).path.empty());
}

TEST(HandOverRequest, OnlyTheWholeLineHandsOverAndNothingWaitsPastTheLimit) {
    EXPECT_EQ(ReadHandOverRequest("Tarvon:mostrar\n"), RequestVerdict::HandOver);
    for (const std::string_view partial : {"", "Tarvon:", "Tarvon:mostrar"})
        EXPECT_EQ(ReadHandOverRequest(partial), RequestVerdict::Incomplete) << partial;
    for (const std::string_view other :
         {"\n", "Tarvon:mostrar\r\n", "Tarvon:mostrar\nTarvon:mostrar\n", "tarvon:mostrar\n"})
        EXPECT_EQ(ReadHandOverRequest(other), RequestVerdict::Ignore) << other;
    const std::string noLineEnd(kMaxRequest, 'x');
    EXPECT_EQ(ReadHandOverRequest(noLineEnd.substr(0, kMaxRequest - 1)),
              RequestVerdict::Incomplete);
    EXPECT_EQ(ReadHandOverRequest(noLineEnd), RequestVerdict::Ignore);
}

} // namespace
} // namespace tarvon
