// The background picture against the window's design: every painted entry
// lies inside the hot area that makes it clickable, and nothing is painted
// where the window's frame rings will cover the picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/assets.h"
#include "app/form1_design.h"
#include "host/picture_formats.h"

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kEdgeMargin = 9;
constexpr int kEntryCount = 10;

// Colours that tools/pictures paints only in these places.
using Rgb = std::array<uint8_t, 3>;
constexpr Rgb kEntryFrame = {138, 14, 22};
constexpr Rgb kMakerName = {255, 226, 168};

struct Box {
  int left, top, right, bottom;  // inclusive
  bool Inside(const Box& outer) const {
    return left >= outer.left && top >= outer.top && right <= outer.right && bottom <= outer.bottom;
  }
  bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
  void Include(int x, int y) {
    left = std::min(left, x), top = std::min(top, y);
    right = std::max(right, x), bottom = std::max(bottom, y);
  }
};

std::ostream& operator<<(std::ostream& out, const Box& b) {
  return out << "(" << b.left << "," << b.top << ")-(" << b.right << "," << b.bottom << ")";
}

constexpr Box kNothing = {1 << 20, 1 << 20, -1, -1};

struct HotArea {
  std::string label;
  Box box;
};

std::vector<HotArea> HotAreas() {
  std::vector<HotArea> areas;
  for (const host::ControlDesign& control : app::Form1Controls()) {
    if (control.type != host::ControlType::Label || !control.container.empty()) continue;
    const host::TwipsRect& r = control.rect;
    const int left = r.left / kTwipsPerPixel, top = r.top / kTwipsPerPixel;
    std::string label(control.name);
    if (control.index) label.append(" ").append(std::to_string(*control.index));
    areas.push_back(
        {label,
         {left, top, left + r.width / kTwipsPerPixel - 1, top + r.height / kTwipsPerPixel - 1}});
  }
  return areas;
}

const HotArea& Find(const std::vector<HotArea>& areas, std::string_view label) {
  return *std::find_if(areas.begin(), areas.end(),
                       [&](const HotArea& a) { return a.label == label; });
}

bool IsEntry(const HotArea& area) {
  return area.label != app::names::kCloseButton && area.label != app::names::kQuorrelButtons;
}

class Artwork : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    picture = new host::Picture(host::ReadBackground(app::assets::Background()));
  }
  static void TearDownTestSuite() { delete picture; }

  static const uint8_t* At(int x, int y) {
    return &picture->rgba[(static_cast<size_t>(y) * picture->width + x) * 4];
  }
  static bool Is(int x, int y, const Rgb& colour) {
    return std::equal(colour.begin(), colour.end(), At(x, y));
  }

  // The connected pieces (8 neighbours) of one colour, as bounding boxes.
  static std::vector<Box> PiecesOf(const Rgb& colour) {
    std::vector<bool> seen(static_cast<size_t>(picture->width) * picture->height);
    std::vector<Box> pieces;
    for (int y = 0; y < picture->height; ++y)
      for (int x = 0; x < picture->width; ++x)
        if (Is(x, y, colour) && !seen[y * picture->width + x])
          pieces.push_back(Flood(x, y, colour, seen));
    return pieces;
  }

  static Box Flood(int x, int y, const Rgb& colour, std::vector<bool>& seen) {
    Box box = kNothing;
    std::vector<std::array<int, 2>> todo{{x, y}};
    seen[y * picture->width + x] = true;
    while (!todo.empty()) {
      const auto [px, py] = todo.back();
      todo.pop_back();
      box.Include(px, py);
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = px + dx, ny = py + dy;
          if (nx < 0 || ny < 0 || nx >= picture->width || ny >= picture->height) continue;
          if (seen[ny * picture->width + nx] || !Is(nx, ny, colour)) continue;
          seen[ny * picture->width + nx] = true;
          todo.push_back({nx, ny});
        }
    }
    return box;
  }

  static host::Picture* picture;
  const std::vector<HotArea> areas = HotAreas();
};

