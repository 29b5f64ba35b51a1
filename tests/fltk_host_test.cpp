// The FLTK host on a real X display (run under Xvfb): the window it builds
// from the menu's design, where its events go, the file list box, and the
// drawing calls on the window's image.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
// After the test framework: X11's macros would clash with it.
#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/assets.h"
#include "app/form1_design.h"
#include "host/fltk/internal.h"
#include "host/picture_formats.h"

namespace {

namespace fs = std::filesystem;
using host::fltk::FormWindow;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Every event the host delivers, as a line.
class RecordingEvents : public host::FormEvents {
 public:
  void Load() override { lines.push_back("Load"); }
  void KeyDown(int16_t key, int16_t shift) override {
    lines.push_back("KeyDown " + std::to_string(key) + " " + std::to_string(shift));
  }
  void MouseDown(int16_t button, int16_t, float x, float y) override {
    lines.push_back("MouseDown " + std::to_string(button) + " " + Twips(x, y));
  }
  void MouseMove(int16_t button, int16_t, float x, float y) override {
    moves.push_back(std::to_string(button) + " " + Twips(x, y));
  }
  void MouseUp(int16_t button, int16_t, float x, float y) override {
    lines.push_back("MouseUp " + std::to_string(button) + " " + Twips(x, y));
  }
  void Click(std::string_view control, std::optional<int16_t> index) override {
    lines.push_back("Click " + std::string(control) +
                    (index ? " " + std::to_string(*index) : std::string()));
  }
  void DblClick(std::string_view control) override {
    lines.push_back("DblClick " + std::string(control));
  }
  static std::string Twips(float x, float y) {
    return std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y));
  }

  std::vector<std::string> lines;
  std::vector<std::string> moves;
};

// Lets the host handle events for a while, as its event loop would.
void Pump(double seconds = 0.15) {
  XSync(fl_display, False);
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < until) Fl::wait(0.01);
}

class FltkHostTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(host::fltk::OpenDisplay()) << "needs a display"; }

  void SetUp() override {
    form = &application.CreateForm(design);
    form->setEvents(&events);
  }

  void ShowMenu() {
    form->ShowCentred();
    Pump(0.3);
  }

  // Moves the real pointer to (x, y) of the window and clicks.
  void ClickAt(int x, int y, int button = 1) {
    Xdotool("mousemove " + std::to_string(form->x() + x) + " " + std::to_string(form->y() + y) +
            " click " + std::to_string(button));
  }
  void Xdotool(const std::string& arguments) {
    Pump(0.05);
    ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0);
    Pump();
  }

  host::FormDesign design = app::Form1Design();
  host::fltk::Application application;
  FormWindow* form = nullptr;
  RecordingEvents events;
};

struct Expected {
  const char* name;
  int index;
  int x, y, w, h;  // pixels, in the window
};

// Places in the window, the panel's controls inside its one-pixel frame.
constexpr Expected kPlaces[] = {
    {"FrameList", -1, 183, 33, 299, 388},     {"List1", -1, 188, 63, 289, 353},
    {"Label2", -1, 461, 32, 15, 29},          {"Label1", -1, 187, 39, 270, 19},
    {"QuorrelButtons", -1, 59, 420, 102, 35}, {"ListsButtons", 3, 27, 267, 146, 30},
    {"ListsButtons", 2, 24, 235, 164, 30},    {"ListsButtons", 1, 23, 202, 146, 30},
    {"ListsButtons", 0, 24, 172, 146, 30},    {"AnonsButtons", 5, 454, 191, 164, 30},
    {"CloseButton", -1, 606, 5, 25, 24},      {"PartsButtons", 4, 452, 158, 164, 30},
    {"PartsButtons", 3, 422, 126, 195, 30},   {"PartsButtons", 2, 454, 95, 164, 30},
    {"PartsButtons", 1, 451, 63, 164, 30},    {"PartsButtons", 0, 454, 32, 164, 30},
};

