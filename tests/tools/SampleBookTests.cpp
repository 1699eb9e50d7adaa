// The sample book that the build makes: what the README shows must be there.
#include "ToolRunner.h"

#include <QImage>
#include <QJsonArray>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString SampleBook = QStringLiteral(SAMPLE_BOOK_PATH);

TEST(SampleBook, HoldsCoverDrawnPagesTextAndThreeLevels)
{
    const TToolResult run = RunWolftool({QStringLiteral("info"), SampleBook});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonObject info = run.Json();
    EXPECT_EQ(info.value(QStringLiteral("description")).toObject().value(QStringLiteral("title")).toString(),
              QStringLiteral("The Voyage of the Karavel"));
    EXPECT_EQ(info.value(QStringLiteral("cover")).toObject().value(QStringLiteral("kind")).toString(),
              QStringLiteral("image"));

    QStringList kinds;
    for (const QJsonValue page : info.value(QStringLiteral("pages")).toArray()) {
        kinds << page.toObject().value(QStringLiteral("kind")).toString();
        if (kinds.last() == QLatin1String("image")) {
            EXPECT_EQ(page.toObject().value(QStringLiteral("width")).toInt(), 600);
            EXPECT_TRUE(page.toObject().value(QStringLiteral("compact")).toBool());
        }
    }
    EXPECT_EQ(kinds, (QStringList{QStringLiteral("image"), QStringLiteral("image"), QStringLiteral("text"),
                                  QStringLiteral("image")}));

    EXPECT_EQ(info.value(QStringLiteral("toc_source")).toString(), QStringLiteral("subcatalog"));
    QSet<int> levels;
    for (const QJsonValue entry : info.value(QStringLiteral("toc")).toArray()) {
        levels.insert(entry.toObject().value(QStringLiteral("level")).toInt());
        EXPECT_GE(entry.toObject().value(QStringLiteral("page")).toInt(), 0);
    }
    EXPECT_EQ(levels, (QSet<int>{1, 2, 3}));
}

TEST(SampleBook, PagesDecodeToTheFourGreyLevelsAndTheLogReads)
{
    TScratch scratch;
    const QString out = scratch.Path(QStringLiteral("page.pgm"));
    ASSERT_EQ(
        RunWolftool({QStringLiteral("render"), SampleBook, QStringLiteral("1"), QStringLiteral("-o"), out}).ExitCode,
        0);
    const QImage page = QImage(out).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(page.size(), QSize(600, 800));
    QSet<int> greys;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) greys.insert(page.constScanLine(y)[x]);
    EXPECT_EQ(greys, (QSet<int>{0, 128, 192, 255}));

    const TToolResult log = RunWolftool({QStringLiteral("text"), SampleBook, QStringLiteral("3")});
    ASSERT_EQ(log.ExitCode, 0) << log.Err.toStdString();
    EXPECT_TRUE(log.Out.startsWith("From the Captain's Log\n\n")) << log.Out.toStdString();
    EXPECT_TRUE(log.Out.contains("\"no soup in this weather\". Bread & cheese")) << log.Out.toStdString();
}

}  // namespace
