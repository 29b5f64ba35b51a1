// The display scale's rules: the scale the desktop asks for, the largest that
// fits, the program's twips on the screen and back, and which of the image's
// pixels are the program's drawing, to be shown sharp over the picture.
#include "host/fltk/display_scale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/fltk/scaled_painter.h"

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

using host::fltk::DrawnBlock;
using host::fltk::DrawnBlocks;
using Blocks = std::vector<DrawnBlock>;

TEST(DrawnBlocks, EachStretchThatDiffersFromThePictureOnceAndNothingElse) {
  const Surface picture = Greys({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {9, 9, 9, 9, 9}});
  Surface image = picture;
  EXPECT_TRUE(DrawnBlocks(image, picture).empty());
  image.FillBox(0, 0, 2, 1, Rgb{200, 0, 0});  // two stretches in the first row,
  image.FillBox(4, 0, 5, 1, Rgb{0, 0, 200});  // one at each end
  image.FillBox(2, 2, 3, 3, Rgb{9, 9, 10});   // a single channel a step off
  EXPECT_EQ(DrawnBlocks(image, picture), (Blocks{{0, 0, 2, 1}, {4, 0, 5, 1}, {2, 2, 3, 3}}));
  // Drawing the picture's own colour over it leaves nothing drawn.
  image.FillBox(0, 0, 5, 3, Rgb{9, 9, 9});
  EXPECT_EQ(DrawnBlocks(image, picture), (Blocks{{0, 0, 5, 2}}));
}

TEST(DrawnBlocks, RowsAlikeBelowOneAnotherMakeOneBlockAndOthersStartTheirOwn) {
  const Surface picture(4, 5);
  Surface image = picture;
  image.FillBox(0, 0, 1, 3, Rgb{1, 1, 1});  // a ring's left edge, rows 0-2,
  image.FillBox(3, 1, 4, 2, Rgb{1, 1, 1});  // a dot beside it,
  image.FillBox(0, 4, 1, 5, Rgb{1, 1, 1});  // and the edge again after a gap
  EXPECT_EQ(DrawnBlocks(image, picture), (Blocks{{0, 0, 1, 3}, {3, 1, 4, 2}, {0, 4, 1, 5}}));
  image.FillBox(0, 3, 2, 4, Rgb{1, 1, 1});  // a wider row between
  EXPECT_EQ(DrawnBlocks(image, picture),
            (Blocks{{0, 0, 1, 3}, {3, 1, 4, 2}, {0, 3, 2, 4}, {0, 4, 1, 5}}));
}

TEST(DrawnBlocks, WithoutAPictureOfItsSizeAllOfItIsDrawing) {
  const Surface image = Greys({{1, 2, 3}, {4, 5, 6}});
  EXPECT_EQ(DrawnBlocks(image, Surface(0, 0)), (Blocks{{0, 0, 3, 2}}));
  EXPECT_EQ(DrawnBlocks(image, Greys({{1, 2}, {4, 5}})), (Blocks{{0, 0, 3, 2}}));
}

}  // namespace
