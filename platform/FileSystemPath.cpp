#include "FileSystemPath.h"

namespace platform {

std::string FileSystemPath(const QString& path)
{
    return path.toStdString();
}

}  // namespace platform
