#include "Utf8ThreadLocale.h"

#include <locale.h>

namespace platform {
namespace {

// Made once and kept for the process's life, as threads may still use it at exit.
locale_t Utf8Locale()
{
    static const locale_t utf8 = []() -> locale_t {
        const locale_t base = newlocale(LC_ALL_MASK, "C", nullptr);
        if (!base) return nullptr;
        const locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", base);
        if (made) return made;
        // A system without C.UTF-8 may still have a UTF-8 locale of a language.
        if (const locale_t english = newlocale(LC_CTYPE_MASK, "en_US.UTF-8", base)) return english;
        freelocale(base);
        return nullptr;
    }();
    return utf8;
}

}  // namespace

TUtf8ThreadLocale::TUtf8ThreadLocale()
{
    if (const locale_t utf8 = Utf8Locale()) FPrevious = uselocale(utf8);
}

TUtf8ThreadLocale::~TUtf8ThreadLocale()
{
    if (FPrevious) uselocale(static_cast<locale_t>(FPrevious));
}

}  // namespace platform
