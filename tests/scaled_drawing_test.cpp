// The window's drawing at a display scale, as both hosts show it: drawn again
// at the screen's resolution, so that the frame's rings are sharp and even
// all round, boxes cover exactly the screen pixels of their program pixels,
// and the picture is enlarged smoothly; kept, so that a new scale draws it
// all again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "host/picture_formats.h"
#include "host/scaled_image.h"
#include "host/surface.h"

namespace {

using host::DisplayScale;
using host::Rgb;
using host::Surface;

constexpr int kQuarters[] = {5, 6, 7, 8, 10, 12};  // 1.25 to 3
constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0};

DisplayScale Quarters(int quarters) { return DisplayScale::Quarters(quarters); }

// The menu's frame as the program draws it on its 640x480 window: five
// rings of a pen of 2 shading inward, the outer outline of 3 one pixel in
// at the right and bottom, the inner outline of 1.
template <typename Image>
void DrawFrame(Image& image, bool outerOutline = true) {
  for (int i = 1; i <= 5; ++i)
    image.RoundRect(i, i, 640 - i, 480 - i, 20, 20, 2, Rgb{uint8_t(40 * i), 0, 0});
  if (outerOutline) image.RoundRect(0, 0, 639, 479, 20, 20, 3, kBlack);
  image.RoundRect(6, 6, 634, 474, 20, 20, 1, kBlack);
}

// The runs of colour from an edge inward, to the first white.
std::vector<std::pair<Rgb, int>> Runs(const Surface& s, int x, int y, int dx, int dy) {
  std::vector<std::pair<Rgb, int>> runs;
  for (; s.at(x, y) != kWhite; x += dx, y += dy) {
    if (runs.empty() || runs.back().first != s.at(x, y)) runs.push_back({s.at(x, y), 0});
    ++runs.back().second;
  }
  return runs;
}

std::vector<Rgb> Colours(const std::vector<std::pair<Rgb, int>>& runs) {
  std::vector<Rgb> colours;
  for (const auto& run : runs) colours.push_back(run.first);
  return colours;
}

struct Sides {
  std::vector<std::pair<Rgb, int>> left, right, top, bottom;
  explicit Sides(const Surface& s)
      : left(Runs(s, 0, s.height() / 2, 1, 0)),
        right(Runs(s, s.width() - 1, s.height() / 2, -1, 0)),
        top(Runs(s, s.width() / 2, 0, 0, 1)),
        bottom(Runs(s, s.width() / 2, s.height() - 1, 0, -1)) {}
};

TEST(ScaledDrawing, TheFramesRingsAreSharpAndEachAsWideAllRoundAtEveryScale) {
  Surface plain(640, 480, kWhite);
  DrawFrame(plain);
  const Sides atOne(plain);
  for (int quarters : kQuarters) {
    const DisplayScale scale = Quarters(quarters);
    Surface frame(640, 480, kWhite, scale);
    DrawFrame(frame);
    const Sides sides(frame);
    // The same rings on each side as at scale 1, none lost, none doubled.
    EXPECT_EQ(Colours(sides.left), Colours(atOne.left)) << quarters;
    EXPECT_EQ(Colours(sides.right), Colours(atOne.right)) << quarters;
    // Across as down, and each ring where its program pixel lies times the
    // scale: the screen pixels whose centres lie there.
    EXPECT_EQ(sides.left, sides.top) << quarters;
    EXPECT_EQ(sides.right, sides.bottom) << quarters;
    auto centresBefore = [&](int pixel) { return std::ceil(pixel * scale.factor() - 0.5); };
    for (const auto& [colour, width] : sides.left) {
      const int ring = colour.r / 40;
      if (colour == kBlack) continue;
      EXPECT_EQ(width, centresBefore(ring + 1) - centresBefore(ring)) << quarters << " " << ring;
    }
    // A ring on both sides is as wide on both.
    for (const auto& [colour, width] : sides.right) {
      if (colour == kBlack) continue;
      EXPECT_NE(std::find(sides.left.begin(), sides.left.end(), std::pair{colour, width}),
                sides.left.end())
          << quarters << " ring " << colour.r / 40;
    }
  }
}

