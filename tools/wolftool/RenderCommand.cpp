// wolftool render: one page or the cover as an 8-bit grey PNG or PGM picture.
#include "PagePicture.h"
#include "ToolCommand.h"
#include "ToolSupport.h"

#include <QFileInfo>
#include <QSaveFile>

namespace wolftool {
namespace {

QByteArray PictureFormat(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png")) return "PNG";
    if (suffix == QLatin1String("pgm")) return "PGM";
    throw ECommandFailure(QStringLiteral("The output file name must end in .png or .pgm"));
}

pagepicture::TOrientation ParseOrientation(const QString& text)
{
    using pagepicture::TOrientation;
    if (text == QLatin1String("0")) return TOrientation::Portrait;
    if (text == QLatin1String("1")) return TOrientation::LandscapeLeft;
    if (text == QLatin1String("2")) return TOrientation::LandscapeRight;
    throw ECommandFailure(QStringLiteral("Bad orientation \"%1\": give 0, 1 or 2").arg(text));
}

// The page as the display shows it; any failure makes it a page that cannot be shown.
QImage DecodeForDisplay(session::TBookSession& book, int index)
{
    if (!book.Page(index).IsImage()) FailInvalidPage();
    QImage picture;
    try {
        picture = pagepicture::ToQImage(book.PagePicture(index));
    } catch (const std::exception&) {
        FailInvalidPage();
    }
    if (picture.isNull()) FailInvalidPage();
    return picture;
}

int RunRender(const QStringList& args)
{
    QCommandLineParser parser;
    DescribeBookCommand(parser, QStringLiteral("Writes a page as an 8-bit grey picture, turned as the "
                                               "viewer turns it."));
    parser.addPositionalArgument(QStringLiteral("PAGE"), QStringLiteral("cover, or a page number from 1."));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("The picture to write; its name ends in .png or .pgm."),
                                          QStringLiteral("OUT"));
    const QCommandLineOption orientationOption(
        QStringLiteral("orientation"),
        QStringLiteral("0 upright (default), 1 a quarter turn to the left, 2 a quarter turn to the right."),
        QStringLiteral("0|1|2"), QStringLiteral("0"));
    parser.addOption(outputOption);
    parser.addOption(orientationOption);
    if (!ParseCommandLine(parser, args, QStringLiteral("render BOOK PAGE -o OUT [--orientation 0|1|2]"), 2))
        return ExitOk;
    if (!parser.isSet(outputOption)) throw ECommandFailure(QStringLiteral("No output file given (-o OUT)"));

    const QString outputName = parser.value(outputOption);
    const QByteArray format = PictureFormat(outputName);
    const pagepicture::TOrientation orientation = ParseOrientation(parser.value(orientationOption));

    session::TBookSession book;
    book.Open(parser.positionalArguments().at(0));
    const int page = SelectPage(book, parser.positionalArguments().at(1));
    const QImage picture = pagepicture::TurnForOrientation(DecodeForDisplay(book, page), orientation);
    // Written aside and renamed into place, so that a failure leaves no half picture.
    QSaveFile file(outputName);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, format.constData()) || !file.commit())
        throw ECommandFailure(
            QStringLiteral("Cannot write the picture \"%1\". %2").arg(outputName, file.errorString()));
    return ExitOk;
}

const TCommandRegistration Registration{"render", "Write a page as a grey PNG or PGM picture", RunRender};

}  // namespace
}  // namespace wolftool
