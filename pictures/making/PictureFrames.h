// Pictures that hold several pages, as scanners write multi-page TIFFs: one source page each.
#pragma once

#include "SourcePage.h"

#include <QByteArray>
#include <QString>
#include <vector>

class QIODevice;

namespace making {

// More is no scan: every page of such a picture walks its directory of pages again when it
// is decoded, so that a thousand pages already take seconds of it.
constexpr int MaxPictureFrames = 1000;

// Whether the name is one of a kind that may hold several pages (TIFF).
bool MayHoldFrames(const QString& name);

// How many pages the picture on the device holds: 1 for one that cannot be read, which its
// decoding then reports. EMakeFailure for more than MaxPictureFrames. name labels messages.
int FrameCount(QIODevice& device, const QString& name);
int FrameCount(const QByteArray& bytes, const QString& name);

// page as it is for one frame; otherwise one page per frame, named "NAME: page N", all of
// them sharing one read of the bytes while they are loaded in order.
void AddFramePages(TSourcePage page, int frames, std::vector<TSourcePage>& pages);

}  // namespace making
