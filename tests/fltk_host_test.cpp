// The FLTK host on a real X display (run under Xvfb): the window built from the design,
// where its events go, the file list, drawing, how the program ends, and the opener.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
// After the test framework: X11's macros would clash with it.
#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/shape.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/assets.h"
#include "app/form1_design.h"
#include "host/delivery.h"
#include "host/fltk/application.h"
#include "host/fltk/controls.h"
#include "host/fltk/display.h"
#include "host/fltk/form_window.h"
#include "host/fltk/keyboard.h"
#include "host/fltk/opener.h"
#include "host/picture_formats.h"
#include "tests/drawn_background.h"
#include "tests/fake_host.h"

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
  void MouseMove(int16_t b, int16_t, float x, float y) override {
    if (moves) Add(Line("MouseMove", b, x, y));  // a pointer crossing the window makes many
  }
  void MouseUp(int16_t b, int16_t, float x, float y) override { Add(Line("MouseUp", b, x, y)); }
  void Click(std::string_view c, std::optional<int16_t> i) override {
    Add(i ? Line("Click " + std::string(c), *i) : "Click " + std::string(c));
  }
  void DblClick(std::string_view c) override { Add("DblClick " + std::string(c)); }
  void Add(const std::string& line) { lines.push_back(line); }

  std::vector<std::string> lines;
  bool moves = false;
};

// Lets the host handle events for a while, as its event loop would.
void Pump(double seconds = 0.15) {
  XSync(fl_display, False);
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < until) Fl::wait(0.01);
}

// The texts of the message boxes that open, each closed as a user would.
std::vector<std::string> messages;
void CloseMessages(void*) {
  if (Fl_Window* box = Fl::modal()) {
    messages.emplace_back(box->child(0)->label());
    box->hide();
  }
  Fl::repeat_timeout(0.05, CloseMessages);
}

// The status the program ended with; -1 while it runs.
int exitStatus = -1;
void RecordExit(int status) { exitStatus = status; }
void RecordNextExit() {
  host::ReplaceExit(RecordExit);
  exitStatus = -1;
}

