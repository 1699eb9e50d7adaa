// What one source page becomes in the book: the one place that tells the kinds of source
// pages apart, for the conversion, the cover and the window's preview alike.
#pragma once

#include "ProcessOptions.h"
#include "SourcePage.h"

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace making {

struct TMadePicture {
    QImage Picture;  // Format_Grayscale8 of the book's levels
    int Bits = 2;
};

struct TMadePage {
    QImage Source;  // the picture as decoded or drawn, when asked for
    std::vector<TMadePicture> Pictures;
    // A text page: the source's text, or for a page that could not be drawn the words saying so.
    QString Text;

    bool IsText() const { return Pictures.empty(); }
};

// Reads what the page needs from its source now, on the calling thread (the entries of an
// archive share its reader: read them from one thread, in list order), and gives the work
// that decodes or draws and processes it, safe to run on any thread. EMakeFailure, from either,
// for a picture that cannot be read.
std::function<TMadePage()> PrepareMadePage(const TSourcePage& page, const TProcessOptions& options,
                                           bool keepSource = false);

// Both at once.
TMadePage MakePage(const TSourcePage& page, const TProcessOptions& options, bool keepSource = false);

}  // namespace making
