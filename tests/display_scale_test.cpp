// The display scale's rules: the scale the desktop asks for, the largest that
// fits, the program's twips on the screen and back, and the image enlarged
// for it: the picture smoothly, the program's drawing by repeating pixels.
#include "host/fltk/display_scale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/fltk/scaled_image.h"

namespace {

using host::Rgb;
using host::Surface;
using host::fltk::DisplayScale;

TEST(DisplayScaleRules, GdkScaleFirstThenXftDpiOver96RoundedThenOne) {
  struct Case {
    const char* gdkScale;
    const char* xftDpi;
    int scale;
  };
  for (const Case& c : std::vector<Case>{{"2", nullptr, 2},
                                         {"1", "192", 1},
                                         {"3", "96", 3},  // GDK_SCALE wins
                                         {nullptr, "192", 2},
                                         {nullptr, "144", 2},
                                         {nullptr, "143.9", 1},
                                         {nullptr, "288", 3},
                                         {nullptr, "96", 1},
                                         {nullptr, "40", 1},
                                         {"", "192", 2},
                                         {"0", "192", 2},
                                         {"1.5", "192", 2},  // not whole numbers
                                         {"-2", nullptr, 1},
                                         {"2x", nullptr, 1},
                                         {nullptr, "abc", 1},
                                         {nullptr, "0", 1},
                                         {nullptr, nullptr, 1},
                                         {"99999999999", nullptr, 64}}) {
    EXPECT_EQ(host::fltk::DesktopScale(c.gdkScale, c.xftDpi), c.scale)
        << (c.gdkScale ? c.gdkScale : "unset") << " " << (c.xftDpi ? c.xftDpi : "unset");
  }
}

TEST(DisplayScaleRules, TheLargestScaleThatFitsTheScreenAndNeverBelowOne) {
  struct Case {
    int wanted, screenWidth, screenHeight, scale;
  };
  for (const Case& c : std::vector<Case>{{2, 1280, 1024, 2},
                                         {2, 1279, 1024, 1},
                                         {2, 1280, 959, 1},
                                         {3, 3840, 2160, 3},
                                         {5, 3840, 2160, 4},
                                         {2, 600, 400, 1},
                                         {1000000, 1920, 1080, 2}})
    EXPECT_EQ(host::fltk::FittingScale(c.wanted, 640, 480, c.screenWidth, c.screenHeight), c.scale)
        << c.wanted << " on " << c.screenWidth << "x" << c.screenHeight;
}

TEST(DisplayScaleRules, TwipsMapToScreenPixelsAndBackAtEveryScale) {
  EXPECT_EQ(DisplayScale(0).factor(), 1);
  const DisplayScale two(2);
  EXPECT_EQ(two.ToScreen(640), 1280);
  EXPECT_EQ(two.ToProgram(1279), 639);
  EXPECT_FLOAT_EQ(two.TwipsOf(1280), 9600);
  EXPECT_FLOAT_EQ(two.TwipsOf(1), 7.5f);  // half a pixel of the program: a drag keeps it
  EXPECT_EQ(two.ScreenPixelsOf(9600), 1280);
  for (int factor : {1, 2, 3})
    for (int pixels : {-1281, -1, 0, 1, 2, 3, 639, 1279, 1919}) {
      const DisplayScale scale(factor);
      EXPECT_EQ(scale.ScreenPixelsOf(scale.TwipsOf(pixels)), pixels) << factor << " " << pixels;
    }
}

// A surface from rows of grey levels.
Surface Greys(const std::vector<std::vector<uint8_t>>& rows) {
  Surface surface(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t x = 0; x < rows[y].size(); ++x) {
      const uint8_t v = rows[y][x];
      const int left = static_cast<int>(x), top = static_cast<int>(y);
      surface.FillBox(left, top, left + 1, top + 1, Rgb{v, v, v});
    }
  return surface;
}

// The red channel of an enlarged row.
std::vector<int> RowOf(const uint32_t* pixels, int width, int row) {
  std::vector<int> reds;
  for (int x = 0; x < width; ++x) reds.push_back(pixels[row * width + x] >> 16 & 0xFF);
  return reds;
}

// The picture alone, enlarged.
std::vector<int> SmoothRow(const Surface& picture, int factor, int row) {
  host::fltk::ScaledImage scaled(factor);
  scaled.SetPicture(picture);
  return RowOf(scaled.Of(picture), picture.width() * factor, row);
}

TEST(ScaledImage, ThePictureBlendsBetweenPixelCentresAndKeepsItsEdges) {
  const Surface picture = Greys({{0, 255}, {255, 255}});
  EXPECT_EQ(SmoothRow(picture, 2, 0), (std::vector<int>{0, 64, 191, 255}));
  EXPECT_EQ(SmoothRow(picture, 2, 1), (std::vector<int>{64, 112, 207, 255}));
  EXPECT_EQ(SmoothRow(picture, 3, 1), (std::vector<int>{0, 0, 85, 170, 255, 255}));
}

TEST(ScaledImage, DrawingRepeatsItsPixelsOverThePictureAndEachChangeIsShown) {
  Surface image = Greys({{0, 255, 0}});
  host::fltk::ScaledImage scaled(2);
  scaled.SetPicture(image);
  EXPECT_EQ(RowOf(scaled.Of(image), 6, 0), (std::vector<int>{0, 64, 191, 191, 64, 0}));
  image.FillBox(0, 0, 1, 1, Rgb{200, 0, 0});  // a line drawn over the picture: sharp, and
  // the picture beside it still blends only with the picture
  EXPECT_EQ(RowOf(scaled.Of(image), 6, 1), (std::vector<int>{200, 200, 191, 191, 64, 0}));
  image.FillBox(0, 0, 1, 1, Rgb{});
  EXPECT_EQ(RowOf(scaled.Of(image), 6, 1), (std::vector<int>{0, 64, 191, 191, 64, 0}));
}

}  // namespace
