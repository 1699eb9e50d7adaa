// wolftool's contract with the tools and people that use it: JSON fields, exit codes,
// the last line on stderr, pictures and text.
#include "ToolRunner.h"
#include "uWolfBuilder.h"
#include "uWolfReader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

const uint8_t GreyLevels[4] = {0, 128, 192, 255};

// 2-bit value of pixel (x, y) in the test picture: no two turns map it onto itself.
int TestValue(int x, int y)
{
    return (x + 3 * y + x * y) % 4;
}

// Raw 2-bit rows of a picture of width by height pixels, filled with TestValue.
std::string TestPicture(int width, int height)
{
    const int rowBytes = (width + 3) / 4;
    std::string data(static_cast<size_t>(rowBytes * height), '\0');
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            data[static_cast<size_t>(y * rowBytes + x / 4)] |= static_cast<char>(TestValue(x, y) << (6 - 2 * (x % 4)));
    return data;
}

std::string Description(const std::string& title)
{
    wolf::TWolfDescription description;
    description.SetField(0, title);
    description.SetField(2, "A. Writer");
    description.SetField(6, "2026");
    return description.ToText();
}

// Pages: 1 image (5 by 3, raw 2-bit), 2 text, 3 invalid (an "image" tag is no image tag).
struct TMixedBook {
    static constexpr int PictureWidth = 5;
    static constexpr int PictureHeight = 3;
    wolf::TWolfBookBuilder Builder;
    int Picture, Text, Invalid;

    TMixedBook()
    {
        Builder.Description = Description("Mixed");
        Builder.SetCover(4, 2, 1, false, std::string("\xF0\x0F", 2));
        Picture = Builder.AddImagePage(PictureWidth, PictureHeight, 2, false, TestPicture(PictureWidth, PictureHeight));
        Text = Builder.AddTextPage("First line &amp;quot;\r\nSecond &lt;line&gt;\r\n");
        Invalid = Builder.AddTaggedPage("image width=1", "xx");
        Builder.Catalog = {{"One", Picture}, {"Two", Text}};
    }
};

QJsonObject Page(const QJsonObject& info, int index)
{
    return info.value(QStringLiteral("pages")).toArray().at(index).toObject();
}

