// Makes a book from its sources: pages processed in parallel on every core, written in
// order through the streaming book writer, with progress and cancelling.
#pragma once

#include "ProcessOptions.h"
#include "SourcePage.h"
#include "uWolfDefs.h"
#include "uWolfWriter.h"

#include <QImage>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace making {

struct TBookPlan {
    std::vector<TSourcePage> Pages;
    TProcessOptions Options;
    wolf::TWolfDescription Description;  // already in the book's encoding
    // The cover, processed like a page; without one, a copy of the first picture's first
    // page when CoverFromFirstPicture (that page stays a page too).
    std::optional<TSourcePage> Cover;
    bool CoverFromFirstPicture = true;
    // Page indexes count the book's pages from 0; without it, the pages' folders.
    std::optional<wolf::TWolfTOCList> Contents;
    // Text to the book's bytes; nullopt when the encoding cannot hold it.
    std::function<std::optional<std::string>(const QString&)> Encode;
    QString EncodingName;  // for messages
    QString OutputPath;
    bool ReplaceExisting = false;
};

// Called after each source page is written: done of total source pages.
using TProgressFunction = std::function<void(int done, int total)>;

struct TMakeResult {
    int PageCount = 0;
};

// The book appears under OutputPath only when it is complete. Raises EMakeFailure naming
// the page or source at fault, ECancelled once cancel is set; neither leaves a file behind.
TMakeResult MakeBook(const TBookPlan& plan, const TProgressFunction& progress, const std::atomic_bool& cancel);

// What a drawn or decoded picture becomes in the book: its pages, processed and packed.
// Nothing for a null picture (a page that could not be drawn).
std::vector<wolf::TEncodedImage> EncodePicture(TPageKind kind, const QImage& picture, const TProcessOptions& options);

// What one source page becomes, for a preview: the processed pages at the screen's size,
// or nothing for a text page. EMakeFailure for a picture that cannot be read.
std::vector<QImage> PreviewPage(const TSourcePage& page, const TProcessOptions& options);

// text in the book's bytes, or EMakeFailure naming the first character the encoding
// cannot hold and where it stands (what).
std::string EncodeOrFail(const TBookPlan& plan, const QString& text, const QString& what);

}  // namespace making