TEST_F(FltkHostTest, BuildsEveryControlOfTheDesignInItsPlace) {
  const std::vector<Fl_Widget*> controls = form->controls();
  ASSERT_EQ(controls.size(), std::size(kPlaces));
  for (const Expected& place : kPlaces) {
    SCOPED_TRACE(std::string(place.name) + " " + std::to_string(place.index));
    const Fl_Widget* found = nullptr;
    for (const Fl_Widget* widget : controls) {
      const host::ControlDesign* d = nullptr;
      if (auto* label = dynamic_cast<const host::fltk::LabelControl*>(widget)) d = &label->design();
      if (auto* box = dynamic_cast<const host::fltk::PictureBoxControl*>(widget))
        d = &box->design();
      if (auto* list = dynamic_cast<const host::fltk::FileListControl*>(widget))
        d = &list->design();
      ASSERT_NE(d, nullptr);
      if (d->name == place.name && d->index.value_or(-1) == place.index) found = widget;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->x(), place.x);
    EXPECT_EQ(found->y(), place.y);
    EXPECT_EQ(found->w(), place.w);
    EXPECT_EQ(found->h(), place.h);
  }
  EXPECT_FALSE(form->pictureBox("FrameList").Visible());
  EXPECT_EQ(form->label("Label1").Caption(), "Музыка MP3");
  EXPECT_EQ(form->w(), 640);
  EXPECT_EQ(form->h(), 480);
  EXPECT_EQ(form->Width(), 9600);
  EXPECT_EQ(form->ScaleWidth(), 9600);
  EXPECT_EQ(form->Scalemode(), host::scale::kTwips);
}

TEST_F(FltkHostTest, ShowsTheWindowBorderlessAndCentred) {
  ShowMenu();
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  EXPECT_EQ(form->x(), sx + (sw - 640) / 2);
  EXPECT_EQ(form->y(), sy + (sh - 480) / 2);
  EXPECT_EQ(form->border(), 0);
  EXPECT_EQ(form->Left(), form->x() * 15.0f);
}

TEST_F(FltkHostTest, AClickOnEachHotAreaReachesItsHandlerAndNothingElse) {
  ShowMenu();
  for (const Expected& place : kPlaces) {
    const std::string name = place.name;
    if (name == "FrameList" || name == "List1" || name == "Label1" || name == "Label2") continue;
    events.lines.clear();
    ClickAt(place.x + place.w / 2, place.y + place.h / 2);
    std::string expected = "Click ";
    expected.append(name);
    if (place.index >= 0) expected.append(" ").append(std::to_string(place.index));
    EXPECT_THAT(events.lines, ElementsAre(expected));
  }
}

TEST_F(FltkHostTest, TheBackgroundGetsMouseEventsInTwipsWithButtonValues) {
  ShowMenu();
  ClickAt(300, 450);  // below the panel, clear of every hot area
  EXPECT_THAT(events.lines, ElementsAre("MouseDown 1 4500,6750", "MouseUp 1 4500,6750"));
  events.lines.clear();
  ClickAt(10, 100, 3);
  EXPECT_THAT(events.lines, ElementsAre("MouseDown 2 150,1500", "MouseUp 2 150,1500"));
  events.lines.clear();
  ClickAt(10, 100, 2);
  EXPECT_THAT(events.lines, ElementsAre("MouseDown 4 150,1500", "MouseUp 4 150,1500"));
  events.moves.clear();
  Xdotool("mousemove " + std::to_string(form->x() + 20) + " " + std::to_string(form->y() + 120));
  EXPECT_THAT(events.moves, ElementsAre("0 300,1800"));
}

TEST_F(FltkHostTest, TheShownPanelCoversTheHotAreasBeneathIt) {
  ShowMenu();
  form->pictureBox("FrameList").setVisible(true);
  Pump();
  ClickAt(460, 110);  // third episode, under the panel
  EXPECT_THAT(events.lines, IsEmpty());
  ClickAt(560, 110);  // the same hot area, clear of it
  EXPECT_THAT(events.lines, ElementsAre("Click PartsButtons 2"));
  events.lines.clear();
  ClickAt(300, 40);  // the title strip is the panel's, not the background's
  EXPECT_THAT(events.lines, ElementsAre("Click Label1"));
  events.lines.clear();
  ClickAt(468, 44);  // the close mark
  EXPECT_THAT(events.lines, ElementsAre("Click Label2"));
}

