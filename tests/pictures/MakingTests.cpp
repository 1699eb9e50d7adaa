// The steps that turn scans and comics into pages, on small made-up pictures.
#include "GreyLevels.h"
#include "GreyReduction.h"
#include "GreyShrinking.h"
#include "Luminance.h"
#include "MarginCrop.h"
#include "NaturalOrder.h"
#include "PageProcessor.h"
#include "PictureDecoding.h"
#include "Spreads.h"
#include "TextSource.h"

#include <QBuffer>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

using namespace making;

QImage Paper(int width, int height, int level = 255)
{
    QImage picture(width, height, QImage::Format_Grayscale8);
    picture.fill(QColor(level, level, level));
    return picture;
}

double Mean(const QImage& grey)
{
    double sum = 0;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) sum += grey.constScanLine(y)[x];
    return sum / (grey.width() * grey.height());
}

TEST(MarginCrop, FindsTheTextBlockPastSpecksAndAPageNumber)
{
    QImage scan = Paper(400, 600, 235);  // greyish paper, as scanners see it
    QPainter painter(&scan);
    painter.fillRect(60, 90, 280, 400, QColor(30, 30, 30));
    painter.fillRect(190, 560, 20, 12, Qt::black);  // the page number, well below the text
    painter.end();
    for (const QPoint speck : {QPoint(5, 5), QPoint(390, 300), QPoint(20, 590)}) scan.setPixel(speck, 0);

    const QRect content = FindContent(scan);
    const int border = 6;  // 1 % of the longer side
    EXPECT_EQ(content, QRect(QPoint(60 - border, 90 - border), QPoint(339 + border, 489 + border)));
    EXPECT_EQ(FindContent(Paper(300, 200)), QRect(0, 0, 300, 200)) << "a blank page keeps its size";
}

TEST(Spreads, SplitHalvesFollowTheReadingDirection)
{
    QImage spread = Paper(200, 100);
    QPainter(&spread).fillRect(0, 0, 100, 100, Qt::black);  // left page dark

    const auto means = [](const std::vector<QImage>& pages) {
        std::vector<int> result;
        for (const QImage& page : pages) result.push_back(static_cast<int>(Mean(page)));
        return result;
    };
    EXPECT_EQ(means(ArrangeSpread(spread, TSpreadMode::Split, false)), (std::vector<int>{0, 255}));
    EXPECT_EQ(means(ArrangeSpread(spread, TSpreadMode::Split, true)), (std::vector<int>{255, 0}));
    const std::vector<QImage> both = ArrangeSpread(spread, TSpreadMode::Both, true);
    ASSERT_EQ(both.size(), 3u);
    EXPECT_EQ(both[0].size(), QSize(100, 200));
    EXPECT_EQ(ArrangeSpread(spread, TSpreadMode::Keep, false).front().size(), QSize(200, 100));
    EXPECT_EQ(ArrangeSpread(Paper(100, 200), TSpreadMode::Split, false).size(), 1u) << "portrait stays whole";
}

TEST(GreyReduction, KeepsMeanBrightnessWithOnlyTheBookLevels)
{
    for (int bits : {1, 2})
        for (TDitherMethod method : {TDitherMethod::FloydSteinberg, TDitherMethod::Ordered})
            for (int level : {40, 100, 160, 230}) {
                QImage grey = Paper(64, 64, level);
                ReduceToLevels(grey, bits, method);
                const auto allowed = PageLevels(bits);
                for (int value : GreyLevels(grey))
                    EXPECT_NE(std::find(allowed.begin(), allowed.end(), value), allowed.end()) << value;
                EXPECT_NEAR(Mean(grey), level, 4.0)
                    << "bits " << bits << " method " << int(method) << " level " << level;
            }
    for (int height = 1; height <= 9; ++height) {  // every row is reached, however the rows are shared out
        QImage strip = Paper(7, height, 100);
        ReduceToLevels(strip, 2, TDitherMethod::FloydSteinberg);
        EXPECT_FALSE(GreyLevels(strip).contains(100)) << "height " << height;
    }
    QImage flat = Paper(8, 8, 150);
    ReduceToLevels(flat, 2, TDitherMethod::Threshold);
    EXPECT_EQ(GreyLevels(flat), (std::set<int>{128}));
}

// The largest difference of two grey pictures of one size.
int WorstDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            worst = std::max(worst, std::abs(a.constScanLine(y)[x] - b.constScanLine(y)[x]));
    return worst;
}

// The mean of the source area a target pixel covers, in exact arithmetic.
double AreaMean(const QImage& grey, QSize target, int x, int y)
{
    const double sx = double(grey.width()) / target.width(), sy = double(grey.height()) / target.height();
    double sum = 0;
    for (int j = int(y * sy); j < std::min(grey.height(), int(std::ceil((y + 1) * sy))); ++j)
        for (int i = int(x * sx); i < std::min(grey.width(), int(std::ceil((x + 1) * sx))); ++i)
            sum += (std::min((x + 1) * sx, i + 1.0) - std::max(x * sx, double(i))) *
                   (std::min((y + 1) * sy, j + 1.0) - std::max(y * sy, double(j))) * grey.constScanLine(j)[i];
    return sum / (sx * sy);
}

