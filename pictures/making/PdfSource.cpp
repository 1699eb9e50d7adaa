#include "PdfSource.h"

#include "MakeFailure.h"
#include "MarginCrop.h"
#include "PictureDecoding.h"
#include "Spreads.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <poppler-qt6.h>

namespace making {
namespace {

// Poppler reports every fault of a damaged file on its own; ours is the message that counts.
void IgnorePopplerMessage(const QString&, const QVariant&) {}

// Poppler reads the file as it needs it, so a PDF of any size takes little memory.
std::unique_ptr<Poppler::Document> OpenDocument(const QString& path, const QString& password)
{
    static std::once_flag quiet;
    std::call_once(quiet, [] { Poppler::setDebugErrorFunction(IgnorePopplerMessage, {}); });
    if (!QFileInfo(path).isReadable())
        throw EMakeFailure(QStringLiteral("Cannot open \"%1\". %2").arg(path, QFile(path).errorString()));
    const QByteArray secret = password.toUtf8();
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path, secret, secret);
    if (!document)
        throw EMakeFailure(QStringLiteral("\"%1\" is not a PDF that can be read: it is damaged or cut off").arg(path));
    if (document->isLocked()) throw ENeedsPassword(path, !password.isEmpty());
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    document->setRenderHint(Poppler::Document::TextHinting);
    return document;
}

// The pages of one PDF share a few open copies of it: one copy is never drawn
// by two threads at once, and each thread that draws gets a copy of its own.
class TPdfDocuments {
public:
    TPdfDocuments(QString path, QString password) : FPath(std::move(path)), FPassword(std::move(password)) {}

    class TLease {
    public:
        explicit TLease(TPdfDocuments& owner) : FOwner(owner), FDocument(owner.Take()) {}
        ~TLease() { FOwner.Give(std::move(FDocument)); }
        Poppler::Document* operator->() const { return FDocument.get(); }

    private:
        TPdfDocuments& FOwner;
        std::unique_ptr<Poppler::Document> FDocument;
    };

private:
    std::unique_ptr<Poppler::Document> Take()
    {
        {
            const std::lock_guard lock(FMutex);
            if (!FIdle.empty()) {
                std::unique_ptr<Poppler::Document> document = std::move(FIdle.back());
                FIdle.pop_back();
                return document;
            }
        }
        return OpenDocument(FPath, FPassword);
    }

    void Give(std::unique_ptr<Poppler::Document> document)
    {
        const std::lock_guard lock(FMutex);
        FIdle.push_back(std::move(document));
    }

    const QString FPath;
    const QString FPassword;
    std::mutex FMutex;
    std::vector<std::unique_ptr<Poppler::Document>> FIdle;
};

// Pixels per point that fit a page of that size in points to the screen.
double RenderScale(QSizeF points, const TProcessOptions& options)
{
    const QSizeF box = SpreadBox(points, options);
    return std::min(box.width() / points.width(), box.height() / points.height());
}

// Cropping draws the page twice: once to find the printed part, then that part alone at
// the size that fits it to the screen, so no sharpness is lost to the cut margins.
QImage RenderPage(TPdfDocuments& documents, int index, const TProcessOptions& options)
{
    const TPdfDocuments::TLease document(documents);
    const std::unique_ptr<Poppler::Page> page = document->page(index);
    if (!page) return {};
    const QSizeF points = page->pageSizeF();
    if (!(points.width() >= 1 && points.height() >= 1)) return {};
    const double scale = RenderScale(points, options);
    if (!options.CropMargins) return page->renderToImage(72 * scale, 72 * scale);
    const QImage whole = page->renderToImage(72 * scale, 72 * scale);
    if (whole.isNull()) return {};
    const QRectF content = FindContent(ToGrey(whole));
    const QRectF contentPoints(content.topLeft() / scale, content.size() / scale);
    const double contentScale = RenderScale(contentPoints.size(), options);
    const QRect pixels =
        QRectF(contentPoints.topLeft() * contentScale, contentPoints.size() * contentScale).toAlignedRect();
    return page->renderToImage(72 * contentScale, 72 * contentScale, pixels.x(), pixels.y(), pixels.width(),
                               pixels.height());
}

// Outline entries as headings of the pages they name (0-based), depth first, in the
// outline's order; deeper than three levels they fold into their level-3 ancestor.
void CollectHeadings(const QVector<Poppler::OutlineItem>& items, int level,
                     std::vector<std::vector<TSourceHeading>>& byPage)
{
    for (const Poppler::OutlineItem& item : items) {
        const QSharedPointer<const Poppler::LinkDestination> destination = item.destination();
        const int page = destination ? destination->pageNumber() - 1 : -1;
        if (page >= 0 && page < static_cast<int>(byPage.size()))
            byPage[static_cast<size_t>(page)].push_back({level, item.name().simplified()});
        if (level < 3 && item.hasChildren()) CollectHeadings(item.children(), level + 1, byPage);
    }
}

}  // namespace

void AddPdfPages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book)
{
    auto documents = std::make_shared<TPdfDocuments>(path, options.PdfPassword);
    const TPdfDocuments::TLease document(*documents);
    const int count = document->numPages();
    const TPageRange range = options.PdfPages;
    if (range.First > count)
        throw EMakeFailure(
            QStringLiteral("\"%1\" has %2 pages; there is no page %3").arg(path).arg(count).arg(range.First));
    std::vector<std::vector<TSourceHeading>> headings(static_cast<size_t>(count));
    CollectHeadings(document->outline(), 1, headings);
    const int last = std::min(range.Last, count);
    for (int index = range.First - 1; index < last; ++index) {
        TSourcePage page;
        page.Kind = TPageKind::Rendered;
        page.Name = QStringLiteral("%1: page %2").arg(path).arg(index + 1);
        page.Chapters = chapters;
        page.Text = QStringLiteral("Page %1 of this PDF could not be drawn.").arg(index + 1);
        page.Render = [documents, index](const TProcessOptions& options) {
            return RenderPage(*documents, index, options);
        };
        page.Headings = std::move(headings[static_cast<size_t>(index)]);
        book.Pages.push_back(std::move(page));
    }
    const auto field = [&](const char* key) -> std::optional<QString> {
        const QString value = document->info(QLatin1String(key)).simplified();
        return value.isEmpty() ? std::nullopt : std::optional(value);
    };
    using wolf::TWolfDescription;
    book.Description[TWolfDescription::Title] = field("Title");
    book.Description[TWolfDescription::Author] = field("Author");
    QStringList subject{field("Subject").value_or(QString()), field("Keywords").value_or(QString())};
    subject.removeAll(QString());
    if (!subject.isEmpty()) book.Description[TWolfDescription::Subject] = subject.join(QLatin1String("; "));
}

}  // namespace making
