#include "Screen.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QGuiApplication>
#include <QScreen>
#endif

namespace platform {

QSize PrimaryScreenSize()
{
#ifdef Q_OS_WIN
    return QSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
#else
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
#endif
}

}  // namespace platform
