#include "ToolCommand.h"

namespace wolftool {

std::vector<TCommand>& Commands()
{
    // A function-local list, so that registrations from any file's static
    // initialisers find it constructed.
    static std::vector<TCommand> commands;
    return commands;
}

}  // namespace wolftool
