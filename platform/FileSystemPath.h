// A path as the book library's files take it.
#pragma once

#include <QString>
#include <string>

namespace platform {

// UTF-8 on Windows, where the library widens it; the local file-name encoding elsewhere.
std::string FileSystemPath(const QString& path);

}  // namespace platform
