#include "PictureFrames.h"

#include "MakeFailure.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <memory>

namespace making {

namespace {

// The bytes of a picture of several pages, read for the first page loaded and let go once
// the last one is: loads of one source come from one thread, in list order.
struct TSharedBytes {
    std::function<QByteArray()> Load;
    QByteArray Kept;
};

}  // namespace

bool MayHoldFrames(const QString& name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix == QLatin1String("tif") || suffix == QLatin1String("tiff");
}

int FrameCount(QIODevice& device, const QString& name)
{
    QImageReader reader(&device);
    // Before anything else is asked: Qt's TIFF reader counts from where the device stands.
    const int count = reader.imageCount();
    if (count > MaxPictureFrames)
        throw EMakeFailure(QStringLiteral("The picture \"%1\" holds %2 pages; at most %3 are taken from one picture")
                               .arg(name)
                               .arg(count)
                               .arg(MaxPictureFrames));
    return std::max(1, count);
}

int FrameCount(const QByteArray& bytes, const QString& name)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return FrameCount(buffer, name);
}

void AddFramePages(TSourcePage page, int frames, std::vector<TSourcePage>& pages)
{
    if (frames <= 1) {
        pages.push_back(std::move(page));
        return;
    }
    auto shared = std::make_shared<TSharedBytes>(TSharedBytes{std::move(page.Load), {}});
    const QString name = page.Name;
    for (int frame = 0; frame < frames; ++frame) {
        TSourcePage framePage = page;
        framePage.Name = QStringLiteral("%1: page %2").arg(name).arg(frame + 1);
        framePage.Frame = frame;
        if (frame > 0) framePage.Headings.clear();
        framePage.Load = [shared, frame, last = frame == frames - 1] {
            if (shared->Kept.isNull()) shared->Kept = shared->Load();
            QByteArray bytes = shared->Kept;
            if (last) shared->Kept = QByteArray();
            return bytes;
        };
        pages.push_back(std::move(framePage));
    }
}

}  // namespace making