host::Picture* Artwork::picture = nullptr;

TEST_F(Artwork, EachEntryHasOneFrameFillingItsHotAreaAndNoFrameLiesElsewhere) {
  const std::vector<Box> frames = PiecesOf(kEntryFrame);
  EXPECT_EQ(frames.size(), static_cast<size_t>(kEntryCount));
  for (const Box& frame : frames) {
    const bool inSomeEntry = std::any_of(areas.begin(), areas.end(), [&](const HotArea& a) {
      return IsEntry(a) && frame.Inside(a.box);
    });
    EXPECT_TRUE(inSomeEntry) << "a frame outside every hot area: " << frame;
  }
  for (const HotArea& area : areas) {
    if (!IsEntry(area)) continue;
    SCOPED_TRACE(area.label);
    const long inside = std::count_if(frames.begin(), frames.end(),
                                      [&](const Box& f) { return f.Inside(area.box); });
    ASSERT_EQ(inside, 1);
    const Box& frame = *std::find_if(frames.begin(), frames.end(),
                                     [&](const Box& f) { return f.Inside(area.box); });
    // Covering most of the area, so that the whole hot area is the entry.
    EXPECT_GE(frame.right - frame.left, area.box.right - area.box.left - 4) << frame;
    EXPECT_GE(frame.bottom - frame.top, area.box.bottom - area.box.top - 6) << frame;
  }
}

TEST_F(Artwork, TheMakersNameIsPaintedWithinItsHotAreaOnly) {
  const Box area = Find(areas, app::names::kQuorrelButtons).box;
  Box letters = kNothing;
  int count = 0;
  for (int y = 0; y < picture->height; ++y)
    for (int x = 0; x < picture->width; ++x)
      if (Is(x, y, kMakerName)) letters.Include(x, y), ++count;
  EXPECT_GT(count, 150);
  EXPECT_TRUE(letters.Inside(area)) << letters;
  EXPECT_GT(letters.right - letters.left, (area.right - area.left) / 2) << letters;
}

TEST_F(Artwork, TheCloseCrossShadesFromPinkToOrangeWithinItsHotArea) {
  const Box area = Find(areas, app::names::kCloseButton).box;
  const Box corner = {560, 0, picture->width - 1, area.bottom};  // above the first entry
  int pink = 0, orange = 0;
  for (int y = corner.top; y <= corner.bottom; ++y)
    for (int x = corner.left; x <= corner.right; ++x) {
      const uint8_t* p = At(x, y);
      if (p[0] < 220 || p[1] > 180) continue;  // not the cross's warm colours
      EXPECT_TRUE(area.Contains(x, y)) << x << "," << y;
      pink += p[2] > p[1] + 40;
      orange += p[1] > p[2] + 40;
    }
  EXPECT_GT(pink, 5);
  EXPECT_GT(orange, 5);
}

TEST_F(Artwork, TheTitleIsPinkAtTheTopLeft) {
  const Box title = {24, 19, 211, 160};
  int pink = 0;
  for (int y = title.top; y <= title.bottom; ++y)
    for (int x = title.left; x <= title.right; ++x) {
      const uint8_t* p = At(x, y);
      pink += p[0] > 200 && p[2] > 120 && p[1] < p[2];
    }
  EXPECT_GT(pink, 2000);
}

// The frame rings are painted over the outermost pixels at load, and the
// rounded outline cuts the corners: only the dark sky may lie there.
TEST_F(Artwork, NothingButDarkSkyLiesNearTheEdges) {
  for (int y = 0; y < picture->height; ++y)
    for (int x = 0; x < picture->width; ++x) {
      const bool nearEdge = x < kEdgeMargin || y < kEdgeMargin ||
                            x >= picture->width - kEdgeMargin || y >= picture->height - kEdgeMargin;
      if (!nearEdge) continue;
      const uint8_t* p = At(x, y);
      ASSERT_LT(int{std::max({p[0], p[1], p[2]})}, 64) << x << "," << y;
    }
}

}  // namespace
