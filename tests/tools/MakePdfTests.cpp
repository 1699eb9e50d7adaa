// wolftool make from PDFs: drawn by QPdfWriter, or written here with an outline, a document
// information dictionary, encryption or a cut-off end.
#include "TestPdf.h"
#include "ToolRunner.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>

namespace {

using testing_pdf::TPdfContent;

QString SaveBytes(const TScratch& scratch, const QString& name, const QByteArray& bytes)
{
    return scratch.Write(name, bytes.toStdString());
}

QJsonObject Made(const QStringList& arguments)
{
    const TToolResult made =
        RunWolftool(QStringList{QStringLiteral("make")} + arguments + QStringList{QStringLiteral("--quiet")});
    EXPECT_EQ(made.ExitCode, 0) << made.Err.toStdString();
    const TToolResult info = RunWolftool({QStringLiteral("info"), arguments.front()});
    return info.Json();
}

// A landscape page splits into two book pages: outline entries after it move by one, and
// an entry four levels deep is folded into its level-3 ancestor.
TEST(WolftoolMakePdf, OutlineBecomesContentsOfTheSplitPages)
{
    TScratch scratch;
    const QSizeF portrait(612, 792), landscape(792, 612);
    TPdfContent content;
    content.Pages = {portrait, landscape, portrait, portrait};
    content.Outline = {
        {QStringLiteral("Part One"),
         1,
         {{QStringLiteral("Spread"), 2, {{QStringLiteral("Detail"), 2, {{QStringLiteral("Too deep"), 3, {}}}}}}}},
        {QStringLiteral("Part Two"), 3, {}},
        {QStringLiteral("Part Three"), 4, {}}};
    content.Title = QStringLiteral("Outlined");
    content.Author = QStringLiteral("A. Writer");
    const QString pdf = SaveBytes(scratch, QStringLiteral("outlined.pdf"), testing_pdf::MakePdf(content));

    const QString book = scratch.Path(QStringLiteral("whole.wol"));
    QJsonObject info = Made({book, pdf, QStringLiteral("--author"), QStringLiteral("Given")});
    EXPECT_EQ(info[QStringLiteral("description")][QStringLiteral("title")].toString(), QStringLiteral("Outlined"));
    EXPECT_EQ(info[QStringLiteral("description")][QStringLiteral("author")].toString(), QStringLiteral("Given"));
    EXPECT_EQ(info[QStringLiteral("pages")].toArray().size(), 5);
    const std::vector<std::pair<QString, int>> whole{
        {"Part One", 0}, {"Spread", 1}, {"Detail", 1}, {"Part Two", 3}, {"Part Three", 4}};
    EXPECT_EQ(Contents(info), whole);

    const QString part = scratch.Path(QStringLiteral("part.wol"));
    info = Made({part, pdf, QStringLiteral("--pages"), QStringLiteral("2-3")});
    EXPECT_EQ(info[QStringLiteral("pages")].toArray().size(), 3);
    const std::vector<std::pair<QString, int>> range{{"Spread", 0}, {"Detail", 0}, {"Part Two", 2}};
    EXPECT_EQ(Contents(info), range);
}

// The page is drawn at the screen's size, not at the PDF's nominal 72 dpi (which would stay
// small, as pages are not enlarged): a frame along the page's edges lands on the screen's
// top and bottom rows.
TEST(WolftoolMakePdf, QPdfWriterPagesFillTheScreen)
{
    // Text needs fonts, and fonts a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "tool_tests";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    TScratch scratch;
    const QString pdf = scratch.Path(QStringLiteral("drawn.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A5));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QStringLiteral("Drawn"));
        QPainter painter(&writer);
        for (int page = 0; page < 2; ++page) {
            if (page) writer.newPage();
            const QRect all = painter.viewport();
            painter.setPen(QPen(Qt::black, all.width() / 100));
            painter.drawRect(
                all.adjusted(all.width() / 200, all.width() / 200, -all.width() / 200, -all.width() / 200));
            painter.setFont(QFont(QStringLiteral("DejaVu Serif"), 14));
            painter.drawText(all.adjusted(all.width() / 10, all.height() / 10, 0, 0),
                             QStringLiteral("The quick brown fox jumps."));
        }
    }
    const QString book = scratch.Path(QStringLiteral("drawn.wol"));
    const QJsonObject info = Made({book, pdf, QStringLiteral("--size"), QStringLiteral("6inch-1448")});
    EXPECT_EQ(info[QStringLiteral("description")][QStringLiteral("title")].toString(), QStringLiteral("Drawn"));
    ASSERT_EQ(info[QStringLiteral("pages")].toArray().size(), 2);

    const QString png = scratch.Path(QStringLiteral("page.png"));
    ASSERT_EQ(RunWolftool({QStringLiteral("render"), book, QStringLiteral("1"), QStringLiteral("-o"), png}).ExitCode,
              0);
    const QImage page = QImage(png).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(page.size(), QSize(1072, 1448));
    const auto darkAt = [&](int y) { return page.constScanLine(y)[page.width() / 2] < 128; };
    EXPECT_TRUE(darkAt(0) || darkAt(1)) << "the frame's top edge";
    EXPECT_TRUE(darkAt(1446) || darkAt(1447)) << "the frame's bottom edge";
}

TEST(WolftoolMakePdf, BadPdfsSayWhatIsWrongAndLeaveNoBook)
{
    TScratch scratch;
    TPdfContent content;
    content.Pages = {QSizeF(612, 792), QSizeF(612, 792)};
    const QByteArray whole = testing_pdf::MakePdf(content);
    content.Password = "secret";
    const struct {
        QString Source;
        QStringList Options;
        QString Message;
    } cases[] = {
        {SaveBytes(scratch, QStringLiteral("cut.pdf"), whole.left(whole.size() / 3)), {}, QStringLiteral("damaged")},
        {SaveBytes(scratch, QStringLiteral("locked.pdf"), testing_pdf::MakePdf(content)),
         {},
         QStringLiteral("needs a password; give it with --password")},
        {scratch.Path(QStringLiteral("locked.pdf")),
         {QStringLiteral("--password"), QStringLiteral("guess")},
         QStringLiteral("the password given does not open it")},
        {SaveBytes(scratch, QStringLiteral("short.pdf"), whole),
         {QStringLiteral("--pages"), QStringLiteral("5-9")},
         QStringLiteral("has 2 pages")},
        {SaveBytes(scratch, QStringLiteral("short2.pdf"), whole),
         {QStringLiteral("--pages"), QStringLiteral("9-5")},
         QStringLiteral("Bad --pages")},
    };
    const QString book = scratch.Path(QStringLiteral("none.wol"));
    for (const auto& bad : cases) {
        const TToolResult result = RunWolftool(QStringList{QStringLiteral("make"), book, bad.Source} + bad.Options);
        EXPECT_EQ(result.ExitCode, 1) << bad.Source.toStdString();
        EXPECT_TRUE(result.LastErrorLine().contains(bad.Message)) << result.LastErrorLine().toStdString();
        EXPECT_FALSE(QFile::exists(book));
    }
    const QJsonObject opened = Made(
        {book, scratch.Path(QStringLiteral("locked.pdf")), QStringLiteral("--password"), QStringLiteral("secret")});
    EXPECT_EQ(opened[QStringLiteral("pages")].toArray().size(), 2);
}

}  // namespace
