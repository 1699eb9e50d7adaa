// The pages of the sources a book is made from, each source taken by its kind (SourceKinds.h).
#pragma once

#include "ProcessOptions.h"
#include "SourceBook.h"

#include <QStringList>

namespace making {

// Pages of every source in the order given, and what the first source tells of the book (the
// title falls back on its name). With several sources, each one that opens a chapter is a
// chapter of its own, named after it. EMakeFailure for a source that is missing, cannot be
// read, or yields no page.
TSourceBook CollectSources(const QStringList& sources, const TMakeOptions& options);

// Adds a file or folder's pages to book, below chapters, in a chapter of its own when its kind
// opens one and ownChapter; what it tells of the book is kept only where book knows nothing yet.
void AddSource(const QString& path, const QStringList& chapters, bool ownChapter, const TMakeOptions& options,
               TSourceBook& book);

// A folder's entries of every kind in natural order, each in a chapter of its own where its
// kind opens one.
void AddFolderPages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book);

// A picture file as a page; its bytes are read when the page is loaded.
TSourcePage PictureFilePage(const QString& path, TPageKind kind, const QStringList& chapters = {});

// What a source is called as a chapter or a title: its name without folder or suffix.
QString SourceTitle(const QString& path);
// A file's name without its folder and suffix, a compressed TAR's ".tar" included.
QString FileTitle(const QString& path);

}  // namespace making
