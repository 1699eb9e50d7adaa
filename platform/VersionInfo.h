// The program's version texts for the about box.
#pragma once

#include <QString>
#include <cstdint>

namespace platform {

struct TVersionTexts {
    bool Ok = false;
    QString ShortText;  // "1.2", plus " (beta)" when flags & mask
    QString LongText;   // "1.2.07"
};

constexpr uint32_t VS_FF_PRERELEASE = 2;

TVersionTexts FormatVersionTexts(uint16_t major, uint16_t minor, uint16_t release, uint32_t fileFlags, uint32_t mask);
// Windows: the file's version resource. Elsewhere: the build's version constants.
TVersionTexts GetVersionTexts(const QString& fileName, uint32_t mask);

}  // namespace platform
