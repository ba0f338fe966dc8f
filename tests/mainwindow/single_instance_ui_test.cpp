#include "mainwindow/single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QUuid>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tarvon {
namespace {

// Tests run in parallel processes: each takes a name of its own.
QString uniqueName() {
    return QStringLiteral("tarvon-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// Sends raw bytes to a listening copy, as some other program might.
void sendRaw(const QString& name, const QByteArray& bytes) {
    QLocalSocket socket;
    socket.connectToServer(name);
    ASSERT_TRUE(socket.waitForConnected(500));
    socket.write(bytes);
    ASSERT_TRUE(socket.waitForBytesWritten(500));
    socket.disconnectFromServer();
}

TEST(SingleInstance, LaterCopyHandsOverToTheFirstOfItsNameOnly) {
    EXPECT_EQ(SingleInstanceName("Tarvon"), "Tarvon-" + QString::number(::getuid()));
    const QString name = uniqueName();
    SingleInstance first(name);
    SingleInstance otherProgram(uniqueName());
    ASSERT_TRUE(first.claim());
    ASSERT_TRUE(otherProgram.claim());
    QSignalSpy spy(&first, &SingleInstance::handOverRequested);
    QSignalSpy otherSpy(&otherProgram, &SingleInstance::handOverRequested);

    SingleInstance second(name);
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(spy.wait(2000));
    QCoreApplication::processEvents();
    EXPECT_EQ(otherSpy.count(), 0);
}

TEST(SingleInstance, OtherUsersCannotReachTheSocketWhateverTheUmask) {
    const QString name = uniqueName();
    const mode_t before = ::umask(0);
    SingleInstance first(name);
    const bool claimed = first.claim();
    ::umask(before);
    ASSERT_TRUE(claimed);
    const QFileInfo socketFile(QDir::tempPath() + QLatin1Char('/') + name);
    ASSERT_TRUE(socketFile.exists());
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    EXPECT_EQ(socketFile.permissions() & others, QFile::Permissions());
}

// A copy that crashed leaves its socket file behind: bound, never listening.
void leaveStaleSocket(const QString& name) {
    const QByteArray path = QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + name);
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

TEST(SingleInstance, StaleSocketOrAnEndedCopyDoesNotStopTheNextStart) {
    const QString name = uniqueName();
    leaveStaleSocket(name);
    {
        SingleInstance first(name);
        ASSERT_TRUE(first.claim());
        QSignalSpy spy(&first, &SingleInstance::handOverRequested);
        SingleInstance second(name);
        EXPECT_FALSE(second.claim());
        EXPECT_TRUE(spy.wait(2000));
    }
    SingleInstance afterEnd(name);
    EXPECT_TRUE(afterEnd.claim());
}

TEST(SingleInstance, UnusableNameStillLetsTheProgramRun) {
    SingleInstance guardless(QStringLiteral("/no-such-folder/") + uniqueName());
    EXPECT_TRUE(guardless.claim());
}

TEST(SingleInstance, AnythingButTheRequestIsIgnoredAndTheCopyKeepsListening) {
    const QString name = uniqueName();
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
