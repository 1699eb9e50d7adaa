#include "PictureDecoding.h"

#include "DecoderWarnings.h"
#include "Luminance.h"
#include "MakeFailure.h"
#include "PageProcessor.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QPainter>
#include <QScopeGuard>

namespace making {

namespace {

// JPEG's decoder scales by 1/2, 1/4 and 1/8 as it decodes, at a fraction of the cost of
// decoding whole (its other eighths cost more than that). It smooths as an ideal filter does,
// so that shrinking its picture by 2 or more gives pages at least as sharp as shrinking the
// whole one; shrinking by less would blur them. Only sizes in whole pixels are asked for,
// since the reader would otherwise decode larger and scale the rest itself. Autotransformed
// pictures are scaled before they are turned. Invalid where the whole picture is needed.
QSize DecodingSize(const QImageReader& reader, QSize size, const TProcessOptions& pages)
{
    if (reader.format() != "jpeg") return {};
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    for (const int eighths : {1, 2, 4}) {
        if (size.width() * eighths % 8 != 0 || size.height() * eighths % 8 != 0) continue;
        const QSize reduced(size.width() * eighths / 8, size.height() * eighths / 8);
        const QSize shown = turned ? reduced.transposed() : reduced;
        if (IsLargeEnough(QSize(shown.width() / 2, shown.height() / 2), pages)) return reduced;
    }
    return {};
}

// The decoder's own words where it gave any: they say more than the reader's error.
QString Reason(const QImageReader& reader, const TDecoderWarnings& warnings)
{
    return warnings.Messages().isEmpty() ? reader.errorString() : warnings.Messages().join(QLatin1String("; "));
}

QImage Decode(const QByteArray& bytes, const QString& name, const TProcessOptions* pages, int frame,
              const TDecoderWarnings& warnings)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    // Decoders that cannot state the size first are held by the allocation limit (in MB):
    // a 64-megapixel picture in 32-bit colour.
    reader.setAllocationLimit(static_cast<int>(MaxPicturePixels * 4 / (1024 * 1024)));
    if (!reader.canRead()) throw EMakeFailure(QStringLiteral("\"%1\" is not a picture Karavel can read").arg(name));
    // Before the size is asked for: Qt's TIFF reader counts its pages from where the device stands.
    if (frame > 0 && !reader.jumpToImage(frame))
        throw EMakeFailure(QStringLiteral("Cannot read the picture \"%1\": %2").arg(name, Reason(reader, warnings)));
    const QSize size = reader.size();
    if (size.isValid() && static_cast<qint64>(size.width()) * size.height() > MaxPicturePixels)
        throw EMakeFailure(QStringLiteral("The picture \"%1\" is too large (%2 x %3 pixels; at most %4 megapixels)")
                               .arg(name)
                               .arg(size.width())
                               .arg(size.height())
                               .arg(MaxPicturePixels / (1024 * 1024)));
    if (pages && size.isValid()) reader.setScaledSize(DecodingSize(reader, size, *pages));
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        throw EMakeFailure(QStringLiteral("Cannot read the picture \"%1\": %2").arg(name, Reason(reader, warnings)));
    // The decoder filled in what was missing, but the page would show a grey band.
    if (const QString cutOff = warnings.CutOff(); !cutOff.isEmpty())
        throw EMakeFailure(QStringLiteral("Cannot read the picture \"%1\": %2").arg(name, cutOff));
    return picture;
}

}  // namespace

QImage DecodePicture(const QByteArray& bytes, const QString& name, const TProcessOptions* pages, int frame)
{
    QStringList warnings;
    QImage picture = [&] {
        const TDecoderWarnings held;
        const auto keep = qScopeGuard([&] { warnings = held.Messages(); });
        return Decode(bytes, name, pages, frame, held);
    }();
    for (const QString& warning : warnings) qWarning("%s: %s", qPrintable(name), qPrintable(warning));
    return picture;
}

QImage ToGrey(const QImage& picture)
{
    if (picture.format() == QImage::Format_Grayscale8) return picture;
    const bool sRgb = !picture.colorSpace().isValid() || picture.colorSpace() == QColorSpace::SRgb;
    if (picture.format() == QImage::Format_RGB32 && sRgb) return GreyOfRgb32(picture);
    if (picture.format() == QImage::Format_Grayscale16) return GreyOfGrey16(picture);
    const bool indexed = picture.format() == QImage::Format_Indexed8 || picture.format() == QImage::Format_Mono ||
                         picture.format() == QImage::Format_MonoLSB;
    if (indexed && !picture.hasAlphaChannel()) return GreyOfIndexed(picture);
    if (!picture.hasAlphaChannel()) return picture.convertToFormat(QImage::Format_Grayscale8);
    QImage paper(picture.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(0, 0, picture);
    painter.end();
    return paper.convertToFormat(QImage::Format_Grayscale8);
}

}  // namespace making
