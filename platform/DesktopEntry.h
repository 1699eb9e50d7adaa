// The desktop entry that registers the program with a freedesktop desktop.
#pragma once

#include <QString>

namespace platform {

// The program's path as one argument of a desktop entry's Exec key, quoted and escaped.
QString DesktopExecArgument(const QString& program);
// The packaged entry with its Exec key pointing at this program.
QString DesktopEntryFor(const QString& program, const QString& packagedEntry);

}  // namespace platform
