// Which files are pictures, by their names.
#pragma once

#include <QString>
#include <QStringList>

namespace making {

// The suffixes Qt's image plug-ins read (png, jpg, bmp, gif, tif, webp, ...), sorted.
const QStringList& PictureSuffixes();

// A name ending in one of them.
bool IsPictureName(const QString& path);

}  // namespace making
