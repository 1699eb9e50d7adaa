#include "BookFlow.h"

#include "MakeFailure.h"
#include "SourceFiles.h"
#include "TextSource.h"

#include <algorithm>

namespace making {
namespace {

constexpr QChar PicturePlace(0xFFFC);
constexpr QChar SoftHyphen(0x00AD);

// A no-break space too: the reading device's fonts may lack it, and paragraphs made of one
// alone, as some books space their text, would be empty lines.
bool IsCollapsibleSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == QChar::Nbsp;
}

// Characters that show nothing on a page; a zero among them would end a text page for readers.
bool IsInvisible(QChar c)
{
    return (c.category() == QChar::Other_Control && c != u'\t') || c == SoftHyphen || c == PicturePlace;
}

}  // namespace

TBookFlow::TBookFlow(QString book) : FBook(std::move(book)) {}

void TBookFlow::AddText(QStringView text, bool preformatted)
{
    for (const QChar c : text) {
        if (preformatted && c == u'\n') {
            BreakLine();
        } else if (!preformatted && IsCollapsibleSpace(c)) {
            FSpacePending = true;
        } else if (IsInvisible(c)) {
            continue;
        } else {
            BeginContent();
            Append(QStringView(&c, 1));
        }
    }
}

void TBookFlow::BreakLine()
{
    if (!FText.isEmpty()) FLineBreaksPending = std::min(FLineBreaksPending + 1, 2);
    FSpacePending = false;
}

void TBookFlow::EndParagraph()
{
    if (!FText.isEmpty()) FParagraphPending = true;
    FSpacePending = false;
}

void TBookFlow::BreakPage()
{
    EndParagraph();
    if (!FText.isEmpty()) FPageBreakPending = true;
}

void TBookFlow::AddPicture(TFlowPicture picture)
{
    BeginContent();
    FPictures.emplace_back(FText.size(), std::move(picture));
    Append(QStringView(&PicturePlace, 1));
    FParagraphPending = true;
}

void TBookFlow::MarkAnchor(const QString& key)
{
    FPendingAnchors.append(key);
}

QString TBookFlow::PlainText() const
{
    QString text = FText;
    return text.remove(PicturePlace).replace(QStringLiteral("\n\n"), QStringLiteral("\n")).trimmed();
}

void TBookFlow::BeginContent()
{
    if (!FText.isEmpty()) {
        const int lineEnds = std::max(FParagraphPending ? 2 : 0, FLineBreaksPending);
        if (lineEnds > 0)
            Append(QStringView(u"\n\n").left(lineEnds));
        else if (FSpacePending && !FText.endsWith(u' '))
            Append(u" ");
    }
    if (FPageBreakPending) FPageBreaks.push_back(FText.size());
    for (const QString& key : FPendingAnchors) FAnchors.emplace(key, FText.size());
    FPendingAnchors.clear();
    FSpacePending = false;
    FLineBreaksPending = 0;
    FParagraphPending = false;
    FPageBreakPending = false;
}

void TBookFlow::Append(QStringView text)
{
    // Counted in characters, each of which takes at least a byte in any file.
    if (FText.size() + text.size() > MaxTextBytes)
        throw EMakeFailure(
            QStringLiteral("The e-book \"%1\" holds more than %2 MB of text").arg(FBook).arg(MaxTextBytes >> 20));
    FText.append(text);
}

void TBookFlow::AddPages(const std::vector<TFlowHeading>& headings, const QStringList& chapters,
                         const TMakeOptions& options, TSourceBook& book) const
{
    const size_t first = book.Pages.size();
    std::vector<qsizetype> starts;  // where each page added here begins in the text
    const int pageCharacters = TextPageCharacters(options.Pictures.Screen);
    const auto addText = [&](qsizetype from, qsizetype to) {
        const TTextPages pages = SplitText(FText.mid(from, to - from), pageCharacters);
        for (qsizetype i = 0; i < pages.Pages.size(); ++i) {
            starts.push_back(from + pages.Starts[static_cast<size_t>(i)]);
            book.Pages.push_back({TPageKind::Text, FBook, chapters, {}, pages.Pages[i]});
        }
    };
    qsizetype from = 0;
    auto picture = FPictures.begin();
    auto pageBreak = FPageBreaks.begin();
    while (picture != FPictures.end() || pageBreak != FPageBreaks.end()) {
        if (pageBreak == FPageBreaks.end() || (picture != FPictures.end() && picture->first < *pageBreak)) {
            addText(from, picture->first);
            starts.push_back(picture->first);
            book.Pages.push_back({TPageKind::Picture, picture->second.Name, chapters, picture->second.Load, {}});
            from = picture->first + 1;
            ++picture;
        } else {
            addText(from, *pageBreak);
            from = *pageBreak;
            ++pageBreak;
        }
    }
    addText(from, FText.size());
    if (starts.empty()) return;

    for (const TFlowHeading& heading : headings) {
        const QString title = heading.Title.simplified();
        const auto anchor = FAnchors.find(heading.Target);
        // A place nothing follows (an empty last document) is the book's end.
        const bool atEnd = anchor == FAnchors.end() && FPendingAnchors.contains(heading.Target);
        if ((anchor == FAnchors.end() && !atEnd) || title.isEmpty()) continue;
        const qsizetype place = atEnd ? FText.size() : anchor->second;
        const auto after = std::upper_bound(starts.begin(), starts.end(), place);
        const size_t page = after == starts.begin() ? 0 : static_cast<size_t>(after - starts.begin() - 1);
        book.Pages[first + page].Headings.push_back({heading.Level, title});
    }
}

void AddEbook(const TEbook& ebook, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book)
{
    const size_t first = book.Pages.size();
    ebook.Flow.AddPages(ebook.Headings, chapters, options, book);
    book.Description = ebook.Description;
    if (ebook.Cover) book.Cover = TSourcePage{TPageKind::Picture, ebook.Cover->Name, {}, ebook.Cover->Load, {}};
    book.CoverFromFirstPicture = book.Pages.size() > first && book.Pages[first].Kind == TPageKind::Picture;
}

}  // namespace making
