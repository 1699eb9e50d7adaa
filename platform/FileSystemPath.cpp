#include "FileSystemPath.h"

#include <QFile>

namespace platform {

std::string FileSystemPath(const QString& path)
{
#ifdef Q_OS_WIN
    return path.toUtf8().toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

}  // namespace platform
