// A path as the book library's files take it.
#pragma once

#include <QString>
#include <string>

namespace platform {

// UTF-8 on every platform (the library widens it on Windows), so that a book in a folder
// named in any script opens and saves; the one conversion for every path handed to it.
std::string FileSystemPath(const QString& path);

}  // namespace platform
