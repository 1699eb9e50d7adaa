#include "PagePicture.h"

#include <gtest/gtest.h>

namespace {

// A 5 by 3 page (rows not a multiple of 4 bytes) with a distinct value in every pixel.
wolf::TGreyImage NumberedPage()
{
    wolf::TGreyImage page;
    page.Width = 5;
    page.Height = 3;
    for (int i = 0; i < page.Width * page.Height; ++i) page.Pixels.push_back(static_cast<uint8_t>(10 + i));
    return page;
}

TEST(PagePicture, KeepsEveryGreyValueInPlace)
{
    const wolf::TGreyImage page = NumberedPage();
    const QImage picture = pagepicture::ToQImage(page);
    ASSERT_EQ(picture.format(), QImage::Format_Grayscale8);
    ASSERT_EQ(picture.size(), QSize(5, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(picture.constScanLine(y)[x], page.Pixel(x, y)) << x << "," << y;
}

TEST(PagePicture, EmptyOrShortPagesGiveNoPicture)
{
    EXPECT_TRUE(pagepicture::ToQImage(wolf::TGreyImage{}).isNull());
    wolf::TGreyImage shortPage = NumberedPage();
    shortPage.Pixels.pop_back();
    EXPECT_TRUE(pagepicture::ToQImage(shortPage).isNull());
}

TEST(PagePicture, TurnsMapEveryPixelAsTheDisplayDoes)
{
    const wolf::TGreyImage page = NumberedPage();
    const QImage upright = pagepicture::ToQImage(page);
    const int w = page.Width, h = page.Height;

    const QImage left = pagepicture::TurnForOrientation(upright, pagepicture::TOrientation::LandscapeLeft);
    const QImage right = pagepicture::TurnForOrientation(upright, pagepicture::TOrientation::LandscapeRight);
    ASSERT_EQ(left.size(), QSize(h, w));
    ASSERT_EQ(right.size(), QSize(h, w));
    EXPECT_EQ(left.format(), QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            EXPECT_EQ(left.constScanLine(w - 1 - x)[y], page.Pixel(x, y)) << "left " << x << "," << y;
            EXPECT_EQ(right.constScanLine(x)[h - 1 - y], page.Pixel(x, y)) << "right " << x << "," << y;
        }
    EXPECT_EQ(pagepicture::TurnForOrientation(upright, pagepicture::TOrientation::Portrait), upright);
}

}  // namespace
