// wolftool make from a small EPUB made here: its text, picture, contents, description and cover
// all reach the book.
#include "ToolRunner.h"
#include "ZipWriter.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

QByteArray Png(QSize size)
{
    QImage picture(size, QImage::Format_Grayscale8);
    picture.fill(60);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

TEST(WolftoolMakeEbook, EpubTextPictureContentsAndCoverReachTheBook)
{
    TScratch scratch;
    const QString epub = scratch.Path(QStringLiteral("tale.epub"));
    WriteZip(epub,
             {{"META-INF/container.xml",
               R"(<container><rootfiles><rootfile full-path="tale.opf" media-type="application/oebps-package+xml"/>)"
               R"(</rootfiles></container>)"},
              {"tale.opf",
               R"(<package><metadata><dc:title xmlns:dc="http://purl.org/dc/elements/1.1/">A Tale</dc:title>)"
               R"(<meta name="cover" content="cover"/></metadata><manifest>)"
               R"(<item id="t" href="tale.xhtml" media-type="application/xhtml+xml"/><item id="n" href="toc.ncx"/>)"
               R"(<item id="cover" href="cover.png" media-type="image/png"/></manifest>)"
               R"(<spine toc="n"><itemref idref="t"/></spine></package>)"},
              {"toc.ncx",
               R"(<ncx><navMap><navPoint><navLabel><text>The End</text></navLabel><content src="tale.xhtml#end"/>)"
               R"(</navPoint></navMap></ncx>)"},
              {"tale.xhtml",
               R"(<html><body><p>Once upon a time.</p><img src="pic.png"/><p id="end">The end.</p></body></html>)"},
              {"pic.png", Png({300, 400})},
              {"cover.png", Png({30, 40})}});

    const QString book = scratch.Path(QStringLiteral("tale.wol"));
    const TToolResult made = RunWolftool({QStringLiteral("make"), book, epub, QStringLiteral("--quiet")});
    ASSERT_EQ(made.ExitCode, 0) << made.Err.toStdString();
    const QJsonObject info = RunWolftool({QStringLiteral("info"), book}).Json();
    EXPECT_EQ(info[QStringLiteral("description")][QStringLiteral("title")].toString(), QStringLiteral("A Tale"));
    EXPECT_FALSE(info[QStringLiteral("cover")].isNull());
    const QJsonArray pages = info[QStringLiteral("pages")].toArray();
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[1][QStringLiteral("kind")].toString(), QStringLiteral("image"));
    EXPECT_EQ(RunWolftool({QStringLiteral("text"), book, QStringLiteral("3")}).Out, "The end.\n");
    EXPECT_EQ(Contents(info), (std::vector<std::pair<QString, int>>{{"The End", 2}}));
}

}  // namespace
