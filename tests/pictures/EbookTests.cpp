// EPUB and FB2 books made here, small, with what real ones hold: HTML entities, scripts and
// styles, pictures in the text, their own contents and metadata; and broken or locked ones.
#include "BookPlan.h"
#include "MakeFailure.h"
#include "PictureDecoding.h"
#include "TextEncodings.h"
#include "ZipWriter.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

// Failures show the texts, not their code units.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

using namespace making;
using wolf::TWolfDescription;
using TEntries = std::vector<std::tuple<int, QString, int>>;  // level, title, source page

QByteArray Png(int width, int height)
{
    QImage picture(width, height, QImage::Format_Grayscale8);
    picture.fill(90);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

const QByteArray Container =
    R"(<?xml version="1.0"?><container version="1.0" xmlns="urn:oasis:names:tc:opendocument:xmlns:container">)"
    R"(<rootfiles><rootfile full-path="OEBPS/content.opf" media-type="application/oebps-package+xml"/>)"
    R"(</rootfiles></container>)";

QByteArray Package(const QByteArray& metadata, const QByteArray& manifest, const QByteArray& spine)
{
    return R"(<?xml version="1.0" encoding="UTF-8"?><package xmlns="http://www.idpf.org/2007/opf" version="3.0">)"
           R"(<metadata xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:opf="http://www.idpf.org/2007/opf">)" +
           metadata + "</metadata><manifest>" + manifest + "</manifest>" + spine + "</package>";
}

QByteArray Chapter(const QByteArray& body)
{
    return R"(<?xml version="1.0" encoding="utf-8"?><!DOCTYPE html><html xmlns="http://www.w3.org/1999/xhtml">)"
           "<head><title>Not text</title><style>p { color: red }</style><script>var hidden;</script></head><body>" +
           body + "</body></html>";
}

// About 200 characters a page.
constexpr QSize SmallScreen(120, 480);

class EbookTest : public ::testing::Test {
protected:
    QString Write(const char* name, const std::vector<TZipEntry>& entries)
    {
        const QString path = Dir.filePath(QLatin1String(name));
        WriteZip(path, entries);
        return path;
    }

    TBookPlan Plan(const QString& source)
    {
        TPlanRequest request;
        request.Sources = {source};
        request.Options.Pictures.Screen = SmallScreen;
        request.OutputPath = Dir.filePath(QStringLiteral("out.wol"));
        return MakePlan(request);
    }

    static TEntries Contents(const TBookPlan& plan)
    {
        TEntries entries;
        for (int i = 0; i < plan.Contents.Entries.Count(); ++i) {
            const wolf::TWolfTOCItem& item = plan.Contents.Entries[i];
            entries.emplace_back(item.Level(), QString::fromStdString(item.Title()), item.PageIndex);
        }
        return entries;
    }

    void ExpectRefused(const QString& path, const QString& reason)
    {
        try {
            Plan(path);
            ADD_FAILURE() << path.toStdString() << " was taken";
        } catch (const EMakeFailure& failure) {
            const QString message = QString::fromUtf8(failure.what());
            EXPECT_TRUE(message.contains(reason) && message.contains(path)) << failure.what();
        }
    }

    static int PageHolding(const TBookPlan& plan, const QString& text)
    {
        for (size_t i = 0; i < plan.Pages.size(); ++i)
            if (plan.Pages[i].Kind == TPageKind::Text && plan.Pages[i].Text.contains(text)) return static_cast<int>(i);
        return -1;
    }

    QTemporaryDir Dir;
};

TEST_F(EbookTest, Epub3TextPicturesNavContentsAndMetadata)
{
    const QByteArray metadata =
        R"(<dc:identifier id="uid">urn:isbn:9780306406157</dc:identifier><dc:title>Der Zauberberg</dc:title>)"
        R"(<dc:creator id="a1">Thomas Mann</dc:creator><dc:creator id="a2">Erika Mann</dc:creator>)"
        R"(<dc:creator id="t1">H. T. Lowe-Porter</dc:creator><meta refines="#t1" property="role">trl</meta>)"
        R"(<dc:publisher>Fischer</dc:publisher><dc:date>1924-11-20T08:00:00Z</dc:date>)"
        R"(<dc:subject>Fiction</dc:subject><dc:subject>Classics</dc:subject>)"
        R"(<dc:description>&lt;p&gt;A young man&lt;/p&gt;&lt;p&gt;in the mountains.&lt;/p&gt;</dc:description>)";
    const QByteArray manifest =
        R"(<item id="nav" href="nav.xhtml" media-type="application/xhtml+xml" properties="nav"/>)"
        R"(<item id="c1" href="text/ch1.xhtml" media-type="application/xhtml+xml"/>)"
        R"(<item id="c2" href="text/ch%202.xhtml" media-type="application/xhtml+xml"/>)"
        R"(<item id="cv" href="images/cover.png" media-type="image/png" properties="cover-image"/>)";
    const QByteArray nav =
        R"(<html xmlns:epub="http://www.idpf.org/2007/ops"><body><nav epub:type="landmarks"><ol><li>)"
        R"(<a href="text/ch1.xhtml">Landmark</a></li></ol></nav><nav epub:type="toc"><ol>)"
        R"(<li><a href="Text/Ch1.xhtml">Chapter One</a></li><li><span>Part Two</span><ol>)"
        R"(<li><a href="text/ch%202.xhtml#top">Chapter Two</a><ol><li><a href="text/ch%202.xhtml#s2">Section)"
        R"( <b>Two</b></a><ol><li><a href="text/ch%202.xhtml#s2">Too deep</a></li></ol></li></ol></li></ol></li>)"
        R"(</ol></nav></body></html>)";
    const QByteArray long150(150, 'x');
    const QByteArray second = Chapter("<h1 id=\"top\">Chapter Two</h1><p>" + long150 + "</p><p>" + long150 + "</p><p>" +
                                      long150 + "</p><h2 id=\"s2\">Section Two</h2><p>Deep.</p>");
    const QString epub = Write(
        "zauberberg.epub",
        {{"mimetype", "application/epub+zip"},
         {"META-INF/container.xml", Container},
         {"OEBPS/content.opf",
          Package(metadata, manifest, R"(<spine><itemref idref="c1"/><itemref idref="c2"/></spine>)")},
         {"OEBPS/nav.xhtml", nav},
         {"OEBPS/text/ch1.xhtml",
          Chapter(
              "<h1>Chapter One</h1><p>Hans &mdash; an&nbsp;engineer&hellip;<br/>arrives.</p>"
              "<p><img src=\"../images/pic.png\" alt=\"a picture\"/><img src=\"../images/gone.png\" alt=\"[gone]\"/>"
              "</p><p>After   the\npicture.</p><script>document.write('no')</script>")},
         {"OEBPS/text/ch 2.xhtml", second},
         {"OEBPS/images/pic.png", Png(40, 30)},
         {"OEBPS/images/cover.png", Png(30, 40)}});

    const TBookPlan plan = Plan(epub);
    ASSERT_GE(plan.Pages.size(), 5u);
    EXPECT_EQ(plan.Pages[0].Text, QStringLiteral("Chapter One\n\nHans \u2014 an engineer\u2026\narrives."));
    ASSERT_EQ(plan.Pages[1].Kind, TPageKind::Picture);
    EXPECT_EQ(DecodePicture(plan.Pages[1].Load(), plan.Pages[1].Name).size(), QSize(40, 30));
    EXPECT_EQ(plan.Pages[2].Text, QStringLiteral("[gone]\n\nAfter the picture."));
    EXPECT_TRUE(plan.Pages[3].Text.startsWith(QLatin1String("Chapter Two"))) << "each document starts a page";
    for (const TSourcePage& page : plan.Pages)
        for (const char* hidden : {"color", "hidden", "Not text", "document.write"})
            EXPECT_FALSE(page.Text.contains(QLatin1String(hidden))) << page.Text.toStdString();

    const int section = PageHolding(plan, QStringLiteral("Section Two"));
    ASSERT_GT(section, 3);
    EXPECT_EQ(
        Contents(plan),
        (TEntries{{1, "Chapter One", 0}, {1, "Part Two", 3}, {2, "Chapter Two", 3}, {3, "Section Two", section}}));

    const auto field = [&](TWolfDescription::TField f) { return plan.DescriptionTexts[f]; };
    EXPECT_EQ(field(TWolfDescription::Title), QStringLiteral("Der Zauberberg"));
    EXPECT_EQ(field(TWolfDescription::Author), QStringLiteral("Thomas Mann, Erika Mann"));
    EXPECT_EQ(field(TWolfDescription::Translator), QStringLiteral("H. T. Lowe-Porter"));
    EXPECT_EQ(field(TWolfDescription::Publisher), QStringLiteral("Fischer"));
    EXPECT_EQ(field(TWolfDescription::PublishTime), QStringLiteral("1924-11-20"));
    EXPECT_EQ(field(TWolfDescription::ISBN), QStringLiteral("9780306406157"));
    EXPECT_EQ(field(TWolfDescription::Subject), QStringLiteral("Fiction, Classics"));
    EXPECT_EQ(field(TWolfDescription::Introduction), QStringLiteral("A young man\r\nin the mountains."));
    ASSERT_TRUE(plan.Cover);
    EXPECT_EQ(DecodePicture(plan.Cover->Load(), plan.Cover->Name).size(), QSize(30, 40));
}

TEST_F(EbookTest, Epub2NcxContentsRolesAndCoverMeta)
{
    const QByteArray metadata =
        R"(<dc:title>War &amp; Peace</dc:title><dc:creator opf:role="aut">Leo Tolstoy</dc:creator>)"
        R"(<dc:creator opf:role="trl">Louise Maude</dc:creator><dc:identifier>0-306-40615-2</dc:identifier>)"
        R"(<dc:date opf:event="modification">2019</dc:date><dc:date opf:event="publication">May 1869</dc:date>)"
        R"(<meta name="cover" content="cv"/>)";
    const QByteArray manifest = R"(<item id="ncx" href="toc.ncx" media-type="application/x-dtbncx+xml"/>)"
                                R"(<item id="c1" href="book.html" media-type="application/xhtml+xml"/>)"
                                R"(<item id="cv" href="cover.png" media-type="image/png"/>)";
    const QByteArray ncx =
        R"(<?xml version="1.0"?><!DOCTYPE ncx PUBLIC "-//NISO//DTD ncx 2005-1//EN" "http://www.daisy.org/z3986/2005/ncx-2005-1.dtd">)"
        R"(<ncx xmlns="http://www.daisy.org/z3986/2005/ncx/"><navMap>)"
        R"(<navPoint id="a"><navLabel><text>Book&nbsp;One</text></navLabel><content src="book.html"/>)"
        R"(<navPoint id="b"><navLabel><text>Chapter I</text></navLabel><content src="book.html#c2"/>)"
        R"(<navPoint id="c"><navLabel><text>Scene</text></navLabel><content src="book.html#c2"/>)"
        R"(<navPoint id="d"><navLabel><text>Too deep</text></navLabel><content src="book.html#c2"/>)"
        R"(</navPoint></navPoint></navPoint></navPoint></navMap></ncx>)";
    // Tag soup and a named entity an XML reader would refuse.
    const QByteArray html = "<html><body><p>Well, Prince&hellip; <p>" + QByteArray(300, 'y') +
                            "<div><a name=\"c2\"></a></div><p>Chapter I begins</body>";
    const QString epub =
        Write("war.epub",
              {{"META-INF/container.xml", Container},
               {"OEBPS/content.opf", Package(metadata, manifest, R"(<spine toc="ncx"><itemref idref="c1"/></spine>)")},
               {"OEBPS/toc.ncx", ncx},
               {"OEBPS/book.html", html},
               {"OEBPS/cover.png", Png(20, 20)}});

    const TBookPlan plan = Plan(epub);
    EXPECT_EQ(plan.Pages[0].Text, QStringLiteral("Well, Prince\u2026"));
    const int chapter = PageHolding(plan, QStringLiteral("Chapter I begins"));
    ASSERT_GT(chapter, 0);
    EXPECT_EQ(Contents(plan), (TEntries{{1, "Book One", 0}, {2, "Chapter I", chapter}, {3, "Scene", chapter}}));
    EXPECT_EQ(plan.DescriptionTexts[TWolfDescription::Title], QStringLiteral("War & Peace"));
    EXPECT_EQ(plan.DescriptionTexts[TWolfDescription::Author], QStringLiteral("Leo Tolstoy"));
    EXPECT_EQ(plan.DescriptionTexts[TWolfDescription::Translator], QStringLiteral("Louise Maude"));
    EXPECT_EQ(plan.DescriptionTexts[TWolfDescription::ISBN], QStringLiteral("0-306-40615-2"));
    EXPECT_EQ(plan.DescriptionTexts[TWolfDescription::PublishTime], QStringLiteral("1869"));
    EXPECT_TRUE(plan.Cover);
}

TEST_F(EbookTest, LockedAndBrokenEpubsAreRefusedSayingWhy)
{
    const QByteArray manifest = R"(<item id="c1" href="a.xhtml" media-type="application/xhtml+xml"/>)"
                                R"(<item id="f" href="font.otf" media-type="font/otf"/>)";
    const QByteArray opf = Package("<dc:title>T</dc:title>", manifest, R"(<spine><itemref idref="c1"/></spine>)");
    const auto encryption = [](const char* algorithm, const char* uri) {
        return QByteArray(R"(<encryption xmlns="urn:oasis:names:tc:opendocument:xmlns:container" )"
                          R"(xmlns:enc="http://www.w3.org/2001/04/xmlenc#"><enc:EncryptedData>)"
                          R"(<enc:EncryptionMethod Algorithm=")") +
               algorithm + R"("/><enc:CipherData><enc:CipherReference URI=")" + uri +
               R"("/></enc:CipherData></enc:EncryptedData></encryption>)";
    };
    const std::vector<TZipEntry> good{
        {"META-INF/container.xml", Container}, {"OEBPS/content.opf", opf}, {"OEBPS/a.xhtml", Chapter("<p>Text</p>")}};
    const auto with = [&](std::vector<TZipEntry> entries, TZipEntry extra) {
        entries.push_back(std::move(extra));
        return entries;
    };

    EXPECT_EQ(
        Plan(Write("fonts.epub", with(good, {"META-INF/encryption.xml",
                                             encryption("http://www.idpf.org/2008/embedding", "OEBPS/font.otf")})))
            .Pages[0]
            .Text,
        QStringLiteral("Text"))
        << "obfuscated fonts alone are no DRM";

    const std::vector<std::pair<QString, QString>> cases{
        {Write("adept.epub", with(good, {"META-INF/rights.xml", "<rights/>"})), "is protected by DRM"},
        {Write("aes.epub", with(good, {"META-INF/encryption.xml",
                                       encryption("http://www.w3.org/2001/04/xmlenc#aes128-cbc", "OEBPS/a.xhtml")})),
         "is protected by DRM"},
        {Write("nocontainer.epub", {good[1], good[2]}), "has no META-INF/container.xml"},
        {Write("noopf.epub", {good[0], good[2]}), "lacks its package file \"OEBPS/content.opf\""},
        {Write("badopf.epub", {good[0], {"OEBPS/content.opf", "<package><metadata></package>"}, good[2]}),
         "has a damaged package file \"OEBPS/content.opf\""},
        {Write("nospineitem.epub", {good[0], good[1]}), "lacks \"OEBPS/a.xhtml\", a part of its reading order"},
        {Write("badidref.epub", {good[0],
                                 {"OEBPS/content.opf", Package("", manifest, R"(<spine><itemref idref="x"/></spine>)")},
                                 good[2]}),
         "names \"x\" in its reading order, but its manifest has no such item"},
        {Write("deep.epub", with({good[0], good[1]}, {"OEBPS/a.xhtml", QByteArray("<div>").repeated(2000)})),
         "nests its elements deeper than 1024"},
    };
    for (const auto& [path, reason] : cases) ExpectRefused(path, reason);
    QFile notZip(Dir.filePath(QStringLiteral("text.epub")));
    ASSERT_TRUE(notZip.open(QIODevice::WriteOnly));
    notZip.write("just some text, not a zip");
    notZip.close();
    EXPECT_THROW(Plan(notZip.fileName()), EMakeFailure);
}

