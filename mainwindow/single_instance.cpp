#include "mainwindow/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <utility>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace tarvon {
namespace {

const QByteArray kHandOver = QByteArrayLiteral("Tarvon:mostrar\n");
constexpr int kConnectMs = 500;
constexpr int kWriteMs = 500;
// A request is one short line; a peer that sends more or stalls is dropped.
constexpr qsizetype kMaxRequest = 64;
constexpr int kRequestMs = 2000;

} // namespace

QString SingleInstanceName(const QString& program) {
#ifdef Q_OS_WIN
    return program + QLatin1Char('-') + qEnvironmentVariable("USERNAME");
#else
    return program + QLatin1Char('-') + QString::number(::getuid());
#endif
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

bool SingleInstance::claim() {
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
    socket.write(kHandOver);
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
        socket->setReadBufferSize(kMaxRequest);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        QTimer::singleShot(kRequestMs, socket, &QLocalSocket::abort);
        read(socket); // the data may have come with the connection
    }
}

void SingleInstance::read(QLocalSocket* socket) {
    const QByteArray request = socket->peek(kMaxRequest);
    if (!request.contains('\n') && request.size() < kMaxRequest)
        return; // wait for the rest of the line
    socket->abort();
    if (request == kHandOver)
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
