// Each kind of source a book is made from, declared once: what it is called, the suffixes it
// takes and how it adds its pages, with what it knows of the book. The folders' filter, the
// window's file filter and the command's help come from here, so a kind is added by one entry.
#pragma once

#include "ProcessOptions.h"
#include "SourceBook.h"

#include <QStringList>
#include <vector>

namespace making {

struct TSourceKind {
    const char* Name;  // in the command's help: "comic archives (CBZ, CBR, CB7, TAR)"
    // Lower case, without the dot; a file is of the kind when its name ends in one of them.
    // Pictures take every suffix Qt's image plug-ins read.
    QStringList Suffixes;
    // Whether it is a chapter of its own, named after it, in a folder or among several sources.
    bool OwnChapter;
    // Adds its pages, below the chapters, and what it knows of the book, to book.
    void (*AddPages)(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book);
    // Whether a path is of this kind, where not by its suffix (folders).
    bool (*Accepts)(const QString& path) = nullptr;
};

// In the order they are tried; the last, pictures, takes any file named on its own.
const std::vector<TSourceKind>& SourceKinds();

// The kind a file or folder found in a folder is of, or nullptr for one that is left out.
const TSourceKind* KindOf(const QString& path);

// "*.pdf *.png ...": every suffix of every kind, for a file dialog's filter.
QString SourceFilePatterns();

// Every kind by its name, for help texts: "folders ..., comic archives (...), PDFs, ... or pictures (...)".
QString SourceKindsText();

}  // namespace making
