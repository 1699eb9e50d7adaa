// The book maker window's background work: page previews and the conversion, each in a
// worker thread, reporting back on the GUI thread.
#pragma once

#include "ConversionJob.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <atomic>
#include <memory>
#include <optional>

namespace dialogs {

struct TPreview {
    QImage Source;     // the page as it comes: decoded, or drawn for the screen
    QImage Processed;  // what the book will show, the pages it becomes side by side
    QString Message;   // why there is no picture
};

// One preview at a time; a request made while one runs waits, replacing any older waiting one,
// so a quick run of option changes ends with the latest.
class TPreviewWorker : public QObject {
    Q_OBJECT
public:
    explicit TPreviewWorker(QObject* parent = nullptr);
    ~TPreviewWorker() override;

    void Request(const making::TSourcePage& page, const making::TProcessOptions& options);
    // Until the last preview asked for is shown.
    bool IsBusy() const { return FBusy; }

signals:
    void Ready(const dialogs::TPreview& preview);

private:
    void StartWaiting();

    QFutureWatcher<TPreview> FWatcher;
    bool FBusy = false;
    std::optional<std::pair<making::TSourcePage, making::TProcessOptions>> FWaiting;
};

// How a conversion ended.
struct TConversionEnd {
    QString Failure{};  // empty on success and when cancelled
    bool Cancelled = false;
    bool BadPicture = false;  // the failure is a picture's that could have been left out
    QStringList LeftOut{};    // the pictures left out
};

// Makes one book at a time.
class TBookConversion : public QObject {
    Q_OBJECT
public:
    explicit TBookConversion(QObject* parent = nullptr);
    ~TBookConversion() override;  // stops a conversion and waits for it

    void Start(making::TBookPlan plan);
    // The book is not written; Finished follows, cancelled.
    void Cancel() { *FCancel = true; }
    // Until Finished is emitted.
    bool IsRunning() const { return FRunning; }
    void Wait() { FWatcher.waitForFinished(); }

signals:
    void Progress(int done, int total, qint64 msecondsLeft);
    void Finished(const QString& path, const dialogs::TConversionEnd& end);

private:
    QFutureWatcher<TConversionEnd> FWatcher;
    bool FRunning = false;
    std::shared_ptr<std::atomic_bool> FCancel;
    QElapsedTimer FClock;
    QString FPath;
};

}  // namespace dialogs