TEST(WolftoolInfo, ReportsDescriptionCoverPagesAndCatalog)
{
    TMixedBook book;
    book.Builder.Magic = "WolfEbook1.11XY";  // all 15 bytes, no zero byte
    TScratch scratch;
    const std::string bytes = book.Builder.Build();
    const TToolResult run = RunWolftool({QStringLiteral("info"), scratch.Write(QStringLiteral("mixed.wol"), bytes)});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonObject info = run.Json();

    EXPECT_EQ(info.value(QStringLiteral("signature")).toString(), QStringLiteral("WolfEbook1.11XY"));
    const QJsonObject description = info.value(QStringLiteral("description")).toObject();
    EXPECT_EQ(description.size(), 9);
    EXPECT_EQ(description.value(QStringLiteral("title")).toString(), QStringLiteral("Mixed"));
    EXPECT_EQ(description.value(QStringLiteral("author")).toString(), QStringLiteral("A. Writer"));
    EXPECT_EQ(description.value(QStringLiteral("publish_time")).toString(), QStringLiteral("2026"));
    EXPECT_EQ(description.value(QStringLiteral("isbn")).toString(), QString());
    EXPECT_EQ(info.value(QStringLiteral("description_size")).toInt(), 107 + 5 + 9 + 4);

    const QJsonObject cover = info.value(QStringLiteral("cover")).toObject();
    EXPECT_EQ(cover.value(QStringLiteral("kind")).toString(), QStringLiteral("image"));
    EXPECT_EQ(cover.value(QStringLiteral("offset")).toInt(), 128 + 125);
    EXPECT_EQ(cover.value(QStringLiteral("data_offset")).toInt(), 128 + 125 + 10);
    EXPECT_EQ(cover.value(QStringLiteral("data_length")).toInt(), 2);
    EXPECT_EQ(cover.value(QStringLiteral("bitcount")).toInt(), 1);
    EXPECT_EQ(cover.value(QStringLiteral("compact")).toBool(), false);

    ASSERT_EQ(info.value(QStringLiteral("pages")).toArray().size(), 3);
    const QJsonObject picture = Page(info, 0);
    EXPECT_EQ(picture.value(QStringLiteral("kind")).toString(), QStringLiteral("image"));
    EXPECT_EQ(picture.value(QStringLiteral("offset")).toInt(), static_cast<int>(book.Builder.PageOffset(book.Picture)));
    EXPECT_EQ(picture.value(QStringLiteral("data_offset")).toInt(), 0);
    EXPECT_EQ(picture.value(QStringLiteral("data_length")).toInt(), 6);
    EXPECT_EQ(picture.value(QStringLiteral("width")).toInt(), 5);
    EXPECT_EQ(picture.value(QStringLiteral("height")).toInt(), 3);
    EXPECT_EQ(picture.value(QStringLiteral("bitcount")).toInt(), 2);

    const QJsonObject text = Page(info, 1);
    const int textOffset = static_cast<int>(book.Builder.PageOffset(book.Text));
    EXPECT_EQ(text.value(QStringLiteral("kind")).toString(), QStringLiteral("text"));
    EXPECT_EQ(text.value(QStringLiteral("data_offset")).toInt(), textOffset);
    EXPECT_EQ(text.value(QStringLiteral("data_length")).toInt(),
              static_cast<int>(book.Builder.PageOffset(book.Invalid)) - textOffset);
    EXPECT_EQ(Page(info, 2).value(QStringLiteral("kind")).toString(), QStringLiteral("invalid"));
    EXPECT_EQ(Page(info, 2).value(QStringLiteral("offset")).toInt(), 0);

    EXPECT_EQ(info.value(QStringLiteral("toc_source")).toString(), QStringLiteral("catalog"));
    const QJsonArray toc = info.value(QStringLiteral("toc")).toArray();
    ASSERT_EQ(toc.size(), 2);
    EXPECT_EQ(toc.at(1).toObject().value(QStringLiteral("key")).toArray(), (QJsonArray{2, 0, 0}));
    EXPECT_EQ(toc.at(1).toObject().value(QStringLiteral("title")).toString(), QStringLiteral("Two"));
    EXPECT_EQ(toc.at(1).toObject().value(QStringLiteral("page")).toInt(), 1);
    EXPECT_EQ(toc.at(1).toObject().value(QStringLiteral("level")).toInt(), 1);
}

TEST(WolftoolInfo, TableOfContentsSources)
{
    TScratch scratch;
    wolf::TWolfBookBuilder single;
    single.AddTextPage("only page");
    single.Catalog = {{"The book's title", 0}};
    const TToolResult catalogOnly =
        RunWolftool({QStringLiteral("info"), scratch.Write(QStringLiteral("single.wol"), single.Build())});
    ASSERT_EQ(catalogOnly.ExitCode, 0) << catalogOnly.Err.toStdString();
    EXPECT_EQ(catalogOnly.Json().value(QStringLiteral("signature")).toString(), QStringLiteral("WolfEbook1.11"));
    EXPECT_EQ(catalogOnly.Json().value(QStringLiteral("toc")).toArray(), QJsonArray());
    EXPECT_EQ(catalogOnly.Json().value(QStringLiteral("toc_source")).toString(), QStringLiteral("catalog"));
    EXPECT_TRUE(catalogOnly.Json().value(QStringLiteral("cover")).isNull());

    wolf::TWolfBookBuilder nested;
    for (const char* text : {"The first page's text.", "The second page's text.", "The third page's text."})
        nested.AddTextPage(text);
    wolf::TWolfTOCList toc;
    toc.AddItem(1, 1, 1, "Deep", 1);
    toc.AddItem(1, 0, 0, "Top", 0);
    toc.AddItem(1, 1, 0, "Middle", 2);
    nested.SetSubcatalog(toc);
    const TToolResult fromSubcatalog =
        RunWolftool({QStringLiteral("info"), scratch.Write(QStringLiteral("nested.wol"), nested.Build())});
    ASSERT_EQ(fromSubcatalog.ExitCode, 0) << fromSubcatalog.Err.toStdString();
    const QJsonObject info = fromSubcatalog.Json();
    EXPECT_EQ(info.value(QStringLiteral("toc_source")).toString(), QStringLiteral("subcatalog"));
    const QJsonArray entries = info.value(QStringLiteral("toc")).toArray();
    ASSERT_EQ(entries.size(), 3);
    const QStringList titles{QStringLiteral("Top"), QStringLiteral("Middle"), QStringLiteral("Deep")};
    const int pages[] = {0, 2, 1};
    for (int i = 0; i < 3; ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        EXPECT_EQ(entry.value(QStringLiteral("title")).toString(), titles.at(i));
        EXPECT_EQ(entry.value(QStringLiteral("level")).toInt(), i + 1);
        EXPECT_EQ(entry.value(QStringLiteral("page")).toInt(), pages[i]);
    }
    EXPECT_EQ(entries.at(2).toObject().value(QStringLiteral("key")).toArray(), (QJsonArray{1, 1, 1}));
}

