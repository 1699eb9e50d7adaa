// wolftool make past damaged pictures, and what decoders say named after their pictures.
#include "ToolRunner.h"
#include "ZipWriter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QByteArray Jpeg(int blockHeight)
{
    QImage picture(300, 400, QImage::Format_RGB32);
    picture.fill(QColor(240, 240, 240));
    QPainter(&picture).fillRect(30, 40, 240, blockHeight, QColor(20, 20, 20));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", 90);
    return bytes;
}

TEST(WolftoolMakeScans, DamagedPicturesStopTheBookOrAreLeftOutAndNamed)
{
    TScratch scratch;
    const QString comic = scratch.Path(QStringLiteral("comic.cbz"));
    const QByteArray good = Jpeg(100), cutOff = Jpeg(200).left(Jpeg(200).size() * 6 / 10);
    // Stray bytes before the scan's marker: the decoder warns, the picture shows well.
    QByteArray stray = Jpeg(150);
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
