#include "Utf8ThreadLocale.h"

namespace platform {

// libarchive converts names with the system's code page functions on Windows, which know
// UTF-8 whatever the C library's locale is: nothing to change.
TUtf8ThreadLocale::TUtf8ThreadLocale() = default;

TUtf8ThreadLocale::~TUtf8ThreadLocale() = default;

}  // namespace platform
