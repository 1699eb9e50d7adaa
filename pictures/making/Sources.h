// The pages of the sources a book is made from: pictures, folders, comic archives and
// plain-text files.
#pragma once

#include "PdfSource.h"
#include "SourcePage.h"

#include <QSize>
#include <vector>

namespace making {

// Pages of every source in the order given; a folder's entries in natural order, with
// its sub-folders, archives, text files and PDFs as chapters. With several sources, each
// folder, archive, text file or PDF is a chapter of its own, named after it. screen sets how
// much text a page holds; pdfPages which pages of each PDF are taken. EMakeFailure for a
// source that is missing, cannot be read, or yields no page.
std::vector<TSourcePage> CollectPages(const QStringList& sources, QSize screen, TPageRange pdfPages = {});

// A picture file as a page; its bytes are read when the page is loaded.
TSourcePage PictureFilePage(const QString& path, TPageKind kind, const QStringList& chapters = {});

// What a source is called as a chapter or a title: its name without folder or suffix.
QString SourceTitle(const QString& path);

}  // namespace making
