#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string_view>

#include "tests/fake_host.h"
#include "toolkit/decoration.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int16_t kFrameRings = 5, kRim = 100;

// The log lines that start with prefix.
fake::Log Only(const fake::Log& log, std::string_view prefix) {
  fake::Log kept;
  for (const std::string& line : log)
    if (line.starts_with(prefix)) kept.push_back(line);
  return kept;
}

class Decoration : public ::testing::Test {
 protected:
  void Decorate(int16_t rings, bool roundCorners = true, bool paintBackground = false,
                bool plainBackground = true, const host::Extent* frameSource = nullptr) {
    toolkit::DecorateWindow(window, rings, 0x2020D0, roundCorners, paintBackground, plainBackground,
                            kRim, frameSource);
  }

  fake::Log log;
  fake::Runtime runtime{log};
  fake::Window window{log};
};

TEST_F(Decoration, MenuWindowGetsItsOutlineRingsAndOutlines) {
  window.autoRedraw = true;
  Decorate(kFrameRings);
  EXPECT_THAT(
      log,
      ElementsAre("Form1.hWnd?", "GetClientRect(1)", "CreateRoundRectRgn(0,0,640,480,20,20)=100",
                  "Form1.hWnd?", "SetWindowRgn(1,100,True)", "DeleteObject(100)",
                  "Form1.AutoRedraw=True", "Form1.hWnd?", "GetClientRect(1)",
                  "Form1.DrawWidth=2",  //
                  "Form1.ForeColor=&H3232B3", "Form1.hdc?",
                  "RoundRect(2,1,1,639,479,20,20)",  //
                  "Form1.ForeColor=&H4949C0", "Form1.hdc?",
                  "RoundRect(2,2,2,638,478,20,20)",  //
                  "Form1.ForeColor=&H6161CE", "Form1.hdc?",
                  "RoundRect(2,3,3,637,477,20,20)",  //
                  "Form1.ForeColor=&H7878DB", "Form1.hdc?",
                  "RoundRect(2,4,4,636,476,20,20)",  //
                  "Form1.ForeColor=&H9090E8", "Form1.hdc?",
                  "RoundRect(2,5,5,635,475,20,20)",  //
                  "Form1.ForeColor=&H0", "Form1.DrawWidth=3", "Form1.hdc?",
                  "RoundRect(2,0,0,639,479,20,20)", "Form1.DrawWidth=1", "Form1.hdc?",
                  "RoundRect(2,6,6,634,474,20,20)", "Form1.AutoRedraw=False", "Form1.Refresh()"));
  EXPECT_EQ(window.foreColor, 0);
  EXPECT_EQ(window.drawWidth, 1);
}

TEST_F(Decoration, FewRingsStillGetBothOutlines) {
  Decorate(0);
  EXPECT_THAT(Only(log, "RoundRect"),
              ElementsAre("RoundRect(2,0,0,639,479,20,20)", "RoundRect(2,1,1,639,479,20,20)"));
  log.clear();
  Decorate(1);
  EXPECT_THAT(Only(log, "Form1.ForeColor"),
              ElementsAre("Form1.ForeColor=&H9090E8", "Form1.ForeColor=&H0"));
}

TEST_F(Decoration, SquareCornersMakeNoRegion) {
  Decorate(kFrameRings, false);
  EXPECT_EQ(log.front(), "Form1.AutoRedraw=True");
  EXPECT_THAT(Only(log, "DeleteObject"), IsEmpty());
}

TEST_F(Decoration, PlainBackgroundShadesARimOnTheClientArea) {
  fake::Extent frame(log, "Frame", 150, 300, 4800, 3600);
  Decorate(kFrameRings, true, true, true, &frame);
  EXPECT_THAT(Only(log, "Form1.Line"), ElementsAre("Form1.Line(0,0,9600,7200,&H9090E8,BF)"));
  const fake::Log colours = Only(log, "Form1.ForeColor");
  EXPECT_EQ(colours[0], "Form1.ForeColor=&H1B1BA7");
  EXPECT_EQ(colours[24], "Form1.ForeColor=&H3838B6");
  EXPECT_EQ(colours[kRim], "Form1.ForeColor=&H0");  // no inner outline for the rim
  const fake::Log rects = Only(log, "RoundRect");
  EXPECT_EQ(rects[kRim - 1], "RoundRect(2,100,100,540,380,20,20)");
  EXPECT_EQ(rects[kRim + 1], "RoundRect(2,151,301,4949,3899,20,20)");
}

