// The FLTK host on a real X display (run under Xvfb): the window built from the design,
// where its events go, the file list, drawing, how the program ends, and the opener.
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
#include <sstream>
#include <string>
#include <vector>

#include "app/assets.h"
#include "app/form1_design.h"
#include "host/fltk/application.h"
#include "host/fltk/controls.h"
#include "host/fltk/delivery.h"
#include "host/fltk/display.h"
#include "host/fltk/form_window.h"
#include "host/picture_formats.h"

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

// A line of words and whole numbers: "MouseDown 1 4500 6750".
std::string Line(std::string_view head, auto... numbers) {
  std::string line(head);
  ((line += " " + std::to_string(static_cast<int>(numbers))), ...);
  return line;
}

// Every event the host delivers, as a line; mouse positions in twips.
class RecordingEvents : public host::FormEvents {
 public:
  void Load() override { lines.push_back("Load"); }
  void KeyDown(int16_t key, int16_t shift) override { Add(Line("KeyDown", key, shift)); }
  void MouseDown(int16_t b, int16_t, float x, float y) override { Add(Line("MouseDown", b, x, y)); }
  void MouseMove(int16_t, int16_t, float, float) override {}  // the drag's: seen end to end
  void MouseUp(int16_t b, int16_t, float x, float y) override { Add(Line("MouseUp", b, x, y)); }
  void Click(std::string_view c, std::optional<int16_t> i) override {
    Add(i ? Line("Click " + std::string(c), *i) : "Click " + std::string(c));
  }
  void DblClick(std::string_view c) override { Add("DblClick " + std::string(c)); }
  void Add(const std::string& line) { lines.push_back(line); }

  std::vector<std::string> lines;
};

// Lets the host handle events for a while, as its event loop would.
void Pump(double seconds = 0.15) {
  XSync(fl_display, False);
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < until) Fl::wait(0.01);
}

// Counts the message boxes that open, closing each as a user would.
int messagesSeen = 0;
std::vector<std::string> messageTexts;
void CloseMessages(void*) {
  if (Fl_Window* box = Fl::modal()) {
    ++messagesSeen;
    messageTexts.push_back(box->child(0)->label());
    box->hide();
  }
  Fl::repeat_timeout(0.05, CloseMessages);
}

// The menu's window, a scratch folder, and a stand-in xdg-open first on PATH
// that logs each argument it is given.
class FltkHostTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(host::fltk::OpenDisplay()) << "needs a display"; }
  void SetUp() override {
    form->setEvents(&events);
    fs::remove_all(root);
    fs::create_directories(root / "bin");
    std::ofstream(root / "bin" / "xdg-open")
        << "#!/bin/sh\nprintf '%s\\0' \"$@\" >> '" << log.string() << "'\n";
    fs::permissions(root / "bin" / "xdg-open", fs::perms::owner_all);
    setenv("PATH", ((root / "bin").string() + ":" + savedPath).c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", savedPath.c_str(), 1);
    fs::remove_all(root);
  }
  void ShowMenu(bool panel = false) {
    form->ShowCentred();
    form->pictureBox("FrameList").setVisible(panel);
    Pump(0.3);
  }
  // Moves the real pointer to (x, y) of the window, then does what follows.
  void At(int x, int y, const std::string& then = "") {
    Xdotool(Line("mousemove", form->x() + x, form->y() + y) + " " + then);
  }
  void Xdotool(const std::string& arguments) {
    Pump(0.05);
    ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0);
    Pump();
  }
  // Whether the pointer shows the hand, by its size and fingertip hot spot.
  bool HandShown() {
    XFixesCursorImage* image = XFixesGetCursorImage(fl_display);
    const bool hand = image->width == handWidth && image->xhot == 5 && image->yhot == 0;
    XFree(image);
    return hand;
  }
  // The window as shown on the screen, row by row, as 0xRRGGBB.
  std::vector<unsigned long> Shown() {
    XImage* shot = XGetImage(fl_display, fl_xid(form), 0, 0, 640, 480, AllPlanes, ZPixmap);
    std::vector<unsigned long> pixels;
    for (int i = 0; i < 640 * 480; ++i) pixels.push_back(XGetPixel(shot, i % 640, i / 640));
    XDestroyImage(shot);
    return pixels;
  }
  host::fltk::FileListControl& list() {
    return dynamic_cast<host::fltk::FileListControl&>(form->fileListBox("List1"));
  }

  host::FormDesign design = app::Form1Design();
  host::fltk::Application application;
  host::fltk::FormWindow* form = &application.CreateForm(design);
  RecordingEvents events;
  const int handWidth = host::ReadCursor(app::assets::HandCursor()).image.width;
  fs::path root = fs::temp_directory_path() / ("zorvanta-host-" + std::to_string(getpid()));
  fs::path log = root / "opened";
  std::string savedPath = std::getenv("PATH");
};

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

