// The running instance is a local server in the user's runtime folder. A later start connects,
// sends its path closed by a zero byte and waits for the one-byte answer, which the server
// gives after the path was handled. A lock file makes "is anyone there, else become the
// server" one step, so two simultaneous starts cannot both become the server.
#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>

#include <unistd.h>

namespace platform {

namespace {

constexpr qsizetype MaxPathBytes = 1023;
constexpr char Terminator = '\0';
constexpr char Answer = '\1';
constexpr int ConnectTimeoutMs = 1000;
constexpr int WriteTimeoutMs = 2000;
// The running instance answers after it opened the book, which may wait for a message box.
constexpr int AnswerTimeoutMs = 10000;
constexpr int LockTimeoutMs = 5000;

// The user's own runtime folder, where no other user can put a socket that would receive
// the paths of the books this user opens.
QString PrivateFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

bool ServerAnswers(const QString& serverName)
{
    QLocalSocket probe;
    probe.connectToServer(serverName);
    return probe.waitForConnected(ConnectTimeoutMs);
}

void SendPath(QLocalSocket& socket, const QByteArray& path)
{
    socket.write(path.left(MaxPathBytes) + Terminator);
    if (socket.waitForBytesWritten(WriteTimeoutMs)) socket.waitForReadyRead(AnswerTimeoutMs);
}

}  // namespace

struct TSingleInstance::TImpl {
    QString ServerName;
    QString LockPath;

    QLocalServer Server;
    bool Checked = false;

    // Listens unless a live instance holds the name; a name left behind by a crash is
    // taken over. False only when listening failed.
    bool ListenUnlessTaken()
    {
        if (Server.isListening()) return true;
        // With access options the server is bound elsewhere and renamed into place, which
        // would replace a live instance's name: so ask first.
        if (ServerAnswers(ServerName)) return true;
        QLocalServer::removeServer(ServerName);
        Server.setSocketOptions(QLocalServer::UserAccessOption);
        return Server.listen(ServerName);
    }
};

TSingleInstance::TSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), FImpl(std::make_unique<TImpl>())
{
    FImpl->ServerName = PrivateFolder() + u'/' + name + u'-' + QString::number(getuid());
    FImpl->LockPath = FImpl->ServerName + QStringLiteral(".lock");

    connect(&FImpl->Server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = FImpl->Server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                const QByteArray received = socket->peek(MaxPathBytes + 1);
                const qsizetype end = received.indexOf(Terminator);
                if (end < 0) {
                    // A sender that does not keep to the protocol is dropped.
                    if (received.size() > MaxPathBytes) socket->abort();
                    return;
                }
                socket->read(end + 1);
                const QPointer<QLocalSocket> guard(socket);
                emit HandOverReceived(QFile::decodeName(received.left(end)));
                if (guard) {
                    guard->write(&Answer, 1);
                    guard->disconnectFromServer();
                }
            });
        }
    });
}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::HandOverToRunningInstance(const QString& path)
{
    FImpl->Checked = true;
    QLockFile lock(FImpl->LockPath);
    // Without the lock the check still works; only the race with a simultaneous start is open.
    lock.tryLock(LockTimeoutMs);
    QLocalSocket socket;
    socket.connectToServer(FImpl->ServerName);
    if (!socket.waitForConnected(ConnectTimeoutMs)) {
        FImpl->ListenUnlessTaken();
        return false;
    }
    // The running instance may need the lock before it can answer. Having taken the
    // connection it runs, so this process must not become a second one, whatever happens
    // to the answer.
    lock.unlock();
    SendPath(socket, QFile::encodeName(path));
    return true;
}

QString TSingleInstance::Listen()
{
    if (!FImpl->Checked || FImpl->Server.isListening()) return {};
    QLockFile lock(FImpl->LockPath);
    lock.tryLock(LockTimeoutMs);
    if (FImpl->ListenUnlessTaken()) return {};
    return QStringLiteral("System Error.  Code: %1.\r\n%2")
        .arg(int(FImpl->Server.serverError()))
        .arg(FImpl->Server.errorString());
}

}  // namespace platform
