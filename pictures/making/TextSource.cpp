#include "TextSource.h"

#include "MakeFailure.h"
#include "SourceFiles.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace making {
namespace {

// Lines with where they start in the text, so that each page knows where it begins.
struct TLine {
    QStringView Text;
    qsizetype Start;
};

class TPageCollector {
public:
    TPageCollector(TTextPages& pages, int maxCharacters) : FPages(pages), FMax(maxCharacters) {}

    void AddLine(TLine line)
    {
        // A line longer than a page goes in pieces, walked through without copying the rest.
        while (line.Text.size() > FMax) {
            const qsizetype space = line.Text.left(FMax).lastIndexOf(u' ');
            const qsizetype cut = space > 0 ? space : FMax;
            AddFittingLine({line.Text.left(cut), line.Start});
            const QStringView rest = line.Text.mid(cut);
            qsizetype lead = 0;
            while (lead < rest.size() && rest[lead].isSpace()) ++lead;
            line = {rest.mid(lead).trimmed(), line.Start + cut + lead};
        }
        AddFittingLine(line);
    }

    void Flush()
    {
        // Past the middle of a page, the last paragraph end is the better place to turn.
        qsizetype keep = FLines.size();
        qsizetype kept = 0;
        if (FLastBlank > 0) {
            for (qsizetype i = 0; i < FLastBlank; ++i) kept += FLines[i].Text.size() + 1;
            if (kept * 2 >= FSize) keep = FLastBlank;
        }
        std::vector<TLine> rest(FLines.begin() + keep, FLines.end());
        FLines.resize(static_cast<size_t>(keep));
        while (!FLines.empty() && FLines.back().Text.trimmed().isEmpty()) FLines.pop_back();
        if (!FLines.empty()) {
            QStringList lines;
            for (const TLine& line : FLines) lines << line.Text.toString();
            FPages.Pages.append(lines.join(u'\n'));
            FPages.Starts.push_back(FLines.front().Start);
        }
        FLines.clear();
        FSize = 0;
        FLastBlank = -1;
        for (const TLine& line : rest) AddFittingLine(line);
    }

private:
    void AddFittingLine(TLine line)
    {
        if (FSize + line.Text.size() > FMax) Flush();
        if (FLines.empty() && line.Text.trimmed().isEmpty()) return;
        if (line.Text.trimmed().isEmpty()) FLastBlank = static_cast<qsizetype>(FLines.size());
        FLines.push_back(line);
        FSize += line.Text.size() + 1;
    }

    TTextPages& FPages;
    const int FMax;
    std::vector<TLine> FLines;
    qsizetype FSize = 0;
    qsizetype FLastBlank = -1;
};

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

TTextPages SplitText(const QString& text, int maxCharacters)
{
    TTextPages pages;
    TPageCollector collector(pages, maxCharacters);
    qsizetype start = 0;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        collector.AddLine({line, start});
        start += line.size() + 1;
    }
    collector.Flush();
    return pages;
}

QStringList SplitTextPages(const QString& text, int maxCharacters)
{
    return SplitText(NormalisedLineEnds(text), maxCharacters).Pages;
}

void AddTextFilePages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book)
{
    // The longest novels take a few megabytes; the split pages are held in memory at once.
    constexpr qint64 MaxTextBytes = 32LL * 1024 * 1024;
    if (QFileInfo(path).size() > MaxTextBytes)
        throw EMakeFailure(
            QStringLiteral("The text file \"%1\" is larger than %2 MB").arg(path).arg(MaxTextBytes >> 20));
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(ReadSourceFile(path));
    if (decoder.hasError())
        throw EMakeFailure(QStringLiteral("The text file \"%1\" is not UTF-8 text; convert it first "
                                          "(for example with iconv)")
                               .arg(path));
    for (const QString& pageText : SplitTextPages(text, TextPageCharacters(options.Pictures.Screen)))
        book.Pages.push_back({TPageKind::Text, path, chapters, {}, pageText});
}

}  // namespace making
