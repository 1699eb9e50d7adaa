// Stand-in for a second start of the program in the single-instance tests.
// Usage: helper <instance name> <path>. Prints "handed-over" and ends with 0 when a running
// instance took the path; otherwise prints "server", waits for one hand-over, prints
// "received:<path>" and ends with 3 (or 4 when nothing arrived in time).
#include "SingleInstance.h"
#include "StandardStreams.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    platform::KeepStandardStreamBytes();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) return 2;
    platform::TSingleInstance instance(arguments[1]);
    if (instance.HandOverToRunningInstance(arguments[2])) {
        std::printf("handed-over\n");
        return 0;
    }
    std::printf("server\n");
    std::fflush(stdout);
    instance.Listen();
    QObject::connect(&instance, &platform::TSingleInstance::HandOverReceived, &app, [](const QString& path) {
        std::printf("received:%s\n", path.toUtf8().constData());
        QCoreApplication::exit(3);
    });
    QTimer::singleShot(5000, &app, [] { QCoreApplication::exit(4); });
    return app.exec();
}
