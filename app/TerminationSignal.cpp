#include "TerminationSignal.h"

#include <QWidget>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int SignalPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe work here; the window is closed on the event loop.
    [[maybe_unused]] const auto written = ::write(SignalPipe[1], &byte, 1);
}
}  // namespace

void CloseOnTerminationSignal(QWidget* window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, SignalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(SignalPipe[0], &byte, 1);
        window->close();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
#else
void CloseOnTerminationSignal(QWidget*) {}
#endif
