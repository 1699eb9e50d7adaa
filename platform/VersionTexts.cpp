#include "VersionTexts.h"

namespace platform {

TVersionTexts FormatVersionTexts(uint16_t major, uint16_t minor, uint16_t release, uint32_t fileFlags, uint32_t mask)
{
    TVersionTexts texts;
    texts.Ok = true;
    texts.ShortText = QString::asprintf("%d.%d", major, minor);
    if ((fileFlags & mask) != 0) texts.ShortText += QStringLiteral(" (beta)");
    texts.LongText = QString::asprintf("%d.%d.%2.2d", major, minor, release);
    return texts;
}

}  // namespace platform
