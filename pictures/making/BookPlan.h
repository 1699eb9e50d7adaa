// The plan of a book to make, turned out of the sources, the options and what the user asks
// for, by the one function both the maker window and `wolftool make` call.
#pragma once

#include "BookEncoding.h"
#include "ProcessOptions.h"
#include "SourceBook.h"
#include "uWolfDefs.h"

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace making {

struct TPlanRequest {
    QStringList Sources;
    TMakeOptions Options;
    TToldFields Description;  // the fields the user gives replace what the sources tell
    QString CoverPath;        // a picture in place of the sources' cover
    QString ContentsPath;     // catalog text (UTF-8, the new book's page numbers) in place of the sources' contents
    platform::TBookEncoding Encoding{"UTF-8"};
    QString OutputPath;
    bool ReplaceExisting = false;
};

// The table of contents the book gets, titles in the book's encoding.
struct TPlannedContents {
    wolf::TWolfTOCList Entries;
    // Entries name source pages, which become book pages only as they are made (a spread
    // becomes two), or book pages already (a catalog file).
    bool BySourcePage = true;
};

struct TBookPlan {
    std::vector<TSourcePage> Pages;
    TMakeOptions Options;
    TDescriptionTexts DescriptionTexts;  // as the user reads them
    wolf::TWolfDescription Description;  // in the book's encoding, each field cut to what it keeps
    // The cover, processed like a page; without one, a copy of the first picture's first page
    // when CoverFromFirstPicture (that page stays a page too).
    std::optional<TSourcePage> Cover;
    bool CoverFromFirstPicture = true;
    TPlannedContents Contents;
    platform::TBookEncoding Encoding{"UTF-8"};
    QString OutputPath;
    bool ReplaceExisting = false;
};

// EMakeFailure for a source, cover or catalog file that cannot be used, or a text the encoding
// cannot hold.
TBookPlan MakePlan(const TPlanRequest& request);

// text in the encoding, or EMakeFailure naming the first character it cannot hold and where
// it stands (what).
std::string EncodeOrFail(const platform::TBookEncoding& encoding, const QString& text, const QString& what);

}  // namespace making
