#include "ConversionJob.h"

#include "FileSystemPath.h"
#include "MakeFailure.h"
#include "PagePicture.h"

#include <QFile>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <deque>
#include <exception>

namespace making {
namespace {

// What one source page became, packed as the book stores it, or why it could not.
struct TProcessed {
    std::vector<wolf::TEncodedImage> Pictures;
    QString Text;  // a text page's, when there are no pictures
    std::exception_ptr Failure;
};

class TBookMaker {
public:
    TBookMaker(const TBookPlan& plan, const std::atomic_bool& cancel) : FPlan(plan), FCancel(cancel)
    {
        FPool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    }

    ~TBookMaker() { FPool.waitForDone(); }

    TMakeResult Run(const TProgressFunction& progress)
    {
        if (!FPlan.ReplaceExisting && QFile::exists(FPlan.OutputPath)) throw EOutputExists(FPlan.OutputPath);
        wolf::TWolfWriter writer(platform::FileSystemPath(FPlan.OutputPath), FPlan.Description, FPlan.ReplaceExisting);
        WriteCover(writer);
        const int total = static_cast<int>(FPlan.Pages.size());
        std::vector<int> bookPageOfSource;  // where each source page's first book page went
        // A bounded window of pages in flight keeps memory flat, however long the book.
        const size_t window = 2 * static_cast<size_t>(FPool.maxThreadCount());
        std::deque<QFuture<TProcessed>> inFlight;
        int submitted = 0;
        for (int written = 0; written < total; ++written) {
            while (submitted < total && inFlight.size() < window)
                inFlight.push_back(Submit(FPlan.Pages[static_cast<size_t>(submitted++)]));
            TProcessed processed = inFlight.front().result();
            inFlight.pop_front();
            CheckCancel();
            if (processed.Failure) std::rethrow_exception(processed.Failure);
            bookPageOfSource.push_back(writer.PageCount());
            const TSourcePage& source = FPlan.Pages[static_cast<size_t>(written)];
            if (processed.Pictures.empty())
                writer.AddTextPage(EncodeOrFail(FPlan.Encoding, processed.Text, source.Name));
            for (const wolf::TEncodedImage& page : processed.Pictures) writer.AddEncodedPage(page);
            if (progress) progress(written + 1, total);
        }
        CheckCancel();
        const wolf::TWolfTOCList contents = BookContents(bookPageOfSource, writer.PageCount());
        writer.Finish(contents);
        return {writer.PageCount()};
    }

private:
    QFuture<TProcessed> Submit(const TSourcePage& page)
    {
        // Reading stays on this thread: the pages of an archive share one reader.
        std::function<TMadePage()> work;
        try {
            work = PrepareMadePage(page, FPlan.Options.Pictures);
        } catch (...) {
            return QtFuture::makeReadyFuture(TProcessed{{}, {}, std::current_exception()});
        }
        return QtConcurrent::run(&FPool, [work = std::move(work), &cancel = FCancel]() -> TProcessed {
            if (cancel) return {};
            try {
                const TMadePage made = work();
                return {EncodePictures(made), made.Text, {}};
            } catch (...) {
                return {{}, {}, std::current_exception()};
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
        const TMadePage made = MakePage(*cover, FPlan.Options.Pictures);
        if (made.IsText()) return;
        const TMadePicture& first = made.Pictures.front();
        writer.SetCover(pagepicture::ToGreyImage(first.Picture), first.Bits);
    }

    // The plan's contents with each entry at the book page its source page became.
    wolf::TWolfTOCList BookContents(const std::vector<int>& bookPageOfSource, int pageCount) const
    {
        wolf::TWolfTOCList contents = FPlan.Contents.Entries;
        for (int i = 0; i < contents.Count(); ++i) {
            int& page = contents[i].PageIndex;
            if (FPlan.Contents.BySourcePage && page >= 0 && page < static_cast<int>(bookPageOfSource.size()))
                page = bookPageOfSource[static_cast<size_t>(page)];
            if (page >= pageCount)
                throw EMakeFailure(QStringLiteral("The table of contents names page %1, but the book has %2 pages")
                                       .arg(page + 1)
                                       .arg(pageCount));
        }
        return contents;
    }

    void CheckCancel() const
    {
        if (FCancel) throw ECancelled();
    }

    const TBookPlan& FPlan;
    const std::atomic_bool& FCancel;
    QThreadPool FPool;
};

}  // namespace

TMakeResult MakeBook(const TBookPlan& plan, const TProgressFunction& progress, const std::atomic_bool& cancel)
{
    TBookMaker maker(plan, cancel);
    try {
        return maker.Run(progress);
    } catch (const wolf::EWolf& error) {
        throw EMakeFailure(QString::fromStdString(error.what()));
    }
}

std::vector<wolf::TEncodedImage> EncodePictures(const TMadePage& page)
{
    std::vector<wolf::TEncodedImage> encoded;
    for (const TMadePicture& picture : page.Pictures)
        encoded.push_back(wolf::TWolfWriter::EncodeImage(pagepicture::ToGreyImage(picture.Picture), picture.Bits));
    return encoded;
}

}  // namespace making
