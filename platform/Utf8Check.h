// Strict UTF-8 validation: no overlong forms, no surrogates, nothing above U+10FFFF.
#pragma once

#include <string_view>

namespace platform {
bool IsStrictUtf8(std::string_view bytes);
}
