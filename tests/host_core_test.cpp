// The host's rules that need no display: number conversions, paths as the
// program writes them, and the window image's drawing calls.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/numbers.h"
#include "host/paths.h"
#include "host/surface.h"

namespace {

using host::Rgb;

int32_t OverflowNumberOf(void (*convert)()) {
  try {
    convert();
  } catch (const host::RuntimeError& error) {
    return error.number();
  }
  return 0;
}

TEST(Numbers, RoundHalvesToEvenAndRaiseOverflowBeyondTheirWidth) {
  EXPECT_EQ(host::CInt(2.5), 2);
  EXPECT_EQ(host::CInt(3.5), 4);
  EXPECT_EQ(host::CInt(-2.5), -2);
  EXPECT_EQ(host::CInt(-3.5), -4);
  EXPECT_EQ(host::CInt(32767.4), 32767);
  EXPECT_EQ(host::CInt(-32768.5), -32768);
  EXPECT_EQ(host::CLng(182.5), 182);
  EXPECT_EQ(host::CLng(-0.5), 0);
  EXPECT_EQ(OverflowNumberOf([] { host::CInt(32767.5); }), host::err::kOverflow);
  EXPECT_EQ(OverflowNumberOf([] { host::CInt(-32769); }), host::err::kOverflow);
  EXPECT_EQ(OverflowNumberOf([] { host::CLng(2147483648.0); }), host::err::kOverflow);
}

TEST(Numbers, IntegerDivisionRoundsItsOperandsThenTruncates) {
  EXPECT_EQ(host::IntDiv(9600, 15), 640);
  EXPECT_EQ(host::IntDiv(7.5, 2.5), 4);  // 8 \ 2
  EXPECT_EQ(host::IntDiv(-7, 2), -3);
  EXPECT_THROW(host::IntDiv(1, 0.4), host::RuntimeError);
}

TEST(Paths, BackslashesSeparateFoldersAndRunsCountAsOne) {
  EXPECT_EQ(host::NativePath("/disc\\Zorvanta - серия 3.avi"), "/disc/Zorvanta - серия 3.avi");
  EXPECT_EQ(host::NativePath("/\\Audio Music"), "/Audio Music");  // a disc at the root
  EXPECT_EQ(host::NativePath("/media/cd\\\\Video\\/"), "/media/cd/Video");
  EXPECT_EQ(host::NativePath("/"), "/");
  EXPECT_EQ(host::NativePath("/d/$(x);'\"-a"), "/d/$(x);'\"-a");
}

TEST(Paths, OnlyASchemeFollowedByTwoSlashesMakesAWebAddress) {
  EXPECT_TRUE(host::IsWebAddress("https://quorrel.example/"));
  EXPECT_TRUE(host::IsWebAddress("svn+ssh://x"));
  EXPECT_FALSE(host::IsWebAddress("/disc\\https://x"));
  EXPECT_FALSE(host::IsWebAddress("://x"));
  EXPECT_FALSE(host::IsWebAddress("/disc/Video"));
}

TEST(Colors, SystemColoursResolveToRealOnes) {
  EXPECT_EQ(host::ResolveColor(0x2020D0), (Rgb{208, 32, 32}));
  EXPECT_EQ(host::ResolveColor(static_cast<host::Color>(0x80000005)), (Rgb{255, 255, 255}));
  EXPECT_EQ(host::ResolveColor(static_cast<host::Color>(0x80000008)), (Rgb{0, 0, 0}));
}

class SurfaceTest : public ::testing::Test {
 protected:
  static constexpr Rgb kPen{200, 10, 10};
  host::Surface surface{40, 30, Rgb{1, 2, 3}};

  int PaintedInRow(int y) const {
    int count = 0;
    for (int x = 0; x < surface.width(); ++x) count += surface.at(x, y) == kPen;
    return count;
  }
};

TEST_F(SurfaceTest, AThinOutlineRunsAlongTheOutermostPixelsWithRoundedCorners) {
  surface.RoundRect(2, 3, 38, 27, 10, 10, 1, kPen);
  EXPECT_EQ(surface.at(20, 3), kPen);   // top
  EXPECT_EQ(surface.at(20, 26), kPen);  // bottom: the bound is exclusive
  EXPECT_EQ(surface.at(2, 15), kPen);
  EXPECT_EQ(surface.at(37, 15), kPen);
  EXPECT_NE(surface.at(38, 15), kPen);
  EXPECT_NE(surface.at(2, 3), kPen);    // the corner is cut
  EXPECT_NE(surface.at(20, 15), kPen);  // and nothing is filled
  EXPECT_EQ(PaintedInRow(15), 2);
}

TEST_F(SurfaceTest, WiderPensCoverAsManyPixelsAcrossTheEdge) {
  for (int width : {2, 3, 4}) {
    surface.FillBox(0, 0, 40, 30, Rgb{});
    surface.RoundRect(5, 5, 35, 25, 0, 0, width, kPen);
    EXPECT_EQ(PaintedInRow(15), 2 * width) << "pen " << width;
  }
}

TEST_F(SurfaceTest, DrawingOutsideTheImageIsClippedNotACrash) {
  surface.RoundRect(-50, -50, 100, 100, 20, 20, 3, kPen);
  surface.FillBox(-5, -5, 1000, 1000, kPen);
  surface.RoundRect(10, 10, 5, 5, 20, 20, 1, Rgb{});  // an empty rectangle
  EXPECT_EQ(surface.at(39, 29), kPen);
}

TEST_F(SurfaceTest, GradientsChangeEachComponentLinearlyAlongTheirDirection) {
  const host::TriVertex top{0, 0, 0, 0, 0, 0}, bottom{40, 30, -256, 0x2000, 0, 0};
  surface.GradientFill(top, bottom, true);
  EXPECT_EQ(surface.at(0, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(surface.at(39, 0), (Rgb{0, 0, 0}));  // vertical: rows are even
  EXPECT_EQ(surface.at(0, 15).r, 127);
  EXPECT_EQ(surface.at(0, 15).g, 16);
  surface.GradientFill(top, bottom, false);
  EXPECT_EQ(surface.at(20, 0).r, surface.at(20, 29).r);  // across: columns are even
  EXPECT_GT(surface.at(30, 0).r, surface.at(10, 0).r);
}

TEST(RoundRegion, CoversTheRectangleLessItsCorners) {
  EXPECT_TRUE(host::InsideRoundRect(320, 0, 0, 0, 640, 480, 20, 20));
  EXPECT_TRUE(host::InsideRoundRect(639, 240, 0, 0, 640, 480, 20, 20));
  EXPECT_FALSE(host::InsideRoundRect(640, 240, 0, 0, 640, 480, 20, 20));
  EXPECT_FALSE(host::InsideRoundRect(0, 0, 0, 0, 640, 480, 20, 20));
  EXPECT_FALSE(host::InsideRoundRect(639, 479, 0, 0, 640, 480, 20, 20));
  EXPECT_TRUE(host::InsideRoundRect(10, 10, 0, 0, 640, 480, 20, 20));
  EXPECT_TRUE(host::InsideRoundRect(0, 0, 0, 0, 640, 480, 0, 0));
}

}  // namespace
