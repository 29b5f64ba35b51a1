#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fake_host.h"
#include "toolkit/drag.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int16_t kLeft = 1, kRight = 2, kLeftAndRight = 3;

class Drag : public ::testing::Test {
 protected:
  void SetUp() override { ResetDragState(); }
  void TearDown() override { ResetDragState(); }
  static void ResetDragState() {
    toolkit::IsDragging = false;
    toolkit::DragX = toolkit::DragY = 0;
  }

  void Press(float x, float y, int16_t button = kLeft) {
    toolkit::DragBegin(button, 0, x, y, window);
    log.clear();
  }
  void MoveTo(float x, float y, int16_t button = kLeft, std::optional<int16_t> mode = {},
              bool useMove = true) {
    toolkit::DragMove(button, 0, x, y, window, mode, useMove, container);
  }

  fake::Log log;
  fake::Runtime runtime{log};
  fake::Window window{log};
  const host::Extent* container = nullptr;
};

TEST_F(Drag, FollowsThePointerInPixelsAndInTwips) {
  window.scaleMode = host::scale::kPixels;
  Press(100, 50);
  MoveTo(110, 45);
  EXPECT_THAT(log,
              ElementsAre("Form1.Scalemode?", "Screen.TwipsPerPixelX?", "Screen.TwipsPerPixelY?",
                          "Form1.Left?", "Form1.Top?", "Form1.Move(3150,1425)"));

  window.scaleMode = host::scale::kTwips;
  Press(1500, 750);
  MoveTo(1650, 675);
  EXPECT_THAT(
      log, ElementsAre("Form1.Scalemode?", "Form1.Left?", "Form1.Top?", "Form1.Move(3300,1350)"));

  Press(100, 50);
  MoveTo(110, 45, kLeft, host::scale::kPixels);  // a given mode outranks the window's
  EXPECT_EQ(log.back(), "Form1.Move(3450,1275)");
}

TEST_F(Drag, AnchorRoundsHalvesToEvenAndSetsThePointer) {
  toolkit::DragBegin(kLeft, 0, 2.5f, 3.5f, window);
  EXPECT_TRUE(toolkit::IsDragging);
  EXPECT_EQ(toolkit::DragX, 2);
  EXPECT_EQ(toolkit::DragY, 4);
  EXPECT_THAT(log, ElementsAre("Form1.MousePointer=15"));
}

TEST_F(Drag, OnlyTheLeftButtonAloneActs) {
  Press(10, 10, kRight);
  MoveTo(500, 500);
  EXPECT_FALSE(toolkit::IsDragging);
  EXPECT_THAT(log, IsEmpty());  // idle moves read nothing

  Press(10, 10);
  toolkit::DragEnd(kRight, 0, 0, 0, window);
  MoveTo(40, 10, kLeftAndRight);
  EXPECT_TRUE(toolkit::IsDragging);
  EXPECT_THAT(log, IsEmpty());
  MoveTo(40, 10);  // left alone again: the whole offset is caught up
  EXPECT_EQ(log.back(), "Form1.Move(3030,1500)");

  toolkit::DragEnd(kLeft, 0, 0, 0, window);
  toolkit::DragEnd(kLeft, 0, 0, 0, window);
  EXPECT_FALSE(toolkit::IsDragging);
  EXPECT_EQ(window.mousePointer, host::pointer::kDefault);
}

TEST_F(Drag, WithoutMoveLeftIsWrittenBeforeTop) {
  Press(1500, 750);
  MoveTo(1650, 675, kLeft, {}, false);
  EXPECT_THAT(log, ElementsAre("Form1.Scalemode?", "Form1.Left?", "Form1.Top?", "Form1.Left=3150",
                               "Form1.Top=1425"));
}

TEST_F(Drag, ContainerAcceptsOnlyStepsThatStillReachPastBothEdges) {
  fake::Extent screen(log, "Screen", 0, 0, 9600, 7200);
  container = &screen;
  window.left = window.top = -100;
  window.height = 8000;  // as wide as the container, taller than it
  Press(1000, 1000);
  MoveTo(200000, 990);
  EXPECT_THAT(log, ElementsAre("Form1.Scalemode?", "Form1.Left?", "Form1.Top?", "Form1.Width?",
                               "Screen.Width?", "Form1.Left?", "Form1.Height?", "Screen.Height?",
                               "Form1.Move(-100,-110)"));
  EXPECT_EQ(toolkit::DragX, 200000);  // a refused axis re-anchors on the pointer
  EXPECT_EQ(toolkit::DragY, 1000);

  window.width = 20000;
  window.left = window.top = -150;
  Press(1000, 1000);
  MoveTo(1150, 1149);  // left would land on exactly 0
  EXPECT_EQ(log.back(), "Form1.Move(-150,-1)");
}

}  // namespace
