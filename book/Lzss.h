// The LZSS scheme of compacted page data: a 4096-byte window, matches of 3 to 18 bytes,
// eight flag bits a group, least significant first, 1 = literal.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wolf::lzss {

constexpr int WindowSize = 4096;
constexpr int MaxMatch = 18;
constexpr int MinMatch = 3;
constexpr int StartPosition = WindowSize - MaxMatch;  // 4078
// The format leaves the window's first content open; we follow the published scheme and
// start with blanks, so that encoder and decoder agree on matches into unwritten space.
constexpr uint8_t InitialFill = 0x20;
constexpr int DefaultChain = 16;

// Packs raw bytes so that Unpack gives them back.
// maxChain: match candidates tried per position, trading packing for time.
std::string Pack(std::string_view raw, int maxChain = DefaultChain);
// Unpacks into out until the data ends or out is full; returns the bytes written.
size_t Unpack(std::string_view packed, uint8_t* out, size_t capacity);

}  // namespace wolf::lzss
