#include "Luminance.h"

#include <array>
#include <cmath>

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

}  // namespace making
