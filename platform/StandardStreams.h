// A command-line program's output is the same bytes on every system.
#pragma once

namespace platform {

// Windows would write each line feed on the standard output and error as a carriage return and
// a line feed; after this call they carry the program's bytes as they are, as elsewhere.
void KeepStandardStreamBytes();

}  // namespace platform
