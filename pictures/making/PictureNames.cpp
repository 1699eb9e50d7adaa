#include "PictureNames.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSet>

namespace making {

bool IsPictureName(const QString& path)
{
    static const QSet<QByteArray> formats = [] {
        const QList<QByteArray> list = QImageReader::supportedImageFormats();
        QSet<QByteArray> set(list.begin(), list.end());
        // Formats that are not pictures of pages, or that any file could claim.
        for (const char* unwanted : {"svg", "svgz", "pdf", "icns", "ico", "cur"}) set.remove(unwanted);
        return set;
    }();
    return formats.contains(QFileInfo(path).suffix().toLower().toLatin1());
}

}  // namespace making
