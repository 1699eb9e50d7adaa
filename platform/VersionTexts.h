// The about box's version texts, from the numbers of a version record.
#pragma once

#include <QString>
#include <cstdint>

namespace platform {

struct TVersionTexts {
    bool Ok = false;
    QString ShortText;  // "1.2", plus " (beta)" when flags & mask
    QString LongText;   // "1.2.07"
};

// VS_FF_PRERELEASE of the version record (a name Windows' own headers take for a macro).
constexpr uint32_t PrereleaseFlag = 2;

TVersionTexts FormatVersionTexts(uint16_t major, uint16_t minor, uint16_t release, uint32_t fileFlags, uint32_t mask);

}  // namespace platform