TEST(ScaledDrawing, RingsOfAMiddledFrameMirrorAboutItsMiddleCornersAndAll) {
  for (int quarters : kQuarters) {
    Surface frame(640, 480, kWhite, Quarters(quarters));
    DrawFrame(frame, false);  // the outer outline alone is drawn off the middle
    int unlike = 0;
    for (int y = 0; y < frame.height(); ++y)
      for (int x = 0; x < frame.width(); ++x)
        unlike += frame.at(x, y) != frame.at(frame.width() - 1 - x, y) ||
                  frame.at(x, y) != frame.at(x, frame.height() - 1 - y);
    EXPECT_EQ(unlike, 0) << quarters;
    // The rounded outline of the window, too.
    for (int y = 0; y < frame.height(); y += 3)
      for (int x = 0; x < 40; ++x)
        unlike += host::InsideRoundRect(x, y, 0, 0, 640, 480, 20, 20, Quarters(quarters)) !=
                  host::InsideRoundRect(frame.width() - 1 - x, frame.height() - 1 - y, 0, 0, 640,
                                        480, 20, 20, Quarters(quarters));
    EXPECT_EQ(unlike, 0) << quarters;
  }
}

TEST(ScaledDrawing, BoxesAndGradientsCoverTheScreenPixelsOfTheirProgramPixels) {
  for (int quarters : kQuarters) {
    const DisplayScale scale = Quarters(quarters);
    Surface surface(20, 10, kWhite, scale);
    surface.FillBox(9, 7, 3, 1, kBlack);  // corners either way round
    surface.GradientFill({12, 0, 0, 0x4000, 0, 0}, {17, 10, -256, 0x4000, 0, 0}, false);
    for (int y = 0; y < surface.height(); ++y)
      for (int x = 0; x < surface.width(); ++x) {
        const int px = scale.ToProgram(x), py = scale.ToProgram(y);
        const bool boxed = px >= 3 && px < 9 && py >= 1 && py < 7;
        const bool shaded = px >= 12 && px < 17;
        ASSERT_EQ(surface.at(x, y) == kBlack, boxed) << quarters << " at " << x << "," << y;
        ASSERT_EQ(surface.at(x, y).g == 64, shaded) << quarters << " at " << x << "," << y;
      }
    // The shade runs on across the screen pixels, from red 0 toward 255.
    EXPECT_EQ(surface.at(static_cast<int>(scale.ToScreen(12)), 0).r, 0);
    EXPECT_GT(surface.at(static_cast<int>(scale.ToScreen(17)) - 1, 0).r, 190);
  }
}

// A picture of w x h whose pixels change sharply: a grey checkerboard with a
// red ramp.
std::vector<uint8_t> Checkered(int w, int h) {
  std::vector<uint8_t> rgba;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t grey = (x + y) % 2 ? 200 : 20;
      rgba.insert(rgba.end(), {uint8_t(x * 8), grey, grey, 255});
    }
  return rgba;
}

