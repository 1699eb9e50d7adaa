// The registry entries that make the program the handler of .wol files.
#pragma once

#include "KeyStore.h"

namespace platform {

// The file type named by ".wol" (created as "Wolf file" when there is none) gets the open
// command, and an icon unless it has one. Raises std::runtime_error with the message to
// show; nothing is announced then.
void RegisterWolfFileType(TKeyStore& store, const std::string& nativeExecutablePath);

}  // namespace platform
