// The screen's size as the system reports it. A program that knows the screen's density gets
// physical pixels there, while pages are scaled in the window's own (logical) pixels.
#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <windows.h>

namespace platform {

QSize PrimaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    return QSize(qRound(GetSystemMetrics(SM_CXSCREEN) / ratio), qRound(GetSystemMetrics(SM_CYSCREEN) / ratio));
}

}  // namespace platform
