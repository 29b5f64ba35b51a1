#include "host/picture_formats.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <string>

#include "host/messages.h"
#include "host/png_pixels.h"

namespace host {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr size_t kDirectorySize = 6;
constexpr size_t kDirectoryEntrySize = 16;
constexpr uint16_t kIconType = 1;
constexpr uint16_t kCursorType = 2;
constexpr int kBackgroundBits = 24;
constexpr int kIconBits = 8;
constexpr int kCursorBits = 1;
constexpr uint8_t kOpaque = 255;

[[noreturn]] void Refuse(const std::string& what) {
  throw RuntimeError(err::kInvalidPicture, InvalidPictureText(what));
}

void Expect(bool holds, const char* what) {
  if (!holds) Refuse(what);
}

// Little-endian fields, each read only after its bounds are checked.
uint32_t Field(Bytes file, size_t at, size_t width) {
  Expect(at <= file.size() && width <= file.size() - at, "the file is truncated");
  uint32_t value = 0;
  for (size_t i = width; i-- > 0;) value = value << 8 | file[at + i];
  return value;
}
uint8_t U8(Bytes file, size_t at) { return static_cast<uint8_t>(Field(file, at, 1)); }
uint16_t U16(Bytes file, size_t at) { return static_cast<uint16_t>(Field(file, at, 2)); }
uint32_t U32(Bytes file, size_t at) { return Field(file, at, 4); }
int32_t I32(Bytes file, size_t at) { return static_cast<int32_t>(Field(file, at, 4)); }

size_t RowStride(int width, int bits) { return (static_cast<size_t>(width) * bits + 31) / 32 * 4; }

// ---- the background bitmap ----

constexpr size_t kBackgroundPixelOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr size_t kBackgroundImageSize =
    static_cast<size_t>(kBackgroundWidth) * kBackgroundHeight * 3;

void CheckBackgroundHeaders(Bytes file) {
  Expect(file.size() == kBackgroundPixelOffset + kBackgroundImageSize,
         "the background is not 921,654 bytes long");
  Expect(file[0] == 'B' && file[1] == 'M', "the background does not begin with \"BM\"");
  Expect(U32(file, 2) == file.size(), "the background's stated file size is wrong");
  Expect(U16(file, 6) == 0 && U16(file, 8) == 0, "the background's reserved words are not 0");
  Expect(U32(file, 10) == kBackgroundPixelOffset, "the background's pixels are not at 54");
  Expect(U32(file, 14) == kInfoHeaderSize, "the background's header is not 40 bytes");
  Expect(I32(file, 18) == kBackgroundWidth && I32(file, 22) == kBackgroundHeight,
         "the background is not a bottom-up 640 x 480 picture");
  Expect(U16(file, 26) == 1 && U16(file, 28) == kBackgroundBits,
         "the background is not one plane of 24 bits");
  Expect(U32(file, 30) == 0, "the background is compressed");
  Expect(U32(file, 34) == kBackgroundImageSize, "the background's image size is wrong");
  Expect(U32(file, 46) == 0 && U32(file, 50) == 0, "the background has a colour table");
}

// ---- the background as built in: a PNG ----

constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr size_t kChunkFrame = 12;  // length, type and checksum
constexpr uint8_t kPngDepth = 8;
constexpr uint8_t kPngRgb = 2;

bool IsPng(Bytes file) {
  return file.size() >= kPngSignature.size() &&
         std::equal(kPngSignature.begin(), kPngSignature.end(), file.begin());
}

uint32_t BigEndian32(Bytes file, size_t at) {
  return static_cast<uint32_t>(file[at]) << 24 | static_cast<uint32_t>(file[at + 1]) << 16 |
         static_cast<uint32_t>(file[at + 2]) << 8 | file[at + 3];
}

// The length of the chunk at `at`, once all of it is known to lie in the file.
size_t ChunkLength(Bytes file, size_t at) {
  Expect(file.size() - at >= kChunkFrame, "the file is truncated");
  const size_t length = BigEndian32(file, at);
  Expect(length <= file.size() - at - kChunkFrame, "the file is truncated");
  return length;
}

bool IsChunk(Bytes file, size_t at, const char* type) {
  return std::memcmp(&file[at + 4], type, 4) == 0;
}

// The file's frame is checked before it is decoded, alike on every system:
// the header chunk first and as shipped, every chunk whole, the end chunk
// last. The chunks' checksums are the decoder's (host/png_pixels.h).
void CheckPngFrame(Bytes file) {
  Expect(file.size() <= INT_MAX, "the background is too large");
  size_t at = kPngSignature.size();
  Expect(ChunkLength(file, at) == 13 && IsChunk(file, at, "IHDR"),
         "the background does not begin with a PNG header");
  Expect(BigEndian32(file, at + 8) == kBackgroundWidth &&
             BigEndian32(file, at + 12) == kBackgroundHeight,
         "the background is not a 640 x 480 picture");
  Expect(file[at + 16] == kPngDepth && file[at + 17] == kPngRgb,
         "the background is not 8-bit red, green and blue");
  Expect(file[at + 20] == 0, "the background is interlaced");
  for (;;) {
    const size_t length = ChunkLength(file, at);
    const bool last = IsChunk(file, at, "IEND");
    at += length + kChunkFrame;
    if (last) break;
  }
  Expect(at == file.size(), "the background has bytes after its end");
}

Picture ReadPng(Bytes file) {
  CheckPngFrame(file);
  Picture picture;
  Expect(UnpackPngPixels(file, picture) && picture.width == kBackgroundWidth &&
             picture.height == kBackgroundHeight,
         "the background is damaged");
  return picture;
}

// ---- icon and cursor images ----

struct ImageForm {
  int size;  // width and height
  int bits;
};

size_t PaletteEntries(const ImageForm& form) { return size_t{1} << form.bits; }
size_t XorBytes(const ImageForm& form) { return RowStride(form.size, form.bits) * form.size; }
size_t MaskBytes(const ImageForm& form) { return RowStride(form.size, 1) * form.size; }
size_t ImageBytes(const ImageForm& form) {
  return kInfoHeaderSize + 4 * PaletteEntries(form) + XorBytes(form) + MaskBytes(form);
}

void CheckImageHeader(Bytes file, size_t at, const ImageForm& form) {
  Expect(U32(file, at) == kInfoHeaderSize, "an image header is not 40 bytes");
  Expect(I32(file, at + 4) == form.size && I32(file, at + 8) == 2 * form.size,
         "an image's size does not match its directory entry");
  Expect(U16(file, at + 12) == 1 && U16(file, at + 14) == form.bits,
         "an image has the wrong number of bits per pixel");
  Expect(U32(file, at + 16) == 0, "an image is compressed");
  const uint32_t imageSize = U32(file, at + 20);
  Expect(imageSize == 0 || imageSize == XorBytes(form) + MaskBytes(form),
         "an image's stated size is wrong");
  const uint32_t coloursUsed = U32(file, at + 32);
  Expect(coloursUsed == 0 || coloursUsed == PaletteEntries(form),
         "an image's colour table is not full");
}

bool BitAt(Bytes row, int x) { return (row[x / 8] >> (7 - x % 8) & 1) != 0; }

Picture DecodeImage(Bytes file, size_t at, const ImageForm& form) {
  CheckImageHeader(file, at, form);
  Expect(file.size() - at >= ImageBytes(form), "the file is truncated");
  const Bytes palette = file.subspan(at + kInfoHeaderSize, 4 * PaletteEntries(form));
  const Bytes xor_ = file.subspan(at + kInfoHeaderSize + palette.size(), XorBytes(form));
  const Bytes mask =
      file.subspan(at + kInfoHeaderSize + palette.size() + xor_.size(), MaskBytes(form));
  Picture picture{form.size, form.size,
                  std::vector<uint8_t>(static_cast<size_t>(form.size) * form.size * 4)};
  const size_t xorStride = RowStride(form.size, form.bits);
  const size_t maskStride = RowStride(form.size, 1);
  for (int y = 0; y < form.size; ++y) {
    const size_t stored = static_cast<size_t>(form.size - 1 - y);  // rows are bottom-up
    const Bytes xorRow = xor_.subspan(stored * xorStride, xorStride);
    const Bytes maskRow = mask.subspan(stored * maskStride, maskStride);
    for (int x = 0; x < form.size; ++x) {
      const size_t index = form.bits == 8 ? xorRow[x] : BitAt(xorRow, x);
      uint8_t* out = &picture.rgba[(static_cast<size_t>(y) * form.size + x) * 4];
      out[0] = palette[index * 4 + 2];
      out[1] = palette[index * 4 + 1];
      out[2] = palette[index * 4];
      out[3] = BitAt(maskRow, x) ? 0 : kOpaque;
    }
  }
  return picture;
}

// ---- the directory that icons and cursors share ----

struct DirectoryEntry {
  uint16_t fieldA, fieldB;  // planes and bits of an icon, the hot spot of a cursor
  size_t offset;
};

void CheckDirectory(Bytes file, uint16_t type, size_t count) {
  Expect(U16(file, 0) == 0, "the directory's reserved word is not 0");
  Expect(U16(file, 2) == type, "the file is not of the expected kind (icon or cursor)");
  Expect(U16(file, 4) == count, "the file holds the wrong number of images");
}

// Images must follow the directory end to end, in the order of their entries.
DirectoryEntry ReadEntry(Bytes file, size_t number, const ImageForm& form, size_t expectedOffset) {
  const size_t at = kDirectorySize + number * kDirectoryEntrySize;
  const uint8_t colourCount = form.bits == 8 ? 0 : static_cast<uint8_t>(PaletteEntries(form));
  Expect(U8(file, at) == form.size % 256 && U8(file, at + 1) == form.size % 256,
         "an image has the wrong size or comes in the wrong order");
  Expect(U8(file, at + 2) == colourCount && U8(file, at + 3) == 0,
         "an image's colour count is wrong");
  Expect(U32(file, at + 8) == ImageBytes(form), "an image's stated length is wrong");
  Expect(U32(file, at + 12) == expectedOffset, "an image is not where the directory ends");
  return {U16(file, at + 4), U16(file, at + 6), expectedOffset};
}

size_t ImagesStart(size_t count) { return kDirectorySize + count * kDirectoryEntrySize; }

}  // namespace

