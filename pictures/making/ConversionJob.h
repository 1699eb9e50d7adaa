// Makes a book from its plan: pages processed in parallel on every core, written in order
// through the streaming book writer, with progress and cancelling.
#pragma once

#include "BookPlan.h"
#include "MadePage.h"
#include "uWolfWriter.h"

#include <atomic>
#include <functional>
#include <vector>

namespace making {

// Called after each source page is written: done of total source pages.
using TProgressFunction = std::function<void(int done, int total)>;

struct TMakeResult {
    int PageCount = 0;
    // With SkipBadPictures, why each picture that was left out could not be read, naming it.
    QStringList LeftOut;
};

// The book appears under OutputPath only when it is complete. Raises EOutputExists for a
// book that is there and not to be replaced, EBadPicture for a picture that cannot be read
// (unless SkipBadPictures leaves them out), EMakeFailure naming the page or source at fault,
// ECancelled once cancel is set; none of them leaves a file behind.
TMakeResult MakeBook(const TBookPlan& plan, const TProgressFunction& progress, const std::atomic_bool& cancel);

// A made page's pictures, packed as the book stores them.
std::vector<wolf::TEncodedImage> EncodePictures(const TMadePage& page);

}  // namespace making
