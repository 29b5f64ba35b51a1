#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fake_host.h"
#include "toolkit/drag.h"

namespace {

using ::testing::ElementsAre;
using namespace toolkit;

class Drag : public ::testing::Test {
 protected:
  void SetUp() override { IsDragging = false; }
  void Press(float x, float y) {
    DragBegin(1, 0, x, y, window);
    log.clear();
  }

  fake::Log log;
  fake::Runtime runtime{log};
  fake::Window window{log};
};

TEST_F(Drag, FollowsThePointerInPixelsAndInTwips) {
  window.scaleMode = host::scale::kPixels;
  Press(100, 50);
  DragMove(1, 0, 110, 45, window, {}, true);
  EXPECT_THAT(log,
              ElementsAre("Form1.Scalemode?", "Screen.TwipsPerPixelX?", "Screen.TwipsPerPixelY?",
                          "Form1.Left?", "Form1.Top?", "Form1.Move(3150,1425)"));
  window.scaleMode = host::scale::kTwips;
  Press(1500, 750);
  DragMove(1, 0, 1650, 675, window, {}, false);  // without Move, Left is written before Top
  EXPECT_THAT(log, ElementsAre("Form1.Scalemode?", "Form1.Left?", "Form1.Top?", "Form1.Left=3300",
                               "Form1.Top=1350"));
  Press(100, 50);
  DragMove(1, 0, 110, 45, window, host::scale::kPixels,
           true);  // a given mode outranks the window's
  EXPECT_EQ(log.back(), "Form1.Move(3450,1275)");
}

TEST_F(Drag, AnchorRoundsHalvesToEvenAndOnlyTheLeftButtonAloneActs) {
  DragBegin(1, 0, 2.5f, 3.5f, window);
  EXPECT_EQ(std::pair(DragX, DragY), std::pair(2, 4));
  DragEnd(2, 0, 0, 0, window);
  DragMove(3, 0, 40, 10, window, {}, true);
  DragMove(1, 0, 40, 10, window, {}, true);  // left alone again: the whole offset is caught up
  DragEnd(1, 0, 0, 0, window);
  DragMove(1, 0, 40, 10, window, {}, true);  // an idle move reads nothing
  DragBegin(2, 0, 0, 0, window);
  EXPECT_THAT(log, ElementsAre("Form1.MousePointer=15", "Form1.Scalemode?", "Form1.Left?",
                               "Form1.Top?", "Form1.Move(3038,1506)", "Form1.MousePointer=0"));
  EXPECT_FALSE(IsDragging);
}

TEST_F(Drag, ContainerAcceptsOnlyStepsThatStillReachPastBothEdges) {
  fake::Extent screen(log, "Screen", 0, 0, 9600, 7200);
  window.left = window.top = -100;
  window.height = 8000;  // as wide as the container, taller than it
  Press(1000, 1000);
  DragMove(1, 0, 200000, 990, window, {}, true, &screen);
  EXPECT_THAT(log, ElementsAre("Form1.Scalemode?", "Form1.Left?", "Form1.Top?", "Form1.Width?",
                               "Screen.Width?", "Form1.Left?", "Form1.Height?", "Screen.Height?",
                               "Form1.Move(-100,-110)"));
  EXPECT_EQ(DragX, 200000);  // a refused axis re-anchors on the pointer
  window.width = 20000;
  window.left = window.top = -150;
  Press(1000, 1000);
  DragMove(1, 0, 1150, 1149, window, {}, true, &screen);  // left would land on exactly 0
  EXPECT_EQ(log.back(), "Form1.Move(-150,-1)");
}

}  // namespace
