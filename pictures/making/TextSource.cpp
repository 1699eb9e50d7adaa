#include "TextSource.h"

#include "MakeFailure.h"
#include "SourceFiles.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace making {
namespace {

class TPageCollector {
public:
    TPageCollector(QStringList& pages, int maxCharacters) : FPages(pages), FMax(maxCharacters) {}

    void AddLine(QStringView line)
    {
        // A line longer than a page goes in pieces, walked through without copying the rest.
        while (line.size() > FMax) {
            const qsizetype space = line.left(FMax).lastIndexOf(u' ');
            const qsizetype cut = space > 0 ? space : FMax;
            AddFittingLine(line.left(cut).toString());
            line = line.mid(cut).trimmed();
        }
        AddFittingLine(line.toString());
    }

    void Flush()
    {
        // Past the middle of a page, the last paragraph end is the better place to turn.
        qsizetype keep = FLines.size();
        qsizetype kept = 0;
        if (FLastBlank > 0) {
            for (qsizetype i = 0; i < FLastBlank; ++i) kept += FLines[i].size() + 1;
            if (kept * 2 >= FSize) keep = FLastBlank;
        }
        QStringList rest = FLines.mid(keep);
        FLines.resize(keep);
        while (!FLines.isEmpty() && FLines.last().trimmed().isEmpty()) FLines.removeLast();
        if (!FLines.isEmpty()) FPages.append(FLines.join(u'\n'));
        FLines.clear();
        FSize = 0;
        FLastBlank = -1;
        for (const QString& line : rest) AddFittingLine(line);
    }

private:
    void AddFittingLine(const QString& line)
    {
        if (FSize + line.size() > FMax) Flush();
        if (FLines.isEmpty() && line.trimmed().isEmpty()) return;
        if (line.trimmed().isEmpty()) FLastBlank = FLines.size();
        FLines.append(line);
        FSize += line.size() + 1;
    }

    QStringList& FPages;
    const int FMax;
    QStringList FLines;
    qsizetype FSize = 0;
    qsizetype FLastBlank = -1;
};

}  // namespace

int TextPageCharacters(QSize screen)
{
    // A reading font takes roughly 12 by 24 pixels a character on these screens.
    return std::clamp((screen.width() / 12) * (screen.height() / 24), 200, 4000);
}

QStringList SplitTextPages(const QString& text, int maxCharacters)
{
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList pages;
    TPageCollector collector(pages, maxCharacters);
    for (const QString& line : normalised.split(u'\n')) collector.AddLine(line);
    collector.Flush();
    return pages;
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