TEST(GreyShrinking, TakesTheMeanOfTheCoveredArea)
{
    QImage pattern(331, 479, QImage::Format_Grayscale8);
    for (int y = 0; y < pattern.height(); ++y)
        for (int x = 0; x < pattern.width(); ++x)  // fine stripes and a checkerboard
            pattern.scanLine(y)[x] = static_cast<uchar>(x < 160 ? (x % 3) * 120 : ((x + y) % 2) * 255);
    for (const QSize target : {QSize(110, 160), QSize(97, 301), QSize(331, 100), QSize(1, 1)}) {
        const QImage shrunk = ShrinkGrey(pattern, target);
        ASSERT_EQ(shrunk.size(), target);
        double worst = 0;
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x)
                worst = std::max(worst, std::abs(shrunk.constScanLine(y)[x] - AreaMean(pattern, target, x, y)));
        EXPECT_LT(worst, 2.0) << target.width() << " x " << target.height();
    }
    EXPECT_EQ(GreyLevels(ShrinkGrey(Paper(2997, 4001, 236), QSize(600, 800))), (std::set<int>{236}))
        << "even paper keeps its level, also when shrunk in several steps";
}

TEST(Luminance, GreyOfColoursMatchesQtsConversion)
{
    // Every grey level, and colours across the cube with their neighbours one step off.
    QImage colours(256, 1 + 52 * 52, QImage::Format_RGB32);
    for (int x = 0; x < 256; ++x) colours.setPixel(x, 0, qRgb(x, x, x));
    for (int y = 1; y < colours.height(); ++y)
        for (int x = 0; x < 256; ++x) {
            const int red = (y - 1) / 52 * 5, green = (y - 1) % 52 * 5, blue = x;
            colours.setPixel(x, y, qRgb(red, std::min(255, green + x % 2), blue));
        }
    const QImage ours = GreyOfRgb32(colours), qts = colours.convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(ours.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(ours.copy(0, 0, 256, 1), qts.copy(0, 0, 256, 1)) << "greys stay as they are";
    EXPECT_LE(WorstDifference(ours, qts), 1);
}

TEST(Luminance, GreyOfDeepGreyPalettesAndBilevelScansMatchesQtsConversion)
{
    QImage deep(65536, 1, QImage::Format_Grayscale16);
    for (int x = 0; x < 65536; ++x) reinterpret_cast<quint16*>(deep.scanLine(0))[x] = static_cast<quint16>(x);
    EXPECT_EQ(ToGrey(deep), deep.convertToFormat(QImage::Format_Grayscale8));

    QImage palette(200, 3, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int i = 0; i < 200; ++i) colours << qRgb(i, (i * 37) % 256, 255 - i);
    palette.setColorTable(colours);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 200; ++x) palette.scanLine(y)[x] = static_cast<uchar>((x + y * 71) % 200);
    // Qt converts a palette one level differently before and after its first conversion of colours.
    EXPECT_LE(WorstDifference(ToGrey(palette), palette.convertToFormat(QImage::Format_Grayscale8)), 1);

    for (const QImage::Format format : {QImage::Format_Mono, QImage::Format_MonoLSB}) {
        QImage scan(29, 5, format);  // rows that end inside a byte
        scan.setColorTable({qRgb(250, 240, 200), qRgb(20, 20, 60)});
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 29; ++x) scan.setPixel(x, y, (x * 7 + y * 3) % 5 < 2);
        EXPECT_LE(WorstDifference(ToGrey(scan), scan.convertToFormat(QImage::Format_Grayscale8)), 1) << format;
    }
}

