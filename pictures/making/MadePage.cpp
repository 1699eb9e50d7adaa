#include "MadePage.h"

#include "PageProcessor.h"
#include "PictureDecoding.h"

namespace making {
namespace {

TMadePage FromPicture(TPageKind kind, QImage picture, const TSourcePage& page, const TProcessOptions& options,
                      bool keepSource)
{
    TMadePage made;
    if (picture.isNull()) {
        made.Text = page.Text;  // a page that could not be drawn says so
        return made;
    }
    if (kind == TPageKind::PreparedPicture) {
        TPreparedPage prepared = PreparePage(picture);
        made.Pictures.push_back({std::move(prepared.Picture), prepared.Bits});
    } else {
        for (QImage& processed : ProcessPicture(picture, options))
            made.Pictures.push_back({std::move(processed), options.Bits});
    }
    if (keepSource) made.Source = std::move(picture);
    return made;
}

// The user's options, with the source's reading direction where the user chose none.
TProcessOptions ForPage(const TSourcePage& page, TProcessOptions options)
{
    if (options.Direction == TReadingDirection::AsSource)
        options.Direction = page.RightToLeft ? TReadingDirection::RightToLeft : TReadingDirection::LeftToRight;
    return options;
}

}  // namespace

std::function<TMadePage()> PrepareMadePage(const TSourcePage& page, const TProcessOptions& userOptions, bool keepSource)
{
    const TProcessOptions options = ForPage(page, userOptions);
    switch (page.Kind) {
    case TPageKind::Text: return [text = page.Text] { return TMadePage{{}, {}, text}; };
    case TPageKind::Rendered:
        // Drawn where it is processed, so that drawing runs in parallel too.
        return [page, options, keepSource] {
            return FromPicture(page.Kind, page.Render(options), page, options, keepSource);
        };
    case TPageKind::Picture:
    case TPageKind::PreparedPicture: break;
    }
    // A picture to be processed is decoded no larger than its pages need; a prepared one whole.
    return [page, bytes = page.Load(), options, keepSource] {
        const TProcessOptions* pages = page.Kind == TPageKind::Picture ? &options : nullptr;
        return FromPicture(page.Kind, DecodePicture(bytes, page.Name, pages, page.Frame), page, options, keepSource);
    };
}

TMadePage MakePage(const TSourcePage& page, const TProcessOptions& options, bool keepSource)
{
    return PrepareMadePage(page, options, keepSource)();
}

}  // namespace making
