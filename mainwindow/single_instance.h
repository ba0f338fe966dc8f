#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace tarvon {

// The per-user name of the socket: the program name and the user's id (the
// user name on Windows), so two users on one machine each get their own copy.
QString SingleInstanceName(const QString& program);

// Makes sure one copy of the program runs per user.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString name, QObject* parent = nullptr);

    // True when this is the first copy: it now listens and emits
    // handOverRequested when a later copy starts. False when another copy is
    // running: it has been sent the hand-over request, and the caller ends
    // without showing its window.
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
