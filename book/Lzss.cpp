#include "Lzss.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace wolf::lzss {

namespace {
constexpr int HashBits = 14;
constexpr unsigned WindowMask = WindowSize - 1;

unsigned Hash(const unsigned char* p)
{
    return ((uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2]) * 2654435761u) >> (32 - HashBits);
}
}  // namespace

// Greedy matching over hash chains. The chains are kept for the window only, so memory
// and set-up cost do not grow with the data; everything lives in this call, so any number
// of pages can be packed at once on different threads.
std::string Pack(std::string_view raw, int maxChain)
{
    const auto* data = reinterpret_cast<const unsigned char*>(raw.data());
    const size_t size = raw.size();
    std::vector<int32_t> head(size_t{1} << HashBits, -1);
    std::vector<int32_t> previous(WindowSize, -1);  // previous[i mod WindowSize]: the older position of i's hash

    std::string out;
    out.reserve(size / 2 + 16);
    size_t flagAt = 0;
    int flagBit = 8;
    auto beginItem = [&](bool literal) {
        if (flagBit == 8) {
            flagAt = out.size();
            out += '\0';
            flagBit = 0;
        }
        if (literal) out[flagAt] = static_cast<char>(out[flagAt] | (1 << flagBit));
        ++flagBit;
    };
    auto remember = [&](size_t i) {
        if (i + MinMatch > size) return;
        const unsigned h = Hash(data + i);
        previous[i & WindowMask] = head[h];
        head[h] = static_cast<int32_t>(i);
    };

    size_t i = 0;
    while (i < size) {
        int bestLength = 0;
        size_t bestFrom = 0;
        if (i + MinMatch <= size) {
            const size_t limit = std::min<size_t>(MaxMatch, size - i);
            int32_t candidate = head[Hash(data + i)];
            for (int tries = 0; candidate >= 0 && tries < maxChain; ++tries) {
                // Only bytes this page has written are matched, so the window's first content never matters.
                if (i - static_cast<size_t>(candidate) > static_cast<size_t>(WindowSize - MaxMatch)) break;
                int length = 0;
                while (static_cast<size_t>(length) < limit && data[candidate + length] == data[i + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestFrom = static_cast<size_t>(candidate);
                    if (static_cast<size_t>(length) == limit) break;
                }
                candidate = previous[static_cast<size_t>(candidate) & WindowMask];
            }
        }
        if (bestLength >= MinMatch) {
            beginItem(false);
            // A source byte's window position is where it was stored: StartPosition + its index.
            const unsigned position = static_cast<unsigned>(StartPosition + bestFrom) & WindowMask;
            out += static_cast<char>(position & 0xFF);
            out += static_cast<char>(((position >> 4) & 0xF0) | static_cast<unsigned>(bestLength - MinMatch));
            for (int k = 0; k < bestLength; ++k) remember(i + static_cast<size_t>(k));
            i += static_cast<size_t>(bestLength);
        } else {
            beginItem(true);
            out += static_cast<char>(data[i]);
            remember(i);
            ++i;
        }
    }
    return out;
}

// The image may fill before the data ends: what follows could only be dropped.
// The window is not kept apart: window position (StartPosition + i) mod 4096 holds output
// byte i, so a match copies from the output itself, and from blanks before its start.
size_t Unpack(std::string_view data, uint8_t* out, size_t capacity)
{
    constexpr unsigned Mask = WindowSize - 1;
    unsigned flags = 0;
    size_t next = 0;
    size_t written = 0;
    const size_t end = data.size();
    const auto* in = reinterpret_cast<const uint8_t*>(data.data());
    while (written < capacity) {
        flags >>= 1;
        if ((flags & 0xFF00) == 0) {
            if (next == end) break;
            flags = in[next++] | 0xFF00u;
        }
        if (flags & 1) {
            if (next == end) break;
            out[written++] = in[next++];
            continue;
        }
        if (end - next < 2) break;
        const unsigned lo = in[next++];
        const unsigned hi = in[next++];
        const unsigned position = lo | ((hi & 0xF0u) << 4);
        const size_t length = std::min<size_t>((hi & 0x0Fu) + MinMatch, capacity - written);
        const unsigned r = static_cast<unsigned>(StartPosition + written) & Mask;
        const size_t distance = ((r - position) & Mask) == 0 ? WindowSize : (r - position) & Mask;
        if (written >= distance) {
            uint8_t* target = out + written;
            const uint8_t* source = target - distance;
            if (distance >= length)
                std::memcpy(target, source, length);
            else if (distance == 1)  // a run of one byte, as in white space
                std::memset(target, *source, length);
            else
                for (size_t k = 0; k < length; ++k) target[k] = source[k];  // repeats a short pattern
            written += length;
            continue;
        }
        for (size_t k = 0; k < length; ++k, ++written)  // reaches back into the blanks
            out[written] = written >= distance ? out[written - distance] : InitialFill;
    }
    return written;
}

}  // namespace wolf::lzss