const host::ControlDesign& DesignOf(const Fl_Widget* widget) {
  if (auto* label = dynamic_cast<const host::fltk::LabelControl*>(widget)) return label->design();
  if (auto* box = dynamic_cast<const host::fltk::PictureBoxControl*>(widget)) return box->design();
  return dynamic_cast<const host::fltk::FileListControl&>(*widget).design();
}

TEST_F(FltkHostTest, ShowsEveryControlInPlaceTheWindowCentredAndThePanelHidden) {
  EXPECT_FALSE(form->pictureBox("FrameList").Visible());
  ShowMenu();
  std::vector<std::string> built;
  for (const Fl_Widget* w : form->controls()) {
    const host::ControlDesign& d = DesignOf(w);
    built.push_back(Line(d.name, d.index.value_or(-1), w->x(), w->y(), w->w(), w->h()));
  }
  EXPECT_THAT(built, ::testing::UnorderedElementsAreArray(kPlaces));
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  EXPECT_EQ(Line("", form->x(), form->y(), form->w(), form->h(), form->border()),
            Line("", sx + (sw - 640) / 2, sy + (sh - 480) / 2, 640, 480, 0));
}

TEST_F(FltkHostTest, EachHotAreaShowsTheHandAndAClickReachesItsHandlerAndNothingElse) {
  ShowMenu();
  for (const std::string& place : kPlaces) {
    std::string name;
    int index, x, y, w, h;
    std::istringstream(place) >> name >> index >> x >> y >> w >> h;
    if (name == "FrameList" || name == "List1" || name.starts_with("Label")) continue;
    events.lines.clear();
    At(x + w / 2, y + h / 2);
    EXPECT_TRUE(HandShown()) << name;
    At(x + w / 2, y + h / 2, "click 1");
    EXPECT_THAT(events.lines,
                ElementsAre(index >= 0 ? Line("Click " + name, index) : "Click " + name));
  }
}

TEST_F(FltkHostTest, TheBackgroundGetsMouseEventsInTwipsWithButtonValuesAndNoHand) {
  ShowMenu();
  // xdotool's left, right and middle buttons; the first spot is below the panel.
  for (auto [x, y, xButton, button] :
       {std::tuple{300, 450, 1, 1}, {10, 100, 3, 2}, {10, 100, 2, 4}}) {
    events.lines.clear();
    At(x, y, Line("click", xButton));
    EXPECT_FALSE(HandShown());
    EXPECT_THAT(events.lines, ElementsAre(Line("MouseDown", button, x * 15, y * 15),
                                          Line("MouseUp", button, x * 15, y * 15)));
  }
}

