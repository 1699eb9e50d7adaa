#include "PictureNames.h"

#include <QFileInfo>
#include <QImageReader>

namespace making {

const QStringList& PictureSuffixes()
{
    static const QStringList suffixes = [] {
        QStringList list;
        for (const QByteArray& format : QImageReader::supportedImageFormats()) list << QString::fromLatin1(format);
        // Formats that are not pictures of pages, or that any file could claim.
        for (const char* unwanted : {"svg", "svgz", "pdf", "icns", "ico", "cur"})
            list.removeAll(QLatin1String(unwanted));
        list.sort();
        return list;
    }();
    return suffixes;
}

bool IsPictureName(const QString& path)
{
    return PictureSuffixes().contains(QFileInfo(path).suffix().toLower());
}

}  // namespace making
