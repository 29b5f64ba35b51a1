#include "host/packing.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "host/messages.h"
#include "host/picture_formats.h"

namespace host {

namespace {

// The mark, then the unpacked size (32 bits, little-endian), then
// sequences: a token byte whose high four bits count the copied bytes and
// low four bits the repeat's length less kMinRepeat (15 in either: more in
// the bytes that follow, each adding up to 255), the copied bytes, then the
// repeat's distance back (16 bits). The last sequence has no repeat.
constexpr std::array<uint8_t, 4> kMark = {'Z', 'P', 'K', '1'};
constexpr size_t kHeader = kMark.size() + 4;
constexpr size_t kMinRepeat = 4;
constexpr size_t kMaxDistance = 0xFFFF;
constexpr int kHashBits = 16;

uint32_t Read32(const uint8_t* at) {
  return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
         static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

uint32_t HashAt(const uint8_t* at) { return (Read32(at) * 2654435761u) >> (32 - kHashBits); }

// A count beyond what the token's four bits hold.
void PutLength(std::vector<uint8_t>& out, size_t rest) {
  for (; rest >= 255; rest -= 255) out.push_back(255);
  out.push_back(static_cast<uint8_t>(rest));
}

void PutSequence(std::vector<uint8_t>& out, Bytes copied, size_t repeat, size_t distance) {
  const size_t repeatCode = repeat ? repeat - kMinRepeat : 0;
  out.push_back(static_cast<uint8_t>(std::min<size_t>(copied.size(), 15) << 4 |
                                     std::min<size_t>(repeatCode, 15)));
  if (copied.size() >= 15) PutLength(out, copied.size() - 15);
  out.insert(out.end(), copied.begin(), copied.end());
  if (!repeat) return;
  out.push_back(static_cast<uint8_t>(distance));
  out.push_back(static_cast<uint8_t>(distance >> 8));
  if (repeatCode >= 15) PutLength(out, repeatCode - 15);
}

[[noreturn]] void Damaged() {
  throw RuntimeError(err::kInvalidPicture, std::string(text::kDamagedPicture));
}

// Reads a count that continues past its four bits.
size_t GetLength(Bytes packed, size_t& at, size_t count) {
  if (count < 15) return count;
  for (uint8_t more = 255; more == 255; count += more) {
    if (at >= packed.size()) Damaged();
    more = packed[at++];
  }
  return count;
}

}  // namespace

bool IsPacked(Bytes data) {
  return data.size() >= kHeader && std::equal(kMark.begin(), kMark.end(), data.begin());
}

std::vector<uint8_t> Pack(Bytes data) {
  std::vector<uint8_t> out(kMark.begin(), kMark.end());
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<uint8_t>(data.size() >> shift));
  std::vector<uint32_t> last(size_t{1} << kHashBits, UINT32_MAX);  // where each hash was last seen
  size_t copiedFrom = 0, at = 0;
  while (at + kMinRepeat <= data.size()) {
    const uint32_t hash = HashAt(&data[at]);
    const size_t candidate = last[hash];
    last[hash] = static_cast<uint32_t>(at);
    if (candidate == UINT32_MAX || at - candidate > kMaxDistance ||
        std::memcmp(&data[candidate], &data[at], kMinRepeat) != 0) {
      ++at;
      continue;
    }
    size_t repeat = kMinRepeat;
    while (at + repeat < data.size() && data[candidate + repeat] == data[at + repeat]) ++repeat;
    PutSequence(out, data.subspan(copiedFrom, at - copiedFrom), repeat, at - candidate);
    at += repeat;
    copiedFrom = at;
  }
  PutSequence(out, data.subspan(copiedFrom), 0, 0);
  return out;
}

std::vector<uint8_t> Unpack(Bytes packed) {
  if (!IsPacked(packed)) Damaged();
  const size_t size = Read32(&packed[kMark.size()]);
  std::vector<uint8_t> out;
  out.reserve(std::min(size, packed.size() * 256));  // a damaged size asks for no more
  size_t at = kHeader;
  while (at < packed.size()) {
    const uint8_t token = packed[at++];
    const size_t copied = GetLength(packed, at, token >> 4);
    if (copied > packed.size() - at || copied > size - out.size()) Damaged();
    out.insert(out.end(), packed.begin() + static_cast<ptrdiff_t>(at),
               packed.begin() + static_cast<ptrdiff_t>(at + copied));
    at += copied;
    if (at == packed.size()) break;  // the last sequence
    if (packed.size() - at < 2) Damaged();
    const size_t distance = packed[at] | static_cast<size_t>(packed[at + 1]) << 8;
    at += 2;
    const size_t repeat = GetLength(packed, at, token & 15) + kMinRepeat;
    if (distance == 0 || distance > out.size() || repeat > size - out.size()) Damaged();
    for (size_t i = 0, from = out.size() - distance; i < repeat; ++i) out.push_back(out[from + i]);
  }
  if (out.size() != size) Damaged();
  return out;
}

}  // namespace host
