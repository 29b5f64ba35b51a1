// The window's shared layout and drawing state, without a display: where
// each control of the menu's design lies, which one a point falls on, what
// the window's drawing shows, and the one report of an untrapped error.
#include "host/layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/form1_design.h"
#include "host/canvas.h"
#include "host/delivery.h"
#include "host/running_menu.h"
#include "host/window_pictures.h"
#include "tests/fake_host.h"

namespace {

using ::testing::ElementsAre;

// Name, array index or -1, and place in the window in pixels: the panel's
// controls sit inside its one-pixel frame.
const std::vector<std::string> kPlaces = {
    "FrameList -1 183 33 299 388",     "List1 -1 188 63 289 353",
    "Label2 -1 461 32 15 29",          "Label1 -1 187 39 270 19",
    "QuorrelButtons -1 59 420 102 35", "ListsButtons 3 27 267 146 30",
    "ListsButtons 2 24 235 164 30",    "ListsButtons 1 23 202 146 30",
    "ListsButtons 0 24 172 146 30",    "AnonsButtons 5 454 191 164 30",
    "CloseButton -1 606 5 25 24",      "PartsButtons 4 452 158 164 30",
    "PartsButtons 3 422 126 195 30",   "PartsButtons 2 454 95 164 30",
    "PartsButtons 1 451 63 164 30",    "PartsButtons 0 454 32 164 30"};

std::string NameAt(const host::Layout& layout, float x, float y) {
  const int control = layout.ControlAt(x, y);
  if (control == host::kBackground) return "background";
  const host::ControlDesign& design = layout.design(control);
  return std::string(design.name) + (design.index ? " " + std::to_string(*design.index) : "");
}

TEST(Layout, PlacesEachControlInItsContainerAndFindsItByNameAndIndex) {
  const host::FormDesign design = app::Form1Design();
  const host::Layout layout(design);
  std::vector<std::string> places;
  for (int i = 0; i < layout.size(); ++i) {
    const host::PixelRect& r = layout[i].rect;
    places.push_back(std::string(layout.design(i).name) + " " +
                     std::to_string(layout.design(i).index.value_or(-1)) + " " +
                     std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                     std::to_string(r.width) + " " + std::to_string(r.height));
  }
  EXPECT_THAT(places, ::testing::ElementsAreArray(kPlaces));
  const int list = layout.Named("List1", std::nullopt);
  EXPECT_EQ(std::vector<float>({layout.Left(list), layout.Top(list), layout.Width(list)}),
            std::vector<float>({60, 435, 4335}));  // twips, in the panel
  EXPECT_EQ(layout.Left(layout.Named("PartsButtons", 2)), 6810);
  EXPECT_EQ(layout.Find("PartsButtons", 7), host::kBackground);
  EXPECT_THROW(layout.Named("PartsButtons", std::nullopt), host::RuntimeError);

  std::vector<host::ControlDesign> orphan(design.controls.begin(), design.controls.end());
  orphan[1].container = "Nowhere";
  host::FormDesign broken = design;
  broken.controls = orphan;
  try {
    host::Layout{broken};
    ADD_FAILURE() << "a control without its container was placed";
  } catch (const host::RuntimeError& error) {
    EXPECT_EQ(error.number(), host::err::kInvalidProperty);
  }
}

// The panel covers what lies under it and clips what lies in it; hidden, it
// takes nothing.
TEST(Layout, APointFallsOnTheTopmostShownControlOrTheBackground) {
  const host::FormDesign design = app::Form1Design();
  host::Layout layout(design);
  EXPECT_EQ(NameAt(layout, 460, 110), "PartsButtons 2");
  EXPECT_EQ(NameAt(layout, 185, 250), "ListsButtons 2");
  EXPECT_EQ(NameAt(layout, 300, 450), "background");
  EXPECT_EQ(NameAt(layout, 453, 140), "PartsButtons 3");  // the widest entry begins at 422
  layout.setVisible(layout.Named("FrameList", std::nullopt), true);
  EXPECT_EQ(NameAt(layout, 460, 110), "List1");
  EXPECT_EQ(NameAt(layout, 185, 250), "FrameList");  // the panel's margin
  EXPECT_EQ(NameAt(layout, 560, 110), "PartsButtons 2");
  EXPECT_EQ(NameAt(layout, 300, 45), "Label1");
  EXPECT_EQ(NameAt(layout, 468, 44), "Label2");
  EXPECT_EQ(NameAt(layout, 468, 33), "FrameList");       // its frame
  EXPECT_EQ(NameAt(layout, 468, 32), "PartsButtons 0");  // not the clipped top of Label2
  EXPECT_EQ(NameAt(layout, 481.9f, 420.9f), "FrameList");
  EXPECT_EQ(NameAt(layout, 482, 421), "background");
}

TEST(Canvas, DrawsIntoTheImageWithAutoRedrawElseOnALayerUntilTheNextRepaint) {
  host::Canvas canvas(20, 10, host::Rgb{1, 2, 3});
  canvas.setAutoRedraw(true);
  canvas.setForeColor(0x0000FF);
  canvas.setDrawWidth(2);
  canvas.RoundRect(0, 0, 20, 10, 0, 0);
  EXPECT_EQ(canvas.image().at(0, 5), (host::Rgb{255, 0, 0}));
  EXPECT_EQ(canvas.Shown().at(0, 5), (host::Rgb{255, 0, 0}));

  canvas.setAutoRedraw(false);
  canvas.LineBox(0, 0, 150, 150, 0x00FF00);  // twips: ten pixels
  EXPECT_EQ(canvas.Shown().at(5, 5), (host::Rgb{0, 255, 0}));
  EXPECT_EQ(canvas.image().at(5, 5), (host::Rgb{1, 2, 3}));
  canvas.Repaint();
  EXPECT_EQ(canvas.Shown().at(5, 5), (host::Rgb{1, 2, 3}));

  EXPECT_THROW(canvas.setDrawWidth(0), host::RuntimeError);
  EXPECT_EQ(canvas.DrawWidth(), 2);
  try {
    canvas.LineBox(0, 0, 1e12f, 15, 0);  // beyond any pixel count
    ADD_FAILURE() << "no overflow";
  } catch (const host::RuntimeError& error) {
    EXPECT_EQ(error.number(), host::err::kOverflow);
  }
}

int exitStatus = -1;
void RecordExit(int status) { exitStatus = status; }

TEST(Delivery, AnUntrappedErrorIsToldOnceAndEndsTheProgramAfterWhichNothingRuns) {
  fake::Log log;
  fake::Runtime runtime{log};
  host::ReplaceExit(RecordExit);
  host::Deliver([] { throw host::RuntimeError(host::err::kOverflow, "Переполнение"); });
  EXPECT_EQ(exitStatus, 1);
  bool ran = false;
  host::Deliver([&] { ran = true; });
  EXPECT_FALSE(ran);
  host::ReplaceExit(RecordExit);
  host::Deliver([] { throw std::out_of_range("vector"); });
  EXPECT_THAT(log, ElementsAre("MsgBox(Ошибка выполнения 6:\n\nПереполнение)",
                               "MsgBox(Ошибка выполнения 51:\n\nvector)"));
  host::ReplaceExit(RecordExit);
}

TEST(WindowPictures, TheDesignsPicturesAreReadAndADamagedOneRaisesItsError) {
  const host::FormDesign design = app::Form1Design();
  ASSERT_EQ(host::IconsOf(design).size(), 3u);
  EXPECT_EQ(host::HandOf(design)->hotX, 5);
  const fake::DamagedHand broken(design);
  try {
    host::HandOf(broken.design);
    ADD_FAILURE() << "a damaged cursor was read";
  } catch (const host::RuntimeError& error) {
    EXPECT_EQ(error.number(), host::err::kInvalidPicture);
  }
}

TEST(RunningMenu, EachFolderHasItsOwnPlainName) {
  const std::string name = host::RunningMenuName("/media/cdrom");
  EXPECT_EQ(name, host::RunningMenuName("/media/cdrom"));
  EXPECT_NE(name, host::RunningMenuName("/media/cdrom1"));
  EXPECT_NE(name, host::RunningMenuName("E:\\"));
  EXPECT_TRUE(
      std::all_of(name.begin(), name.end(), [](char c) { return std::isalnum(c) || c == '_'; }));
}

}  // namespace
