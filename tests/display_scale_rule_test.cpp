// The display scale's rule, as both hosts take it: the desktop's DPI to the
// nearest quarter, the largest that fits, the window centred, and presses on
// the screen back to the program's pixels and twips.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "host/display_scale.h"

namespace {

using host::DisplayScale;

DisplayScale Quarters(int quarters) { return DisplayScale::Quarters(quarters); }

TEST(DisplayScaleRule, TheDesktopsDpiOver96ToTheNearestQuarterFromOne) {
  struct Case {
    double dpi;
    int quarters;
  };
  for (const Case& c : std::vector<Case>{{96, 4},
                                         {120, 5},
                                         {144, 6},
                                         {168, 7},
                                         {192, 8},
                                         {240, 10},
                                         {288, 12},
                                         {72, 4},  // never below 1
                                         {0, 4},
                                         {-144, 4},
                                         {107.9, 4},  // odd values: to the nearest quarter
                                         {108, 5},
                                         {130, 5},
                                         {132.1, 6},
                                         {199, 8},
                                         {1e9, 256},
                                         {NAN, 4},
                                         {INFINITY, 4}})
    EXPECT_EQ(host::ScaleForDpi(c.dpi).quarters(), c.quarters) << c.dpi;
}

TEST(DisplayScaleRule, GdkScaleFirstThenXftDpiThenOne) {
  struct Case {
    const char* gdkScale;
    const char* xftDpi;
    int quarters;
  };
  for (const Case& c : std::vector<Case>{{"2", nullptr, 8},
                                         {"1", "192", 4},
                                         {"3", "96", 12},  // GDK_SCALE wins
                                         {nullptr, "120", 5},
                                         {nullptr, "144", 6},
                                         {nullptr, "143.9", 6},
                                         {nullptr, "96", 4},
                                         {"", "168", 7},
                                         {"0", "192", 8},
                                         {"1.5", "192", 8},  // GDK_SCALE is whole or ignored
                                         {"-2", nullptr, 4},
                                         {"2x", nullptr, 4},
                                         {nullptr, "abc", 4},
                                         {nullptr, "120dpi", 4},
                                         {nullptr, nullptr, 4},
                                         {"99999999999", nullptr, 256}}) {
    EXPECT_EQ(host::DesktopScale(c.gdkScale, c.xftDpi).quarters(), c.quarters)
        << (c.gdkScale ? c.gdkScale : "unset") << " " << (c.xftDpi ? c.xftDpi : "unset");
  }
}

TEST(DisplayScaleRule, TheLargestQuarterThatFitsTheWorkAreaAndNeverBelowOne) {
  struct Case {
    int wanted, areaWidth, areaHeight, quarters;
  };
  for (const Case& c : std::vector<Case>{{8, 1280, 1024, 8},
                                         {8, 1279, 1024, 7},  // 1120 x 840
                                         {8, 1280, 959, 7},
                                         {6, 1366, 728, 6},  // a small laptop less its taskbar
                                         {8, 1366, 728, 6},
                                         {5, 800, 600, 5},
                                         {5, 799, 600, 4},
                                         {12, 3840, 2160, 12},
                                         {20, 3840, 2160, 18},  // 2880 x 2160
                                         {8, 600, 400, 4},      // screens too small for 1
                                         {4, 0, 0, 4},
                                         {256, 1920, 1080, 9}})
    EXPECT_EQ(
        host::FittingScale(Quarters(c.wanted), 640, 480, c.areaWidth, c.areaHeight).quarters(),
        c.quarters)
        << c.wanted << " on " << c.areaWidth << "x" << c.areaHeight;
}

TEST(DisplayScaleRule, TheWindowIsTheDesignTimesTheScaleCentredOnItsArea) {
  for (int quarters : {4, 5, 6, 7, 8, 10, 12}) {
    const DisplayScale scale = Quarters(quarters);
    EXPECT_EQ(scale.ToScreen(640), 160 * quarters);
    EXPECT_EQ(scale.ToScreen(480), 120 * quarters);
  }
  EXPECT_EQ(Quarters(5).ToScreen(641), 802);  // whole pixels: rounded up
  EXPECT_EQ(host::Centred(800, 600, {0, 0, 1280, 1024}), (host::Rect{240, 212, 1040, 812}));
  EXPECT_EQ(host::Centred(960, 720, {0, 30, 1366, 768}), (host::Rect{203, 39, 1163, 759}));
  // A window moved to another screen keeps its middle where it was.
  EXPECT_EQ(host::Centred(1280, 960, {-1000, 100, -200, 700}), (host::Rect{-1240, -80, 40, 880}));
}

TEST(DisplayScaleRule, EachScreenPixelBelongsToOneProgramPixelEvenlyAllAcross) {
  for (int quarters : {4, 5, 6, 7, 8, 9, 10, 12}) {
    const DisplayScale scale = Quarters(quarters);
    // Going there and back: each program pixel is the screen pixels from
    // its edge to the next one's.
    for (int pixel = -3; pixel < 643; ++pixel) {
      for (int x = scale.ToScreen(pixel); x < scale.ToScreen(pixel + 1); ++x)
        ASSERT_EQ(scale.ToProgram(x), pixel) << quarters << " at " << x;
      ASSERT_GE(scale.ToScreen(pixel + 1) - scale.ToScreen(pixel), quarters / 4);
      ASSERT_LE(scale.ToScreen(pixel + 1) - scale.ToScreen(pixel), (quarters + 3) / 4);
    }
  }
  EXPECT_EQ(Quarters(5).ToProgram(799), 639);
  EXPECT_EQ(Quarters(5).ToProgram(-1), -1);
  EXPECT_EQ(Quarters(6).ToScreen(-1), -1);
  // A press's place in program pixels names the pixel it belongs to.
  for (int quarters : {4, 5, 6, 7, 9, 10})
    for (int x = -7; x < 900; ++x) {
      const DisplayScale scale = Quarters(quarters);
      ASSERT_EQ(static_cast<int>(std::floor(scale.ProgramPixelsOf(x))), scale.ToProgram(x))
          << quarters << " at " << x;
      ASSERT_EQ(scale.ScreenPixelAt(scale.ProgramPixelsOf(x)), x) << quarters << " at " << x;
    }
}

TEST(DisplayScaleRule, TwipsComeBackFromTheScreenExactlyForEveryPixel) {
  EXPECT_FLOAT_EQ(Quarters(5).TwipsOf(800), 9600);
  EXPECT_FLOAT_EQ(Quarters(5).TwipsOf(1), 12);
  EXPECT_FLOAT_EQ(Quarters(6).TwipsOf(1), 10);
  EXPECT_FLOAT_EQ(Quarters(8).TwipsOf(1), 7.5f);  // half a pixel of the program
  EXPECT_EQ(Quarters(6).ScreenPixelsOf(9600), 960);
  for (int quarters : {4, 5, 6, 7, 8, 10, 12})
    for (int pixels : {-2881, -1281, -1, 0, 1, 2, 3, 7, 639, 799, 1119, 1279, 1919, 5001}) {
      const DisplayScale scale = Quarters(quarters);
      EXPECT_EQ(scale.ScreenPixelsOf(scale.TwipsOf(pixels)), pixels) << quarters << " " << pixels;
    }
  EXPECT_THROW(Quarters(12).ScreenPixelsOf(1e12f), host::RuntimeError);
}

TEST(DisplayScaleRule, LengthsScaleToWholePixels) {
  EXPECT_EQ(Quarters(5).Scaled(13), 16);
  EXPECT_EQ(Quarters(7).Scaled(13), 23);
  EXPECT_EQ(Quarters(6).Scaled(32), 48);
  EXPECT_EQ(Quarters(4).Scaled(13), 13);
}

}  // namespace
