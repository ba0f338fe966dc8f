#include "mainwindow/single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tarvon {
namespace {

// Every test has a runtime folder of its own, so that copies started by tests
// running in parallel never meet.
struct SingleInstanceTest : ::testing::Test {
    QTemporaryDir runtime;
    QString name(const QString& program = QStringLiteral("Tarvon")) const {
        return runtime.filePath(program);
    }
};

// Sends raw bytes to a listening copy, as some other program might.
void sendRaw(const QString& name, const QByteArray& bytes) {
    QLocalSocket socket;
    socket.connectToServer(name);
    ASSERT_TRUE(socket.waitForConnected(500));
    socket.write(bytes);
    ASSERT_TRUE(socket.waitForBytesWritten(500));
    socket.disconnectFromServer();
}

TEST_F(SingleInstanceTest, LaterCopyHandsOverToTheFirstOfItsNameOnly) {
    SingleInstance first(name());
    SingleInstance otherProgram(name("Orvalis3"));
    ASSERT_TRUE(first.claim());
    ASSERT_TRUE(otherProgram.claim());
    QSignalSpy spy(&first, &SingleInstance::handOverRequested);
    QSignalSpy otherSpy(&otherProgram, &SingleInstance::handOverRequested);

    SingleInstance second(name());
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(spy.wait(2000));
    QCoreApplication::processEvents();
    EXPECT_EQ(otherSpy.count(), 0);
}

TEST_F(SingleInstanceTest, OtherUsersCannotReachTheSocketWhateverTheUmask) {
    const mode_t before = ::umask(0);
    SingleInstance first(name());
    const bool claimed = first.claim();
    ::umask(before);
    ASSERT_TRUE(claimed);
    const QFileInfo socketFile(name());
    ASSERT_TRUE(socketFile.exists());
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    EXPECT_EQ(socketFile.permissions() & others, QFile::Permissions());
}

// The name's folder comes from the environment of the test's own process.
TEST_F(SingleInstanceTest, TheSocketLivesInThePrivateRuntimeFolderOrAPrivateOneMadeForIt) {
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    EXPECT_EQ(SingleInstanceName("Tarvon"), name());

    QTemporaryDir temp;
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    ASSERT_EQ(::chmod(QFile::encodeName(runtime.path()).constData(), 0755), 0);
    const QString fallback = temp.filePath("tarvon-" + QString::number(::getuid()));
    const mode_t before = ::umask(0);
    EXPECT_EQ(SingleInstanceName("Tarvon"), fallback + "/Tarvon");
    ::umask(before);
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(SingleInstanceName("Tarvon"), fallback + "/Tarvon");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(fallback).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    // Opened to others: no guard, and the program still starts.
    ASSERT_EQ(::chmod(QFile::encodeName(fallback).constData(), 0777), 0);
    const QString none = SingleInstanceName("Tarvon");
    EXPECT_TRUE(none.isEmpty()) << qPrintable(none);
    SingleInstance guardless(none);
    EXPECT_TRUE(guardless.claim());
    EXPECT_TRUE(QDir(fallback).isEmpty(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot));
}

// A copy that crashed leaves its socket file behind: bound, never listening.
void leaveStaleSocket(const QString& name) {
    const QByteArray path = QFile::encodeName(name);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), static_cast<qsizetype>(sizeof addr.sun_path));
    std::memcpy(addr.sun_path, path.constData(), static_cast<size_t>(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(fd);
    // Where a client looks for the running copy, and finds nobody there.
    QLocalSocket probe;
    probe.connectToServer(name);
    ASSERT_FALSE(probe.waitForConnected(500));
    ASSERT_EQ(probe.error(), QLocalSocket::ConnectionRefusedError);
}

TEST_F(SingleInstanceTest, StaleSocketOrAnEndedCopyDoesNotStopTheNextStart) {
    leaveStaleSocket(name());
    {
        SingleInstance first(name());
        ASSERT_TRUE(first.claim());
        QSignalSpy spy(&first, &SingleInstance::handOverRequested);
        SingleInstance second(name());
        EXPECT_FALSE(second.claim());
        EXPECT_TRUE(spy.wait(2000));
    }
    SingleInstance afterEnd(name());
    EXPECT_TRUE(afterEnd.claim());
}

TEST_F(SingleInstanceTest, UnusableNameStillLetsTheProgramRun) {
    SingleInstance guardless(runtime.filePath("no-such-folder/Tarvon"));
    EXPECT_TRUE(guardless.claim());
}

TEST_F(SingleInstanceTest, AnythingButTheRequestIsIgnoredAndTheCopyKeepsListening) {
    const QString name = this->name();
    SingleInstance first(name);
    ASSERT_TRUE(first.claim());
    QSignalSpy spy(&first, &SingleInstance::handOverRequested);

    sendRaw(name, "Tarvon:most");                      // cut short
    sendRaw(name, "Tarvon:mostrar\nTarvon:mostrar\n"); // more than asked
    sendRaw(name, QByteArray(4096, 'x'));              // no line end at all
    EXPECT_FALSE(spy.wait(500));

    // A peer that never stops sending is cut off.
    QLocalSocket flood;
    flood.connectToServer(name);
    ASSERT_TRUE(flood.waitForConnected(500));
    QSignalSpy cutOff(&flood, &QLocalSocket::disconnected);
    flood.write(QByteArray(1000, 'y'));
    EXPECT_TRUE(cutOff.wait(1000)); // well before the idle time-out

    SingleInstance later(name);
    EXPECT_FALSE(later.claim());
    EXPECT_TRUE(spy.wait(2000));
    EXPECT_EQ(spy.count(), 1);
}

// A folder that another user (uid 65534) can work in too.
struct SecondUser : ::testing::Test {
    QByteArray shared;
    void SetUp() override {
        if (::getuid() != 0)
            GTEST_SKIP() << "needs root to act as a second user";
        char tmpl[] = "/tmp/tarvon-second-user-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        shared = tmpl;
        ASSERT_EQ(::chmod(tmpl, 01777), 0);
    }
    void TearDown() override {
        if (!shared.isEmpty())
            QDir(QString::fromLocal8Bit(shared)).removeRecursively();
    }
    QString at(const QString& file) const { return QString::fromLocal8Bit(shared) + "/" + file; }

    // Runs a program as the second user; it is not waited for.
    void startAsSecondUser(QProcess& p, const QStringList& command) {
        p.start("setpriv",
                QStringList{"--reuid=65534", "--regid=65534", "--clear-groups"} + command);
        ASSERT_TRUE(p.waitForStarted(5000)) << qPrintable(p.errorString());
    }
};

TEST_F(SecondUser, AFolderOfTheSocketsNameMadeByAnotherUserIsNotUsed) {
    const QString squatted = at("tarvon-" + QString::number(::getuid()));
    QProcess mkdir;
    startAsSecondUser(mkdir, {"mkdir", "-m", "0700", squatted});
    ASSERT_TRUE(mkdir.waitForFinished(5000));
    ASSERT_EQ(mkdir.exitCode(), 0) << mkdir.readAllStandardError().constData();

    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", shared);
    const QString name = SingleInstanceName("Tarvon");
    EXPECT_TRUE(name.isEmpty()) << qPrintable(name);
    SingleInstance guardless(name);
    EXPECT_TRUE(guardless.claim());
}

TEST_F(SecondUser, AnotherUsersListenerGetsNoHandOverAndTheProgramStartsNormally) {
    // The listener runs from the shared folder: the build folder may be closed to that user.
    const QString listener = at("foreign_listener");
    ASSERT_TRUE(QFile::copy(FOREIGN_LISTENER, listener));
    ASSERT_TRUE(QFile::setPermissions(listener, QFile::ReadOwner | QFile::ExeOwner |
                                                    QFile::ReadOther | QFile::ExeOther));
    const QString socketName = at("Tarvon");
    QProcess squatter;
    startAsSecondUser(squatter, {listener, socketName});
    ASSERT_TRUE(squatter.waitForReadyRead(5000));
    ASSERT_EQ(squatter.readLine(), "ready\n");

    SingleInstance first(socketName);
    EXPECT_TRUE(first.claim()); // started normally, not handed over
    ASSERT_TRUE(squatter.waitForFinished(10000));
    EXPECT_EQ(squatter.readAll(), "nothing\n");

    // This copy now holds the name: a later copy of the same user hands over to it.
    QSignalSpy spy(&first, &SingleInstance::handOverRequested);
    SingleInstance second(socketName);
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(spy.wait(2000));
}

// A minimised window comes back as it was before; any other keeps its state.
TEST(BringForward, GivesBackTheStateTheWindowHadBeforeItWasMinimised) {
    for (const bool minimise : {true, false}) {
        QWidget normal, maximised;
        normal.show();
        maximised.showMaximized();
        for (QWidget* w : {&normal, &maximised}) {
            if (minimise)
                w->showMinimized();
            BringForward(*w);
            EXPECT_TRUE(w->isVisible() && !w->isMinimized()) << minimise;
        }
        EXPECT_FALSE(normal.isMaximized()) << minimise;
        EXPECT_TRUE(maximised.isMaximized()) << minimise;
    }
}

} // namespace
} // namespace tarvon
