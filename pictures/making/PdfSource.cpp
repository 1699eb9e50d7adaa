#include "PdfSource.h"

#include "MarginCrop.h"
#include "PictureDecoding.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <poppler-qt6.h>

namespace making {
namespace {

// Poppler reports every fault of a damaged file on its own; ours is the message that counts.
void IgnorePopplerMessage(const QString&, const QVariant&) {}

std::unique_ptr<Poppler::Document> OpenDocument(const QByteArray& bytes, const QString& path)
{
    static std::once_flag quiet;
    std::call_once(quiet, [] { Poppler::setDebugErrorFunction(IgnorePopplerMessage, {}); });
    std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(bytes);
    if (!document)
        throw EMakeFailure(QStringLiteral("\"%1\" is not a PDF that can be read: it is damaged or cut off").arg(path));
    if (document->isLocked())
        throw EMakeFailure(QStringLiteral("\"%1\" is encrypted and needs a password; open it with its password "
                                          "elsewhere and save an unprotected copy")
                               .arg(path));
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    document->setRenderHint(Poppler::Document::TextHinting);
    return document;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EMakeFailure(QStringLiteral("Cannot open \"%1\". %2").arg(path, file.errorString()));
    return file.readAll();
}

// The pages of one PDF share its bytes and a few open copies of it: one copy is never drawn
// by two threads at once, and each thread that draws gets a copy of its own.
class TPdfDocuments {
public:
    TPdfDocuments(QByteArray bytes, QString path) : FBytes(std::move(bytes)), FPath(std::move(path)) {}

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
        return OpenDocument(FBytes, FPath);
    }

    void Give(std::unique_ptr<Poppler::Document> document)
    {
        const std::lock_guard lock(FMutex);
        FIdle.push_back(std::move(document));
    }

    const QByteArray FBytes;
    const QString FPath;
    std::mutex FMutex;
    std::vector<std::unique_ptr<Poppler::Document>> FIdle;
};

double FitScale(QSizeF size, QSizeF box)
{
    return std::min(box.width() / size.width(), box.height() / size.height());
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
    const double scale = PdfRenderScale(points, options);
    if (!options.CropMargins) return page->renderToImage(72 * scale, 72 * scale);
    const QImage whole = page->renderToImage(72 * scale, 72 * scale);
    if (whole.isNull()) return {};
    const QRectF content = FindContent(ToGrey(whole));
    const QRectF contentPoints(content.topLeft() / scale, content.size() / scale);
    const double contentScale = PdfRenderScale(contentPoints.size(), options);
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

bool IsPdfName(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
}

std::optional<TPageRange> ParsePageRange(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,9})?\\s*(-)?\\s*(\\d{1,9})?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || (match.captured(1).isEmpty() && match.captured(3).isEmpty())) return std::nullopt;
    TPageRange range;
    if (!match.captured(1).isEmpty()) range.First = match.captured(1).toInt();
    if (!match.captured(3).isEmpty())
        range.Last = match.captured(3).toInt();
    else if (match.captured(2).isEmpty())
        range.Last = range.First;
    if (range.First < 1 || range.Last < range.First) return std::nullopt;
    return range;
}

double PdfRenderScale(QSizeF points, const TProcessOptions& options)
{
    const QSizeF screen = options.Screen;
    QSizeF box = screen;
    if (points.width() > points.height()) {
        if (options.Spread == TSpreadMode::Split || options.Spread == TSpreadMode::Both)
            box = QSizeF(2 * screen.width(), screen.height());
        else if (options.Spread == TSpreadMode::Rotate)
            box = screen.transposed();
    }
    return FitScale(points, box);
}

void AddPdfPages(const QString& path, const QStringList& chapters, TPageRange range, std::vector<TSourcePage>& pages)
{
    auto documents = std::make_shared<TPdfDocuments>(ReadFile(path), path);
    const TPdfDocuments::TLease document(*documents);
    const int count = document->numPages();
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
        pages.push_back(std::move(page));
    }
}

TPdfDescription ReadPdfDescription(const QString& path)
{
    const std::unique_ptr<Poppler::Document> document = OpenDocument(ReadFile(path), path);
    const auto field = [&](const char* key) { return document->info(QLatin1String(key)).simplified(); };
    QStringList subject{field("Subject"), field("Keywords")};
    subject.removeAll(QString());
    return {field("Title"), field("Author"), subject.join(QLatin1String("; "))};
}

}  // namespace making
