#include "ConversionJob.h"

#include "ContentsFromChapters.h"
#include "FileSystemPath.h"
#include "PagePicture.h"
#include "PageProcessor.h"
#include "PictureDecoding.h"
#include "uWolfWriter.h"

#include <QFile>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <deque>
#include <exception>

namespace making {
namespace {

struct TProcessedPage {
    QImage Picture;
    int Bits = 2;
};

// What one source page became, packed as the book stores it, or why it could not.
struct TProcessed {
    std::vector<wolf::TEncodedImage> Pictures;
    std::exception_ptr Failure;
};

std::vector<TProcessedPage> ProcessImage(TPageKind kind, const QImage& picture, const TProcessOptions& options)
{
    if (picture.isNull()) return {};  // a page that could not be drawn
    if (kind == TPageKind::PreparedPicture) {
        TPreparedPage prepared = PreparePage(picture);
        return {{std::move(prepared.Picture), prepared.Bits}};
    }
    std::vector<TProcessedPage> pages;
    for (QImage& page : ProcessPicture(picture, options)) pages.push_back({std::move(page), options.Bits});
    return pages;
}

// Pictures to be processed are decoded no larger than their pages need; prepared ones whole.
QImage Decode(TPageKind kind, const QByteArray& bytes, const QString& name, const TProcessOptions& options)
{
    return DecodePicture(bytes, name, kind == TPageKind::Picture ? &options : nullptr);
}

// Rendered pages are drawn where they are processed, so that drawing runs in parallel too.
std::vector<TProcessedPage> ProcessSource(const TSourcePage& page, const TProcessOptions& options)
{
    if (page.Kind == TPageKind::Rendered) return ProcessImage(page.Kind, page.Render(options), options);
    return ProcessImage(page.Kind, Decode(page.Kind, page.Load(), page.Name, options), options);
}

class TBookMaker {
public:
    TBookMaker(const TBookPlan& plan, const std::atomic_bool& cancel) : FPlan(plan), FCancel(cancel)
    {
        FPool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    }

    ~TBookMaker() { FPool.waitForDone(); }

    TMakeResult Run(const TProgressFunction& progress)
    {
        if (!FPlan.ReplaceExisting && QFile::exists(FPlan.OutputPath))
            throw EMakeFailure(
                QStringLiteral("\"%1\" exists already; give --force to replace it").arg(FPlan.OutputPath));
        wolf::TWolfWriter writer(platform::FileSystemPath(FPlan.OutputPath), FPlan.Description, FPlan.ReplaceExisting);
        WriteCover(writer);
        TChapterContents chapters(
            [this](const QString& title) { return EncodeOrFail(FPlan, title, QStringLiteral("a chapter title")); });
        const int total = static_cast<int>(FPlan.Pages.size());
        // A bounded window of pages in flight keeps memory flat, however long the book.
        const size_t window = static_cast<size_t>(2 * FPool.maxThreadCount());
        std::deque<QFuture<TProcessed>> inFlight;
        int submitted = 0;
        for (int written = 0; written < total; ++written) {
            while (submitted < total && inFlight.size() < window)
                inFlight.push_back(Submit(FPlan.Pages[static_cast<size_t>(submitted++)]));
            TProcessed processed = inFlight.front().result();
            inFlight.pop_front();
            CheckCancel();
            if (processed.Failure) std::rethrow_exception(processed.Failure);
            const TSourcePage& source = FPlan.Pages[static_cast<size_t>(written)];
            chapters.Enter(source.Chapters, writer.PageCount());
            for (const TSourceHeading& heading : source.Headings)
                chapters.AddHeading(heading.Level, heading.Title, writer.PageCount());
            if (source.Kind == TPageKind::Text || processed.Pictures.empty())
                writer.AddTextPage(EncodeOrFail(FPlan, source.Text, source.Name));
            for (const wolf::TEncodedImage& page : processed.Pictures) writer.AddEncodedPage(page);
            if (progress) progress(written + 1, total);
        }
        CheckCancel();
        const wolf::TWolfTOCList& contents = FPlan.Contents ? *FPlan.Contents : chapters.Contents();
        CheckContents(contents, writer.PageCount());
        writer.Finish(contents);
        return {writer.PageCount()};
    }

private:
    QFuture<TProcessed> Submit(const TSourcePage& page)
    {
        if (page.Kind == TPageKind::Text) return QtFuture::makeReadyFuture(TProcessed{});
        const TProcessOptions& options = FPlan.Options;
        if (page.Kind == TPageKind::Rendered)
            return RunInPool([render = page.Render, options] {
                return EncodePicture(TPageKind::Rendered, render(options), options);
            });
        // Loading stays on this thread: the loads of an archive share one reader.
        QByteArray bytes;
        try {
            bytes = page.Load();
        } catch (...) {
            return QtFuture::makeReadyFuture(TProcessed{{}, std::current_exception()});
        }
        return RunInPool([kind = page.Kind, bytes = std::move(bytes), name = page.Name, options] {
            return EncodePicture(kind, Decode(kind, bytes, name, options), options);
        });
    }

