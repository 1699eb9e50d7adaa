#include "Lzss.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>
#include <vector>

namespace wolf::lzss {

namespace {
constexpr int HashBits = 14;
constexpr unsigned WindowMask = WindowSize - 1;

unsigned Hash(const unsigned char* p)
{
    return ((uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2]) * 2654435761u) >> (32 - HashBits);
}

// How many bytes from a and b agree, up to limit; eight at a time where the order of a
// word's bytes allows.
size_t MatchLength(const unsigned char* a, const unsigned char* b, size_t limit)
{
    size_t length = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; length + 8 <= limit; length += 8) {
            uint64_t wordA, wordB;
            std::memcpy(&wordA, a + length, 8);
            std::memcpy(&wordB, b + length, 8);
            if (wordA != wordB) return length + static_cast<size_t>(std::countr_zero(wordA ^ wordB)) / 8;
        }
    }
    while (length < limit && a[length] == b[length]) ++length;
    return length;
}

// MatchLength where eight bytes can be read from both. Most candidates fail in the first word,
// so that the branch taken on it is rarely mispredicted, where one on a single byte is in noise.
size_t MatchLengthFromWord(const unsigned char* a, const unsigned char* b, size_t limit)
{
    if constexpr (std::endian::native == std::endian::little) {
        uint64_t wordA, wordB;
        std::memcpy(&wordA, a, 8);
        std::memcpy(&wordB, b, 8);
        if (wordA != wordB) return std::min(limit, static_cast<size_t>(std::countr_zero(wordA ^ wordB)) / 8);
        if (limit <= 8) return limit;
        return 8 + MatchLength(a + 8, b + 8, limit - 8);
    }
    return MatchLength(a, b, limit);
}

// The packed bytes, written into room for the worst case (every byte a literal).
class TPackedOutput {
public:
    explicit TPackedOutput(size_t rawSize) : FBytes(rawSize + rawSize / 8 + 1, '\0') {}
    void Literal(unsigned char byte)
    {
        BeginItem(true);
        FBytes[FSize++] = static_cast<char>(byte);
    }
    void Match(unsigned position, int length)
    {
        BeginItem(false);
        FBytes[FSize++] = static_cast<char>(position & 0xFF);
        FBytes[FSize++] = static_cast<char>(((position >> 4) & 0xF0) | static_cast<unsigned>(length - MinMatch));
    }
    std::string Take() &&
    {
        FBytes.resize(FSize);
        return std::move(FBytes);
    }

private:
    void BeginItem(bool literal)
    {
        if (FFlagBit == 8) {
            FFlagAt = FSize++;
            FFlagBit = 0;
        }
        if (literal) FBytes[FFlagAt] = static_cast<char>(FBytes[FFlagAt] | (1 << FFlagBit));
        ++FFlagBit;
    }
    std::string FBytes;
    size_t FSize = 0, FFlagAt = 0;
    int FFlagBit = 8;
};
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
    TPackedOutput out(size);
    const size_t hashable = size >= MinMatch ? size - MinMatch + 1 : 0;  // positions with three bytes to hash
    auto remember = [&](size_t i, unsigned h) {
        previous[i & WindowMask] = head[h];
        head[h] = static_cast<int32_t>(i);
    };

    size_t i = 0;
    while (i < size) {
        int bestLength = 0;
        size_t bestFrom = 0;
        const unsigned hash = i < hashable ? Hash(data + i) : 0;
        if (i < hashable) {
            const size_t limit = std::min<size_t>(MaxMatch, size - i);
            const bool wordFits = i + 8 <= size;
            int32_t candidate = head[hash];
            for (int tries = 0; candidate >= 0 && tries < maxChain; ++tries) {
                const auto from = static_cast<size_t>(candidate);
                // Only bytes this page has written are matched, so the window's first content never matters.
                if (i - from > static_cast<size_t>(WindowSize - MaxMatch)) break;
                const int length = static_cast<int>(wordFits ? MatchLengthFromWord(data + from, data + i, limit)
                                                             : MatchLength(data + from, data + i, limit));
                // The first of the longest wins; chosen without a branch, which noise would mispredict.
                const bool longer = length > bestLength;
                bestFrom = longer ? from : bestFrom;
                bestLength = longer ? length : bestLength;
                if (static_cast<size_t>(bestLength) == limit) break;
                candidate = previous[from & WindowMask];
            }
        }
        if (bestLength >= MinMatch) {
            // A source byte's window position is where it was stored: StartPosition + its index.
            out.Match(static_cast<unsigned>(StartPosition + bestFrom) & WindowMask, bestLength);
            const size_t end = std::min(i + static_cast<size_t>(bestLength), hashable);
            if (i < end) remember(i, hash);
            for (size_t k = i + 1; k < end; ++k) remember(k, Hash(data + k));
            i += static_cast<size_t>(bestLength);
        } else {
            out.Literal(data[i]);
            if (i < hashable) remember(i, hash);
            ++i;
        }
    }
    return std::move(out).Take();
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
