#include "FileAssociation.h"

#include "RegistryAssociation.h"
#include "RegistryKeyStore_win.h"

#include <QDir>

namespace platform {

void AssociateWolfFiles(const QString& executablePath)
{
    TRegistryKeyStore registry;
    RegisterWolfFileType(registry, QDir::toNativeSeparators(executablePath).toStdString());
}

}  // namespace platform