    QFuture<TProcessed> RunInPool(std::function<std::vector<wolf::TEncodedImage>()> work)
    {
        return QtConcurrent::run(&FPool, [work = std::move(work), &cancel = FCancel]() -> TProcessed {
            if (cancel) return {};
            try {
                return {work(), {}};
            } catch (...) {
                return {{}, std::current_exception()};
            }
        });
    }

    void WriteCover(wolf::TWolfWriter& writer)
    {
        const TSourcePage* cover = FPlan.Cover ? &*FPlan.Cover : nullptr;
        if (!cover && FPlan.CoverFromFirstPicture)
            for (const TSourcePage& page : FPlan.Pages)
                if (page.Kind != TPageKind::Text) {
                    cover = &page;
                    break;
                }
        if (!cover) return;
        const std::vector<TProcessedPage> pages = ProcessSource(*cover, FPlan.Options);
        if (pages.empty()) return;
        writer.SetCover(pagepicture::ToGreyImage(pages.front().Picture), pages.front().Bits);
    }

    void CheckCancel() const
    {
        if (FCancel) throw ECancelled();
    }

    void CheckContents(const wolf::TWolfTOCList& contents, int pageCount) const
    {
        for (int i = 0; i < contents.Count(); ++i)
            if (contents[i].PageIndex >= pageCount)
                throw EMakeFailure(QStringLiteral("The table of contents names page %1, but the book has %2 pages")
                                       .arg(contents[i].PageIndex + 1)
                                       .arg(pageCount));
    }

    const TBookPlan& FPlan;
    const std::atomic_bool& FCancel;
    QThreadPool FPool;
};

}  // namespace

std::string EncodeOrFail(const TBookPlan& plan, const QString& text, const QString& what)
{
    if (std::optional<std::string> bytes = plan.Encode(text)) return *std::move(bytes);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QString character = text.mid(i, pair ? 2 : 1);
        if (!plan.Encode(character)) {
            const char32_t code = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
            throw EMakeFailure(QStringLiteral("The encoding %1 cannot hold the character \"%2\" (U+%3) in %4")
                                   .arg(plan.EncodingName, character,
                                        QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, u'0'),
                                        what));
        }
        if (pair) ++i;
    }
    throw EMakeFailure(QStringLiteral("The encoding %1 cannot hold the text of %2").arg(plan.EncodingName, what));
}

TMakeResult MakeBook(const TBookPlan& plan, const TProgressFunction& progress, const std::atomic_bool& cancel)
{
    TBookMaker maker(plan, cancel);
    try {
        return maker.Run(progress);
    } catch (const wolf::EWolf& error) {
        throw EMakeFailure(QString::fromStdString(error.what()));
    }
}

std::vector<wolf::TEncodedImage> EncodePicture(TPageKind kind, const QImage& picture, const TProcessOptions& options)
{
    std::vector<wolf::TEncodedImage> encoded;
    for (const TProcessedPage& page : ProcessImage(kind, picture, options))
        encoded.push_back(wolf::TWolfWriter::EncodeImage(pagepicture::ToGreyImage(page.Picture), page.Bits));
    return encoded;
}

std::vector<QImage> PreviewPage(const TSourcePage& page, const TProcessOptions& options)
{
    std::vector<QImage> pictures;
    if (page.Kind == TPageKind::Text) return pictures;
    for (TProcessedPage& processed : ProcessSource(page, options)) pictures.push_back(std::move(processed.Picture));
    return pictures;
}

}  // namespace making
