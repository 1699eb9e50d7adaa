#include "Utf8Check.h"

namespace platform {

namespace {

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the sequence starting with lead, and the allowed range of its second byte
// (which is what rules out overlong forms, surrogates and values above U+10FFFF).
struct TLead {
    int Length;
    unsigned char SecondMin;
    unsigned char SecondMax;
};

TLead Classify(unsigned char lead)
{
    if (lead < 0x80) return {1, 0, 0};
    if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

}  // namespace

bool IsStrictUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        const TLead lead = Classify(static_cast<unsigned char>(bytes[i]));
        if (lead.Length == 0 || bytes.size() - i < size_t(lead.Length)) return false;
        if (lead.Length > 1) {
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            if (second < lead.SecondMin || second > lead.SecondMax) return false;
            for (int k = 2; k < lead.Length; ++k) {
                if (!IsContinuation(static_cast<unsigned char>(bytes[i + size_t(k)]))) return false;
            }
        }
        i += size_t(lead.Length);
    }
    return true;
}

}  // namespace platform
