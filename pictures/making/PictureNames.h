// Which files are pictures, by their names.
#pragma once

#include <QString>

namespace making {

// A suffix one of Qt's image plug-ins reads (PNG, JPEG, BMP, GIF, TIFF, WebP, ...).
bool IsPictureName(const QString& path);

}  // namespace making
