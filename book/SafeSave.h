// Rewrites a book file so that its name holds a complete book at every moment: the previous
// version stays beside it as NAME.bak, the new one is written to NAME.saving, checked, and
// only then renamed over NAME.
#pragma once

#include "BookFiles.h"
#include "WolfStream.h"

#include <functional>
#include <string>

namespace wolf {

// Writes the new book into destination, reading the old one from source.
using TBookRewrite = std::function<void(TStream& source, TStream& destination)>;

std::string BackupName(const std::string& bookPath);  // NAME.bak
std::string SavingName(const std::string& bookPath);  // NAME.saving, the new book being written

// Removes a file, swallowing any error: the one that ended a save is the one worth reporting.
void RemoveQuietly(TBookFileSystem& files, const std::string& path);
// Runs the viewer's open sequence on the file, so that a book that would not open never
// replaces one that does.
void CheckOpens(TBookFileSystem& files, const std::string& path);

// Raises EWolf "Can't rename ..." when the backup cannot be made; on any failure the book
// is left as it was, the partly written file removed, and the error passed on. The caller
// must have no stream open on the book (Windows cannot replace an open file).
void SaveBookSafely(const std::string& bookPath, const TBookRewrite& rewrite,
                    TBookFileSystem& files = SystemFileSystem());

}  // namespace wolf
