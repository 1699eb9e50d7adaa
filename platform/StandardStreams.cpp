#include "StandardStreams.h"

namespace platform {

// The standard streams carry bytes as they are here.
void KeepStandardStreamBytes() {}

}  // namespace platform
