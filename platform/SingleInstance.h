// One running instance per user: a later start hands its book path to the running one.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace platform {

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit TSingleInstance(const QString& name = QStringLiteral("Karavel"), QObject* parent = nullptr);
    ~TSingleInstance() override;

    // Called once at start-up when only one instance is allowed. Hands the path (cut to
    // 1023 bytes of UTF-8, may be empty) to a running instance and returns true when it took it:
    // the caller then ends with exit code 0. Otherwise this process becomes the running
    // instance and returns false. Two simultaneous starts end with one running instance.
    bool HandOverToRunningInstance(const QString& path);

    // Called by every running instance, whatever its own setting (also after a false above),
    // to receive hand-overs. Where one listener both marks the running instance and receives
    // (not on Windows), only an instance that made the check above listens: one started with
    // the check switched off must not draw later starts to itself. Returns the failure in the
    // words of the default error report, or an empty text.
    QString Listen();

signals:
    // Emitted on the user-interface thread before the sender is answered; the receiver
    // opens the book (when the path is not empty) and brings its window to the front.
    void HandOverReceived(const QString& path);

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

}  // namespace platform
