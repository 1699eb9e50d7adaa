#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

QSize PrimaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

}  // namespace platform
