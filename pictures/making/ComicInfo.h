// The ComicInfo.xml that comic archives carry at their top level (the Anansi ComicInfo schema,
// 2.0 and 2.1): what it tells of the book, and whether the comic reads right to left.
#pragma once

#include "SourceBook.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace making {

// Real ones are a few KB, a list of every page included; larger ones are not read.
constexpr qint64 MaxComicInfoBytes = 1024 * 1024;

struct TComicInfo {
    // Title (or Series and Number), Writer, Publisher, Year-Month-Day, GTIN when it is an ISBN,
    // Summary, Genre (or Series) as the subject, Translator: only what the file gives.
    TToldFields Description;
    bool RightToLeft = false;  // Manga is "YesAndRightToLeft"
};

// nullopt for a file that is not a well-formed ComicInfo document, or larger than MaxComicInfoBytes.
std::optional<TComicInfo> ReadComicInfo(const QByteArray& xml);

// Whether an archive entry is the archive's ComicInfo.xml, written in any case.
bool IsComicInfoPath(const QString& entryPath);

}  // namespace making
