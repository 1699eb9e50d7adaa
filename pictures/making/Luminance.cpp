#include "Luminance.h"

#include <QColorSpace>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace making {
namespace {

// Qt converts every pixel through its colour management; tables of the same curves give
// the same luminance. Linear light is kept in 16 bits, as fine as the darkest levels need.
struct TLuminanceTables {
    static constexpr int LinearTop = 65535;
    // Each channel's share of the luminance: red, green, blue weights of sRGB under D50.
    std::array<std::array<uint16_t, 256>, 3> Share{};
    // Linear light back to sRGB levels; the shares' rounding may pass the top by two.
    std::array<uchar, LinearTop + 3> Encoded{};

    TLuminanceTables()
    {
        constexpr double Weights[3] = {0.2225045, 0.7168786, 0.0606169};
        for (size_t channel = 0; channel < 3; ++channel)
            for (size_t level = 0; level < 256; ++level) {
                const double value = level / 255.0;
                const double linear = value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
                Share[channel][level] = static_cast<uint16_t>(std::lround(Weights[channel] * linear * LinearTop));
            }
        for (size_t i = 0; i < Encoded.size(); ++i) {
            const double linear = std::min(1.0, static_cast<double>(i) / LinearTop);
            const double value = linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
            Encoded[i] = static_cast<uchar>(std::lround(value * 255));
        }
    }
};

// Blocks of a fixed length on rows that cannot overlap, which compilers make vector code of.
void NarrowRow(const quint16* __restrict source, uchar* __restrict target, int width)
{
    constexpr int Block = 16;
    const auto narrowed = [](quint16 level) { return static_cast<uchar>((level * 255u + 32895u) >> 16); };
    int x = 0;
    for (; x + Block <= width; x += Block)
        for (int k = 0; k < Block; ++k) target[x + k] = narrowed(source[x + k]);
    for (; x < width; ++x) target[x] = narrowed(source[x]);
}

}  // namespace

QImage GreyOfRgb32(const QImage& picture)
{
    static const TLuminanceTables tables;
    QImage grey(picture.size(), QImage::Format_Grayscale8);
    if (grey.isNull()) return grey;
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        uchar* target = grey.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int red = qRed(source[x]), green = qGreen(source[x]), blue = qBlue(source[x]);
            // Text and line art are mostly grey already.
            if (red == green && green == blue)
                target[x] = static_cast<uchar>(red);
            else
                target[x] =
                    tables.Encoded[size_t{tables.Share[0][red]} + tables.Share[1][green] + tables.Share[2][blue]];
        }
    }
    return grey;
}

QImage GreyOfGrey16(const QImage& picture)
{
    QImage grey(picture.size(), QImage::Format_Grayscale8);
    if (grey.isNull()) return grey;
    for (int y = 0; y < picture.height(); ++y)
        NarrowRow(reinterpret_cast<const quint16*>(picture.constScanLine(y)), grey.scanLine(y), picture.width());
    return grey;
}

QImage GreyOfIndexed(const QImage& picture)
{
    QImage grey(picture.size(), QImage::Format_Grayscale8);
    if (grey.isNull()) return grey;
    // Qt makes the table's colours grey as it would the picture's; indexes past the table are black.
    const QList<QRgb> table = picture.colorTable();
    QImage colours(std::max<int>(1, static_cast<int>(table.size())), 1, QImage::Format_RGB32);
    colours.fill(Qt::black);
    for (int i = 0; i < table.size(); ++i) colours.setPixel(i, 0, table[i] | 0xFF000000u);
    colours.setColorSpace(picture.colorSpace());
    const QImage greys = colours.convertToFormat(QImage::Format_Grayscale8);
    std::array<uchar, 256> levels{};
    std::copy_n(greys.constScanLine(0), std::min(greys.width(), 256), levels.begin());
    const int width = picture.width();
    if (picture.format() == QImage::Format_Indexed8) {
        for (int y = 0; y < picture.height(); ++y)
            std::transform(picture.constScanLine(y), picture.constScanLine(y) + width, grey.scanLine(y),
                           [&](uchar index) { return levels[index]; });
        return grey;
    }
    // Bilevel rows eight pixels at a time: the levels of each byte's bits, the first pixel's first.
    const bool firstInTopBit = picture.format() == QImage::Format_Mono;
    std::array<std::array<uchar, 8>, 256> eights{};
    for (size_t byte = 0; byte < 256; ++byte)
        for (size_t k = 0; k < 8; ++k) eights[byte][k] = levels[(byte >> (firstInTopBit ? 7 - k : k)) & 1];
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* source = picture.constScanLine(y);
        uchar* target = grey.scanLine(y);
        const int whole = width / 8;
        for (int i = 0; i < whole; ++i) std::memcpy(target + 8 * i, eights[source[i]].data(), 8);
        if (width % 8 != 0) std::copy_n(eights[source[whole]].data(), width % 8, target + 8 * whole);
    }
    return grey;
}

}  // namespace making
