#include "startup/plain_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvon {
namespace {

namespace fs = std::filesystem;

struct PlainFile : ::testing::Test {
    fs::path dir;
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "plain-file-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
};

// The reader must come back at once; should it block, the FIFO is opened for
// writing and closed, which frees it, so that the failure is told, not hung.
std::optional<std::string> ReadOrUnblock(const std::string& fifo, bool& cameBack) {
    auto reading = std::async(std::launch::async, [&] { return ReadPlainFile(fifo, 4096); });
    cameBack = reading.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!cameBack) {
        const int w = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (w >= 0)
            ::close(w);
    }
    return reading.get();
}

TEST_F(PlainFile, AFifoIsRefusedAtOnceWithOrWithoutAStalledWriter) {
    const std::string fifo = path("Optim_boles.txt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(KindOf(fifo), PathKind::Other);
    bool cameBack = false;
    EXPECT_EQ(ReadOrUnblock(fifo, cameBack), std::nullopt);
    EXPECT_TRUE(cameBack) << "blocked on a FIFO with no writer";

    // A writer that has the FIFO open but sends nothing.
    const int writer = ::open(fifo.c_str(), O_RDWR);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, " .07\r\n", 6), 6); // half a file, then silence
    EXPECT_EQ(ReadOrUnblock(fifo, cameBack), std::nullopt);
    EXPECT_TRUE(cameBack) << "blocked on a FIFO whose writer stalls";
    ::close(writer);
}

TEST_F(PlainFile, OnlyARegularFileIsReadAndNoMoreThanTheCap) {
    EXPECT_EQ(KindOf(path("none")), PathKind::Missing);
    EXPECT_EQ(ReadPlainFile(path("none"), 10), std::nullopt);
    EXPECT_EQ(KindOf(path("none/deeper")), PathKind::Missing);

    fs::create_directory(dir / "folder");
    EXPECT_EQ(KindOf(path("folder")), PathKind::Other);
    EXPECT_EQ(ReadPlainFile(path("folder"), 10), std::nullopt);
    EXPECT_EQ(ReadPlainFile("/dev/zero", 10), std::nullopt); // endless device

    const std::string text = " .07\r\n 150\r\n" + std::string(10000, ' ');
    std::ofstream(path("big"), std::ios::binary) << text;
    EXPECT_EQ(KindOf(path("big")), PathKind::RegularFile);
    EXPECT_EQ(ReadPlainFile(path("big"), 4096), text.substr(0, 4096));
    EXPECT_EQ(ReadPlainFile(path("big"), 100000), text);

    // A link to a regular file is read as the file itself.
    fs::create_symlink(dir / "big", dir / "link");
    EXPECT_EQ(ReadPlainFile(path("link"), 12), text.substr(0, 12));
    EXPECT_EQ(KindOf(path("link")), PathKind::RegularFile);
    fs::create_symlink(dir / "folder", dir / "link-to-folder");
    EXPECT_EQ(ReadPlainFile(path("link-to-folder"), 12), std::nullopt);
}

} // namespace
} // namespace tarvon
