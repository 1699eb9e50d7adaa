// File names as the book library takes them: UTF-8 on every platform (the library widens
// them on Windows), so that a book in a folder named in any script opens and saves.
#pragma once

#include <QString>
#include <string>

namespace platform {

inline std::string BookPath(const QString& path)
{
    return path.toStdString();
}

}  // namespace platform