TEST_F(Decoration, FrameSourceIsTakenInItsOwnUnits) {
  fake::Extent frame(log, "Frame", 2.5f, 3.5f, 4800, 3600);
  Decorate(1, false, false, true, &frame);
  EXPECT_THAT(Only(log, "GetClientRect"), IsEmpty());
  EXPECT_THAT(Only(log, "RoundRect"),
              ElementsAre("RoundRect(2,4,4,4802,3602,20,20)", "RoundRect(2,2,4,4802,3602,20,20)",
                          "RoundRect(2,4,6,4800,3602,20,20)"));
}

TEST_F(Decoration, GradientBackgroundRunsFromTheBaseColourDownward) {
  Decorate(kFrameRings, true, true, false);
  EXPECT_THAT(Only(log, "GradientFill"),
              ElementsAre("GradientFill(2,{0,0,-12288,8192,8192,0},{640,480,-8704,25344,25344,0},"
                          "2,{0,1},1,1)"));
  EXPECT_THAT(Only(log, "Form1.AutoRedraw"),
              ElementsAre("Form1.AutoRedraw=True", "Form1.AutoRedraw?", "Form1.AutoRedraw=True",
                          "Form1.AutoRedraw=True", "Form1.AutoRedraw=False"));
}

class Gradient : public Decoration {
 protected:
  void Paint(std::optional<double> x1 = {}, std::optional<double> y1 = {},
             std::optional<double> x2 = {}, std::optional<double> y2 = {}, bool vertical = true) {
    toolkit::PaintGradient(window, 0x0000FF, 0xFF0000, x1, y1, x2, y2, vertical);
  }
};

TEST_F(Gradient, CoversTheScaleAreaInPixelsAndRestoresAutoRedraw) {
  Paint();
  EXPECT_THAT(log,
              ElementsAre("Form1.Scalemode?", "Screen.TwipsPerPixelX?", "Form1.Scalemode?",
                          "Screen.TwipsPerPixelY?", "Form1.AutoRedraw?", "Form1.AutoRedraw=True",
                          "Form1.hdc?", "Form1.ScaleWidth?", "Form1.ScaleHeight?",
                          "GradientFill(2,{0,0,-256,0,0,0},{640,480,0,0,-256,0},2,{0,1},1,1)",
                          "Form1.AutoRedraw=False", "Form1.Refresh()"));
}

TEST_F(Gradient, OnlyPixelScaleModeUsesFactorsOfOne) {
  window.scaleMode = host::scale::kPixels;
  window.scaleWidth = 640;
  window.scaleHeight = 480;
  Paint();
  EXPECT_THAT(Only(log, "Screen"), IsEmpty());
  EXPECT_EQ(runtime.lastVertices.at(1), (host::TriVertex{640, 480, 0, 0, -256, 0}));

  window.scaleMode = 0;  // a user scale still counts as twips
  window.scaleWidth = 300;
  window.scaleHeight = 151;
  Paint();
  EXPECT_EQ(runtime.lastVertices.at(1), (host::TriVertex{20, 10, 0, 0, -256, 0}));
}

TEST_F(Gradient, GivenCornersAreUsedAsTheyAreAcross) {
  Paint(10, 20.5, 100, 21.5, false);
  EXPECT_THAT(Only(log, "Form1.Scale"), ElementsAre("Form1.Scalemode?", "Form1.Scalemode?"));
  EXPECT_THAT(Only(log, "GradientFill"),
              ElementsAre("GradientFill(2,{10,20,-256,0,0,0},{100,22,0,0,-256,0},2,{0,1},1,0)"));
}

}  // namespace