TEST(WolftoolInfo, Latin1MapsEveryByteToItsCodePoint)
{
    TScratch scratch;
    wolf::TWolfBookBuilder builder;
    builder.Description = Description("Caf\xE9 \xA9 \x80");
    builder.AddTextPage("Na\xEFve\r\n");
    const QString path = scratch.Write(QStringLiteral("latin1.wol"), builder.Build());

    const TToolResult info =
        RunWolftool({QStringLiteral("info"), path, QStringLiteral("--encoding"), QStringLiteral("latin1")});
    ASSERT_EQ(info.ExitCode, 0) << info.Err.toStdString();
    EXPECT_EQ(info.Json().value(QStringLiteral("description")).toObject().value(QStringLiteral("title")).toString(),
              QStringLiteral(u"Caf\u00E9 \u00A9 \u0080"));

    const TToolResult text =
        RunWolftool({QStringLiteral("text"), path, QStringLiteral("1"), QStringLiteral("--encoding=latin1")});
    ASSERT_EQ(text.ExitCode, 0) << text.Err.toStdString();
    EXPECT_EQ(text.Out, QByteArray("Na\xC3\xAFve\n"));

    const TToolResult unknown =
        RunWolftool({QStringLiteral("info"), path, QStringLiteral("--encoding"), QStringLiteral("no-such-set")});
    EXPECT_EQ(unknown.ExitCode, 1);
    EXPECT_EQ(unknown.LastErrorLine(), QStringLiteral("Unknown encoding \"no-such-set\""));
}

