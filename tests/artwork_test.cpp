// The background picture against the window's design: every painted entry
// lies inside the hot area that makes it clickable, and nothing is painted
// where the window's frame rings will cover the picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string_view>

#include "app/assets.h"
#include "app/form1_design.h"
#include "host/picture_formats.h"

namespace {

using host::kTwipsPerPixel;

struct Box {
  int left, top, right, bottom;  // inclusive
  bool Inside(const Box& o) const {
    return left >= o.left && top >= o.top && right <= o.right && bottom <= o.bottom;
  }
};
std::ostream& operator<<(std::ostream& out, const Box& b) {
  return out << "(" << b.left << "," << b.top << ")-(" << b.right << "," << b.bottom << ")";
}

// Where the pixels that `is` picks lie within `region`, and how many there are.
struct Painted {
  Box bounds = {1 << 20, 1 << 20, -1, -1};
  int count = 0;
};
template <typename Is>
Painted Find(Is is, const Box& region) {
  static const host::Picture picture = host::ReadBackground(app::assets::Background());
  Painted found;
  Box& b = found.bounds;
  for (int y = region.top; y <= region.bottom; ++y)
    for (int x = region.left; x <= region.right; ++x)
      if (is(&picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4]))
        ++found.count, b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x),
                            std::max(b.bottom, y)};
  return found;
}

// Colours that tools/pictures paints only in these places.
bool EntryFrame(const uint8_t* p) { return p[0] == 138 && p[1] == 14 && p[2] == 22; }
bool MakerName(const uint8_t* p) { return p[0] == 255 && p[1] == 226 && p[2] == 168; }
bool Warm(const uint8_t* p) { return p[0] >= 220 && p[1] <= 180; }            // the close cross's
bool Bright(const uint8_t* p) { return std::max({p[0], p[1], p[2]}) >= 64; }  // not dark sky

constexpr Box kWhole = {0, 0, host::kBackgroundWidth - 1, host::kBackgroundHeight - 1};

// A label of the window's own, in pixels.
Box HotArea(const host::ControlDesign& c) {
  const int k = kTwipsPerPixel, left = c.rect.left / k, top = c.rect.top / k;
  return {left, top, left + c.rect.width / k - 1, top + c.rect.height / k - 1};
}
Box HotArea(std::string_view name) {
  for (const host::ControlDesign& c : app::Form1Controls())
    if (c.name == name) return HotArea(c);
  return {};
}

// Every entry's frame covers most of its hot area, and no frame lies elsewhere.
TEST(Artwork, EachOfTheTenEntriesIsFramedWithinItsHotArea) {
  int entries = 0, framed = 0;
  for (const host::ControlDesign& c : app::Form1Controls()) {
    if (c.type != host::ControlType::Label || !c.container.empty() ||
        c.name == app::names::kCloseButton || c.name == app::names::kQuorrelButtons)
      continue;
    const Box area = HotArea(c);
    const Painted frame = Find(EntryFrame, area);
    EXPECT_GE(frame.bounds.right - frame.bounds.left, area.right - area.left - 4) << area;
    EXPECT_GE(frame.bounds.bottom - frame.bounds.top, area.bottom - area.top - 6) << area;
    ++entries, framed += frame.count;
  }
  EXPECT_EQ(entries, 10);
  EXPECT_EQ(framed, Find(EntryFrame, kWhole).count) << "a frame outside its hot area";
}

TEST(Artwork, TheMakersNameAndTheCloseCrossLieWithinTheirHotAreas) {
  const Box maker = HotArea(app::names::kQuorrelButtons), close = HotArea(app::names::kCloseButton);
  const Painted name = Find(MakerName, kWhole);
  EXPECT_GT(name.count, 150);
  EXPECT_TRUE(name.bounds.Inside(maker)) << name.bounds;
  EXPECT_GT(name.bounds.right - name.bounds.left, (maker.right - maker.left) / 2) << name.bounds;
  const Painted cross = Find(Warm, {560, 0, kWhole.right, close.bottom});  // above the entries
  EXPECT_GT(cross.count, 10);
  EXPECT_TRUE(cross.bounds.Inside(close)) << cross.bounds;
}

// The frame rings cover the outermost pixels and the rounded outline cuts the corners.
TEST(Artwork, NothingButDarkSkyLiesInTheOuterNinePixels) {
  const Box bright = Find(Bright, kWhole).bounds;
  EXPECT_TRUE(bright.Inside({9, 9, kWhole.right - 9, kWhole.bottom - 9})) << bright;
}

}  // namespace
