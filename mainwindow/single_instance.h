#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace tarvon {

// The socket's path: the program name in a folder only this user can enter
// (the user name on Windows). Empty, with the reason on standard error, when
// there is no such folder; the program then runs without the guard.
QString SingleInstanceName(const QString& program);

// Makes sure one copy of the program runs per user.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString name, QObject* parent = nullptr);

    // True when this is the first copy: it now listens and emits
    // handOverRequested when a later copy starts. False when another copy of
    // this user is running: it has been sent the hand-over request, and the
    // caller ends without showing its window. A listener of another user is
    // ignored. An empty name means no guard: always true.
    bool claim();

signals:
    void handOverRequested();

private:
    bool handOver();
    void listen();
    void accept();
    void read(QLocalSocket* socket);

    QString name_;
    QLocalServer* server_ = nullptr;
};

// What the first copy does on a hand-over: back from the task bar in the state
// it had before, in front.
void BringForward(QWidget& w);

} // namespace tarvon