TEST(WolftoolErrors, ExitCodesAndLastErrorLine)
{
    TScratch scratch;
    TMixedBook book;
    const std::string good = book.Builder.Build();
    // The page table's tag no longer begins with "pagetable".
    const uint32_t tableSize =
        wolf::GetU32(reinterpret_cast<const uint8_t*>(good.data()) + wolf::header::PageTableSize);
    std::string badTable = good;
    badTable[good.size() - tableSize + 1] = 'X';

    struct TCase {
        const char* Name;
        QString Path;
        int ExitCode;
        QString Message;
    };
    const QString missing = scratch.Path(QStringLiteral("missing.wol"));
    const TCase cases[] = {
        {"not a book", scratch.Write(QStringLiteral("text.wol"), std::string(300, 'a')), 2,
         QStringLiteral("This is not a Wolf file")},
        {"shorter than a header", scratch.Write(QStringLiteral("short.wol"), good.substr(0, 100)), 1,
         QStringLiteral("Stream read error")},
        {"cut in the description", scratch.Write(QStringLiteral("cut.wol"), good.substr(0, 150)), 1,
         QStringLiteral("Stream read error")},
        {"bad page table", scratch.Write(QStringLiteral("table.wol"), badTable), 2,
         QStringLiteral("Bad Wolf page table")},
    };
    for (const TCase& c : cases) {
        for (const QStringList& args : {QStringList{QStringLiteral("info"), c.Path},
                                        QStringList{QStringLiteral("text"), c.Path, QStringLiteral("1")},
                                        QStringList{QStringLiteral("render"), c.Path, QStringLiteral("1"),
                                                    QStringLiteral("-o"), scratch.Path(QStringLiteral("x.png"))}}) {
            const TToolResult run = RunWolftool(args);
            EXPECT_EQ(run.ExitCode, c.ExitCode) << c.Name << ": " << args.first().toStdString();
            EXPECT_EQ(run.LastErrorLine(), c.Message) << c.Name << ": " << args.first().toStdString();
            EXPECT_TRUE(run.Out.isEmpty()) << c.Name;
        }
    }
    const TToolResult noFile = RunWolftool({QStringLiteral("info"), missing});
    EXPECT_EQ(noFile.ExitCode, 1);
    EXPECT_TRUE(noFile.LastErrorLine().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)))
        << noFile.LastErrorLine().toStdString();
    const TToolResult folder = RunWolftool({QStringLiteral("info"), scratch.Path(QString())});
    EXPECT_EQ(folder.ExitCode, 1);
    EXPECT_TRUE(folder.LastErrorLine().endsWith(QStringLiteral("\". Is a directory")))
        << folder.LastErrorLine().toStdString();
    EXPECT_FALSE(QFile::exists(scratch.Path(QStringLiteral("x.png"))));
}

TEST(WolftoolErrors, UsageMistakesExitOne)
{
    TScratch scratch;
    TMixedBook book;
    const QString path = scratch.Write(QStringLiteral("mixed.wol"), book.Builder.Build());
    const QString out = scratch.Path(QStringLiteral("page.png"));
    const QStringList mistakes[] = {
        {QStringLiteral("frobnicate"), path},
        {QStringLiteral("info")},
        {QStringLiteral("info"), path, QStringLiteral("--no-such-option")},
        {QStringLiteral("render"), path, QStringLiteral("4"), QStringLiteral("-o"), out},
        {QStringLiteral("render"), path, QStringLiteral("0"), QStringLiteral("-o"), out},
        {QStringLiteral("render"), path, QStringLiteral("first"), QStringLiteral("-o"), out},
        {QStringLiteral("render"), path, QStringLiteral("1")},
        {QStringLiteral("render"), path, QStringLiteral("1"), QStringLiteral("-o"),
         scratch.Path(QStringLiteral("page.bmp"))},
        {QStringLiteral("render"), path, QStringLiteral("1"), QStringLiteral("-o"), out,
         QStringLiteral("--orientation"), QStringLiteral("3")},
        {QStringLiteral("text"), path, QStringLiteral("1")},
        {QStringLiteral("render"), path, QStringLiteral("1"), QStringLiteral("-o"),
         scratch.Path(QStringLiteral("no/folder.png"))},
    };
    for (const QStringList& args : mistakes) {
        const TToolResult run = RunWolftool(args);
        EXPECT_EQ(run.ExitCode, 1) << args.join(u' ').toStdString();
        EXPECT_FALSE(run.LastErrorLine().isEmpty()) << args.join(u' ').toStdString();
    }
    EXPECT_EQ(
        RunWolftool({QStringLiteral("render"), path, QStringLiteral("4"), QStringLiteral("-o"), out}).LastErrorLine(),
        QStringLiteral("Page 4 does not exist: the book has pages 1 to 3"));
    EXPECT_FALSE(QFile::exists(out));

    for (const QString& command : {QStringLiteral("info"), QStringLiteral("render"), QStringLiteral("text")}) {
        const TToolResult help = RunWolftool({command, QStringLiteral("--help")});
        EXPECT_EQ(help.ExitCode, 0) << command.toStdString();
        EXPECT_TRUE(help.Out.startsWith("Usage: wolftool " + command.toUtf8() + " BOOK")) << help.Out.toStdString();
    }
    const TToolResult overview = RunWolftool({QStringLiteral("--help")});
    EXPECT_EQ(overview.ExitCode, 0);
    EXPECT_TRUE(overview.Out.contains("render")) << overview.Out.toStdString();
    EXPECT_TRUE(overview.Out.contains("--version"));
    const TToolResult version = RunWolftool({QStringLiteral("--version")});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_EQ(version.Out, "wolftool 1.2.07\n");
}

