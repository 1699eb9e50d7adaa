// wolftool make from sources made here: drawn pictures in folders, a comic archive, a text
// file, an unpacked book; and every kind of bad input, which must leave no book behind, or
// with --skip-bad is left out of it and named.
#include "TextEncodings.h"
#include "ToolRunner.h"
#include "ZipWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QPainter>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

namespace {

// A scan-like page: paper, a dark block whose height tells pages apart, lines as of text.
QImage DrawPage(int width, int height, int blockHeight)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(245, 242, 235));
    QPainter painter(&picture);
    painter.fillRect(width / 10, height / 10, width * 8 / 10, blockHeight, QColor(20, 20, 20));
    for (int line = 0; line < 3; ++line)
        painter.fillRect(width / 10, height * 8 / 10 + line * 8, width / 2 + line * 10, 3, QColor(60, 60, 60));
    return picture;
}

QByteArray PictureBytes(const QImage& picture, const char* format = "PNG")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

void SavePage(const QString& path, int blockHeight, int width = 300, int height = 400)
{
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(DrawPage(width, height, blockHeight).save(path));
}

// A zip's bytes, to store in another.
QByteArray ZipBytes(const TScratch& scratch, const std::vector<TZipEntry>& entries)
{
    const QString path = scratch.Path(QStringLiteral("inner.zip"));
    WriteZip(path, entries);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.remove();
    return bytes;
}

QJsonObject Info(const QString& book)
{
    const TToolResult result = RunWolftool({QStringLiteral("info"), book});
    EXPECT_EQ(result.ExitCode, 0) << result.Err.toStdString();
    return result.Json();
}

QImage Render(const QString& book, const QString& page, const TScratch& scratch)
{
    const QString out = scratch.Path(QStringLiteral("render-%1.png").arg(page));
    const TToolResult result = RunWolftool({QStringLiteral("render"), book, page, QStringLiteral("-o"), out});
    EXPECT_EQ(result.ExitCode, 0) << result.Err.toStdString();
    return QImage(out).convertToFormat(QImage::Format_Grayscale8);
}

// How many pixel rows of the page's middle column are black: the drawn block's height.
int DarkRows(const QImage& page)
{
    int rows = 0;
    for (int y = 0; y < page.height(); ++y) rows += page.constScanLine(y)[page.width() / 2] < 100;
    return rows;
}

