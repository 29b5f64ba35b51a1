// The three embedded picture files' key header fields, the built-in PNG
// against the bitmap it was made from, and the readers' refusal of anything
// else.
#include "host/picture_formats.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/assets.h"
#include "tests/drawn_background.h"

namespace {

using Buffer = std::vector<uint8_t>;

// A header field: where it lies, its width, what the shipped file holds there
// and a value the reader must refuse there.
struct HeaderField {
  size_t at, width;
  uint32_t shipped, wrong;
  bool bigEndian = false;

  size_t Byte(size_t i) const { return at + (bigEndian ? width - 1 - i : i); }
};

struct PictureFile {
  const char* name;
  host::Bytes bytes;
  size_t size;  // 0: whatever the build made
  void (*read)(host::Bytes);
  std::vector<HeaderField> fields;
};

// The PNG header's width, height, bits per channel, colour type (red, green,
// blue) and interlacing.
const std::vector<HeaderField> kBuiltBackgroundFields = {
    {16, 4, 640, 641, true}, {20, 4, 480, 481, true}, {24, 1, 8, 16}, {25, 1, 2, 6}, {28, 1, 0, 1}};
// The bitmap's magic, file size, pixel offset, width, height (top-down when
// negative), bits and compression.
const std::vector<HeaderField> kBackgroundFields = {
    {0, 2, 0x4D42, 0x4342},   {2, 4, 921654, 921655}, {10, 4, 54, 1078}, {18, 4, 640, 641},
    {22, 4, 480, 0xFFFFFE20}, {28, 2, 24, 32},        {30, 4, 0, 3}};
// The icon's type and image count; the first entry's width, bits and offset;
// the last entry's width; the first image's doubled height.
const std::vector<HeaderField> kIconFields = {{2, 2, 1, 2},   {4, 2, 3, 2},    {6, 1, 16, 32},
                                              {12, 2, 8, 4},  {18, 4, 54, 55}, {38, 1, 48, 16},
                                              {62, 4, 32, 16}};
// The cursor's type, width, hot spot, image length and bits.
const std::vector<HeaderField> kCursorFields = {{2, 2, 2, 1},   {6, 1, 32, 16},    {10, 2, 5, 32},
                                                {12, 2, 0, 32}, {14, 4, 304, 305}, {36, 2, 1, 4}};

const std::vector<PictureFile>& Files() {
  static const std::vector<PictureFile> files = {
      {"background", app::assets::Background(), 0, [](host::Bytes f) { host::ReadBackground(f); },
       kBuiltBackgroundFields},
      {"drawn background", DrawnBackground(), 921654,
       [](host::Bytes f) { host::ReadBackground(f); }, kBackgroundFields},
      {"icon", app::assets::Icon(), 7406, [](host::Bytes f) { host::ReadIcon(f); }, kIconFields},
      {"cursor", app::assets::HandCursor(), 326, [](host::Bytes f) { host::ReadCursor(f); },
       kCursorFields}};
  return files;
}

// Expects the picture error, not a crash, an acceptance or another error.
void ExpectRefused(const PictureFile& file, const Buffer& damaged) {
  try {
    file.read(damaged);
    ADD_FAILURE() << "the damaged file was accepted";
  } catch (const host::RuntimeError& error) {
    EXPECT_EQ(error.number(), host::err::kInvalidPicture);
    EXPECT_NE(std::string(error.what()).find("рисунок"), std::string::npos);
  }
}

TEST(EmbeddedPictures, HaveExactlyTheirSizesAndKeyHeaderFields) {
  for (const PictureFile& file : Files()) {
    if (file.size) {
      ASSERT_EQ(file.bytes.size(), file.size) << file.name;
    }
    for (const HeaderField& field : file.fields) {
      uint32_t value = 0;
      for (size_t i = field.width; i-- > 0;) value = value << 8 | file.bytes[field.Byte(i)];
      EXPECT_EQ(value, field.shipped) << file.name << " at " << field.at;
    }
  }
}

TEST(PictureReaders, RefuseAWrongHeaderField) {
  for (const PictureFile& file : Files())
    for (const HeaderField& field : file.fields) {
      SCOPED_TRACE(std::string(file.name) + " at " + std::to_string(field.at));
      Buffer damaged(file.bytes.begin(), file.bytes.end());
      for (size_t i = 0; i < field.width; ++i) damaged[field.Byte(i)] = field.wrong >> 8 * i & 0xFF;
      ExpectRefused(file, damaged);
    }
}

// Each cut gets a buffer of its own length, so that an overread shows under a memory checker.
TEST(PictureReaders, RefuseTruncatedFilesAndTrailingBytes) {
  for (const PictureFile& file : Files()) {
    SCOPED_TRACE(file.name);
    const size_t size = file.bytes.size();
    for (size_t length : {size_t{0}, size_t{5}, size_t{21}, size_t{54}, size_t{100}, size - 1})
      ExpectRefused(file, Buffer(file.bytes.begin(), file.bytes.begin() + length));
    Buffer longer(file.bytes.begin(), file.bytes.end());
    longer.push_back(0);
    ExpectRefused(file, longer);
  }
}

TEST(PictureReaders, BuiltInBackgroundShowsExactlyTheDrawnOne) {
  const host::Picture built = host::ReadBackground(app::assets::Background());
  const host::Picture drawn = host::ReadBackground(DrawnBackground());
  EXPECT_EQ(std::pair(built.width, built.height), std::pair(640, 480));
  EXPECT_TRUE(built.rgba == drawn.rgba);
  EXPECT_LT(app::assets::Background().size(), DrawnBackground().size() / 3);
}

// A changed byte anywhere in the PNG is a damaged file: in its pixels, in
// the zlib checksum that ends them (17 bytes from the end), in the end chunk.
TEST(PictureReaders, RefuseAChangedByteOfTheBuiltInBackground) {
  const PictureFile& file = Files().front();
  const size_t size = file.bytes.size();
  for (size_t at : {size_t{0}, size_t{12}, size_t{40}, size / 2, size - 17, size - 5}) {
    SCOPED_TRACE("at " + std::to_string(at));
    Buffer damaged(file.bytes.begin(), file.bytes.end());
    damaged[at] ^= 0x10;
    ExpectRefused(file, damaged);
  }
}

TEST(PictureReaders, IconHoldsItsSizesInOrderWithClearCorners) {
  const std::vector<host::Picture> images = host::ReadIcon(app::assets::Icon());
  ASSERT_EQ(images.size(), 3u);
  for (size_t i = 0; i < images.size(); ++i) {
    const int size = host::kIconSizes[i];
    EXPECT_EQ(std::pair(images[i].width, images[i].height), std::pair(size, size));
    EXPECT_EQ(images[i].rgba.at(3), 0) << "the top left corner is not clear";
  }
}

TEST(PictureReaders, CursorIsA32PixelHandWhoseBlackFingertipIsTheHotSpot) {
  const host::CursorPicture cursor = host::ReadCursor(app::assets::HandCursor());
  EXPECT_EQ(std::pair(cursor.hotX, cursor.hotY), std::pair(5, 0));
  ASSERT_EQ(std::pair(cursor.image.width, cursor.image.height), std::pair(32, 32));
  const uint8_t* rgba = cursor.image.rgba.data();
  EXPECT_EQ(Buffer(rgba + 20, rgba + 24), (Buffer{0, 0, 0, 255}));            // at (5, 0)
  EXPECT_EQ(Buffer(rgba + 1828, rgba + 1832), (Buffer{255, 255, 255, 255}));  // the palm, (9, 14)
  EXPECT_EQ(rgba[4095], 0) << "the bottom right corner is not clear";
}

}  // namespace
