// The three embedded picture files, byte for byte where the format fixes
// them, and the readers' refusal of anything else.
#include "host/picture_formats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/assets.h"

namespace {

using Buffer = std::vector<uint8_t>;

Buffer Copy(host::Bytes bytes) { return Buffer(bytes.begin(), bytes.end()); }

uint32_t At(host::Bytes file, size_t offset, size_t width) {
  uint32_t value = 0;
  for (size_t i = width; i-- > 0;) value = value << 8 | file[offset + i];
  return value;
}
uint32_t U8(host::Bytes f, size_t at) { return At(f, at, 1); }
uint32_t U16(host::Bytes f, size_t at) { return At(f, at, 2); }
uint32_t U32(host::Bytes f, size_t at) { return At(f, at, 4); }

void Put(Buffer& file, size_t at, size_t width, uint32_t value) {
  for (size_t i = 0; i < width; ++i) file[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Runs read and expects the picture error, not a crash or another error.
void ExpectRefused(const std::function<void()>& read) {
  try {
    read();
    ADD_FAILURE() << "the damaged file was accepted";
  } catch (const host::RuntimeError& error) {
    EXPECT_EQ(error.number(), host::err::kInvalidPicture);
    EXPECT_NE(std::string(error.what()).find("picture"), std::string::npos);
  }
}

const uint8_t* PixelAt(const host::Picture& picture, int x, int y) {
  return &picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
}

// Where the opaque pixels lie: left, top, right, bottom, inclusive.
std::array<int, 4> OpaqueBounds(const host::Picture& picture) {
  std::array<int, 4> box{picture.width, picture.height, -1, -1};
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      if (PixelAt(picture, x, y)[3] != 0)
        box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
  return box;
}

// ---- the files as shipped ----

TEST(EmbeddedPictures, BackgroundHeadersAreExactly24BitBottomUp640x480) {
  const host::Bytes bmp = app::assets::Background();
  ASSERT_EQ(bmp.size(), 921654u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(U32(bmp, 2), 921654u);
  EXPECT_EQ(U16(bmp, 6), 0u);
  EXPECT_EQ(U16(bmp, 8), 0u);
  EXPECT_EQ(U32(bmp, 10), 54u);
  EXPECT_EQ(U32(bmp, 14), 40u);
  EXPECT_EQ(U32(bmp, 18), 640u);
  EXPECT_EQ(U32(bmp, 22), 480u);
  EXPECT_EQ(U16(bmp, 26), 1u);
  EXPECT_EQ(U16(bmp, 28), 24u);
  EXPECT_EQ(U32(bmp, 30), 0u);
  EXPECT_EQ(U32(bmp, 34), 921600u);
  for (size_t field = 38; field < 54; field += 4) EXPECT_EQ(U32(bmp, field), 0u) << field;
}

TEST(EmbeddedPictures, IconHoldsThree8BitImagesOf16_32_48InOrder) {
  const host::Bytes ico = app::assets::Icon();
  ASSERT_EQ(ico.size(), 7406u);
  EXPECT_EQ(U16(ico, 0), 0u);
  EXPECT_EQ(U16(ico, 2), 1u);
  ASSERT_EQ(U16(ico, 4), 3u);
  size_t offset = 6 + 3 * 16;
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const auto size = static_cast<uint32_t>(host::kIconSizes[i]);
    const size_t entry = 6 + 16 * i;
    const uint32_t length = 40 + 1024 + size * size + ((size + 31) / 32 * 4) * size;
    EXPECT_EQ(U8(ico, entry), size);
    EXPECT_EQ(U8(ico, entry + 1), size);
    EXPECT_EQ(U8(ico, entry + 2), 0u);  // 256 colours
    EXPECT_EQ(U8(ico, entry + 3), 0u);
    EXPECT_EQ(U32(ico, entry + 8), length);
    ASSERT_EQ(U32(ico, entry + 12), offset);
    EXPECT_EQ(U32(ico, offset), 40u);
    EXPECT_EQ(U32(ico, offset + 4), size);
    EXPECT_EQ(U32(ico, offset + 8), 2 * size);  // colour image and mask
    EXPECT_EQ(U16(ico, offset + 12), 1u);
    EXPECT_EQ(U16(ico, offset + 14), 8u);
    EXPECT_EQ(U32(ico, offset + 16), 0u);
    offset += length;
  }
  EXPECT_EQ(offset, ico.size());
}

TEST(EmbeddedPictures, CursorIsOne32x32BlackAndWhiteImageWithHotSpot5_0) {
  const host::Bytes cur = app::assets::HandCursor();
  ASSERT_EQ(cur.size(), 326u);
  EXPECT_EQ(U16(cur, 0), 0u);
  EXPECT_EQ(U16(cur, 2), 2u);
  EXPECT_EQ(U16(cur, 4), 1u);
  EXPECT_EQ(U8(cur, 6), 32u);
  EXPECT_EQ(U8(cur, 7), 32u);
  EXPECT_EQ(U8(cur, 8), 2u);
  EXPECT_EQ(U16(cur, 10), 5u);  // hot spot x
  EXPECT_EQ(U16(cur, 12), 0u);  // hot spot y
  EXPECT_EQ(U32(cur, 14), 304u);
  EXPECT_EQ(U32(cur, 18), 22u);
  EXPECT_EQ(U32(cur, 22), 40u);
  EXPECT_EQ(U32(cur, 26), 32u);
  EXPECT_EQ(U32(cur, 30), 64u);
  EXPECT_EQ(U16(cur, 34), 1u);
  EXPECT_EQ(U16(cur, 36), 1u);
  EXPECT_EQ(U32(cur, 62), 0x000000u);  // black, then white
  EXPECT_EQ(U32(cur, 66), 0xFFFFFFu);
}

// ---- what the readers make of them ----

TEST(PictureReaders, BackgroundComesOutTopDownAndOpaque) {
  const host::Bytes bmp = app::assets::Background();
  const host::Picture picture = host::ReadBackground(bmp);
  ASSERT_EQ(picture.width, 640);
  ASSERT_EQ(picture.height, 480);
  // The file's first stored row is the picture's last.
  const uint8_t* bottomLeft = PixelAt(picture, 0, 479);
  EXPECT_EQ(bottomLeft[0], bmp[56]);
  EXPECT_EQ(bottomLeft[1], bmp[55]);
  EXPECT_EQ(bottomLeft[2], bmp[54]);
  for (size_t i = 3; i < picture.rgba.size(); i += 4) ASSERT_EQ(picture.rgba[i], 255);
}

TEST(PictureReaders, IconImagesShowARedBrownVehicleWithADarkWindowOnClearGround) {
  const std::vector<host::Picture> images = host::ReadIcon(app::assets::Icon());
  ASSERT_EQ(images.size(), 3u);
  for (size_t i = 0; i < images.size(); ++i) {
    const host::Picture& image = images[i];
    SCOPED_TRACE(image.width);
    EXPECT_EQ(image.width, host::kIconSizes[i]);
    EXPECT_EQ(image.height, host::kIconSizes[i]);
    EXPECT_EQ(PixelAt(image, 0, 0)[3], 0);  // clear corners
    EXPECT_EQ(PixelAt(image, image.width - 1, image.height - 1)[3], 0);
    long red = 0, green = 0, blue = 0, dark = 0, opaque = 0;
    for (size_t p = 0; p < image.rgba.size(); p += 4) {
      if (image.rgba[p + 3] == 0) continue;
      ++opaque;
      red += image.rgba[p], green += image.rgba[p + 1], blue += image.rgba[p + 2];
      dark += image.rgba[p] + image.rgba[p + 1] + image.rgba[p + 2] < 120;
    }
    EXPECT_GT(opaque, image.width * image.height / 3);
    EXPECT_GT(red, green + blue / 2);
    EXPECT_GT(dark, opaque / 8);
  }
}

TEST(PictureReaders, CursorIsAHandWhoseFingertipIsTheHotSpot) {
  const host::CursorPicture cursor = host::ReadCursor(app::assets::HandCursor());
  EXPECT_EQ(cursor.hotX, 5);
  EXPECT_EQ(cursor.hotY, 0);
  ASSERT_EQ(cursor.image.width, 32);
  const uint8_t* tip = PixelAt(cursor.image, 5, 0);
  EXPECT_EQ(tip[3], 255);
  EXPECT_EQ(tip[0], 0);  // the black outline of the fingertip
  EXPECT_EQ(OpaqueBounds(cursor.image), (std::array<int, 4>{0, 0, 16, 21}));
  const uint8_t* palm = PixelAt(cursor.image, 9, 14);
  EXPECT_EQ(palm[3], 255);
  EXPECT_EQ(palm[0], 255);  // white inside
}

// ---- damaged files ----

TEST(PictureReaders, RefuseEveryTruncation) {
  const Buffer cur = Copy(app::assets::HandCursor());
  for (size_t length = 0; length < cur.size(); ++length)
    ExpectRefused([&] { host::ReadCursor(host::Bytes(cur.data(), length)); });
  const Buffer ico = Copy(app::assets::Icon());
  for (size_t length = 0; length < ico.size(); length += 7)
    ExpectRefused([&] { host::ReadIcon(host::Bytes(ico.data(), length)); });
  const Buffer bmp = Copy(app::assets::Background());
  for (size_t length : {size_t{0}, size_t{2}, size_t{53}, size_t{54}, bmp.size() - 1})
    ExpectRefused([&] { host::ReadBackground(host::Bytes(bmp.data(), length)); });
}

TEST(PictureReaders, RefuseTrailingBytes) {
  Buffer cur = Copy(app::assets::HandCursor());
  cur.push_back(0);
  ExpectRefused([&] { host::ReadCursor(cur); });
  Buffer ico = Copy(app::assets::Icon());
  ico.push_back(0);
  ExpectRefused([&] { host::ReadIcon(ico); });
}

// Each case damages one field of a good file.
struct Damage {
  const char* what;
  size_t offset, width;
  uint32_t value;
};

void ExpectEachDamageRefused(host::Bytes good, std::initializer_list<Damage> damages,
                             const std::function<void(host::Bytes)>& read) {
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    Buffer file = Copy(good);
    Put(file, damage.offset, damage.width, damage.value);
    ExpectRefused([&] { read(file); });
  }
}

TEST(PictureReaders, BackgroundRefusesWrongHeaderFields) {
  ExpectEachDamageRefused(app::assets::Background(),
                          {{"magic", 0, 2, 0x4D43},
                           {"stated size", 2, 4, 921655},
                           {"reserved", 6, 2, 1},
                           {"offset", 10, 4, 1078},
                           {"header size", 14, 4, 108},
                           {"width", 18, 4, 641},
                           {"top-down", 22, 4, static_cast<uint32_t>(-480)},
                           {"planes", 26, 2, 2},
                           {"bits", 28, 2, 32},
                           {"compression", 30, 4, 3},
                           {"image size", 34, 4, 0},
                           {"colour table", 46, 4, 256}},
                          [](host::Bytes file) { host::ReadBackground(file); });
}

TEST(PictureReaders, IconRefusesWrongDirectoryOrImageHeaders) {
  const size_t image = 54;  // the first image's header
  ExpectEachDamageRefused(app::assets::Icon(),
                          {{"cursor type", 2, 2, 2},
                           {"two images", 4, 2, 2},
                           {"first entry 32 px", 6, 2, 0x2020},
                           {"16 colours", 8, 1, 16},
                           {"image length", 14, 4, 1385},
                           {"image offset", 18, 4, 55},
                           {"header size", image, 4, 12},
                           {"single height", image + 8, 4, 16},
                           {"4 bits", image + 14, 2, 4},
                           {"compressed", image + 16, 4, 1},
                           {"short colour table", image + 32, 4, 16}},
                          [](host::Bytes file) { host::ReadIcon(file); });
}

TEST(PictureReaders, IconRefusesImagesInAnotherOrder) {
  Buffer file = Copy(app::assets::Icon());
  std::swap_ranges(file.begin() + 6, file.begin() + 22, file.begin() + 22);
  ExpectRefused([&] { host::ReadIcon(file); });
}

TEST(PictureReaders, CursorRefusesAnIconAndAHotSpotOutsideTheImage) {
  Buffer file = Copy(app::assets::HandCursor());
  file[2] = 1;
  ExpectRefused([&] { host::ReadCursor(file); });
  ExpectRefused([&] { host::ReadCursor(app::assets::Icon()); });
  file = Copy(app::assets::HandCursor());
  file[10] = 32;
  ExpectRefused([&] { host::ReadCursor(file); });
}

}  // namespace