TEST_F(FltkHostTest, KeysReachTheWindowBeforeTheFocusedList) {
  ShowMenu();
  form->pictureBox("FrameList").setVisible(true);
  Pump();
  ClickAt(300, 200);  // into the list: it takes the focus
  events.lines.clear();
  Xdotool("key Escape");
  Xdotool("key shift+Escape");
  Xdotool("key a");
  std::erase_if(events.lines,
                [](const std::string& line) { return line.starts_with("KeyDown 16"); });
  EXPECT_THAT(events.lines, ElementsAre("KeyDown 27 0", "KeyDown 27 1", "KeyDown 65 0"));
  EXPECT_TRUE(form->shown());  // Esc never closes the window
}

// ---- The file list box ----

class FileListTest : public FltkHostTest {
 protected:
  void SetUp() override {
    FltkHostTest::SetUp();
    folder = fs::temp_directory_path() / ("zorvanta-list-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "sub folder");
  }
  void TearDown() override { fs::remove_all(folder); }
  void Touch(const std::string& name) { std::ofstream(folder / name) << "x"; }
  host::FileListBox& list() { return form->fileListBox("List1"); }

  fs::path folder;
};

TEST_F(FileListTest, ListsVisibleFilesOnlyInNaturalCaseBlindOrder) {
  for (const char* name : {"клип 10.avi", "клип 2.avi", "B.mp3", "a.mp3", ".hidden", "Zeta"})
    Touch(name);
  list().setPath(folder.string());
  const auto& entries = dynamic_cast<host::fltk::FileListControl&>(list()).entries();
  EXPECT_THAT(entries, ElementsAre("a.mp3", "B.mp3", "Zeta", "клип 2.avi", "клип 10.avi"));
  EXPECT_EQ(list().FileName(), "");
}

TEST_F(FileListTest, ReadsBackslashesAsSeparatorsAndReportsTheFolder) {
  Touch("one.wav");
  std::string windowsStyle = folder.string();
  for (char& c : windowsStyle)
    if (c == '/') c = '\\';
  list().setPath(windowsStyle + "\\\\");
  EXPECT_EQ(list().Path(), folder.string());
  const auto& entries = dynamic_cast<host::fltk::FileListControl&>(list()).entries();
  EXPECT_THAT(entries, ElementsAre("one.wav"));
}

TEST_F(FileListTest, AFolderThatCannotBeListedKeepsTheOldOne) {
  Touch("kept.mid");
  list().setPath(folder.string());
  for (const fs::path& bad : {folder / "missing", folder / "kept.mid"}) {
    try {
      list().setPath(bad.string());
      ADD_FAILURE() << bad << " was listed";
    } catch (const host::RuntimeError& error) {
      EXPECT_EQ(error.number(), host::err::kPathNotFound);
    }
    EXPECT_EQ(list().Path(), folder.string());
    const auto& entries = dynamic_cast<host::fltk::FileListControl&>(list()).entries();
    EXPECT_THAT(entries, ElementsAre("kept.mid"));
  }
}

TEST_F(FileListTest, OddNamesAreListedAndSelectedExactly) {
  const std::vector<std::string> odd = {"-leading dash",
                                        "$(touch pwned)",
                                        "a;b",
                                        "quote\"s 'x'",
                                        "@bold",
                                        "tab\tname",
                                        std::string("bad \xff\xfe bytes")};
  for (const std::string& name : odd) Touch(name);
  list().setPath(folder.string());
  auto& control = dynamic_cast<host::fltk::FileListControl&>(list());
  ASSERT_EQ(control.entries().size(), odd.size());
  for (int line = 1; line <= control.size(); ++line) {
    control.value(line);
    EXPECT_TRUE(fs::exists(folder / list().FileName())) << list().FileName();
  }
}

TEST_F(FileListTest, DoubleClickAndEnterOnTheListReachItsHandler) {
  Touch("first.wav");
  Touch("second.wav");
  ShowMenu();
  list().setPath(folder.string());
  form->pictureBox("FrameList").setVisible(true);
  Pump();
  auto& control = dynamic_cast<host::fltk::FileListControl&>(list());
  const int rowY = control.y() - form->y() + 0;  // window coordinates
  (void)rowY;
  Xdotool("mousemove " + std::to_string(form->x() + 220) + " " +
          std::to_string(form->y() + control.y() + 8) + " click --repeat 2 --delay 60 1");
  EXPECT_EQ(list().FileName(), "first.wav");
  EXPECT_THAT(events.lines, ElementsAre("DblClick List1"));
  events.lines.clear();
  Xdotool("key Down Return");
  EXPECT_EQ(list().FileName(), "second.wav");
  EXPECT_THAT(events.lines, ElementsAre("KeyDown 40 0", "KeyDown 13 0", "DblClick List1"));
}

// ---- Drawing on the window's image ----

TEST_F(FltkHostTest, DrawingWithAutoRedrawLandsInThePersistentImage) {
  form->setAutoRedraw(true);
  form->setForeColor(0x0000FF);  // red
  form->setDrawWidth(1);
  host::runtime().RoundRect(form->hdc(), 10, 10, 110, 60, 20, 20);
  const host::Surface& image = form->surface();
  EXPECT_EQ(image.at(60, 10), (host::Rgb{255, 0, 0}));   // top edge
  EXPECT_EQ(image.at(109, 35), (host::Rgb{255, 0, 0}));  // right edge, exclusive bound
  EXPECT_NE(image.at(10, 10), (host::Rgb{255, 0, 0}));   // the corner is rounded
  EXPECT_NE(image.at(60, 35), (host::Rgb{255, 0, 0}));   // no fill

  host::TriVertex v[2] = {{0, 0, 0, 0, 0, 0}, {100, 200, -256, 0, 0, 0}};  // red 0 -> 255
  host::GradientRect mesh{0, 1};
  host::runtime().GradientFill(form->hdc(), v, 2, &mesh, 1, host::kGradientFillRectH);
  EXPECT_EQ(image.at(0, 100).r, 0);
  EXPECT_NEAR(image.at(50, 100).r, 127, 2);
  EXPECT_NEAR(image.at(99, 100).r, 252, 3);
}

host::Rgb OnScreen(FormWindow& window, int x, int y) {
  XSync(fl_display, False);
  XImage* shot = XGetImage(fl_display, fl_xid(&window), x, y, 1, 1, AllPlanes, ZPixmap);
  const unsigned long pixel = shot ? XGetPixel(shot, 0, 0) : 0;
  if (shot) XDestroyImage(shot);
  return {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
          static_cast<uint8_t>(pixel)};
}

TEST_F(FltkHostTest, DrawingWithoutAutoRedrawIsGoneAtTheNextRepaint) {
  ShowMenu();
  const host::Rgb before = form->surface().at(320, 470);
  form->setAutoRedraw(false);
  form->LineBox(0, 6900, 9600, 7200, 0x00FF00);  // a green strip along the bottom
  EXPECT_EQ(OnScreen(*form, 320, 470), (host::Rgb{0, 255, 0}));
  EXPECT_EQ(form->surface().at(320, 470), before);
  form->Refresh();
  Pump();
  EXPECT_EQ(OnScreen(*form, 320, 470), before);
}

TEST_F(FltkHostTest, TheRegionOutlivesItsHandle) {
  host::Rect client;
  ASSERT_TRUE(host::runtime().GetClientRect(form->hWnd(), client));
  EXPECT_EQ(client, (host::Rect{0, 0, 640, 480}));
  const int32_t region = host::runtime().CreateRoundRectRgn(0, 0, 640, 480, 20, 20);
  EXPECT_EQ(host::runtime().SetWindowRgn(form->hWnd(), region, true), 1);
  EXPECT_TRUE(host::runtime().DeleteObject(region));
  EXPECT_FALSE(host::runtime().DeleteObject(region));
}

// ---- The face and the pointer ----

struct PointerShape {
  int width, height, hotX, hotY;
};

PointerShape CurrentPointer() {
  XFixesCursorImage* image = XFixesGetCursorImage(fl_display);
  const PointerShape shape{image->width, image->height, image->xhot, image->yhot};
  XFree(image);
  return shape;
}

TEST_F(FltkHostTest, TheScreenShowsThePictureUnscaledAwayFromTheFrame) {
  ShowMenu();
  const host::Picture picture = host::ReadBackground(app::assets::Background());
  XImage* shot = XGetImage(fl_display, RootWindow(fl_display, fl_screen), form->x(), form->y(), 640,
                           480, AllPlanes, ZPixmap);
  ASSERT_NE(shot, nullptr);
  constexpr int kFrame = 7;  // the outlines and the rings
  int differing = 0;
  for (int y = kFrame; y < 480 - kFrame; ++y)
    for (int x = kFrame; x < 640 - kFrame; ++x) {
      const unsigned long pixel = XGetPixel(shot, x, y);
      const uint8_t* expected = &picture.rgba[(static_cast<size_t>(y) * 640 + x) * 4];
      if (((pixel >> 16) & 0xFF) != expected[0] || ((pixel >> 8) & 0xFF) != expected[1] ||
          (pixel & 0xFF) != expected[2])
        ++differing;
    }
  XDestroyImage(shot);
  EXPECT_EQ(differing, 0);
}

TEST_F(FltkHostTest, TheHandWithItsFingertipHotSpotShowsOverHotAreasOnly) {
  ShowMenu();
  const host::CursorPicture hand = host::ReadCursor(app::assets::HandCursor());
  auto pointAt = [&](int x, int y) {
    Xdotool("mousemove " + std::to_string(form->x() + x) + " " + std::to_string(form->y() + y));
    return CurrentPointer();
  };
  for (auto [x, y] : {std::pair{536, 47}, {618, 17}, {110, 437}, {97, 187}}) {
    const PointerShape over = pointAt(x, y);
    EXPECT_EQ(over.width, hand.image.width);
    EXPECT_EQ(over.hotX, 5);
    EXPECT_EQ(over.hotY, 0);
  }
  const PointerShape background = pointAt(320, 450);
  EXPECT_FALSE(background.hotX == 5 && background.hotY == 0 &&
               background.width == hand.image.width);

  form->setMousePointer(host::pointer::kSizeAll);  // as while dragging
  const PointerShape dragging = CurrentPointer();
  EXPECT_NE(dragging.width * 1000 + dragging.hotX * 100 + dragging.hotY,
            background.width * 1000 + background.hotX * 100 + background.hotY);
  form->setMousePointer(host::pointer::kDefault);

  form->pictureBox("FrameList").setVisible(true);
  const PointerShape mark = pointAt(468, 44);
  EXPECT_EQ(mark.hotX, 5);
  const PointerShape title = pointAt(300, 45);
  EXPECT_NE(title.hotX, 5);
}

// ---- Ending, and the opener ----

// Counts the message boxes that open, closing each as a user would.
int messagesSeen = 0;

void CloseMessages(void*) {
  if (Fl_Window* box = Fl::modal()) {
    ++messagesSeen;
    box->hide();
  }
  Fl::repeat_timeout(0.05, CloseMessages);
}

void WatchForMessages() {
  messagesSeen = 0;
  Fl::add_timeout(0.05, CloseMessages);
}

void StopWatchingForMessages() { Fl::remove_timeout(CloseMessages); }

// Closes whatever message box is open a moment after it appears.
void CloseMessageBoxSoon() {
  Fl::add_timeout(0.3, [](void*) {
    if (Fl_Window* box = Fl::modal()) box->hide();
  });
}

// Any handler call ends the process with a status the tests can tell apart.
class ForbiddenEvents : public RecordingEvents {
 public:
  void Load() override { std::_Exit(3); }
  void MouseDown(int16_t, int16_t, float, float) override { std::_Exit(3); }
  void MouseMove(int16_t, int16_t, float, float) override {}
};

TEST_F(FltkHostTest, AnUntrappedErrorIsReportedAndEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        CloseMessageBoxSoon();
        host::fltk::Deliver([] { throw host::RuntimeError(host::err::kOverflow, "Переполнение"); });
      },
      ::testing::ExitedWithCode(1), "Ошибка выполнения 6");
}

