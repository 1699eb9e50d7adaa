#include "BookPlan.h"

#include "CatalogContents.h"
#include "ContentsFromChapters.h"
#include "ExtractedBook.h"
#include "MakeFailure.h"
#include "Sources.h"

#include <QFileInfo>

namespace making {
namespace {

// Lines in a description are separated by CR LF, whatever the user's system writes.
QString WithBookLineBreaks(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(u'\r', u'\n')
        .replace(u'\n', QLatin1String("\r\n"));
}

void FillDescription(TBookPlan& plan, const TToldFields& told, const TToldFields& fromUser)
{
    using wolf::TWolfDescription;
    for (int i = 0; i < TWolfDescription::FieldCount; ++i) {
        const auto field = static_cast<size_t>(i);
        const QString text = WithBookLineBreaks(fromUser[field].value_or(told[field].value_or(QString())));
        plan.DescriptionTexts[field] = text;
        const std::optional<std::string> bytes =
            plan.Encoding.EncodeWithin(text, static_cast<size_t>(TWolfDescription::Limits[i]));
        plan.Description.SetField(
            i,
            bytes ? *bytes
                  : EncodeOrFail(plan.Encoding, text, QStringLiteral("the %1").arg(QLatin1String(DescriptionKeys[i]))));
    }
}

// Entries name the source pages they start on.
wolf::TWolfTOCList ContentsFromSources(const TBookPlan& plan)
{
    TChapterContents chapters([&plan](const QString& title) {
        return EncodeOrFail(plan.Encoding, title, QStringLiteral("a chapter title"));
    });
    for (size_t i = 0; i < plan.Pages.size(); ++i) {
        const int index = static_cast<int>(i);
        chapters.Enter(plan.Pages[i].Chapters, index);
        for (const TSourceHeading& heading : plan.Pages[i].Headings)
            chapters.AddHeading(heading.Level, heading.Title, index);
    }
    return chapters.Contents();
}

}  // namespace

TBookPlan MakePlan(const TPlanRequest& request)
{
    TBookPlan plan;
    plan.Options = request.Options;
    plan.Encoding = request.Encoding;
    plan.OutputPath = request.OutputPath;
    plan.ReplaceExisting = request.ReplaceExisting;

    TSourceBook book = CollectSources(request.Sources, request.Options);
    plan.Pages = std::move(book.Pages);
    plan.Cover = std::move(book.Cover);
    plan.CoverFromFirstPicture = book.CoverFromFirstPicture;
    if (!request.CoverPath.isEmpty()) {
        if (!QFileInfo(request.CoverPath).isFile())
            throw EMakeFailure(QStringLiteral("Cannot open the cover \"%1\"").arg(request.CoverPath));
        plan.Cover = PictureFilePage(request.CoverPath, TPageKind::Picture);
    }
    FillDescription(plan, book.Description, request.Description);

    const QString contentsPath =
        request.ContentsPath.isEmpty() ? book.ContentsFile.value_or(QString()) : request.ContentsPath;
    if (!contentsPath.isEmpty())
        plan.Contents = {ReadCatalogContents(plan.Encoding, contentsPath), false};
    else if (book.ContentsFile)
        plan.Contents = {{}, false};  // an unpacked book that had none
    else
        plan.Contents = {ContentsFromSources(plan), true};
    return plan;
}

std::string EncodeOrFail(const platform::TBookEncoding& encoding, const QString& text, const QString& what)
{
    if (std::optional<std::string> bytes = encoding.Encode(text)) return *std::move(bytes);
    const QString name = QString::fromLatin1(encoding.Name());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QString character = text.mid(i, pair ? 2 : 1);
        if (!encoding.Encode(character)) {
            const char32_t code = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
            throw EMakeFailure(QStringLiteral("The encoding %1 cannot hold the character \"%2\" (U+%3) in %4")
                                   .arg(name, character,
                                        QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, u'0'),
                                        what));
        }
        if (pair) ++i;
    }
    throw EMakeFailure(QStringLiteral("The encoding %1 cannot hold the text of %2").arg(name, what));
}

}  // namespace making
