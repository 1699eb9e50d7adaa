// The encoding of Chinese books in the tests: GB18030, or where the system lacks it (Wine) its
// two-byte part GBK, which the encoding guess then falls back to.
#pragma once

#include "BookEncoding.h"

namespace testbooks {

inline const char* ChineseEncoding()
{
    return platform::TBookEncoding("GB18030").Name() == "GB18030" ? "GB18030" : "GBK";
}

}  // namespace testbooks