QByteArray Fb2(const QByteArray& encoding, const QString& text)
{
    return testbooks::EncodedIn(
        encoding.constData(),
        QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>").arg(QLatin1String(encoding)) + text);
}

TEST_F(EbookTest, Fb2InWindows1251WithSectionsPicturesNotesAndDescription)
{
    const QString text =
        QStringLiteral(
            "<FictionBook xmlns=\"http://www.gribuser.ru/xml/fictionbook/2.0\" "
            "xmlns:l=\"http://www.w3.org/1999/xlink\">"
            "<description><title-info><genre>prose_classic</genre><genre>prose_rus_classic</genre>"
            "<author><first-name>Лев</first-name><middle-name>Николаевич</middle-name><last-name>Толстой</last-name></"
            "author>"
            "<book-title>Война и мир</book-title><annotation><p>Роман-эпопея.</p><p>Том первый.</p></annotation>"
            "<date value=\"1869-01-01\">1869</date><coverpage><image l:href=\"#cover.png\"/></coverpage>"
            "<translator><nickname>Переводчик</nickname></translator></title-info>"
            "<publish-info><publisher>Наука</publisher><year>1978</year><isbn>5-02-000000-0</isbn></publish-info>"
            "</description><body><title><p>Лев Толстой</p><p>Война и мир</p></title>"
            "<section><title><p>Том первый</p></title><section><title><p>Часть первая</p></title>"
            "<p>— Eh bien, mon prince.</p><empty-line/><image l:href=\"#pic.png\"/><p>Дальше.</p></section></section>"
            "<section><title><p>Том второй</p></title><p>Текст.</p></section></body>"
            "<body name=\"notes\"><title><p>Примечания</p></title><section id=\"n1\"><title><p>1</p></title>"
            "<p>Ну, князь.</p></section></body>"
            "<binary id=\"pic.png\" content-type=\"image/png\">%1</binary>"
            "<binary id=\"cover.png\" content-type=\"image/png\">%2</binary></FictionBook>")
            .arg(QLatin1String(Png(40, 30).toBase64()), QLatin1String(Png(30, 40).toBase64()));
    const QString path = Dir.filePath(QStringLiteral("voina.fb2"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Fb2("windows-1251", text));
    file.close();

    const TBookPlan plan = Plan(path);
    ASSERT_EQ(plan.Pages.size(), 6u);
    EXPECT_EQ(plan.Pages[0].Text, QStringLiteral("Лев Толстой\n\nВойна и мир"));
    EXPECT_EQ(plan.Pages[1].Text, QStringLiteral("Том первый\n\nЧасть первая\n\n— Eh bien, mon prince."));
    ASSERT_EQ(plan.Pages[2].Kind, TPageKind::Picture);
    EXPECT_EQ(DecodePicture(plan.Pages[2].Load(), plan.Pages[2].Name).size(), QSize(40, 30));
    EXPECT_EQ(plan.Pages[3].Text, QStringLiteral("Дальше."));
    EXPECT_EQ(plan.Pages[4].Text, QStringLiteral("Том второй\n\nТекст."));
    EXPECT_EQ(Contents(plan),
              (TEntries{{1, "Том первый", 1}, {2, "Часть первая", 1}, {1, "Том второй", 4}, {1, "Примечания", 5}}));

    const auto field = [&](TWolfDescription::TField f) { return plan.DescriptionTexts[f]; };
    EXPECT_EQ(field(TWolfDescription::Title), QStringLiteral("Война и мир"));
    EXPECT_EQ(field(TWolfDescription::Author), QStringLiteral("Лев Николаевич Толстой"));
    EXPECT_EQ(field(TWolfDescription::Translator), QStringLiteral("Переводчик"));
    EXPECT_EQ(field(TWolfDescription::Publisher), QStringLiteral("Наука"));
    EXPECT_EQ(field(TWolfDescription::PublishTime), QStringLiteral("1978"));
    EXPECT_EQ(field(TWolfDescription::ISBN), QStringLiteral("5-02-000000-0"));
    EXPECT_EQ(field(TWolfDescription::Introduction), QStringLiteral("Роман-эпопея.\r\nТом первый."));
    EXPECT_EQ(field(TWolfDescription::Subject), QStringLiteral("prose_classic, prose_rus_classic"));
    ASSERT_TRUE(plan.Cover);
    EXPECT_EQ(DecodePicture(plan.Cover->Load(), plan.Cover->Name).size(), QSize(30, 40));
}

TEST_F(EbookTest, ZippedFb2IsAnEbookAndDamagedOnesAreRefused)
{
    const QString body = QStringLiteral(
        "<FictionBook><body><section><title><p>Один</p></title><p>Текст&nbsp;книги"
        "</p></section></body></FictionBook>");
    const TBookPlan plan =
        Plan(Write("kniga.fb2.zip", {{"__MACOSX/._kniga.fb2", "junk"}, {"kniga.fb2", Fb2("UTF-8", body)}}));
    ASSERT_EQ(plan.Pages.size(), 1u);
    EXPECT_EQ(plan.Pages[0].Text, QStringLiteral("Один\n\nТекст книги"));
    EXPECT_EQ(plan.DescriptionTexts[TWolfDescription::Title], QStringLiteral("kniga")) << "the name without .fb2.zip";

    const std::vector<std::pair<QString, QString>> cases{
        {Write("empty.fb2.zip", {{"readme.txt", "no book"}}), "holds no FB2 book"},
        {Write("broken.fb2.zip", {{"a.fb2", "<FictionBook><body><p>cut off"}}), "is damaged"},
        {Write("deep.fb2.zip", {{"a.fb2", "<FictionBook>" + QByteArray("<section>").repeated(2000)}}),
         "elements nest deeper than 1024"},
    };
    for (const auto& [path, reason] : cases) ExpectRefused(path, reason);
}

}  // namespace
