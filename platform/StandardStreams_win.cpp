#include "StandardStreams.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace platform {

void KeepStandardStreamBytes()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace platform