TEST(PageProcessor, ScanBecomesOneScreenPageCentredOnWhite)
{
    QImage scan = Paper(1600, 2400, 200);
    QPainter(&scan).fillRect(400, 600, 800, 1200, QColor(60, 60, 60));
    TProcessOptions options;
    options.AutoContrast = false;
    const std::vector<QImage> pages = ProcessPicture(scan, options);
    ASSERT_EQ(pages.size(), 1u);
    const QImage& page = pages.front();
    ASSERT_EQ(page.size(), QSize(600, 800));
    EXPECT_EQ(page.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(GreyLevels(page.copy(0, 0, 33, 800)), (std::set<int>{255})) << "the margin beside a 533-wide picture";
    EXPECT_TRUE(GreyLevels(page).size() <= 4);
    // Upscaling is asked for, not assumed.
    EXPECT_EQ(Mean(ProcessPicture(Paper(100, 100, 0), options).front().copy(0, 0, 250, 800)), 255.0);
    options.Upscale = true;
    EXPECT_EQ(Mean(ProcessPicture(Paper(100, 100, 0), options).front().copy(0, 100, 600, 600)), 0.0);
}

QByteArray Jpeg(QSize size, const QByteArray& exif = {})
{
    QImage picture = Paper(size.width(), size.height(), 230);
    QPainter painter(&picture);
    for (int y = 20; y < size.height() - 20; y += 12) painter.fillRect(20, y, size.width() - 40, 5, Qt::black);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", 90);
    return bytes.left(2) + exif + bytes.mid(2);  // an APP1 segment goes right after the start
}

TEST(PictureDecoding, JpegsAreDecodedNoLargerThanTheirPagesNeed)
{
    TProcessOptions options;
    options.Screen = QSize(60, 80);
    const auto decoded = [&](const QByteArray& bytes, const TProcessOptions& pages) {
        return DecodePicture(bytes, QStringLiteral("test.jpg"), &pages).size();
    };
    // Half the size is still twice what the page shows.
    EXPECT_EQ(decoded(Jpeg(QSize(480, 640)), options), QSize(120, 160));
    EXPECT_EQ(DecodePicture(Jpeg(QSize(480, 640)), QStringLiteral("test.jpg")).size(), QSize(480, 640));
    TProcessOptions cropped = options;
    cropped.CropMargins = true;
    EXPECT_EQ(decoded(Jpeg(QSize(480, 640)), cropped), QSize(480, 640)) << "margins are found on the whole";
    EXPECT_EQ(decoded(Jpeg(QSize(640, 480)), options), QSize(320, 240)) << "halves of a spread";
    TProcessOptions turned = options;
    turned.Spread = TSpreadMode::Rotate;
    EXPECT_EQ(decoded(Jpeg(QSize(640, 480)), turned), QSize(160, 120));
    EXPECT_EQ(decoded(Jpeg(QSize(180, 240)), options), QSize(180, 240)) << "not shrunk by 2 any more";
    // Stored on its side, shown upright (Exif orientation 6): it is a portrait page.
    const QByteArray upright = QByteArray::fromHex(
        "FFE10022457869660000"
        "49492A0008000000"
        "0100"
        "120103000100000006000000"
        "00000000");
    EXPECT_EQ(decoded(Jpeg(QSize(640, 480), upright), options), QSize(120, 160));

    // The pages from the smaller picture are those from the whole one.
    options.AutoContrast = false;
    options.Dither = TDitherMethod::Threshold;
    const QByteArray bytes = Jpeg(QSize(480, 640));
    const QImage whole = ProcessPicture(DecodePicture(bytes, QStringLiteral("test.jpg")), options).front();
    const QImage reduced = ProcessPicture(DecodePicture(bytes, QStringLiteral("test.jpg"), &options), options).front();
    ASSERT_EQ(reduced.size(), whole.size());
    int differing = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x) differing += whole.pixel(x, y) != reduced.pixel(x, y);
    EXPECT_LT(differing, whole.width() * whole.height() / 50);
}

TEST(PageProcessor, PreparedPagesKeepTheirLevelsAndBitCount)
{
    QImage page = Paper(4, 2, 255);
    page.setPixel(0, 0, 0);
    EXPECT_EQ(PreparePage(page).Bits, 1);
    page.setPixel(1, 0, qRgb(192, 192, 192));
    const TPreparedPage prepared = PreparePage(page);
    EXPECT_EQ(prepared.Bits, 2);
    EXPECT_EQ(prepared.Picture, page.convertToFormat(QImage::Format_Grayscale8));
}

TEST(TextPages, BreakAtParagraphEndsWithinTheLimit)
{
    QString text;
    for (int i = 0; i < 30; ++i)
        text += QStringLiteral("Paragraph %1 has a line.\r\nAnd a second line.\r\n\r\n").arg(i);
    const QStringList pages = SplitTextPages(text, 200);
    ASSERT_GT(pages.size(), 4);
    QString joined;
    for (const QString& page : pages) {
        EXPECT_LE(page.size(), 200);
        EXPECT_TRUE(page.endsWith(QLatin1String("second line."))) << qPrintable(page);
        joined += page + QStringLiteral("\n\n");
    }
    EXPECT_EQ(joined, QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    const QStringList longLine = SplitTextPages(QString(500, u'w') + QStringLiteral(" end"), 200);
    EXPECT_EQ(longLine.size(), 3) << "a line longer than a page still fits";
    const QString lastPage = QString(150, u'w') + QStringLiteral("\n\nThe end.");
    EXPECT_EQ(SplitTextPages(lastPage, 200), QStringList{lastPage}) << "the last paragraph is kept";
    // Each page knows where it begins, so that headings find their pages.
    for (const QString& split : {NormalisedLineEnds(text), QString(500, u'w') + QStringLiteral("   end")}) {
        const TTextPages paged = SplitText(split, 200);
        ASSERT_EQ(paged.Starts.size(), size_t(paged.Pages.size()));
        for (qsizetype i = 0; i < paged.Pages.size(); ++i) {
            EXPECT_TRUE(split.mid(paged.Starts[size_t(i)]).startsWith(paged.Pages[i])) << i;
            EXPECT_EQ(paged.PageAt(paged.Starts[size_t(i)] + 1), i);
        }
    }
}

TEST(NaturalOrder, CountsNumbersAsNumbers)
{
    QStringList names{"page10.png", "Page2.png", "page1.png", "cover.png"};
    SortNaturally(names);
    EXPECT_EQ(names, (QStringList{"cover.png", "page1.png", "Page2.png", "page10.png"}));
}

}  // namespace
