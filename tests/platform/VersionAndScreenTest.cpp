#include "Screen.h"
#include "VersionInfo.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using platform::FormatVersionTexts;
using platform::VS_FF_PRERELEASE;

TEST(VersionInfo, ReleaseHasAtLeastTwoDigits)
{
    EXPECT_EQ(FormatVersionTexts(1, 2, 0, 0, VS_FF_PRERELEASE).LongText, QStringLiteral("1.2.00"));
    EXPECT_EQ(FormatVersionTexts(1, 2, 7, 0, VS_FF_PRERELEASE).LongText, QStringLiteral("1.2.07"));
    EXPECT_EQ(FormatVersionTexts(1, 2, 123, 0, VS_FF_PRERELEASE).LongText, QStringLiteral("1.2.123"));
    EXPECT_EQ(FormatVersionTexts(65535, 0, 65535, 0, 0).LongText, QStringLiteral("65535.0.65535"));
}

TEST(VersionInfo, BetaMarksOnlyTheShortTextAndFollowsTheMask)
{
    const auto beta = FormatVersionTexts(2, 0, 15, VS_FF_PRERELEASE | 1, VS_FF_PRERELEASE);
    EXPECT_TRUE(beta.Ok);
    EXPECT_EQ(beta.ShortText, QStringLiteral("2.0 (beta)"));
    EXPECT_EQ(beta.LongText, QStringLiteral("2.0.15"));
    EXPECT_EQ(FormatVersionTexts(2, 0, 15, 1, VS_FF_PRERELEASE).ShortText, QStringLiteral("2.0"));
    EXPECT_EQ(FormatVersionTexts(2, 0, 15, VS_FF_PRERELEASE, 0).ShortText, QStringLiteral("2.0"));
}

TEST(VersionInfo, RunningProgramReportsTheBuildVersion)
{
    const auto texts = platform::GetVersionTexts(QCoreApplication::applicationFilePath(), VS_FF_PRERELEASE);
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
