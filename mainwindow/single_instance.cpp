#include "mainwindow/single_instance.h"

#include "startup/hand_over_request.h"
#include "startup/private_folder.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <utility>

#ifndef Q_OS_WIN
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace tarvon {
namespace {

constexpr int kConnectMs = 500;
constexpr int kWriteMs = 500;
// A peer that stalls in the middle of its request is dropped.
constexpr int kRequestMs = 2000;

// Whoever listens on the name must be this same user: anyone else would take
// the hand-over and keep this copy from ever showing its window.
bool PeerIsThisUser(const QLocalSocket& socket) {
#if defined(Q_OS_LINUX)
    ucred peer{};
    socklen_t size = sizeof peer;
    const int fd = static_cast<int>(socket.socketDescriptor());
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
#elif defined(Q_OS_UNIX)
    uid_t uid = 0;
    gid_t gid = 0;
    const int fd = static_cast<int>(socket.socketDescriptor());
    return ::getpeereid(fd, &uid, &gid) == 0 && uid == ::getuid();
#else
    Q_UNUSED(socket);
    return true;
#endif
}

} // namespace

QString SingleInstanceName(const QString& program) {
#ifdef Q_OS_WIN
    return program + QLatin1Char('-') + qEnvironmentVariable("USERNAME");
#else
    const PrivateFolder folder =
        FindPrivateFolder(::getuid(), qEnvironmentVariable("XDG_RUNTIME_DIR").toStdString(),
                          QDir::tempPath().toStdString());
    if (folder.path.empty()) {
        std::fprintf(stderr, "%s: no single-instance guard (%s)\n", qPrintable(program),
                     folder.problem.c_str());
        return {};
    }
    return QString::fromStdString(folder.path) + QLatin1Char('/') + program;
#endif
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

bool SingleInstance::claim() {
    if (name_.isEmpty())
        return true; // no private place for the socket: no guard
    if (handOver())
        return false;
    listen();
    return true;
}

bool SingleInstance::handOver() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    if (!PeerIsThisUser(socket)) {
        socket.abort();
        return false;
    }
    socket.write(kHandOverRequest.data(), static_cast<qint64>(kHandOverRequest.size()));
    socket.flush();
    if (socket.bytesToWrite() > 0)
        socket.waitForBytesWritten(kWriteMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::listen() {
    // Nobody answered: a socket file left by a crashed copy is stale.
    QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
    if (!server_->listen(name_)) {
        // Better two copies than a program that will not start in class.
        std::fprintf(stderr, "Tarvon: no single-instance guard (%s)\n",
                     qPrintable(server_->errorString()));
    }
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        socket->setReadBufferSize(static_cast<qint64>(kMaxRequest));
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        QTimer::singleShot(kRequestMs, socket, &QLocalSocket::abort);
        read(socket); // the data may have come with the connection
    }
}

void SingleInstance::read(QLocalSocket* socket) {
    const QByteArray request = socket->peek(static_cast<qint64>(kMaxRequest));
    const RequestVerdict verdict = ReadHandOverRequest(std::string_view(request));
    if (verdict == RequestVerdict::Incomplete)
        return; // wait for the rest of the line
    socket->abort();
    if (verdict == RequestVerdict::HandOver)
        emit handOverRequested();
}

void BringForward(QWidget& w) {
    // A minimised window remembers whether it was maximised: it comes back so.
    if (w.isMinimized())
        w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    w.raise();
    w.activateWindow();
}

} // namespace tarvon