TEST(WolftoolMake, FoldersArchivesAndTextBecomeOneBookWithChapters)
{
    TScratch scratch;
    SavePage(scratch.Path(QStringLiteral("scans/Chapter 1/p1.png")), 100);
    SavePage(scratch.Path(QStringLiteral("scans/Chapter 1/p2.png")), 50, 800, 400);  // a spread: two pages
    SavePage(scratch.Path(QStringLiteral("scans/Chapter 2/p10.png")), 250);
    SavePage(scratch.Path(QStringLiteral("scans/Chapter 2/p9.png")), 200);
    WriteZip(scratch.Path(QStringLiteral("comic.cbz")), {{"pages/02.png", PictureBytes(DrawPage(300, 400, 40))},
                                                         {"pages/01.png", PictureBytes(DrawPage(300, 400, 20))}});
    QFile text(scratch.Path(QStringLiteral("novel.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Call me <Ishmael> & friends.\n\nSome years ago, never mind how long.\n");
    text.close();

    const QString book = scratch.Path(QStringLiteral("out.wol"));
    const TToolResult made = RunWolftool({QStringLiteral("make"), book, scratch.Path(QStringLiteral("scans")),
                                          scratch.Path(QStringLiteral("comic.cbz")), text.fileName(),
                                          QStringLiteral("--author"), QStringLiteral("H. Melville")});
    ASSERT_EQ(made.ExitCode, 0) << made.Err.toStdString();

    const QJsonObject info = Info(book);
    EXPECT_EQ(info[QStringLiteral("description")][QStringLiteral("title")].toString(), QStringLiteral("scans"));
    EXPECT_EQ(info[QStringLiteral("description")][QStringLiteral("author")].toString(), QStringLiteral("H. Melville"));
    EXPECT_FALSE(info[QStringLiteral("cover")].isNull());
    const QJsonArray pages = info[QStringLiteral("pages")].toArray();
    ASSERT_EQ(pages.size(), 8);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(pages[i][QStringLiteral("kind")].toString(), QStringLiteral("image")) << i;
        EXPECT_EQ(pages[i][QStringLiteral("width")].toInt(), 600);
        EXPECT_EQ(pages[i][QStringLiteral("height")].toInt(), 800);
    }
    EXPECT_EQ(pages[7][QStringLiteral("kind")].toString(), QStringLiteral("text"));
    const std::vector<std::pair<QString, int>> expected{{"scans", 0}, {"Chapter 1", 0}, {"Chapter 2", 3},
                                                        {"comic", 5}, {"pages", 5},     {"novel", 7}};
    EXPECT_EQ(Contents(info), expected);

    // Natural order, in folders and archives alike: p9 before p10, 01 before 02.
    EXPECT_LT(DarkRows(Render(book, QStringLiteral("4"), scratch)),
              DarkRows(Render(book, QStringLiteral("5"), scratch)));
    EXPECT_LT(DarkRows(Render(book, QStringLiteral("6"), scratch)),
              DarkRows(Render(book, QStringLiteral("7"), scratch)));
    const TToolResult textPage = RunWolftool({QStringLiteral("text"), book, QStringLiteral("8")});
    EXPECT_EQ(textPage.Out, "Call me <Ishmael> & friends.\n\nSome years ago, never mind how long.\n");
}

TEST(WolftoolMake, ComicInfoTellsTheDescriptionAndRightToLeftUnlessTheCommandLineSaysOtherwise)
{
    TScratch scratch;
    QImage spread(800, 400, QImage::Format_RGB32);
    spread.fill(Qt::white);
    QPainter(&spread).fillRect(0, 0, 400, 400, Qt::black);  // the left page dark
    const QString comic = scratch.Path(QStringLiteral("manga.cbz"));
    WriteZip(comic, {{"comicinfo.XML",
                      "<?xml version='1.0'?><ComicInfo><Series>Ruins of  Rome</Series><Number>12</Number>"
                      "<Summary> Two friends.\nThey travel. </Summary><Year>2021</Year><Month>3</Month><Day>7</Day>"
                      "<Writer>A. Writer, B. Second</Writer><Translator>C. Third</Translator><Publisher>House"
                      "</Publisher><GTIN>978-3-16-148410-0</GTIN><Manga>YesAndRightToLeft</Manga>"
                      "<Pages><Page Image='0'/></Pages></ComicInfo>"},
                     {"01.png", PictureBytes(spread)}});
    const QString book = scratch.Path(QStringLiteral("manga.wol"));
    const auto firstPageDark = [&](const QStringList& options) {
        const TToolResult made =
            RunWolftool(QStringList{QStringLiteral("make"), book, comic, QStringLiteral("--force")} + options);
        EXPECT_EQ(made.ExitCode, 0) << made.Err.toStdString();
        return DarkRows(Render(book, QStringLiteral("1"), scratch)) > 0;
    };
    EXPECT_FALSE(firstPageDark({})) << "right to left: the right half first";
    EXPECT_EQ(Info(book)[QStringLiteral("description")].toObject(),
              (QJsonObject{{"title", "Ruins of Rome 12"},
                           {"subject", "Ruins of Rome"},
                           {"author", "A. Writer, B. Second"},
                           {"adapter", ""},
                           {"translator", "C. Third"},
                           {"publisher", "House"},
                           {"publish_time", "2021-03-07"},
                           {"introduction", "Two friends.\r\nThey travel."},
                           {"isbn", "978-3-16-148410-0"}}));
    EXPECT_TRUE(firstPageDark({QStringLiteral("--ltr")}));
    EXPECT_FALSE(firstPageDark({QStringLiteral("--rtl")}));
    const TToolResult both = RunWolftool({QStringLiteral("make"), book, comic, QStringLiteral("--force"),
                                          QStringLiteral("--rtl"), QStringLiteral("--ltr")});
    EXPECT_TRUE(both.LastErrorLine().contains(QLatin1String("--rtl and --ltr say opposite things")));

    // A damaged one tells nothing, and the pictures still make a book.
    WriteZip(comic, {{"ComicInfo.xml", "<ComicInfo><Title>Cut"}, {"01.png", PictureBytes(spread)}});
    EXPECT_TRUE(firstPageDark({}));
    EXPECT_EQ(Info(book)[QStringLiteral("description")][QStringLiteral("title")], QStringLiteral("manga"));
}

// A JPEG beside a comic archive once gave one page: the archive was dropped without a word.
TEST(WolftoolMake, AnArchiveInAnArchiveGivesItsPagesInItsPlaceAsAChapter)
{
    TScratch scratch;
    const QByteArray inner = ZipBytes(scratch, {{"p10.png", PictureBytes(DrawPage(300, 400, 80))},
                                                {"p2.png", PictureBytes(DrawPage(300, 400, 60))},
                                                {"p1.png", PictureBytes(DrawPage(300, 400, 40))}});
    const QString comic = scratch.Path(QStringLiteral("volume.cbz"));
    WriteZip(comic, {{"03.jpg", PictureBytes(DrawPage(300, 400, 100), "JPEG")},
                     {"02 Extra.cbz", inner},
                     {"01.jpg", PictureBytes(DrawPage(300, 400, 20), "JPEG")}});
    const QString book = scratch.Path(QStringLiteral("volume.wol"));
    ASSERT_EQ(RunWolftool({QStringLiteral("make"), book, comic}).ExitCode, 0);
    const QJsonObject info = Info(book);
    ASSERT_EQ(info[QStringLiteral("pages")].toArray().size(), 5);
    EXPECT_EQ(Contents(info), (std::vector<std::pair<QString, int>>{{QStringLiteral("02 Extra"), 1}}));
    for (int page = 1, previous = 0; page <= 5; ++page) {
        const int rows = DarkRows(Render(book, QString::number(page), scratch));
        EXPECT_GT(rows, previous) << "page " << page << " out of place";
        previous = rows;
    }
}

TEST(WolftoolMake, UnpackedBookMakesTheSameBookAgain)
{
    TScratch scratch;
    SavePage(scratch.Path(QStringLiteral("src/a/1.png")), 120);
    SavePage(scratch.Path(QStringLiteral("src/b/2.png")), 60);
    QFile text(scratch.Path(QStringLiteral("src/b/3.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Пролог\n\nТекст.");
    text.close();
    const QString first = scratch.Path(QStringLiteral("first.wol")),
                  second = scratch.Path(QStringLiteral("second.wol"));
    const QString unpacked = scratch.Path(QStringLiteral("unpacked"));
    ASSERT_EQ(RunWolftool({QStringLiteral("make"), first, scratch.Path(QStringLiteral("src")), QStringLiteral("--bits"),
                           QStringLiteral("1"), QStringLiteral("--encoding"), QStringLiteral("windows-1251"),
                           QStringLiteral("--title"), QStringLiteral("Книга")})
                  .ExitCode,
              0);
    const TToolResult extracted = RunWolftool(
        {QStringLiteral("extract"), first, unpacked, QStringLiteral("--encoding"), QStringLiteral("windows-1251")});
    if (extracted.LastErrorLine().startsWith(QLatin1String("Unknown command")))
        GTEST_SKIP() << "no extract command yet";
    ASSERT_EQ(extracted.ExitCode, 0) << extracted.Err.toStdString();
    const TToolResult made = RunWolftool(
        {QStringLiteral("make"), second, unpacked, QStringLiteral("--encoding"), QStringLiteral("windows-1251")});
    ASSERT_EQ(made.ExitCode, 0) << made.Err.toStdString();

    const QJsonObject before = Info(first), after = Info(second);
    EXPECT_EQ(after[QStringLiteral("description")], before[QStringLiteral("description")]);
    EXPECT_EQ(after[QStringLiteral("toc")], before[QStringLiteral("toc")]);
    const QJsonArray pages = before[QStringLiteral("pages")].toArray();
    ASSERT_EQ(after[QStringLiteral("pages")].toArray().size(), pages.size());
    for (int i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(after[QStringLiteral("pages")][i][QStringLiteral("bitcount")], pages[i][QStringLiteral("bitcount")]);
        const QString page = QString::number(i + 1);
        if (pages[i][QStringLiteral("kind")] == QStringLiteral("image"))
            EXPECT_EQ(Render(second, page, scratch), Render(first, page, scratch)) << i;
        else
            EXPECT_EQ(RunWolftool({QStringLiteral("text"), second, page}).Out,
                      RunWolftool({QStringLiteral("text"), first, page}).Out);
    }
    EXPECT_EQ(Render(second, QStringLiteral("cover"), scratch), Render(first, QStringLiteral("cover"), scratch));
}

// A Chinese novel as readers have it: GB18030 without a mark, headings on lines of their own,
// paragraphs without spaces. Each chapter begins the page its entry names.
TEST(WolftoolMake, TextInItsOwnEncodingGetsItsChapters)
{
    TScratch scratch;
    QString novel = QStringLiteral("第一卷 风云\n第一章 风起\n");
    for (int i = 0; i < 40; ++i)
        novel += QStringLiteral("天色已晚，他走进了那座古老的城。夜里风很大，窗外的树叶哗哗作响。");
    novel += QStringLiteral("\n第二章 雨落\n雨下了一整夜。\n");
    const QByteArray bytes = testbooks::EncodedIn(testbooks::ChineseEncoding(), novel);
    ASSERT_FALSE(bytes.isEmpty());
    const QString source = scratch.Write(QStringLiteral("novel.txt"), bytes.toStdString());
    const QString book = scratch.Path(QStringLiteral("novel.wol"));
    const TToolResult made = RunWolftool({QStringLiteral("make"), book, source});
    ASSERT_EQ(made.ExitCode, 0) << made.Err.toStdString();

    const QJsonObject info = Info(book);
    const std::vector<std::pair<QString, int>> expected{
        {"第一卷 风云", 0}, {"第一章 风起", 0}, {"第二章 雨落", 2}};  // the first chapter fills two pages
    EXPECT_EQ(Contents(info), expected);
    EXPECT_EQ(info[QStringLiteral("toc")][1][QStringLiteral("level")].toInt(), 2);
    ASSERT_EQ(info[QStringLiteral("pages")].toArray().size(), 3);
    EXPECT_TRUE(RunWolftool({QStringLiteral("text"), book, QStringLiteral("1")})
                    .Out.startsWith("第一卷 风云\n第一章 风起\n天色已晚"));
    EXPECT_EQ(RunWolftool({QStringLiteral("text"), book, QStringLiteral("3")}).Out, "第二章 雨落\n雨下了一整夜。\n");
}

// The archive kinds that need libraries of their own (LZMA for 7z, bzip2), each read in order.
TEST(WolftoolMake, SevenZipAndBzip2ArchivesReadAsZipDoes)
{
    TScratch scratch;
    const std::vector<TZipEntry> pages{{"02.png", PictureBytes(DrawPage(300, 400, 40))},
                                       {"01.png", PictureBytes(DrawPage(300, 400, 20))}};
    WriteArchive(scratch.Path(QStringLiteral("comic.cb7")), pages, "7zip");
    WriteArchive(scratch.Path(QStringLiteral("comic.cbt.bz2")), pages, "ustar", "bzip2");
    for (const QString& archive : {QStringLiteral("comic.cb7"), QStringLiteral("comic.cbt.bz2")}) {
        const QString book = scratch.Path(archive + QStringLiteral(".wol"));
        const TToolResult made = RunWolftool({QStringLiteral("make"), book, scratch.Path(archive)});
        ASSERT_EQ(made.ExitCode, 0) << archive.toStdString() << ": " << made.Err.toStdString();
        EXPECT_EQ(Info(book)[QStringLiteral("pages")].toArray().size(), 2);
        EXPECT_LT(DarkRows(Render(book, QStringLiteral("1"), scratch)),
                  DarkRows(Render(book, QStringLiteral("2"), scratch)));
    }
}

// Each failure names its cause on the last line and leaves the folder as it was.
TEST(WolftoolMake, BadInputLeavesNoBookBehind)
{
    TScratch scratch;
    const QString good = scratch.Path(QStringLiteral("good.png"));
    SavePage(good, 100);
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray goodBytes = goodFile.readAll();
    scratch.Write(QStringLiteral("truncated.png"), goodBytes.left(goodBytes.size() / 2).toStdString());
    scratch.Write(QStringLiteral("notes.png"), "these are not pixels");
    scratch.Write(QStringLiteral("bomb.pgm"), "P5\n30000 30000\n255\n");  // claims 900 megapixels
    WriteZip(scratch.Path(QStringLiteral("empty.cbz")), {{"readme.txt", "no pictures here"}});
    WriteZip(scratch.Path(QStringLiteral("escape.cbz")), {{"../../evil.png", goodBytes}});
    WriteZip(scratch.Path(QStringLiteral("zipbomb.cbz")), {{"big.png", QByteArray(1024 * 1024, '\0'), 257}});
    std::string garbled;
    for (int i = 0; i < 300; ++i) garbled += {char(1 + i % 7), '\0', char(0x80 + i % 90), '\1'};
    scratch.Write(QStringLiteral("garbled.txt"), garbled);
    const QByteArray third = ZipBytes(scratch, {{"4.zip", ZipBytes(scratch, {{"page.png", goodBytes}})}});
    WriteZip(scratch.Path(QStringLiteral("deep.cbz")), {{"2.zip", ZipBytes(scratch, {{"3.zip", third}})}});
    const QStringList before = QDir(scratch.Path(QString())).entryList(QDir::Files);

    const QString book = scratch.Path(QStringLiteral("book.wol"));
    struct TCase {
        QString Source;
        QStringList Options;
        QString Message;
    };
    const std::vector<TCase> cases{
        {QStringLiteral("truncated.png"), {}, QStringLiteral("Cannot read the picture")},
        {QStringLiteral("notes.png"), {}, QStringLiteral("is not a picture")},
        {QStringLiteral("bomb.pgm"), {}, QStringLiteral("is too large (30000 x 30000 pixels")},
        {QStringLiteral("empty.cbz"), {}, QStringLiteral("holds no pictures")},
        {QStringLiteral("escape.cbz"), {}, QStringLiteral("a path outside the archive")},
        {QStringLiteral("zipbomb.cbz"), {}, QStringLiteral("expands beyond 256 MB")},
        {QStringLiteral("deep.cbz"), {}, QStringLiteral("deep.cbz: 2.zip: 3.zip\" holds \"4.zip\", an archive nested")},
        {QStringLiteral("missing"), {}, QStringLiteral("No such file or folder")},
        {QStringLiteral("garbled.txt"), {}, QStringLiteral("(tried UTF-8, UTF-16LE); name it with --input-encoding")},
        {QStringLiteral("garbled.txt"),
         {QStringLiteral("--input-encoding"), QStringLiteral("no-such-code")},
         QStringLiteral("Bad --input-encoding \"no-such-code\"")},
        {QStringLiteral("garbled.txt"),
         {QStringLiteral("--chapters"), QStringLiteral("(")},
         QStringLiteral("Bad --chapters")},
        {QStringLiteral("good.png"),
         {QStringLiteral("--encoding"), QStringLiteral("latin1"), QStringLiteral("--title"), QStringLiteral("日本")},
         QStringLiteral("cannot hold the character \"日\" (U+65E5) in the title")},
        {QStringLiteral("good.png"), {QStringLiteral("--size"), QStringLiteral("9x9")}, QStringLiteral("Bad --size")},
    };
    for (const TCase& bad : cases) {
        const TToolResult result =
            RunWolftool(QStringList{QStringLiteral("make"), book, scratch.Path(bad.Source)} + bad.Options);
        EXPECT_EQ(result.ExitCode, 1) << bad.Source.toStdString();
        EXPECT_TRUE(result.LastErrorLine().contains(bad.Message)) << result.LastErrorLine().toStdString();
        EXPECT_EQ(QDir(scratch.Path(QString())).entryList(QDir::Files), before) << bad.Source.toStdString();
    }

    // An existing book is replaced only when asked to.
    scratch.Write(QStringLiteral("book.wol"), "precious");
    const TToolResult refused = RunWolftool({QStringLiteral("make"), book, good});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_TRUE(refused.LastErrorLine().contains(QLatin1String("--force"))) << refused.LastErrorLine().toStdString();
    EXPECT_EQ(QFile(book).size(), 8);
    EXPECT_EQ(RunWolftool({QStringLiteral("make"), book, good, QStringLiteral("--force")}).ExitCode, 0);
    EXPECT_EQ(Info(book)[QStringLiteral("pages")].toArray().size(), 1);
}

#ifndef Q_OS_WIN
// Windows has no signal one program sends another; a console's Ctrl+C reaches every program of it.
TEST(WolftoolMake, InterruptStopsCleanly)
{
    TScratch scratch;
    const QString scan = scratch.Path(QStringLiteral("scan.png"));
    SavePage(scan, 900, 1600, 2400);
    QStringList arguments{QStringLiteral("make"), scratch.Path(QStringLiteral("long.wol"))};
    for (int i = 0; i < 400; ++i) arguments << scan;
    QProcess process;
    process.start(QStringLiteral(WOLFTOOL_PATH), arguments);
    ASSERT_TRUE(process.waitForStarted());
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().trimmed().endsWith("Stopped; no book was written"));
    EXPECT_EQ(QDir(scratch.Path(QString())).entryList(QDir::Files), QStringList{QStringLiteral("scan.png")});
}
#endif

TEST(WolftoolMake, DamagedPicturesStopTheBookOrAreLeftOutAndNamed)
{
    TScratch scratch;
    const QString comic = scratch.Path(QStringLiteral("comic.cbz"));
    const auto jpeg = [](int blockHeight) { return PictureBytes(DrawPage(300, 400, blockHeight), "JPEG"); };
    const QByteArray good = jpeg(100), cutOff = jpeg(200).left(jpeg(200).size() * 6 / 10);
    // Stray bytes before the scan's marker: the decoder warns, the picture shows well.
    QByteArray stray = jpeg(150);
    stray.insert(stray.indexOf("\xFF\xDA"), "xy");
    WriteZip(comic, {{"a/01.jpg", good},
                     {"a/02.jpg", cutOff},
                     {"b/03.jpg", "no picture at all"},
                     {"b/04.jpg", stray},
                     {"c/05.jpg", cutOff}});
    const QString book = scratch.Path(QStringLiteral("out.wol"));

    const TToolResult stopped = RunWolftool({QStringLiteral("make"), book, comic, QStringLiteral("--quiet")});
    EXPECT_EQ(stopped.ExitCode, 1);
    EXPECT_TRUE(
        stopped.LastErrorLine().startsWith(QStringLiteral("Cannot read the picture \"%1: a/02.jpg\": ").arg(comic)))
        << stopped.Err.toStdString();
    EXPECT_TRUE(stopped.LastErrorLine().contains(QStringLiteral("premature end"), Qt::CaseInsensitive));
    EXPECT_TRUE(
        stopped.LastErrorLine().endsWith(QStringLiteral("--skip-bad to leave out the pictures that cannot be read")));
    EXPECT_FALSE(QFile::exists(book));

    const TToolResult made =
        RunWolftool({QStringLiteral("make"), book, comic, QStringLiteral("--quiet"), QStringLiteral("--skip-bad")});
    ASSERT_EQ(made.ExitCode, 0) << made.Err.toStdString();
    const QString err = QString::fromUtf8(made.Err);
    EXPECT_TRUE(err.contains(QStringLiteral("3 pictures that cannot be read were left out:\n")));
    EXPECT_EQ(err.count(QStringLiteral("\n  ")), 3);
    for (const char* name : {"a/02.jpg", "b/03.jpg", "c/05.jpg"})
        EXPECT_TRUE(err.contains(QStringLiteral("%1: %2\"").arg(comic, QLatin1String(name)))) << name;
    EXPECT_TRUE(err.contains(QStringLiteral("%1: b/04.jpg: Corrupt JPEG data: 2 extraneous bytes").arg(comic)));
    EXPECT_FALSE(err.contains(QStringLiteral("\nCorrupt JPEG"))) << err.toStdString();

    const TToolResult info = RunWolftool({QStringLiteral("info"), book});
    EXPECT_EQ(info.Json()[QStringLiteral("pages")].toArray().size(), 2);
    // Chapters whose pages went lead to the page after them, or the last.
    const std::vector<std::pair<QString, int>> expected{{"a", 0}, {"b", 1}, {"c", 1}};
    EXPECT_EQ(Contents(info.Json()), expected);
}

}  // namespace
