#include "TextSource.h"

#include "MakeFailure.h"
#include "SourceFiles.h"
#include "TextChapters.h"
#include "TextColumns.h"
#include "TextDecoding.h"

#include <QFileInfo>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace making {
namespace {

// Where a page from a given start may turn, found in one walk through what fits on it.
struct TFit {
    qsizetype End = 0;   // the longest piece that fits ends here
    bool Whole = false;  // it reaches the end of the text, or the next page start asked for
    // The last line start after an empty line, and the last line start at all, in the page's
    // second half; the last line start anywhere after the page's start.
    qsizetype ParagraphStart = -1, LineStart = -1, LastLineStart = -1;
};

TFit Fit(const QString& text, qsizetype start, qsizetype limit, int maxColumns)
{
    TFit fit;
    qsizetype columns = 0;
    bool lineHasText = true;
    qsizetype at = start;
    while (at < limit) {
        const QChar c = text[at];
        const bool pair = c.isHighSurrogate() && at + 1 < limit && text[at + 1].isLowSurrogate();
        const char32_t code = pair ? QChar::surrogateToUcs4(c, text[at + 1]) : c.unicode();
        const int width = IsWideCharacter(code) ? 2 : 1;
        if (columns + width > maxColumns && at > start) break;
        columns += width;
        at += pair ? 2 : 1;
        if (c == u'\n') {
            if (columns * 2 >= maxColumns) {
                fit.LineStart = at;
                if (!lineHasText) fit.ParagraphStart = at;
            }
            fit.LastLineStart = at;
            lineHasText = false;
        } else if (!c.isSpace()) {
            lineHasText = true;
        }
    }
    fit.End = at;
    fit.Whole = at == limit;
    return fit;
}

// The last boundary of that kind in [from, end], judged with a little of the text after end,
// which decides whether a line may break there ("。" stays with what it ends); -1 for none.
qsizetype LastBoundary(QTextBoundaryFinder::BoundaryType type, const QString& text, qsizetype from, qsizetype end)
{
    const qsizetype context = std::min(text.size(), end + 64);
    QTextBoundaryFinder finder(type, QStringView(text).mid(from, context - from));
    finder.setPosition(end - from);
    const qsizetype at = finder.isAtBoundary() ? end - from : finder.toPreviousBoundary();
    return at < 0 ? -1 : from + at;
}

qsizetype PageEnd(const QString& text, qsizetype start, const TFit& fit)
{
    if (fit.Whole) return fit.End;
    if (fit.ParagraphStart > start) return fit.ParagraphStart;
    if (fit.LineStart > start) return fit.LineStart;
    // Filled: where the last line may break, or at the latest between two characters.
    const qsizetype lineStart = std::max(start, fit.LastLineStart);
    if (const qsizetype at = LastBoundary(QTextBoundaryFinder::Line, text, lineStart, fit.End); at > start) return at;
    if (const qsizetype at = LastBoundary(QTextBoundaryFinder::Grapheme, text, start, fit.End); at > start) return at;
    return fit.End;
}

// The start of the first line from there that holds more than white space.
qsizetype SkipEmptyLines(const QString& text, qsizetype from)
{
    for (qsizetype at = from; at < text.size() && text[at].isSpace(); ++at)
        if (text[at] == u'\n') from = at + 1;
    return from;
}

// Each chapter begins a page, unless it follows a heading directly (a part's first chapter).
std::vector<qsizetype> ChapterPageStarts(const QString& text, const std::vector<TTextHeading>& headings)
{
    std::vector<qsizetype> starts;
    qsizetype previousEnd = 0;
    for (const TTextHeading& heading : headings) {
        if (starts.empty() || !QStringView(text).mid(previousEnd, heading.Start - previousEnd).trimmed().isEmpty())
            starts.push_back(heading.Start);
        previousEnd = heading.End;
    }
    return starts;
}

}  // namespace

int TextPageCharacters(QSize screen)
{
    // A reading font takes roughly 12 by 24 pixels a character on these screens.
    return std::clamp((screen.width() / 12) * (screen.height() / 24), 200, 4000);
}

QString NormalisedLineEnds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

int TTextPages::PageAt(qsizetype offset) const
{
    const auto after = std::upper_bound(Starts.begin(), Starts.end(), offset);
    return std::max(0, static_cast<int>(after - Starts.begin()) - 1);
}

TTextPages SplitText(const QString& text, int maxCharacters, const std::vector<qsizetype>& pageStarts)
{
    TTextPages pages;
    auto nextStart = pageStarts.begin();
    for (qsizetype start = SkipEmptyLines(text, 0); start < text.size();) {
        while (nextStart != pageStarts.end() && *nextStart <= start) ++nextStart;
        const qsizetype limit = nextStart == pageStarts.end() ? text.size() : std::min(*nextStart, text.size());
        const qsizetype end = PageEnd(text, start, Fit(text, start, limit, maxCharacters));
        qsizetype last = end;
        while (last > start && text[last - 1].isSpace()) --last;
        if (last > start) {
            pages.Pages.append(text.mid(start, last - start));
            pages.Starts.push_back(start);
        }
        start = SkipEmptyLines(text, end);
    }
    return pages;
}

QStringList SplitTextPages(const QString& text, int maxCharacters)
{
    return SplitText(NormalisedLineEnds(text), maxCharacters).Pages;
}

void AddTextFilePages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book)
{
    if (QFileInfo(path).size() > MaxTextBytes)
        throw EMakeFailure(
            QStringLiteral("The text file \"%1\" is larger than %2 MB").arg(path).arg(MaxTextBytes >> 20));
    const QString text = NormalisedLineEnds(DecodeTextFile(ReadSourceFile(path), path, options.TextEncoding));
    const std::vector<TTextHeading> headings = FindTextHeadings(text, options.TextChapters);
    const TTextPages pages =
        SplitText(text, TextPageCharacters(options.Pictures.Screen), ChapterPageStarts(text, headings));
    const size_t first = book.Pages.size();
    for (const QString& pageText : pages.Pages) book.Pages.push_back({TPageKind::Text, path, chapters, {}, pageText});
    if (pages.Pages.isEmpty()) return;
    for (const TTextHeading& heading : headings)
        book.Pages[first + size_t(pages.PageAt(heading.Start))].Headings.push_back({heading.Level, heading.Title});
}

}  // namespace making