Picture ReadBackground(Bytes file) {
  if (IsPng(file)) return ReadPng(file);
  CheckBackgroundHeaders(file);
  Picture picture{
      kBackgroundWidth, kBackgroundHeight,
      std::vector<uint8_t>(static_cast<size_t>(kBackgroundWidth) * kBackgroundHeight * 4)};
  const size_t stride = RowStride(kBackgroundWidth, kBackgroundBits);
  for (int y = 0; y < kBackgroundHeight; ++y) {
    const uint8_t* in = &file[kBackgroundPixelOffset + (kBackgroundHeight - 1 - y) * stride];
    uint8_t* out = &picture.rgba[static_cast<size_t>(y) * kBackgroundWidth * 4];
    for (int x = 0; x < kBackgroundWidth; ++x, in += 3, out += 4) {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
      out[3] = kOpaque;
    }
  }
  return picture;
}

std::vector<Picture> ReadIcon(Bytes file) {
  CheckDirectory(file, kIconType, kIconSizes.size());
  std::vector<Picture> pictures;
  size_t offset = ImagesStart(kIconSizes.size());
  for (size_t i = 0; i < kIconSizes.size(); ++i) {
    const ImageForm form{kIconSizes[i], kIconBits};
    const DirectoryEntry entry = ReadEntry(file, i, form, offset);
    Expect(entry.fieldA <= 1 && (entry.fieldB == 0 || entry.fieldB == kIconBits),
           "an icon entry names the wrong planes or bits");
    pictures.push_back(DecodeImage(file, entry.offset, form));
    offset += ImageBytes(form);
  }
  Expect(file.size() == offset, "the icon has bytes after its last image");
  return pictures;
}

