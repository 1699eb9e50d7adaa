// Pieces the two book rewrites share; not part of the library's interface.
#pragma once

#include "WolfStream.h"
#include "uWolfReader.h"

#include <cstdint>

namespace wolf::replacer {

// Reads the 128-byte header from the start of the source and positions the destination at 0.
THeader StartRewrite(TStream& source, TStream& destination);
// Copies count bytes; 0 copies nothing.
void CopyBlock(TStream& source, TStream& destination, uint64_t count);
// Offsets are 32 bits: a book that would grow beyond that cannot be written.
void CheckBookSize(int64_t newSize);

}  // namespace wolf::replacer