TEST_F(FltkHostTest, TheWindowManagersCloseEndsTheProgramWithoutItsCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        ForbiddenEvents forbidden;
        form->setEvents(&forbidden);
        ShowMenu();
        XEvent close{};
        close.xclient.type = ClientMessage;
        close.xclient.window = fl_xid(form);
        close.xclient.message_type = XInternAtom(fl_display, "WM_PROTOCOLS", False);
        close.xclient.format = 32;
        close.xclient.data.l[0] =
            static_cast<long>(XInternAtom(fl_display, "WM_DELETE_WINDOW", False));
        XSendEvent(fl_display, fl_xid(form), False, NoEventMask, &close);
        Pump(2);
        std::_Exit(4);  // still running
      },
      ::testing::ExitedWithCode(0), "");
}

class OpenerTest : public FltkHostTest {
 protected:
  void SetUp() override {
    FltkHostTest::SetUp();
    root = fs::temp_directory_path() / ("zorvanta-open-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "bin");
    fs::create_directories(root / "Audio Music");
    log = root / "opened";
    const fs::path opener = root / "bin" / "xdg-open";
    std::ofstream(opener) << "#!/bin/sh\nprintf '%s\\0' \"$@\" >> '" << log.string()
                          << "'\nexit $(cat '" << (root / "status").string()
                          << "' 2>/dev/null || echo 0)\n";
    fs::permissions(opener, fs::perms::owner_all);
    savedPath = std::getenv("PATH");
    setenv("PATH", ((root / "bin").string() + ":" + savedPath).c_str(), 1);
  }
  void TearDown() override {
    Pump(0.5);  // let the openers still running finish before their folder goes
    setenv("PATH", savedPath.c_str(), 1);
    fs::remove_all(root);
  }
  // Every argument the opener was given, in order.
  std::vector<std::string> Opened(size_t expected) {
    for (int tries = 0; tries < 100; ++tries) {
      std::ifstream in(log, std::ios::binary);
      std::vector<std::string> arguments;
      for (std::string argument; std::getline(in, argument, '\0');) arguments.push_back(argument);
      if (arguments.size() >= expected) return arguments;
      Pump(0.05);
    }
    return {};
  }

  fs::path root, log;
  std::string savedPath;
};

TEST_F(OpenerTest, AnyNameReachesTheOpenerAsOneExactArgument) {
  const std::vector<std::string> odd = {"-leading dash.mp3", "$(touch pwned).wav",
                                        "a;b|c&.mid",        "quote\"s 'x'.avi",
                                        "клип 2.avi",        std::string("bad \xff\xfe bytes.wav")};
  std::vector<std::string> expected;
  for (const std::string& name : odd) {
    std::ofstream(root / "Audio Music" / name) << "x";
    const std::string written = root.string() + "\\Audio Music\\" + name;  // as the menu joins it
    EXPECT_GT(host::runtime().ShellExecute(0, "open", written, "", "", 1), 32);
    expected.push_back((root / "Audio Music" / name).string());
  }
  EXPECT_THAT(Opened(odd.size()),
              ::testing::UnorderedElementsAreArray(expected));  // openers run side by side
  EXPECT_FALSE(fs::exists("pwned"));
}

TEST_F(OpenerTest, AMissingFileIsToldAndNeverReachesTheOpener) {
  WatchForMessages();
  EXPECT_EQ(host::runtime().ShellExecute(0, "open", root.string() + "\\nothing.avi", "", "", 1), 2);
  Pump(0.3);
  StopWatchingForMessages();
  EXPECT_EQ(messagesSeen, 1);
  EXPECT_FALSE(fs::exists(log));
}

TEST_F(OpenerTest, WebAddressesGoAsTheyAre) {
  EXPECT_GT(host::runtime().ShellExecute(0, "open", "https://quorrel.example/", "", "", 1), 32);
  EXPECT_THAT(Opened(1), ElementsAre("https://quorrel.example/"));
}

TEST_F(OpenerTest, AnOpenerThatFindsNoProgramIsReportedWithoutWaitingForIt) {
  std::ofstream(root / "status") << 3;
  std::ofstream(root / "film.avi") << "x";
  WatchForMessages();
  EXPECT_GT(host::runtime().ShellExecute(0, "open", (root / "film.avi").string(), "", "", 1), 32);
  EXPECT_EQ(messagesSeen, 0);  // the opener's verdict comes later
  for (int i = 0; i < 60 && messagesSeen == 0; ++i) Pump(0.05);
  StopWatchingForMessages();
  EXPECT_EQ(messagesSeen, 1);
}

}  // namespace