TEST_F(FltkHostTest, TheShownPanelCoversHotAreasAndItsListPassesKeysToTheWindowFirst) {
  std::ofstream(root / "first.wav") << "x";
  std::ofstream(root / "second.wav") << "x";
  list().setPath(root.string());
  ShowMenu(true);
  At(460, 110, "click 1");  // third episode, under the panel
  EXPECT_THAT(events.lines, ::testing::IsEmpty());
  At(560, 110, "click 1");  // the same hot area, clear of it
  EXPECT_THAT(events.lines, ElementsAre("Click PartsButtons 2"));
  events.lines.clear();
  At(220, 63 + 8, "click --repeat 2 --delay 60 1");  // the first row: the list takes the focus
  EXPECT_EQ(list().FileName(), "first.wav");
  EXPECT_THAT(events.lines, ElementsAre("DblClick List1"));
  events.lines.clear();
  Xdotool("key Escape shift+Escape a Down Return");
  std::erase_if(events.lines,
                [](const std::string& line) { return line.starts_with("KeyDown 16"); });
  EXPECT_THAT(events.lines, ElementsAre("KeyDown 27 0", "KeyDown 27 1", "KeyDown 65 0",
                                        "KeyDown 40 0", "KeyDown 13 0", "DblClick List1"));
  EXPECT_EQ(list().FileName(), "second.wav");
  EXPECT_TRUE(form->shown());  // Esc never closes the window
}

TEST_F(FltkHostTest, TheListShowsVisibleFilesInNaturalOrderAndKeepsItsFolderOnFailure) {
  for (const char* name : {"клип 10.avi", "клип 2.avi", "B.mp3", "a.mp3", ".hidden", "Zeta"})
    std::ofstream(root / name) << "x";
  std::string windowsStyle = root.string();
  std::replace(windowsStyle.begin(), windowsStyle.end(), '/', '\\');
  list().setPath(windowsStyle + "\\\\");
  const auto listed = ElementsAre("a.mp3", "B.mp3", "Zeta", "клип 2.avi", "клип 10.avi");
  EXPECT_THAT(list().entries(), listed);  // not the folder "bin" either
  EXPECT_EQ(list().FileName(), "");
  for (const fs::path& bad : {root / "missing", root / "Zeta"}) {
    EXPECT_THROW(list().setPath(bad.string()), host::RuntimeError);
    EXPECT_EQ(list().Path(), root.string());
    EXPECT_THAT(list().entries(), listed);
  }
}

TEST_F(FltkHostTest, OddNamesAreSelectedExactlyAndEachReachesTheOpenerAsOneArgument) {
  messagesSeen = 0;  // a missing file first: told, and never opened
  Fl::add_timeout(0.05, CloseMessages);
  EXPECT_EQ(host::runtime().ShellExecute(0, "open", root.string() + "\\nothing.avi", "", "", 1), 2);
  Pump(0.3);
  Fl::remove_timeout(CloseMessages);
  EXPECT_EQ(messagesSeen, 1);
  EXPECT_FALSE(fs::exists(log));

  const fs::path folder = root / "Audio Music";
  fs::create_directories(folder);
  std::vector<std::string> expected, opened;
  for (std::string name : {"-dash.mp3", "$(touch pwned).wav", "a;b|c&.mid", "quote\"s 'x'.avi",
                           "@bold", "tab\tname", "клип 2.avi", "bad \xff\xfe bytes.wav"}) {
    std::ofstream(folder / name) << "x";
    expected.push_back((folder / name).string());
  }
  list().setPath(folder.string());
  ASSERT_EQ(list().size(), std::ssize(expected));
  for (int line = 1; line <= list().size(); ++line) {
    list().value(line);  // then opened as the menu joins the names
    const std::string joined = root.string() + "\\Audio Music\\" + list().FileName();
    EXPECT_GT(host::runtime().ShellExecute(0, "open", joined, "", "", 1), 32);
  }
  for (int tries = 0; tries < 100 && opened.size() < expected.size(); ++tries) {
    Pump(0.05);
    std::ifstream in(log, std::ios::binary);
    opened.clear();
    for (std::string argument; std::getline(in, argument, '\0');) opened.push_back(argument);
  }
  // The openers run side by side: in any order.
  EXPECT_THAT(opened, ::testing::UnorderedElementsAreArray(expected));
  EXPECT_FALSE(fs::exists("pwned"));
  Pump(0.5);  // the openers finish before their folder goes
}

