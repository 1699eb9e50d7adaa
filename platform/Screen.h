// Size of the primary screen in pixels, for the "1:1" zoom.
#pragma once

#include <QSize>

namespace platform {
QSize PrimaryScreenSize();
}
