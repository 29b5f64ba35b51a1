#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fake_host.h"
#include "toolkit/decoration.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int16_t kRim = 100;

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
  Decorate(5);
  EXPECT_THAT(
      fake::Done(log),
      ElementsAre("GetClientRect(1)", "CreateRoundRectRgn(0,0,640,480,20,20)=100",
                  "SetWindowRgn(1,100,True)", "DeleteObject(100)", "Form1.AutoRedraw=True",
                  "GetClientRect(1)", "Form1.DrawWidth=2", "Form1.ForeColor=&H3232B3",
                  "RoundRect(2,1,1,639,479,20,20)", "Form1.ForeColor=&H4949C0",
                  "RoundRect(2,2,2,638,478,20,20)", "Form1.ForeColor=&H6161CE",
                  "RoundRect(2,3,3,637,477,20,20)", "Form1.ForeColor=&H7878DB",
                  "RoundRect(2,4,4,636,476,20,20)", "Form1.ForeColor=&H9090E8",
                  "RoundRect(2,5,5,635,475,20,20)", "Form1.ForeColor=&H0", "Form1.DrawWidth=3",
                  "RoundRect(2,0,0,639,479,20,20)", "Form1.DrawWidth=1",
                  "RoundRect(2,6,6,634,474,20,20)", "Form1.AutoRedraw=False", "Form1.Refresh()"));
}

TEST_F(Decoration, SquareCornersMakeNoRegionAndNoRingsStillGetBothOutlines) {
  Decorate(0, false);
  EXPECT_EQ(log.front(), "Form1.AutoRedraw=True");
  EXPECT_THAT(Only(log, "RoundRect"),
              ElementsAre("RoundRect(2,0,0,639,479,20,20)", "RoundRect(2,1,1,639,479,20,20)"));
  log.clear();
  fake::Extent frame(log, "Frame", 2.5f, 3.5f, 4800, 3600);
  Decorate(1, false, false, true, &frame);  // a frame source is taken in its own units
  EXPECT_THAT(Only(log, "RoundRect"),
              ElementsAre("RoundRect(2,4,4,4802,3602,20,20)", "RoundRect(2,2,4,4802,3602,20,20)",
                          "RoundRect(2,4,6,4800,3602,20,20)"));
}

TEST_F(Decoration, PlainBackgroundShadesARimAndGradientRunsDownward) {
  Decorate(5, true, true, true);
  EXPECT_THAT(Only(log, "Form1.Line"), ElementsAre("Form1.Line(0,0,9600,7200,&H9090E8,BF)"));
  const fake::Log colours = Only(log, "Form1.ForeColor");
  EXPECT_EQ(colours[24], "Form1.ForeColor=&H3838B6");
  EXPECT_EQ(colours[kRim], "Form1.ForeColor=&H0");  // no inner outline for the rim
  log.clear();
  Decorate(5, true, true, false);  // a gradient runs from the base colour downward
  EXPECT_THAT(Only(log, "GradientFill"),
              ElementsAre("GradientFill(2,{0,0,-12288,8192,8192,0},{640,480,-8704,25344,25344,0},"
                          "2,{0,1},1,1)"));
}

TEST_F(Decoration, PaintGradientCoversTheScaleAreaInPixelsAndRestoresAutoRedraw) {
  toolkit::PaintGradient(window, 0x0000FF, 0xFF0000, {}, {}, {}, {}, true);
  EXPECT_THAT(fake::Done(log),
              ElementsAre("Form1.AutoRedraw=True",
                          "GradientFill(2,{0,0,-256,0,0,0},{640,480,0,0,-256,0},2,{0,1},1,1)",
                          "Form1.AutoRedraw=False", "Form1.Refresh()"));
  log.clear();
  toolkit::PaintGradient(window, 0x0000FF, 0xFF0000, 10, 20.5, 100, 21.5, false);  // given, across
  EXPECT_THAT(Only(log, "GradientFill"),
              ElementsAre("GradientFill(2,{10,20,-256,0,0,0},{100,22,0,0,-256,0},2,{0,1},1,0)"));
}

}  // namespace
