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
            const TSourcePage& source = FPlan.Pages[static_cast<size_t>(written)];
            // A page left out leads its entries of the contents to the page after it.
            bookPageOfSource.push_back(writer.PageCount());
            if (processed.Failure) {
                if (!LeaveOut(source, processed.Failure)) std::rethrow_exception(processed.Failure);
            } else if (processed.Pictures.empty()) {
                writer.AddTextPage(EncodeOrFail(FPlan.Encoding, processed.Text, source.Name));
            }
            for (const wolf::TEncodedImage& page : processed.Pictures) writer.AddEncodedPage(page);
            if (progress) progress(written + 1, total);
        }
        CheckCancel();
        if (writer.PageCount() == 0)
            throw EMakeFailure(QStringLiteral("None of the %1 pictures could be read").arg(FLeftOut.size()));
        const wolf::TWolfTOCList contents = BookContents(bookPageOfSource, writer.PageCount());
        writer.Finish(contents);
        return {writer.PageCount(), FLeftOut};
    }

private:
    static bool IsPicture(const TSourcePage& page)
    {
        return page.Kind == TPageKind::Picture || page.Kind == TPageKind::PreparedPicture;
    }

    // Whether the failure is a picture's that is left out, then named in the result; a
    // picture's that stops the book is raised as EBadPicture.
    bool LeaveOut(const TSourcePage& page, const std::exception_ptr& failure)
    {
        try {
            std::rethrow_exception(failure);
        } catch (const ECancelled&) {
            return false;
        } catch (const EMakeFailure& error) {
            if (!IsPicture(page)) return false;
            if (!FPlan.Options.SkipBadPictures) throw EBadPicture(QString::fromUtf8(error.what()));
            FLeftOut << QString::fromUtf8(error.what());
            return true;
        }
    }

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

    // A damaged picture gives no cover: the next picture does, where the first is taken, or
    // none. Its page is left out, or stops the book, when its turn comes.
    void WriteCover(wolf::TWolfWriter& writer)
    {
        std::vector<const TSourcePage*> candidates;
        if (FPlan.Cover)
            candidates.push_back(&*FPlan.Cover);
        else if (FPlan.CoverFromFirstPicture)
            for (const TSourcePage& page : FPlan.Pages)
                if (page.Kind != TPageKind::Text) candidates.push_back(&page);
        for (const TSourcePage* cover : candidates) {
            TMadePage made;
            try {
                made = MakePage(*cover, FPlan.Options.Pictures);
            } catch (const EMakeFailure& error) {
                if (!FPlan.Options.SkipBadPictures) throw EBadPicture(QString::fromUtf8(error.what()));
                if (FPlan.Cover) FLeftOut << QString::fromUtf8(error.what());
                continue;
            }
            if (made.IsText()) return;
            const TMadePicture& first = made.Pictures.front();
            writer.SetCover(pagepicture::ToGreyImage(first.Picture), first.Bits);
            return;
        }
    }

    // The plan's contents with each entry at the book page its source page became.
    wolf::TWolfTOCList BookContents(const std::vector<int>& bookPageOfSource, int pageCount) const
    {
        wolf::TWolfTOCList contents = FPlan.Contents.Entries;
        for (int i = 0; i < contents.Count(); ++i) {
            int& page = contents[i].PageIndex;
            if (FPlan.Contents.BySourcePage && page >= 0 && page < static_cast<int>(bookPageOfSource.size()))
                page = bookPageOfSource[static_cast<size_t>(page)];
            if (page >= pageCount && !FLeftOut.isEmpty()) page = pageCount - 1;  // the pages at the end were left out
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
    QStringList FLeftOut;
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