TEST_F(FltkHostTest, ALateNoProgramMessageNamesItsDocument) {
  std::ofstream(root / "bin" / "xdg-open") << "#!/bin/sh\nexit 3\n";  // no program for it
  std::ofstream(root / "Zorvanta - серия 1.avi") << "x";
  messageTexts.clear();
  Fl::add_timeout(0.05, CloseMessages);
  host::runtime().ShellExecute(0, "open", root.string() + "\\Zorvanta - серия 1.avi", "", "", 1);
  host::runtime().ShellExecute(0, "open", "https://quorrel.example/", "", "", 1);
  for (int tries = 0; tries < 60 && messageTexts.size() < 2; ++tries) Pump(0.05);
  Fl::remove_timeout(CloseMessages);
  using ::testing::HasSubstr;
  EXPECT_THAT(messageTexts,
              ::testing::UnorderedElementsAre(HasSubstr("«Zorvanta - серия 1.avi»"),
                                              HasSubstr("«https://quorrel.example/»")));
}

TEST_F(FltkHostTest, TheScreenShowsThePictureAndDrawingOnlyWithAutoRedrawOutlivesARepaint) {
  ShowMenu();
  const host::Picture picture = host::ReadBackground(app::assets::Background());
  auto painted = [&](int x, int y) {
    const uint8_t* rgba = &picture.rgba[(static_cast<size_t>(y) * 640 + x) * 4];
    return static_cast<unsigned long>(rgba[0] << 16 | rgba[1] << 8 | rgba[2]);
  };
  std::vector<unsigned long> shown = Shown();
  int differing = 0;
  constexpr int kFrame = 7;  // the outlines and the rings
  for (int y = kFrame; y < 480 - kFrame; ++y)
    for (int x = kFrame; x < 640 - kFrame; ++x) differing += shown[y * 640 + x] != painted(x, y);
  EXPECT_EQ(differing, 0);

  form->setAutoRedraw(true);
  form->setForeColor(0x0000FF);  // red
  host::runtime().RoundRect(form->hdc(), 10, 10, 110, 60, 20, 20);
  form->setAutoRedraw(false);
  form->LineBox(0, 6900, 9600, 7200, 0x00FF00);  // a green strip along the bottom
  EXPECT_EQ(Shown()[470 * 640 + 320], 0x00FF00u);
  form->Refresh();
  Pump();
  shown = Shown();
  EXPECT_EQ(shown[470 * 640 + 320], painted(320, 470));
  EXPECT_EQ(shown[10 * 640 + 60], 0xFF0000u);
}

TEST_F(FltkHostTest, AnUntrappedErrorIsReportedAndEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(host::fltk::Deliver([] {
                Fl::add_timeout(0.05, CloseMessages);
                throw host::RuntimeError(host::err::kOverflow, "Переполнение");
              }),
              ::testing::ExitedWithCode(1), "Ошибка выполнения 6");
}

TEST_F(FltkHostTest, TheWindowManagersCloseEndsTheProgramWithoutItsCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto closeByTheWindowManager = [&] {
    struct : RecordingEvents {  // any handler but a move ends with a status of its own
      void Load() override { std::_Exit(3); }
      void MouseDown(int16_t, int16_t, float, float) override { std::_Exit(3); }
    } forbidden;
    form->setEvents(&forbidden);
    ShowMenu();
    const Atom protocols = XInternAtom(fl_display, "WM_PROTOCOLS", False);
    XClientMessageEvent close{ClientMessage, 0, True, fl_display, fl_xid(form), protocols, 32, {}};
    close.data.l[0] = XInternAtom(fl_display, "WM_DELETE_WINDOW", False);
    XSendEvent(fl_display, fl_xid(form), False, NoEventMask, reinterpret_cast<XEvent*>(&close));
    Pump(2);
    std::_Exit(4);  // still running
  };
  EXPECT_EXIT(closeByTheWindowManager(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
