// Little-endian numbers read from and patched into a book's bytes, for tests that build or
// damage books by hand.
#pragma once

#include "WolfFormat.h"

#include <cstdint>
#include <string>

namespace bookbytes {

inline uint16_t U16At(const std::string& bytes, size_t at)
{
    return wolf::GetU16(reinterpret_cast<const uint8_t*>(bytes.data()) + at);
}
inline uint32_t U32At(const std::string& bytes, size_t at)
{
    return wolf::GetU32(reinterpret_cast<const uint8_t*>(bytes.data()) + at);
}
inline void PatchU16(std::string& bytes, size_t at, uint16_t value)
{
    wolf::PutU16(reinterpret_cast<uint8_t*>(&bytes[at]), value);
}
inline void PatchU32(std::string& bytes, size_t at, uint32_t value)
{
    wolf::PutU32(reinterpret_cast<uint8_t*>(&bytes[at]), value);
}
inline std::string U32Bytes(uint32_t value)
{
    std::string bytes(4, '\0');
    PatchU32(bytes, 0, value);
    return bytes;
}

}  // namespace bookbytes
