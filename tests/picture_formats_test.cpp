// The three embedded picture files, byte for byte where the format fixes
// them, and the readers' refusal of anything else.
#include "host/picture_formats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "app/assets.h"

namespace {

using Buffer = std::vector<uint8_t>;

uint32_t At(host::Bytes file, size_t at, size_t width) {
  uint32_t value = 0;
  for (size_t i = width; i-- > 0;) value = value << 8 | file[at + i];
  return value;
}

// Runs of consecutive fields: where a run starts, its fields' widths, what the
// shipped file holds in each and a value the reader must refuse there
// (kIgnored where the reader does not look).
struct Run {
  size_t at;
  std::vector<size_t> widths;
  std::vector<uint32_t> shipped, wrong;
};
constexpr uint32_t kIgnored = 0xFFFFFFFF;

// A bitmap's file header: magic, file size, two reserved words, pixel offset.
const std::vector<size_t> kFileHeader = {2, 4, 2, 2, 4};
// Any image's header: its own size, width, height, planes, bits, compression,
// image size, two resolutions, colours used and important colours.
const std::vector<size_t> kImageHeader = {4, 4, 4, 2, 2, 4, 4, 4, 4, 4, 4};
// An icon or cursor's directory: reserved, type, image count; and each image's
// entry in it: width, height, colours, reserved, planes and bits (a cursor's hot
// spot), the image's length and offset.
const std::vector<size_t> kDirectory = {2, 2, 2}, kEntry = {1, 1, 1, 1, 2, 2, 4, 4};

std::vector<Run> BackgroundRuns() {
  return {
      {0, kFileHeader, {'B' | 'M' << 8, 921654, 0, 0, 54}, {'B' | 'C' << 8, 921655, 1, 1, 1078}},
      {14,
       kImageHeader,
       {40, 640, 480, 1, 24, 0, 921600, 0, 0, 0, 0},
       {108, 641, static_cast<uint32_t>(-480), 2, 32, 3, 0, kIgnored, kIgnored, 256, 1}}};
}

// Three 8-bit images of 16, 32 and 48 pixels, in that order, end to end.
std::vector<Run> IconRuns() {
  std::vector<Run> runs = {{0, kDirectory, {0, 1, 3}, {1, 2, 2}}};
  uint32_t offset = 6 + 3 * 16;
  for (size_t i = 0; i < 3; ++i) {
    const uint32_t size = host::kIconSizes[i];
    const uint32_t pixels = size * size + (size + 31) / 32 * 4 * size, length = 40 + 1024 + pixels;
    runs.push_back({6 + 16 * i,
                    kEntry,
                    {size, size, 0, 0, 1, 8, length, offset},
                    {2 * size, 2 * size, 16, 1, 2, 4, length + 1, offset + 1}});
    runs.push_back({offset,
                    kImageHeader,
                    {40, size, 2 * size, 1, 8, 0, pixels, 0, 0, 0, 0},
                    {12, size + 1, size, 2, 4, 1, 1, kIgnored, kIgnored, 16, kIgnored}});
    offset += length;
  }
  return runs;
}

// One 32 x 32 black-and-white image with its hot spot at (5, 0).
std::vector<Run> CursorRuns() {
  return {{0, kDirectory, {0, 2, 1}, {1, 1, 2}},
          {6, kEntry, {32, 32, 2, 0, 5, 0, 304, 22}, {16, 16, 0, 1, 32, 32, 305, 23}},
          {22,
           kImageHeader,
           {40, 32, 64, 1, 1, 0, 256, 0, 0, 0, 0},
           {12, 16, 32, 2, 4, 1, 1, kIgnored, kIgnored, 16, kIgnored}},
          {62, {4, 4}, {0x000000, 0xFFFFFF}, {kIgnored, kIgnored}}};  // black, white
}

struct PictureFile {
  const char* name;
  host::Bytes bytes;
  size_t size;
  std::vector<Run> runs;
  void (*read)(host::Bytes);
};

std::vector<PictureFile> Files() {
  return {{"background", app::assets::Background(), 921654, BackgroundRuns(),
           [](host::Bytes file) { host::ReadBackground(file); }},
          {"icon", app::assets::Icon(), 7406, IconRuns(),
           [](host::Bytes file) { host::ReadIcon(file); }},
          {"cursor", app::assets::HandCursor(), 326, CursorRuns(),
           [](host::Bytes file) { host::ReadCursor(file); }}};
}

// Calls check(at, width, shipped, wrong) for each field of the file's runs.
template <typename Check>
void ForEachField(const PictureFile& file, Check check) {
  for (const Run& run : file.runs)
    for (size_t i = 0, at = run.at; i < run.widths.size(); at += run.widths[i++])
      check(at, run.widths[i], run.shipped.at(i), run.wrong.at(i));
}

// Expects the picture error, not a crash, an acceptance or another error.
void ExpectRefused(const PictureFile& file, const Buffer& damaged) {
  try {
    file.read(damaged);
    ADD_FAILURE() << "the damaged file was accepted";
  } catch (const host::RuntimeError& error) {
    EXPECT_EQ(error.number(), host::err::kInvalidPicture);
    EXPECT_NE(std::string(error.what()).find("picture"), std::string::npos);
  }
}

TEST(EmbeddedPictures, HaveExactlyTheirSizesAndHeaderFields) {
  for (const PictureFile& file : Files()) {
    SCOPED_TRACE(file.name);
    ASSERT_EQ(file.bytes.size(), file.size);
    ForEachField(file, [&](size_t at, size_t width, uint32_t shipped, uint32_t) {
      EXPECT_EQ(At(file.bytes, at, width), shipped) << "at " << at;
    });
  }
}

TEST(PictureReaders, RefuseAWrongValueInAnyCheckedHeaderField) {
  for (const PictureFile& file : Files()) {
    ForEachField(file, [&](size_t at, size_t width, uint32_t, uint32_t wrong) {
      if (wrong == kIgnored) return;
      SCOPED_TRACE(std::string(file.name) + " at " + std::to_string(at));
      Buffer damaged(file.bytes.begin(), file.bytes.end());
      for (size_t i = 0; i < width; ++i) damaged[at + i] = wrong >> 8 * i & 0xFF;
      ExpectRefused(file, damaged);
    });
  }
}

// Each cut is copied to a buffer of its own length, so that a read past its end
// shows under a memory checker.
TEST(PictureReaders, RefuseTruncatedFilesAndTrailingBytes) {
  for (const PictureFile& file : Files()) {
    SCOPED_TRACE(file.name);
    const size_t step = file.size < 1000 ? 1 : file.size < 10000 ? 7 : file.size / 5;
    for (size_t length = 0; length < file.size; length += step)
      ExpectRefused(file, Buffer(file.bytes.begin(), file.bytes.begin() + length));
    for (size_t length : {size_t{54}, file.size - 1})
      ExpectRefused(file, Buffer(file.bytes.begin(), file.bytes.begin() + length));
    Buffer longer(file.bytes.begin(), file.bytes.end());
    longer.push_back(0);
    ExpectRefused(file, longer);
  }
}

const uint8_t* PixelAt(const host::Picture& picture, int x, int y) {
  return &picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
}

TEST(PictureReaders, BackgroundComesOutTopDownInRedGreenBlueAndOpaque) {
  const host::Bytes bmp = app::assets::Background();
  const host::Picture picture = host::ReadBackground(bmp);
  ASSERT_EQ(picture.width, 640);
  ASSERT_EQ(picture.height, 480);
  // The file's first stored row, blue first, is the picture's last.
  const uint8_t* bottomLeft = PixelAt(picture, 0, 479);
  EXPECT_EQ(Buffer(bottomLeft, bottomLeft + 3), (Buffer{bmp[56], bmp[55], bmp[54]}));
  for (size_t i = 3; i < picture.rgba.size(); i += 4) ASSERT_EQ(picture.rgba[i], 255);
}

TEST(PictureReaders, IconImagesShowARedBrownVehicleWithADarkWindowOnClearGround) {
  const std::vector<host::Picture> images = host::ReadIcon(app::assets::Icon());
  ASSERT_EQ(images.size(), 3u);
  for (size_t i = 0; i < images.size(); ++i) {
    const host::Picture& image = images[i];
    SCOPED_TRACE(image.width);
    ASSERT_EQ(image.width, host::kIconSizes[i]);
    ASSERT_EQ(image.height, host::kIconSizes[i]);
    EXPECT_EQ(PixelAt(image, 0, 0)[3] + PixelAt(image, image.width - 1, image.height - 1)[3], 0)
        << "the corners are not clear";
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

TEST(PictureReaders, CursorIsAHandWhoseBlackFingertipIsTheHotSpot) {
  const host::CursorPicture cursor = host::ReadCursor(app::assets::HandCursor());
  EXPECT_EQ(cursor.hotX, 5);
  EXPECT_EQ(cursor.hotY, 0);
  ASSERT_EQ(cursor.image.width, 32);
  ASSERT_EQ(cursor.image.height, 32);
  std::array<int, 4> opaque{32, 32, -1, -1};  // left, top, right, bottom
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (PixelAt(cursor.image, x, y)[3] != 0)
        opaque = {std::min(opaque[0], x), std::min(opaque[1], y), std::max(opaque[2], x),
                  std::max(opaque[3], y)};
  EXPECT_EQ(opaque, (std::array<int, 4>{0, 0, 16, 21}));
  const uint8_t *tip = PixelAt(cursor.image, 5, 0), *palm = PixelAt(cursor.image, 9, 14);
  EXPECT_EQ(Buffer(tip, tip + 4), (Buffer{0, 0, 0, 255}));
  EXPECT_EQ(Buffer(palm, palm + 4), (Buffer{255, 255, 255, 255}));
}

}  // namespace
