// The two edits the saving tests make: a new title, and a table of contents cut short.
#pragma once

#include "SafeSave.h"
#include "uWolfReader.h"
#include "uWolfReplacer.h"

#include <string>

namespace rewrites {

inline wolf::TBookRewrite Retitle(const std::string& title)
{
    return [title](wolf::TStream& source, wolf::TStream& destination) {
        wolf::TWolfDescription description;
        description.SetField(0, title);
        wolf::ReplaceDescription(source, destination, description);
    };
}

// The table of contents cut to its first chapters, pages as the book's own.
inline wolf::TBookRewrite ShortenTOC(int keep)
{
    return [keep](wolf::TStream& source, wolf::TStream& destination) {
        wolf::TWolfReader reader;
        reader.Open(source);
        wolf::TWolfTOCList toc;
        for (int i = 0; i < reader.TOC.Count() && toc.Count() < keep; ++i) toc.Add(reader.TOC[i]);
        wolf::ReplaceTOC(source, destination, reader.Pages, toc);
    };
}

// What a process that is to be killed does: save, alternating the two edits, until the end.
[[noreturn]] inline void SaveForever(const std::string& book)
{
    for (int n = 0;; ++n)
        wolf::SaveBookSafely(book, n % 2 ? Retitle("Saved " + std::to_string(n)) : ShortenTOC(n % 5 + 1));
}

}  // namespace rewrites
