// Registers the program as the handler of .wol files for the current user.
#pragma once

#include <QString>

namespace platform {

// Windows: the registry under HKEY_CLASSES_ROOT. Elsewhere: the freedesktop MIME type,
// desktop entry, icon and default handler under $XDG_DATA_HOME. Raises std::runtime_error
// with the message to show. Running it twice gives the same result.
void AssociateWolfFiles(const QString& executablePath);

}  // namespace platform