TEST(WolftoolRender, WritesTheTurnedGreyPicture)
{
    TScratch scratch;
    TMixedBook book;
    const QString path = scratch.Write(QStringLiteral("mixed.wol"), book.Builder.Build());
    const int w = TMixedBook::PictureWidth, h = TMixedBook::PictureHeight;

    struct TTurn {
        const char* Orientation;
        const char* File;
        QSize Size;
        QPoint (*Target)(int x, int y, int w, int h);
    };
    const TTurn turns[] = {
        {"0", "upright.pgm", QSize(w, h), [](int x, int y, int, int) { return QPoint(x, y); }},
        {"1", "left.png", QSize(h, w), [](int x, int y, int w, int) { return QPoint(y, w - 1 - x); }},
        {"2", "right.pgm", QSize(h, w), [](int x, int y, int, int h) { return QPoint(h - 1 - y, x); }},
    };
    for (const TTurn& turn : turns) {
        const QString out = scratch.Path(QLatin1String(turn.File));
        const TToolResult run = RunWolftool({QStringLiteral("render"), path, QStringLiteral("1"), QStringLiteral("-o"),
                                             out, QStringLiteral("--orientation"), QLatin1String(turn.Orientation)});
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        EXPECT_TRUE(run.Out.isEmpty() && run.Err.isEmpty());
        const QImage picture(out);
        ASSERT_EQ(picture.size(), turn.Size) << turn.File;
        EXPECT_TRUE(picture.isGrayscale()) << turn.File;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                EXPECT_EQ(qGray(picture.pixel(turn.Target(x, y, w, h))), GreyLevels[TestValue(x, y)])
                    << turn.File << " " << x << "," << y;
    }

    const QString coverOut = scratch.Path(QStringLiteral("cover.pgm"));
    ASSERT_EQ(
        RunWolftool({QStringLiteral("render"), path, QStringLiteral("cover"), QStringLiteral("-o"), coverOut}).ExitCode,
        0);
    const QImage cover(coverOut);
    ASSERT_EQ(cover.size(), QSize(4, 2));
    EXPECT_EQ(qGray(cover.pixel(0, 0)), 0);  // set bits are black
    EXPECT_EQ(qGray(cover.pixel(0, 1)), 255);
}

TEST(WolftoolRender, PagesThatCannotBeShownWriteNothing)
{
    TScratch scratch;
    TMixedBook book;
    book.Builder.AddImagePage(0, 2, 2, false, "ab");                           // no pixels to show
    book.Builder.AddImagePage(600, 800, 2, true, std::string("\xFF\0\0", 3));  // two literal bytes, then the end
    const QString path = scratch.Write(QStringLiteral("mixed.wol"), book.Builder.Build());
    const QString out = scratch.Path(QStringLiteral("page.png"));
    for (const char* page : {"2", "3", "4"}) {
        const TToolResult run =
            RunWolftool({QStringLiteral("render"), path, QLatin1String(page), QStringLiteral("-o"), out});
        EXPECT_EQ(run.ExitCode, 3) << page;
        EXPECT_EQ(run.LastErrorLine(), QStringLiteral("This page is not a valid Wolf page")) << page;
        EXPECT_FALSE(QFile::exists(out)) << page;
    }
    // A packed page whose data ends early is white where the data did not reach.
    ASSERT_EQ(RunWolftool({QStringLiteral("render"), path, QStringLiteral("5"), QStringLiteral("-o"), out}).ExitCode,
              0);
    const QImage shortPage(out);
    EXPECT_EQ(shortPage.size(), QSize(600, 800));
    EXPECT_EQ(qGray(shortPage.pixel(7, 0)), 0);
    EXPECT_EQ(qGray(shortPage.pixel(8, 0)), 255);
    EXPECT_EQ(qGray(shortPage.pixel(599, 799)), 255);

    wolf::TWolfBookBuilder noCover;
    noCover.AddTextPage("text");
    const QString coverOut = scratch.Path(QStringLiteral("cover.png"));
    const TToolResult cover =
        RunWolftool({QStringLiteral("render"), scratch.Write(QStringLiteral("plain.wol"), noCover.Build()),
                     QStringLiteral("cover"), QStringLiteral("-o"), coverOut});
    EXPECT_EQ(cover.ExitCode, 3);
    EXPECT_FALSE(QFile::exists(coverOut));
}

