// A built-in picture may be packed, to keep the program file small: a packed
// block starts with its own mark, so the bytes of a picture file never pass
// for one. The format is a plain LZ77: runs of bytes copied as they are, and
// runs repeated from at most 64 KiB back.
#pragma once

#include <cstdint>
#include <vector>

#include "host/design.h"

namespace host {

bool IsPacked(Bytes data);
std::vector<uint8_t> Pack(Bytes data);
// The bytes a packed block was made from; a damaged block raises the
// run time's invalid-picture error.
std::vector<uint8_t> Unpack(Bytes packed);

}  // namespace host