CursorPicture ReadCursor(Bytes file) {
  CheckDirectory(file, kCursorType, 1);
  const ImageForm form{kCursorSize, kCursorBits};
  const DirectoryEntry entry = ReadEntry(file, 0, form, ImagesStart(1));
  Expect(entry.fieldA < kCursorSize && entry.fieldB < kCursorSize,
         "the cursor's hot spot lies outside its image");
  CursorPicture cursor{DecodeImage(file, entry.offset, form), entry.fieldA, entry.fieldB};
  Expect(file.size() == entry.offset + ImageBytes(form), "the cursor has bytes after its image");
  return cursor;
}

CursorPicture ScaledCursor(const CursorPicture& cursor, DisplayScale scale) {
  const Picture& from = cursor.image;
  const int width = static_cast<int>(scale.ToScreen(from.width));
  const int height = static_cast<int>(scale.ToScreen(from.height));
  CursorPicture scaled{{width, height, std::vector<uint8_t>(size_t(width) * height * 4)},
                       static_cast<int>(scale.ToScreen(cursor.hotX)),
                       static_cast<int>(scale.ToScreen(cursor.hotY))};
  uint8_t* to = scaled.image.rgba.data();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x, to += 4) {
      const size_t at = size_t(scale.ToProgram(y)) * from.width + size_t(scale.ToProgram(x));
      std::copy_n(&from.rgba[at * 4], 4, to);
    }
  return scaled;
}

}  // namespace host
