#include "Lzss.h"

#include <algorithm>
#include <vector>

namespace wolf::lzss {

namespace {
constexpr int MaxChain = 64;  // candidates tried per position: good packing, bounded time
constexpr int HashSize = 1 << 14;

unsigned Hash(const unsigned char* p) { return ((p[0] << 6) ^ (p[1] << 3) ^ p[2]) & (HashSize - 1); }
}  // namespace

std::string Pack(std::string_view raw)
{
    const auto* data = reinterpret_cast<const unsigned char*>(raw.data());
    const size_t size = raw.size();
    std::vector<int> head(HashSize, -1);
    std::vector<int> previous(size, -1);

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
        previous[i] = head[h];
        head[h] = static_cast<int>(i);
    };

    size_t i = 0;
    while (i < size) {
        int bestLength = 0;
        size_t bestFrom = 0;
        if (i + MinMatch <= size) {
            const size_t limit = std::min<size_t>(MaxMatch, size - i);
            int candidate = head[Hash(data + i)];
            for (int tries = 0; candidate >= 0 && tries < MaxChain; ++tries, candidate = previous[candidate]) {
                // Only bytes this page has written are matched, so the window's first content never matters.
                if (i - static_cast<size_t>(candidate) > static_cast<size_t>(WindowSize - MaxMatch)) break;
                int length = 0;
                while (static_cast<size_t>(length) < limit && data[candidate + length] == data[i + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestFrom = static_cast<size_t>(candidate);
                    if (static_cast<size_t>(length) == limit) break;
                }
            }
        }
        if (bestLength >= MinMatch) {
            beginItem(false);
            // A source byte's window position is where it was stored: StartPosition + its index.
            const unsigned position = static_cast<unsigned>(StartPosition + bestFrom) & (WindowSize - 1);
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

}  // namespace wolf::lzss