TEST(WolftoolText, PrintsTheLinesWithEntitiesReplacedOnce)
{
    TScratch scratch;
    TMixedBook book;
    const QString path = scratch.Write(QStringLiteral("mixed.wol"), book.Builder.Build());
    const TToolResult run = RunWolftool({QStringLiteral("text"), path, QStringLiteral("2")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QByteArray("First line &quot;\nSecond <line>\n"));

    const TToolResult invalid = RunWolftool({QStringLiteral("text"), path, QStringLiteral("3")});
    EXPECT_EQ(invalid.ExitCode, 3);
    EXPECT_EQ(invalid.LastErrorLine(), QStringLiteral("This page is not a valid Wolf page"));
}

}  // namespace

TEST(WolftoolExtract, WritesEveryPageTheCoverDescriptionAndContentsThenReportsInvalidPages)
{
    TMixedBook book;
    TScratch scratch;
    const QString path = scratch.Write(QStringLiteral("mixed.wol"), book.Builder.Build());
    const QString dir = scratch.Path(QStringLiteral("out/mixed"));
    const TToolResult run = RunWolftool({QStringLiteral("extract"), path, dir});
    EXPECT_EQ(run.ExitCode, 3) << run.Err.toStdString();
    EXPECT_TRUE(run.LastErrorLine().endsWith(QStringLiteral(": page 3"))) << run.LastErrorLine().toStdString();

    const QStringList files = QDir(dir).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, (QStringList{"0001.png", "0002.txt", "0003.invalid", "book.json", "contents.cat", "cover.png"}));
    const QImage picture(dir + QStringLiteral("/0001.png"));
    ASSERT_EQ(picture.format(), QImage::Format_Grayscale8);
    for (int y = 0; y < TMixedBook::PictureHeight; ++y)
        for (int x = 0; x < TMixedBook::PictureWidth; ++x)
            EXPECT_EQ(qGray(picture.pixel(x, y)), GreyLevels[TestValue(x, y)]) << x << "," << y;
    EXPECT_EQ(QImage(dir + QStringLiteral("/cover.png")).size(), QSize(4, 2));
    auto read = [&](const char* name) {
        QFile file(dir + u'/' + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_EQ(read("0002.txt"), QByteArray("First line &quot;\nSecond <line>"));
    EXPECT_EQ(read("contents.cat"), QByteArray("One... ...1\r\nTwo... ...2\r\n"));
    const QJsonObject description = QJsonDocument::fromJson(read("book.json")).object();
    EXPECT_EQ(description.value(QStringLiteral("title")).toString(), QStringLiteral("Mixed"));
    EXPECT_EQ(description.value(QStringLiteral("author")).toString(), QStringLiteral("A. Writer"));

    // A folder that holds files already would mix two books.
    const TToolResult again = RunWolftool({QStringLiteral("extract"), path, dir});
    EXPECT_EQ(again.ExitCode, 1);
    EXPECT_EQ(again.LastErrorLine(), QStringLiteral("The folder \"%1\" is not empty").arg(dir));
}
