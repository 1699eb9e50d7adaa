#include "PageProcessor.h"

#include "FitToScreen.h"
#include "GreyReduction.h"
#include "MarginCrop.h"
#include "PictureDecoding.h"
#include "Spreads.h"
#include "Strips.h"
#include "ToneCurve.h"

namespace making {

namespace {

// In order: crop on the whole picture; spreads split before strips are cut, so that a strip's
// short last page is not taken for a spread, and both before fitting, at the full size; tone
// after fitting (fewer pixels, the same levels), the levels last.
constexpr TProcessingStep Chain[] = {
    CropMarginsStep, ArrangeSpreadsStep, CutStripsStep, FitToScreenStep, AdjustToneStep, ReduceToLevelsStep,
};

}  // namespace

TPictures ProcessPicture(const QImage& picture, const TProcessOptions& options)
{
    TPictures pictures{ToGrey(picture)};
    for (const TProcessingStep step : Chain) step(pictures, options);
    return pictures;
}

bool IsLargeEnough(QSize picture, const TProcessOptions& options)
{
    if (options.CropMargins) return false;
    // Its pages fill the screen's width.
    if (IsStrip(picture, options)) return picture.width() >= options.Screen.width();
    for (const TSpreadPage& page :
         SpreadPages(picture, options.Spread, options.Direction == TReadingDirection::RightToLeft)) {
        const QSize size = page.Size(), fitted = FittedSize(size, options.Screen, options.Stretch, true);
        if (fitted.width() > size.width() || fitted.height() > size.height()) return false;
    }
    return true;
}

TPreparedPage PreparePage(const QImage& picture)
{
    TPreparedPage prepared{ToGrey(picture), 1};
    const int width = prepared.Picture.width();
    for (int y = 0; y < prepared.Picture.height() && prepared.Bits == 1; ++y) {
        const uchar* row = prepared.Picture.constScanLine(y);
        for (int x = 0; x < width; ++x)
            if (row[x] != 0 && row[x] != 255) {
                prepared.Bits = 2;
                break;
            }
    }
    if (prepared.Bits == 2) ReduceToLevels(prepared.Picture, 2, TDitherMethod::Threshold);
    return prepared;
}

}  // namespace making