// The menu's window, a scratch folder, and a stand-in xdg-open first on PATH
// that logs each argument it is given.
class FltkHostTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(host::fltk::OpenDisplay()) << "needs a display";
    host::fltk::InstallKeyboard();
  }
  void SetUp() override {
    host::install(&application);
    RecordNextExit();
    messages.clear();
    Fl::add_timeout(0.05, CloseMessages);
    form->setEvents(&events);
    fs::remove_all(root);
    fs::create_directories(root / "bin");
    std::ofstream(root / "bin" / "xdg-open")
        << "#!/bin/sh\nprintf '%s\\0' \"$@\" >> '" << log.string() << "'\n";
    fs::permissions(root / "bin" / "xdg-open", fs::perms::owner_all);
    setenv("PATH", ((root / "bin").string() + ":" + savedPath).c_str(), 1);
  }
  void TearDown() override {
    Fl::remove_timeout(CloseMessages);
    host::install(nullptr);
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
  host::FileListBox& list() { return form->fileListBox("List1"); }
  host::fltk::FileListWidget& listWidget() {
    return dynamic_cast<host::fltk::FileListWidget&>(
        *form->widget(form->layout().Named("List1", std::nullopt)));
  }
  // A scratch folder of empty files, listed.
  void List(std::initializer_list<std::string> names) {
    for (const std::string& name : names) std::ofstream(root / name) << "x";
    list().setPath(root.string());
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

// The hot areas in the window's pixels: name, index or -1, and centre.
std::vector<std::tuple<std::string, int, int, int>> HotAreas(const host::Layout& layout) {
  std::vector<std::tuple<std::string, int, int, int>> areas;
  for (int i = 0; i < layout.size(); ++i) {
    const host::ControlDesign& d = layout.design(i);
    if (d.mousePointer != host::pointer::kCustom || !d.container.empty()) continue;
    const host::PixelRect& r = layout[i].rect;
    areas.emplace_back(d.name, d.index.value_or(-1), r.left + r.width / 2, r.top + r.height / 2);
  }
  return areas;
}

TEST_F(FltkHostTest, TheWindowIsCentredAndThePanelsWidgetsLieWhereTheLayoutPutsThem) {
  EXPECT_FALSE(form->pictureBox("FrameList").Visible());
  ShowMenu(true);
  std::vector<std::string> built;
  for (const char* name : {"FrameList", "List1"}) {
    const Fl_Widget* w = form->widget(form->layout().Named(name, std::nullopt));
    built.push_back(Line(name, w->x(), w->y(), w->w(), w->h(), w->visible()));
  }
  EXPECT_THAT(built, ElementsAre("FrameList 183 33 299 388 1", "List1 188 63 289 353 1"));
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  EXPECT_EQ(Line("", form->x(), form->y(), form->w(), form->h(), form->border()),
            Line("", sx + (sw - 640) / 2, sy + (sh - 480) / 2, 640, 480, 0));
}

// Real X events through the host and its shared rules: the hand, one click
// per click, and a double click that opens once.
TEST_F(FltkHostTest, EachHotAreaShowsTheHandAndAClickOrDoubleClickReachesItsHandlerOnce) {
  ShowMenu();
  for (const auto& [name, index, x, y] : HotAreas(form->layout())) {
    events.lines.clear();
    At(x, y);
    EXPECT_TRUE(HandShown()) << name;
    At(x, y, "click 1");
    const std::string click = index >= 0 ? Line("Click " + name, index) : "Click " + name;
    EXPECT_THAT(events.lines, ElementsAre(click));
    events.lines.clear();
    Pump(0.5);  // no pair with the click before
    At(x, y, "click --repeat 2 --delay 80 1");
    EXPECT_THAT(events.lines, ElementsAre(click, "DblClick " + name));
    Pump(0.5);
  }
  // Pressed on a hot area and released off it, or the other way round: no click.
  events.lines.clear();
  At(620, 15, "mousedown 1");
  At(560, 15, "mouseup 1");
  At(560, 15, "mousedown 1");
  At(620, 15, "mouseup 1");
  EXPECT_THAT(events.lines, ElementsAre(Line("MouseDown", 1, 560 * 15, 15 * 15),
                                        Line("MouseUp", 1, 620 * 15, 15 * 15)));
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

// A fast drag: the window has moved since the server placed the pointer in
// it, so only the pointer's place on the screen, against where the window
// stands now, is right. Set here as FLTK's event state, the window-relative
// place stale on purpose.
TEST_F(FltkHostTest, ADragReadsThePointerOnTheScreenAndReportsEveryHeldButton) {
  ShowMenu();
  events.moves = true;
  auto send = [&](int event, int button, int held, int x, int y) {
    Fl::e_x = Fl::e_y = 1;
    Fl::e_x_root = form->x() + x;
    Fl::e_y_root = form->y() + y;
    Fl::e_keysym = FL_Button + button;
    Fl::e_state = held;
    form->handle(event);
  };
  send(FL_PUSH, FL_LEFT_MOUSE, FL_BUTTON1, 250, 100);  // on the background
  send(FL_DRAG, FL_LEFT_MOUSE, FL_BUTTON1 | FL_BUTTON2, 260, 100);
  send(FL_PUSH, FL_RIGHT_MOUSE, FL_BUTTON1 | FL_BUTTON3, 260, 100);
  send(FL_RELEASE, FL_RIGHT_MOUSE, FL_BUTTON1, 260, 100);
  send(FL_ENTER, 0, FL_BUTTON1, 260, 100);  // FLTK's own after a release: the pointer stayed
  send(FL_MOVE, 0, FL_BUTTON1, 270, 110);
  send(FL_RELEASE, FL_LEFT_MOUSE, 0, 270, 110);
  EXPECT_THAT(events.lines,
              ElementsAre(Line("MouseDown", 1, 3750, 1500), Line("MouseMove", 5, 3900, 1500),
                          Line("MouseDown", 2, 3900, 1500), Line("MouseUp", 2, 3900, 1500),
                          Line("MouseMove", 1, 4050, 1650), Line("MouseUp", 1, 4050, 1650)));
  EXPECT_THROW(form->Move(1e12f, 0), host::RuntimeError);  // beyond any screen: overflow
}

// The shown list has the keyboard at once; keys reach the window first; a
// held Enter and a triple click open once, a right double click nothing.
TEST_F(FltkHostTest, TheShownPanelCoversHotAreasAndItsListTakesKeysAfterTheWindow) {
  List({"first.wav", "second.wav", "third.wav"});
  ShowMenu(true);
  At(460, 110, "click 1");  // third episode, under the panel: the list's third row
  EXPECT_THAT(events.lines, ::testing::IsEmpty());
  EXPECT_EQ(list().FileName(), "third.wav");
  At(560, 110, "click 1");  // the same hot area, clear of it
  EXPECT_THAT(events.lines, ElementsAre("Click PartsButtons 2"));
  events.lines.clear();
  Xdotool("key Up Return");
  EXPECT_THAT(events.lines, ElementsAre("KeyDown 38 0", "KeyDown 13 0", "DblClick List1"));
  EXPECT_EQ(list().FileName(), "second.wav");
  events.lines.clear();
  Xdotool("keydown Return sleep 1 keyup Return");
  EXPECT_GT(std::count(events.lines.begin(), events.lines.end(), "KeyDown 13 0"), 3);
  EXPECT_EQ(std::count(events.lines.begin(), events.lines.end(), "DblClick List1"), 1);

  int second = 64;  // a place on the second row
  while (second < 400 && listWidget().RowAt(220, second) != 1) ++second;
  events.lines.clear();
  At(220, second + 2, "click --repeat 3 --delay 60 1");
  EXPECT_THAT(events.lines, ElementsAre("DblClick List1"));
  EXPECT_EQ(list().FileName(), "second.wav");
  Pump(0.5);
  At(220, 66, "click --repeat 2 --delay 60 3");  // the first row, the right button
  At(220, 66, "click --repeat 2 --delay 60 2");  // and the middle one
  EXPECT_THAT(events.lines, ElementsAre("DblClick List1"));
  EXPECT_EQ(list().FileName(), "second.wav");

  events.lines.clear();
  Xdotool("key Escape shift+Escape Home t End Pause");
  std::erase_if(events.lines,
                [](const std::string& line) { return line.starts_with("KeyDown 16"); });
  EXPECT_THAT(events.lines, ElementsAre("KeyDown 27 0", "KeyDown 27 1", "KeyDown 36 0",
                                        "KeyDown 84 0", "KeyDown 35 0", "KeyDown 0 0"));
  EXPECT_EQ(list().FileName(), "third.wav");
  List({"арбуз.wav", "Баня.wav"});
  // Sent while the host handles events: xdotool maps the letter to a key
  // only for as long as it types it.
  Xdotool("key --delay 300 Cyrillic_be &");
  Pump(1);  // a small letter finds a capital one
  EXPECT_EQ(list().FileName(), "Баня.wav");
  form->pictureBox("FrameList").setVisible(false);  // the panel hidden: its list hears no key
  events.lines.clear();
  Xdotool("key Home Return");
  EXPECT_THAT(events.lines, ElementsAre("KeyDown 36 0", "KeyDown 13 0"));
  EXPECT_EQ(list().FileName(), "Баня.wav");
  EXPECT_EQ(exitStatus, -1);  // Esc never ends the program
}

TEST_F(FltkHostTest, OddNamesAreSelectedExactlyAndEachReachesTheOpenerAsOneArgument) {
  // A missing file and a folder named like one first: told, and never opened.
  fs::create_directories(root / "folder.avi");
  for (const char* name : {"\\nothing.avi", "\\folder.avi"})
    EXPECT_EQ(host::runtime().ShellExecute(0, "open", root.string() + name, "", "", 1), 2);
  Pump(0.3);
  EXPECT_THAT(messages, ElementsAre("Файл не найден", "Файл не найден"));
  EXPECT_FALSE(fs::exists(log));

  const fs::path folder = root / "Audio Music";
  fs::create_directories(folder);
  std::vector<std::string> expected, opened;
  for (std::string name :
       {"-dash.mp3", "$(touch pwned).wav", "a;b|c&.mid", "quote\"s 'x'.avi", "@bold", "tab\tname",
        "клип 2.avi", "bad \xff\xfe bytes.wav", "private \xEF\x81\x9C use.wav"}) {
    std::ofstream(folder / name) << "x";
    expected.push_back((folder / name).string());
  }
  list().setPath(folder.string());
  ASSERT_EQ(listWidget().size(), std::ssize(expected));
  for (int line = 1; line <= listWidget().size(); ++line) {
    listWidget().value(line);  // then opened as the menu joins the names
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
  messages.clear();
  Fl::add_timeout(0.05, CloseMessages);
  host::runtime().ShellExecute(0, "open", root.string() + "\\Zorvanta - серия 1.avi", "", "", 1);
  host::runtime().ShellExecute(0, "open", "https://quorrel.example/", "", "", 1);
  for (int tries = 0; tries < 60 && messages.size() < 2; ++tries) Pump(0.05);
  Fl::remove_timeout(CloseMessages);
  using ::testing::HasSubstr;
  EXPECT_THAT(messages, ::testing::UnorderedElementsAre(HasSubstr("«Zorvanta - серия 1.avi»"),
                                                        HasSubstr("«https://quorrel.example/»")));
}

// The picture as drawn, read here apart from the program's reader: a
// bottom-up 24-bit bitmap, blue, green, red, rows padded to four bytes.
unsigned long PaintedAt(int x, int y) {
  const host::Bytes bmp = DrawnBackground();
  auto le32 = [&](size_t at) {
    return static_cast<size_t>(bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | bmp[at + 3] << 24);
  };
  const size_t width = le32(18), height = le32(22), stride = (width * 3 + 3) / 4 * 4;
  const uint8_t* bgr = &bmp[le32(10) + (height - 1 - y) * stride + x * 3];
  return static_cast<unsigned long>(bgr[2] << 16 | bgr[1] << 8 | bgr[0]);
}

TEST_F(FltkHostTest, TheScreenShowsThePictureAndDrawingWithoutAutoRedrawLastsUntilARepaint) {
  ShowMenu();
  std::vector<unsigned long> shown = Shown();
  int differing = 0;
  constexpr int kFrame = 7;  // the outlines and the rings
  for (int y = kFrame; y < 480 - kFrame; ++y)
    for (int x = kFrame; x < 640 - kFrame; ++x) differing += shown[y * 640 + x] != PaintedAt(x, y);
  EXPECT_EQ(differing, 0);

  form->setAutoRedraw(true);
  form->setForeColor(0x0000FF);  // red
  host::runtime().RoundRect(form->hdc(), 10, 10, 110, 60, 20, 20);
  form->setAutoRedraw(false);
  form->LineBox(0, 6900, 9600, 7200, 0x00FF00);  // a green strip along the bottom
  form->LineBox(0, 0, 1500, 1500, 0xFF0000);     // and a blue square at the top
  Pump();
  shown = Shown();
  EXPECT_EQ(Line("", shown[470 * 640 + 320], shown[5 * 640 + 5]), Line("", 0x00FF00, 0x0000FF));
  form->Refresh();
  Pump();
  shown = Shown();
  EXPECT_EQ(shown[470 * 640 + 320], PaintedAt(320, 470));
  EXPECT_EQ(shown[5 * 640 + 5], PaintedAt(5, 5));
  EXPECT_EQ(shown[10 * 640 + 60], 0xFF0000u);
}

// The region the program gives the window is its outline on the screen,
// pixel for pixel.
TEST_F(FltkHostTest, TheWindowTakesTheShapeOfItsRegion) {
  ShowMenu();
  // The menu's own outline, and one reaching far past the window's edges.
  for (const auto [l, t, r, b, ew, eh] :
       {std::array{0, 0, 640, 480, 60, 40}, {-40000, -30, 40660, 500, 200, 120}}) {
    host::Runtime& rt = host::runtime();
    const int32_t region = rt.CreateRoundRectRgn(l, t, r, b, ew, eh);
    ASSERT_EQ(rt.SetWindowRgn(form->hWnd(), region, true), 1);
    EXPECT_TRUE(rt.DeleteObject(region));
    Pump();
    int count = 0, ordering = 0;
    XRectangle* rows =
        XShapeGetRectangles(fl_display, fl_xid(form), ShapeBounding, &count, &ordering);
    std::vector<bool> inside(640 * 480);
    int differing = 0;  // a row beyond the window is wrong in itself
    for (int i = 0; i < count; ++i)
      for (int y = rows[i].y; y < rows[i].y + rows[i].height; ++y)
        for (int x = rows[i].x; x < rows[i].x + rows[i].width; ++x)
          if (x >= 0 && x < 640 && y >= 0 && y < 480)
            inside[y * 640 + x] = true;
          else
            ++differing;
    XFree(rows);
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x)
        differing += inside[y * 640 + x] != host::InsideRoundRect(x, y, l, t, r, b, ew, eh);
    EXPECT_EQ(differing, 0) << l;
  }
}

// End, the window manager's close and an untrapped error all leave through
// the one exit; after it no handler runs.
TEST_F(FltkHostTest, TheProgramEndsThroughOneExitAndRunsNothingAfterIt) {
  ShowMenu();
  host::runtime().End();
  EXPECT_EQ(exitStatus, 0);

  RecordNextExit();
  const Atom protocols = XInternAtom(fl_display, "WM_PROTOCOLS", False);
  XClientMessageEvent close{ClientMessage, 0, True, fl_display, fl_xid(form), protocols, 32, {}};
  close.data.l[0] = XInternAtom(fl_display, "WM_DELETE_WINDOW", False);
  XSendEvent(fl_display, fl_xid(form), False, NoEventMask, reinterpret_cast<XEvent*>(&close));
  Pump(0.5);
  EXPECT_EQ(exitStatus, 0);
  At(300, 450, "click 1");  // the window is still there, its program not
  EXPECT_THAT(events.lines, ::testing::IsEmpty());
}

TEST_F(FltkHostTest, ADamagedPictureInTheProgramIsReportedAndEndsIt) {
  const fake::DamagedHand broken(design);
  host::Deliver([&] { application.CreateForm(broken.design); });
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_THAT(messages[0], ::testing::StartsWith("Ошибка выполнения 481"));
  EXPECT_EQ(exitStatus, 1);
}

// An opener that fails after its run time is gone tells no one.
TEST_F(FltkHostTest, AnOpenersVerdictDoesNotOutliveItsRunTime) {
  std::ofstream(root / "bin" / "xdg-open") << "#!/bin/sh\nsleep 0.3\nexit 3\n";
  std::ofstream(root / "clip.avi") << "x";
  {
    host::fltk::Application gone;
    host::install(&gone);
    EXPECT_GT(host::runtime().ShellExecute(0, "open", (root / "clip.avi").string(), "", "", 1), 32);
  }
  host::install(&application);
  Pump(1.0);
  EXPECT_THAT(messages, ::testing::IsEmpty());
}

}  // namespace
