// Scans as they come: multi-page TIFFs, long strips, dark scanner borders, pages of mid-grey.
#include "MadePage.h"
#include "MakeFailure.h"
#include "MarginCrop.h"
#include "PageProcessor.h"
#include "PictureDecoding.h"
#include "PictureFrames.h"
#include "Sources.h"
#include "Spreads.h"
#include "Strips.h"
#include "ToneCurve.h"
#include "ZipWriter.h"

#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace making;

QImage Paper(int width, int height, int level = 255)
{
    QImage picture(width, height, QImage::Format_Grayscale8);
    picture.fill(QColor(level, level, level));
    return picture;
}

struct TFrame {
    int Width, Height, Bits;  // 8, or 1 as scanners write black and white
    uchar Byte;               // every byte of its pixels
};

// An uncompressed little-endian TIFF of frames of one level each.
QByteArray Tiff(const std::vector<TFrame>& frames)
{
    QByteArray out("II*\0\x08\0\0\0", 8);
    const auto put = [&out](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    for (size_t f = 0; f < frames.size(); ++f) {
        const auto [width, height, bits, byte] = frames[f];
        const quint32 data = static_cast<quint32>(out.size()) + 2 + 9 * 12 + 4;
        const auto size = static_cast<quint32>((width * bits + 7) / 8 * height);
        put(9, 2);
        const quint32 entries[9][2] = {{256, quint32(width)},
                                       {257, quint32(height)},
                                       {258, quint32(bits)},
                                       {259, 1},  // no compression
                                       {262, 1},  // black is zero
                                       {273, data},
                                       {277, 1},
                                       {278, quint32(height)},
                                       {279, size}};
        for (const auto& [tag, value] : entries) {
            put(tag, 2);
            put(4, 2);  // one LONG
            put(1, 4);
            put(value, 4);
        }
        put(f + 1 < frames.size() ? data + size : 0, 4);
        out.append(static_cast<qsizetype>(size), static_cast<char>(byte));
    }
    return out;
}

int Level(const QImage& grey, int x, int y)
{
    return grey.constScanLine(y)[x];
}

TEST(ScanTest, EveryPageOfAMultiPageTiffInFilesAndArchives)
{
    const QByteArray tiff = Tiff({{20, 30, 8, 10}, {24, 30, 8, 150}, {40, 30, 1, 0}});
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scan.tif"));
    if (QFile file(path); !file.open(QIODevice::WriteOnly) || file.write(tiff) != tiff.size()) FAIL();
    const QString zip = dir.filePath(QStringLiteral("scans.cbz"));
    WriteZip(zip, {{"a.png", Tiff({{8, 8, 8, 255}})}, {"b.tiff", tiff}});

    for (const QString& source : {path, zip}) {
        const std::vector<TSourcePage> pages = CollectSources({source}, {}).Pages;
        const size_t first = pages.size() - 3;
        ASSERT_GE(pages.size(), 3u) << source.toStdString();
        std::vector<int> widths, levels;
        for (size_t i = first; i < pages.size(); ++i) {
            const QImage picture = ToGrey(DecodePicture(pages[i].Load(), pages[i].Name, nullptr, pages[i].Frame));
            widths.push_back(picture.width());
            levels.push_back(Level(picture, picture.width() - 1, 0));
            EXPECT_TRUE(pages[i].Name.endsWith(QStringLiteral(": page %1").arg(i - first + 1)))
                << pages[i].Name.toStdString();
        }
        EXPECT_EQ(widths, (std::vector<int>{20, 24, 40}));
        EXPECT_EQ(levels, (std::vector<int>{10, 150, 0}));
    }
    EXPECT_EQ(CollectSources({zip}, {}).Pages.front().Name, zip + QStringLiteral(": a.png")) << "one frame, one name";

    EXPECT_THROW(FrameCount(Tiff(std::vector<TFrame>(MaxPictureFrames + 1, {1, 1, 1, 0})), QStringLiteral("many.tif")),
                 EMakeFailure);
}

TEST(ScanTest, StripsAreCutAtTheGapsBetweenPanelsElseAtTheScreensHeight)
{
    TProcessOptions options;
    options.Screen = QSize(60, 80);  // a page shows 133 rows of a strip 100 wide
    QImage strip = Paper(100, 410, 250);
    for (const auto& [top, height] : {std::pair{10, 100}, {120, 90}, {220, 120}, {350, 50}})  // panels, gaps of 10
        QPainter(&strip).fillRect(5, top, 90, height, QColor(40, 40, 40));
    ASSERT_TRUE(IsStrip(strip.size(), options));
    using TRows = std::vector<std::pair<int, int>>;
    // Each page ends with a gap; without gaps at the screen's height, a last sliver joining the page before.
    EXPECT_EQ(StripPageRows(strip, options.Screen), (TRows{{0, 120}, {120, 220}, {220, 350}, {350, 410}}));
    QImage gapless = Paper(100, 400, 250);
    QPainter(&gapless).fillRect(40, 0, 20, 400, Qt::black);
    EXPECT_EQ(StripPageRows(gapless, options.Screen), (TRows{{0, 133}, {133, 266}, {266, 400}}));
    EXPECT_EQ(ProcessPicture(strip, options).size(), 4u);
    TProcessOptions fit = options;
    fit.Strips = TStripMode::Fit;
    EXPECT_EQ(ProcessPicture(strip, fit).size(), 1u);
    EXPECT_FALSE(IsStrip(QSize(100, 266), options)) << "twice the screen's height is no strip yet";
    // A strip's pages fill the screen's width: a JPEG twice as wide as that may be decoded at half.
    EXPECT_TRUE(IsLargeEnough(QSize(60, 2000), options));
    EXPECT_FALSE(IsLargeEnough(QSize(59, 2000), options));
    EXPECT_EQ(SpreadBox(QSizeF(100, 1000), options), QSizeF(60, 600)) << "a PDF's strip is drawn at the screen's width";
}

TEST(ScanTest, DarkScannerBordersGoWithTheMarginsInsideThem)
{
    QImage scan = Paper(400, 600, 240);
    QRandomGenerator noise(7);
    for (int y = 0; y < scan.height(); ++y)
        for (int x = 0; x < scan.width(); ++x)
            if (x < 40 || y < 30 || x >= 380 || y >= 570)  // #202020 with noise
                scan.scanLine(y)[x] = static_cast<uchar>(32 + noise.bounded(-28, 28));
    QPainter painter(&scan);
    painter.fillRect(100, 120, 200, 200, QColor(20, 20, 20));
    painter.end();
    const int border = 6;
    EXPECT_EQ(FindContent(scan), QRect(QPoint(100 - border, 120 - border), QPoint(299 + border, 319 + border)));

    QImage black = Paper(400, 600, 0);  // a comic's black page, a white balloon near its top
    QPainter(&black).fillRect(150, 20, 100, 60, Qt::white);
    EXPECT_EQ(FindContent(black), black.rect());
    QImage panel = Paper(400, 600, 240);  // a black panel reaching the edge
    QPainter(&panel).fillRect(0, 0, 400, 150, Qt::black);
    QPainter(&panel).fillRect(50, 200, 100, 100, QColor(30, 30, 30));
    EXPECT_EQ(FindContent(panel).top(), 0);
}

TEST(ScanTest, AutomaticContrastKeepsMidGreyWhereThePageHasBlack)
{
    const auto toned = [](QImage page) {
        AdjustTone(page, true, 1.0);
        return page;
    };
    // Mid-grey over a third of the page, a few black lines: less than 0.5 % black.
    QImage grey = Paper(200, 200, 250);
    QPainter(&grey).fillRect(0, 0, 200, 70, QColor(128, 128, 128));
    QPainter(&grey).fillRect(0, 100, 100, 1, Qt::black);
    EXPECT_GE(Level(toned(grey), 10, 10), 120);
    QImage tone = Paper(200, 200, 250);  // grey alone over most of the page
    QPainter(&tone).fillRect(0, 0, 200, 150, QColor(128, 128, 128));
    EXPECT_GE(Level(toned(tone), 10, 10), 64);
    // Text as scans have it: dark grey ink, or faded ink, becomes black; the paper white.
    for (const int ink : {50, 110}) {
        QImage scan = Paper(200, 200, 225);
        QPainter(&scan).fillRect(20, 20, 160, 20, QColor(ink, ink, ink));
        const QImage stretched = toned(scan);
        EXPECT_EQ(Level(stretched, 30, 30), 0) << ink;
        EXPECT_EQ(Level(stretched, 5, 5), 255) << ink;
    }
}

}  // namespace