TEST(ScaledDrawing, ThePictureIsEnlargedSmoothlyBetweenItsPixelsAndExactAtOne) {
  constexpr int w = 32, h = 24;
  const std::vector<uint8_t> picture = Checkered(w, h);
  auto source = [&](int x, int y, int c) {
    x = std::clamp(x, 0, w - 1), y = std::clamp(y, 0, h - 1);
    return int{picture[(size_t(y) * w + x) * 4 + c]};
  };
  Surface one(w, h);
  one.DrawPicture(w, h, picture.data());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      ASSERT_EQ(one.at(x, y), (Rgb{uint8_t(source(x, y, 0)), uint8_t(source(x, y, 1)),
                                   uint8_t(source(x, y, 2))}));
  for (int quarters : kQuarters) {
    const DisplayScale scale = Quarters(quarters);
    Surface enlarged(w, h, kWhite, scale);
    enlarged.DrawPicture(w, h, picture.data());
    int outside = 0, blended = 0;
    for (int y = 0; y < enlarged.height(); ++y)
      for (int x = 0; x < enlarged.width(); ++x) {
        // The picture pixels on either side of this pixel's centre.
        const int left = static_cast<int>(std::floor((x + 0.5) / scale.factor() - 0.5));
        const int top = static_cast<int>(std::floor((y + 0.5) / scale.factor() - 0.5));
        const Rgb at = enlarged.at(x, y);
        for (int c = 0; c < 3; ++c) {
          const int value = c == 0 ? at.r : c == 1 ? at.g : at.b;
          const int near[] = {source(left, top, c), source(left + 1, top, c),
                              source(left, top + 1, c), source(left + 1, top + 1, c)};
          outside += value < *std::min_element(near, near + 4) ||
                     value > *std::max_element(near, near + 4);
          blended += std::find(near, near + 4, value) == near + 4;
        }
      }
    EXPECT_EQ(outside, 0) << quarters;
    // No blocks: most pixels lie between those around them.
    EXPECT_GT(blended, enlarged.width() * enlarged.height() * 3 / 2) << quarters;
  }
}

// A window's whole picture, made in parts at once and eight components at a
// time: each component the exact sum of its four pixels' shares, rounded
// once, the seam between the parts included.
TEST(ScaledDrawing, AWholePictureIsEnlargedToTheExactSumOfItsPixelsShares) {
  constexpr int w = 640, h = 480;
  std::vector<uint8_t> picture(size_t(w) * h * 4);
  for (size_t i = 0; i < picture.size(); ++i) picture[i] = uint8_t(i * 2654435761u >> 13);
  for (int quarters : kQuarters) {
    const DisplayScale scale = Quarters(quarters);
    Surface enlarged(w, h, kWhite, scale);
    enlarged.DrawPicture(w, h, picture.data());
    // Where a screen pixel's centre falls in the picture: two pixels and the
    // second's share in 256ths.
    auto tap = [&](int i, int length) {
      const double at = (i + 0.5) / scale.factor() - 0.5, first = std::floor(at);
      const int left = int(first);
      return std::tuple{std::clamp(left, 0, length - 1), std::clamp(left + 1, 0, length - 1),
                        int(std::lround((at - first) * 256))};
    };
    int wrong = 0;
    for (int y = 0; y < enlarged.height(); ++y) {
      const auto [top, bottom, down] = tap(y, h);
      for (int x = 0; x < enlarged.width(); ++x) {
        const auto [left, right, across] = tap(x, w);
        const Rgb at = enlarged.at(x, y);
        for (int c = 0; c < 3; ++c) {
          auto p = [&](int px, int py) { return int64_t{picture[(size_t(py) * w + px) * 4 + c]}; };
          const int64_t sum =
              (p(left, top) * (256 - across) + p(right, top) * across) * (256 - down) +
              (p(left, bottom) * (256 - across) + p(right, bottom) * across) * down;
          wrong += (c == 0 ? at.r : c == 1 ? at.g : at.b) != (sum + 32768) >> 16;
        }
      }
    }
    EXPECT_EQ(wrong, 0) << quarters;
  }
}

