#include "SourceFiles.h"

#include "MakeFailure.h"

#include <QFile>

namespace making {

QByteArray ReadSourceFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EMakeFailure(QStringLiteral("Cannot open \"%1\". %2").arg(path, file.errorString()));
    if (file.size() > MaxSourceBytes)
        throw EMakeFailure(QStringLiteral("\"%1\" is larger than %2 MB").arg(path).arg(MaxSourceBytes >> 20));
    return file.readAll();
}

}  // namespace making
