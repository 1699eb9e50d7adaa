#include "uMakeJobs.h"

#include "MadePage.h"
#include "MakeFailure.h"

#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

namespace dialogs {
namespace {

QImage SideBySide(const std::vector<QImage>& pages)
{
    if (pages.size() == 1) return pages.front();
    const int gap = 8;
    int width = -gap, height = 0;
    for (const QImage& page : pages) {
        width += page.width() + gap;
        height = std::max(height, page.height());
    }
    QImage joined(width, height, QImage::Format_Grayscale8);
    joined.fill(Qt::darkGray);
    QPainter painter(&joined);
    int x = 0;
    for (const QImage& page : pages) {
        painter.drawImage(x, 0, page);
        x += page.width() + gap;
    }
    return joined;
}

TPreview MakePreview(const making::TSourcePage& page, const making::TProcessOptions& options)
{
    TPreview preview;
    try {
        making::TMadePage made = making::MakePage(page, options, true);
        preview.Source = std::move(made.Source);
        if (made.IsText()) {
            preview.Message = made.Text.left(600);
        } else {
            std::vector<QImage> pictures;
            for (making::TMadePicture& picture : made.Pictures) pictures.push_back(std::move(picture.Picture));
            preview.Processed = SideBySide(pictures);
        }
    } catch (const std::exception& error) {
        preview.Message = QString::fromUtf8(error.what());
    }
    return preview;
}

}  // namespace

TPreviewWorker::TPreviewWorker(QObject* parent) : QObject(parent)
{
    connect(&FWatcher, &QFutureWatcher<TPreview>::finished, this, [this] {
        const TPreview preview = FWatcher.result();
        if (FWaiting) {
            StartWaiting();
        } else {
            FBusy = false;
            emit Ready(preview);
        }
    });
}

TPreviewWorker::~TPreviewWorker()
{
    FWatcher.waitForFinished();
}

void TPreviewWorker::Request(const making::TSourcePage& page, const making::TProcessOptions& options)
{
    FWaiting.emplace(page, options);
    if (!FWatcher.isRunning()) StartWaiting();
}

void TPreviewWorker::StartWaiting()
{
    auto [page, options] = std::move(*FWaiting);
    FWaiting.reset();
    FBusy = true;
    FWatcher.setFuture(QtConcurrent::run(MakePreview, std::move(page), options));
}

TBookConversion::TBookConversion(QObject* parent) : QObject(parent), FCancel(std::make_shared<std::atomic_bool>(false))
{
    connect(&FWatcher, &QFutureWatcher<TConversionEnd>::finished, this, [this] {
        FRunning = false;
        TConversionEnd end = FWatcher.result();
        end.Cancelled = *FCancel;
        emit Finished(FPath, end);
    });
}

TBookConversion::~TBookConversion()
{
    Cancel();
    Wait();
}

void TBookConversion::Start(making::TBookPlan plan)
{
    FCancel = std::make_shared<std::atomic_bool>(false);
    FRunning = true;
    FPath = plan.OutputPath;
    FClock.start();
    const auto progress = [this](int done, int total) {
        const qint64 elapsed = FClock.elapsed();
        const qint64 left = done > 0 ? elapsed * (total - done) / done : -1;
        QMetaObject::invokeMethod(
            this, [this, done, total, left] { emit Progress(done, total, left); }, Qt::QueuedConnection);
    };
    FWatcher.setFuture(QtConcurrent::run([plan = std::move(plan), progress, cancel = FCancel]() -> TConversionEnd {
        try {
            return {.LeftOut = making::MakeBook(plan, progress, *cancel).LeftOut};
        } catch (const making::ECancelled&) {
            return {};
        } catch (const making::EBadPicture& bad) {
            return {.Failure = QString::fromUtf8(bad.what()), .BadPicture = true};
        } catch (const std::exception& error) {
            return {.Failure = QString::fromUtf8(error.what())};
        }
    }));
}

}  // namespace dialogs
