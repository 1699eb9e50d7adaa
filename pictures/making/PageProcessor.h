// The whole chain from a decoded picture to the pages of a book.
#pragma once

#include "ProcessingStep.h"

namespace making {

// Grey, then every step of the chain in turn: the pages the picture becomes, in reading
// order, each Format_Grayscale8 of the screen's size.
TPictures ProcessPicture(const QImage& picture, const TProcessOptions& options);

// Whether a picture of that size gives every page at the size the screen shows it, each page
// shrunk or kept but none enlarged, so that a larger picture in the same proportions would give
// the same pages. Never where margins are cropped: how much of the picture a page shows is only
// known once they are found on the whole picture.
bool IsLargeEnough(QSize picture, const TProcessOptions& options);

// The picture of a page already holding a book's levels (an extracted book) as a page:
// left as it is where it does, else taken to the nearest level. Its bit count is 1 when
// only black and white occur.
struct TPreparedPage {
    QImage Picture;
    int Bits = 2;
};
TPreparedPage PreparePage(const QImage& picture);

}  // namespace making