// Whether the screen, shown in bands of `bandRows` from row `top` down, is
// row for row what the same calls draw on one whole surface.
::testing::AssertionResult ShowsInBandsAsDrawnWhole(const host::ScaledImage& image,
                                                    const Surface& whole, int top, int bandRows) {
  int next = top;
  std::string wrong;
  auto check = [&](const Surface& band, int from, int to) {
    if (from != next || to - from > bandRows) wrong += " band " + std::to_string(from);
    for (int y = from; y < to; ++y)
      if (!std::equal(whole.Row(y), whole.Row(y) + whole.width(), band.Row(y)))
        wrong += " row " + std::to_string(y);
    next = to;
  };
  image.ShowScreen(top, whole.height() + 5, check, bandRows * whole.width());
  if (next != whole.height()) wrong += " ended at " + std::to_string(next);
  if (wrong.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << wrong;
}

TEST(ScaledDrawing, TheScreenIsDrawnAgainInBandsAtEachScaleAsWhole) {
  const std::vector<uint8_t> picture = Checkered(64, 48);
  host::ScaledImage image(64, 48, kWhite, Quarters(6));
  image.DrawPicture(64, 48, picture.data());
  image.RoundRect(1, 1, 63, 47, 20, 20, 2, Rgb{1, 2, 3});
  image.FillBox(10, 10, 20, 20, kBlack);
  host::ScaledImage plain(64, 48, kWhite, Quarters(6));  // the face shows round its drawing
  plain.RoundRect(1, 1, 63, 47, 20, 20, 3, Rgb{1, 2, 3});
  EXPECT_EQ(image.image().width(), 64);
  EXPECT_EQ(image.Screen().width(), 96);
  EXPECT_EQ(image.image().at(15, 15), kBlack);

  for (int quarters : {5, 12, 4, 7}) {
    const DisplayScale scale = Quarters(quarters);
    Surface fresh(64, 48, kWhite, scale), freshPlain(64, 48, kWhite, scale);
    fresh.DrawPicture(64, 48, picture.data());
    fresh.RoundRect(1, 1, 63, 47, 20, 20, 2, Rgb{1, 2, 3});
    fresh.FillBox(10, 10, 20, 20, kBlack);
    freshPlain.RoundRect(1, 1, 63, 47, 20, 20, 3, Rgb{1, 2, 3});
    host::ScaledImage copy = image;  // a layer over it is a copy, apart from it
    copy.Rescale(scale);
    copy.FillBox(0, 0, 5, 5, kWhite);
    image.Rescale(scale);
    plain.Rescale(scale);
    EXPECT_EQ(image.scale(), scale);
    EXPECT_TRUE(ShowsInBandsAsDrawnWhole(image, fresh, 0, 7)) << quarters;
    EXPECT_TRUE(ShowsInBandsAsDrawnWhole(image, fresh, 13, 1000)) << quarters;
    EXPECT_TRUE(ShowsInBandsAsDrawnWhole(plain, freshPlain, 3, 5)) << quarters;
    EXPECT_NE(copy.Screen().at(0, 0), image.Screen().at(0, 0));
  }
  // Back at scale 1 the screen shows the program's own pixels.
  image.Rescale(DisplayScale());
  image.ShowScreen(0, 48, [&](const Surface& band, int, int) { EXPECT_EQ(&band, &image.image()); });
}

TEST(ScaledDrawing, TheCursorGrowsWithTheScaleCrispAndPointingWhereItDid) {
  host::CursorPicture cursor{{2,
                              2,
                              {0, 0, 0, 255, 255, 255, 255, 255,  //
                               255, 255, 255, 0, 0, 0, 0, 255}},
                             1,
                             1};
  const host::CursorPicture scaled = host::ScaledCursor(cursor, Quarters(6));
  EXPECT_EQ(std::vector<int>({scaled.image.width, scaled.image.height, scaled.hotX, scaled.hotY}),
            std::vector<int>({3, 3, 2, 2}));
  std::string shades;
  for (size_t i = 0; i < scaled.image.rgba.size(); i += 4)
    shades += scaled.image.rgba[i + 3] == 0 ? '.' : scaled.image.rgba[i] ? 'o' : 'X';
  EXPECT_EQ(shades, "XXoXXo..X");
}

}  // namespace
