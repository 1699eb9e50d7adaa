// What a book's sources hold: their pages, and what they tell of the book.
#pragma once

#include "SourcePage.h"
#include "uWolfDefs.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace making {

// The description's fields by wolf::TWolfDescription::TField, as text.
using TDescriptionTexts = std::array<QString, wolf::TWolfDescription::FieldCount>;
// The fields someone tells (a source, the user); nullopt where they tell nothing.
using TToldFields = std::array<std::optional<QString>, wolf::TWolfDescription::FieldCount>;

struct TSourceBook {
    // In reading order, each with the chapters it lies in and the headings that start on it.
    std::vector<TSourcePage> Pages;
    TToldFields Description;
    std::optional<TSourcePage> Cover;
    bool CoverFromFirstPicture = true;  // without a cover, a copy of the first picture's page
    // A book unpacked by extract brings its own contents: its catalog file, or none at all (an
    // empty path). Otherwise the contents are the chapters and the pages' headings.
    std::optional<QString> ContentsFile;
};

}  // namespace making
