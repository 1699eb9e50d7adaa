#include "Screen.h"
#include "VersionInfo.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using platform::FormatVersionTexts;
using platform::PrereleaseFlag;

TEST(VersionInfo, ReleaseHasAtLeastTwoDigits)
{
    EXPECT_EQ(FormatVersionTexts(1, 2, 0, 0, PrereleaseFlag).LongText, QStringLiteral("1.2.00"));
    EXPECT_EQ(FormatVersionTexts(1, 2, 7, 0, PrereleaseFlag).LongText, QStringLiteral("1.2.07"));
    EXPECT_EQ(FormatVersionTexts(1, 2, 123, 0, PrereleaseFlag).LongText, QStringLiteral("1.2.123"));
    EXPECT_EQ(FormatVersionTexts(65535, 0, 65535, 0, 0).LongText, QStringLiteral("65535.0.65535"));
}

TEST(VersionInfo, BetaMarksOnlyTheShortTextAndFollowsTheMask)
{
    const auto beta = FormatVersionTexts(2, 0, 15, PrereleaseFlag | 1, PrereleaseFlag);
    EXPECT_TRUE(beta.Ok);
    EXPECT_EQ(beta.ShortText, QStringLiteral("2.0 (beta)"));
    EXPECT_EQ(beta.LongText, QStringLiteral("2.0.15"));
    EXPECT_EQ(FormatVersionTexts(2, 0, 15, 1, PrereleaseFlag).ShortText, QStringLiteral("2.0"));
    EXPECT_EQ(FormatVersionTexts(2, 0, 15, PrereleaseFlag, 0).ShortText, QStringLiteral("2.0"));
}

TEST(VersionInfo, RunningProgramReportsTheBuildVersion)
{
    const auto texts = platform::GetVersionTexts(QCoreApplication::applicationFilePath(), PrereleaseFlag);
    EXPECT_TRUE(texts.Ok);
    EXPECT_EQ(texts.ShortText, QStringLiteral("1.2"));
    EXPECT_EQ(texts.LongText, QStringLiteral("1.2.07"));
}

TEST(Screen, PrimaryScreenHasASize)
{
    const QSize size = platform::PrimaryScreenSize();
    EXPECT_GT(size.width(), 0);
    EXPECT_GT(size.height(), 0);
}

#ifdef Q_OS_WIN
// The offscreen platform's own screen (800 by 600) is not the screen the system reports.
TEST(Screen, IsTheSizeTheSystemReportsInTheWindowsPixels)
{
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    const QSize system(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(platform::PrimaryScreenSize(), (QSizeF(system) / ratio).toSize());
}
#endif
