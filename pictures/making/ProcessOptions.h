// What the user chooses of how a book is made: how pictures become pages for a small
// grey-scale screen, and which parts of the sources are taken. The defaults here are the
// options' defaults everywhere (OptionDeclarations.h reads them).
#pragma once

#include "PageRange.h"
#include "TextChapters.h"

#include <QSize>
#include <QString>

namespace making {

// What happens to a landscape picture (two facing pages, usually).
enum class TSpreadMode { Split, Rotate, Both, Keep };
// What becomes of a picture far taller than the screen (a webtoon's strip): cut into pages of
// the screen's shape, or fitted whole on one page.
enum class TStripMode { Split, Fit };
enum class TDitherMethod { FloydSteinberg, Ordered, Threshold };
// Which half of a split spread comes first: as the source says (a comic's ComicInfo.xml; left
// to right when it says nothing), or as the user chose whatever it says.
enum class TReadingDirection { AsSource, LeftToRight, RightToLeft };

struct TProcessOptions {
    QSize Screen{600, 800};
    bool Stretch = false;  // fill the screen, ignoring the aspect ratio
    bool Upscale = false;  // enlarge pictures smaller than the screen
    bool CropMargins = false;
    TSpreadMode Spread = TSpreadMode::Split;
    TStripMode Strips = TStripMode::Split;
    TReadingDirection Direction = TReadingDirection::AsSource;
    // Output = 255 * (input / 255) ^ Gamma: above 1 darkens the mid-tones.
    double Gamma = 1.0;
    bool AutoContrast = true;
    int Bits = 2;  // 2: levels 0, 128, 192, 255; 1: 0 and 255
    TDitherMethod Dither = TDitherMethod::FloydSteinberg;
};

struct TMakeOptions {
    TProcessOptions Pictures;
    TPageRange PdfPages;   // of each PDF
    QString PdfPassword;   // tried on every PDF that needs one
    QString TextEncoding;  // of text files without a byte-order mark; empty: guessed
    TChapterRule TextChapters;
    // A picture that cannot be read is left out, and named in the result, instead of stopping the book.
    bool SkipBadPictures = false;
};

}  // namespace making
