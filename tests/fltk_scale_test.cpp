// The menu on a display whose desktop asks for a larger scale, under Xvfb,
// with EXPECTED_SCALE naming the scale it should get there: the window, the
// hot areas, the picture, the frame and the panel's text at that scale, while
// the program sees its own 640x480 pixels and twips.
#include <gtest/gtest.h>
// After the test framework: X11's macros would clash with it.
#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/assets.h"
#include "app/form1.h"
#include "app/form1_design.h"
#include "host/fltk/application.h"
#include "host/fltk/display.h"
#include "host/fltk/form_window.h"
#include "host/picture_formats.h"

namespace {

std::string Line(std::string_view head, auto... numbers) {
  std::string line(head);
  ((line += ' ', line += std::to_string(static_cast<int>(numbers))), ...);
  return line;
}

class Recording : public host::FormEvents {
 public:
  void Load() override {}
  void KeyDown(int16_t, int16_t) override {}
  void MouseDown(int16_t b, int16_t, float x, float y) override {
    lines.push_back(Line("MouseDown", b, x, y));
  }
  void MouseMove(int16_t, int16_t, float, float) override {}
  void MouseUp(int16_t, int16_t, float, float) override {}
  void Click(std::string_view c, std::optional<int16_t> i) override {
    lines.push_back(Line(std::string(c), i.value_or(-1)));
  }
  void DblClick(std::string_view) override {}

  std::vector<std::string> lines;
};

void Pump(double seconds = 0.15) {
  XSync(fl_display, False);
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < until) Fl::wait(0.01);
}

// A window's pixels as shown, as 0xRRGGBB, row by row.
struct Shot {
  explicit Shot(const Fl_Window& window) : width(window.w()), height(window.h()) {
    XImage* image = XGetImage(fl_display, fl_xid(&window), 0, 0, width, height, AllPlanes, ZPixmap);
    pixels.assign(static_cast<size_t>(width) * height, 0);
    if (!image) {
      ADD_FAILURE() << "the window cannot be read back";
      return;
    }
    for (int i = 0; i < width * height; ++i) pixels[i] = XGetPixel(image, i % width, i / width);
    XDestroyImage(image);
  }
  unsigned long at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

  int width, height;
  std::vector<unsigned long> pixels;
};

int Channel(unsigned long rgb, int c) { return static_cast<int>(rgb >> (16 - 8 * c)) & 0xFF; }

class ScaledMenu : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(host::fltk::OpenDisplay()) << "needs a display"; }
  void SetUp() override {
    ASSERT_GT(f, 0) << "EXPECTED_SCALE names the scale this display should give";
    host::install(&application);
    app::Form1(*form).Load();  // the program's frame and rounded outline
    form->setEvents(&events);
    form->ShowCentred();
    Pump(0.3);
  }
  void TearDown() override { host::install(nullptr); }
  // Moves the real pointer to screen pixel (x, y) of the window, then does
  // what follows.
  void At(int x, int y, const std::string& then) {
    Pump(0.05);
    const std::string command =
        Line("xdotool mousemove", form->x() + x, form->y() + y) + " " + then;
    ASSERT_EQ(std::system(command.c_str()), 0);
    Pump();
  }

  const int f = std::atoi(std::getenv("EXPECTED_SCALE") ? std::getenv("EXPECTED_SCALE") : "0");
  host::FormDesign design = app::Form1Design();
  host::fltk::Application application;
  host::fltk::FormWindow* form = &application.CreateForm(design);
  Recording events;
};

TEST_F(ScaledMenu, TheWindowIsScaledAndCentredWhileTheProgramSeesItsOwnPixelsAndTwips) {
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  EXPECT_EQ(Line("", form->x(), form->y(), form->w(), form->h()),
            Line("", sx + (sw - 640 * f) / 2, sy + (sh - 480 * f) / 2, 640 * f, 480 * f));
  host::Rect client;
  ASSERT_TRUE(host::runtime().GetClientRect(form->hWnd(), client));
  EXPECT_EQ(Line("", client.right, client.bottom, form->Width(), form->Height()),
            Line("", 640, 480, 9600, 7200));
  // The panel's widgets where the layout puts them, scaled.
  for (const char* name : {"FrameList", "List1"}) {
    const int control = form->layout().Named(name, std::nullopt);
    const host::PixelRect& rect = form->layout()[control].rect;
    const Fl_Widget& widget = *form->widget(control);
    EXPECT_EQ(Line("", widget.x(), widget.y(), widget.w(), widget.h()),
              Line("", rect.left * f, rect.top * f, rect.width * f, rect.height * f))
        << name;
  }
}

TEST_F(ScaledMenu, EachHotAreaReachesItsHandlerAndTheBackgroundGetsTheProgramsTwips) {
  int hotAreas = 0;
  for (const host::ControlDesign& control : design.controls) {
    if (control.type != host::ControlType::Label || !control.container.empty()) continue;
    ++hotAreas;
    events.lines.clear();
    const int x = static_cast<int>((control.rect.left + control.rect.width / 2) / 15);
    const int y = static_cast<int>((control.rect.top + control.rect.height / 2) / 15);
    At(x * f, y * f, "click 1");
    EXPECT_EQ(events.lines, std::vector<std::string>{
                                Line(std::string(control.name), control.index.value_or(-1))});
  }
  EXPECT_EQ(hotAreas, 12);
  events.lines.clear();
  At(300 * f, 450 * f, "click 1");
  EXPECT_EQ(events.lines, std::vector<std::string>{Line("MouseDown", 1, 4500, 6750)});
}

TEST_F(ScaledMenu, ThePictureIsEnlargedSmoothlyAndTheFrameAndOutlineStaySharp) {
  const host::Picture picture = host::ReadBackground(app::assets::Background());
  auto painted = [&](int x, int y, int c) {
    x = std::clamp(x, 0, 639), y = std::clamp(y, 0, 479);
    return int{picture.rgba[(static_cast<size_t>(y) * 640 + x) * 4 + c]};
  };
  const Shot shot(*form);
  ASSERT_EQ(Line("", shot.width, shot.height), Line("", 640 * f, 480 * f)) << "not at scale " << f;
  constexpr int kFrame = 7;    // the outlines and rings, in the program's pixels
  constexpr int kCorner = 30;  // and where they round the corners
  auto inCorner = [&](int x, int y) {
    return (x < kCorner * f || x >= (640 - kCorner) * f) &&
           (y < kCorner * f || y >= (480 - kCorner) * f);
  };
  int outside = 0, blended = 0;
  for (int y = kFrame * f; y < (480 - kFrame) * f; ++y) {
    for (int x = kFrame * f; x < (640 - kFrame) * f; ++x) {
      if (inCorner(x, y)) continue;
      // A smooth enlargement lies between the source pixels nearest to it.
      const int left = (2 * x + 1 - f) / (2 * f), top = (2 * y + 1 - f) / (2 * f);
      for (int c = 0; c < 3; ++c) {
        const int near[] = {painted(left, top, c), painted(left + 1, top, c),
                            painted(left, top + 1, c), painted(left + 1, top + 1, c)};
        const int value = Channel(shot.at(x, y), c);
        outside += value < *std::min_element(near, near + 4) - 1 ||
                   value > *std::max_element(near, near + 4) + 1;
        blended += value != painted(x / f, y / f, c);
      }
    }
  }
  EXPECT_EQ(outside, 0);
  // Enlarged smoothly, not by repeating pixels; at scale 1, exactly the picture.
  EXPECT_TRUE(f > 1 ? blended > 100'000 : blended == 0) << blended;
  int unsharp = 0;  // the rings along the left edge: whole blocks of one colour
  for (int y = 100 * f; y < 380 * f; ++y)
    for (int x = 0; x < kFrame * f; ++x) unsharp += shot.at(x, y) != shot.at(x - x % f, y - y % f);
  EXPECT_EQ(unsharp, 0);
  form->Refresh();  // a repaint shows the very same pixels
  Pump();
  EXPECT_TRUE(Shot(*form).pixels == shot.pixels);

  // Drawing without AutoRedraw shows at the scale, all of it, until the next
  // repaint; drawing with it stays.
  const unsigned long below = shot.at(320 * f, 470 * f), above = shot.at(5 * f, 5 * f);
  form->setAutoRedraw(true);
  form->LineBox(1500, 1500, 3000, 3000, 0x0000FF);  // a red square, kept
  form->setAutoRedraw(false);
  form->LineBox(0, 6900, 9600, 7200, 0x00FF00);  // a green strip along the bottom
  form->LineBox(0, 0, 1500, 1500, 0xFF0000);     // and a blue square at the top
  Pump();
  const Shot layered(*form);
  EXPECT_EQ(Line("", layered.at(320 * f, 470 * f), layered.at(5 * f + f - 1, 5 * f)),
            Line("", 0x00FF00, 0x0000FF));
  form->Refresh();
  Pump();
  const Shot repainted(*form);
  EXPECT_EQ(Line("", repainted.at(320 * f, 470 * f), repainted.at(5 * f, 5 * f),
                 repainted.at(150 * f - 1, 150 * f - 1)),
            Line("", below, above, 0xFF0000));

  int count = 0, order = 0;
  XRectangle* bands = XShapeGetRectangles(fl_display, fl_xid(form), ShapeBounding, &count, &order);
  int right = 0, bottom = 0, offGrid = 0;
  bool corner = false;
  for (int i = 0; i < count; ++i) {
    const XRectangle& b = bands[i];
    right = std::max(right, b.x + b.width);
    bottom = std::max(bottom, b.y + b.height);
    offGrid += b.x % f + b.y % f + b.width % f + b.height % f;
    corner |= b.x == 0 && b.y == 0;
  }
  XFree(bands);
  EXPECT_EQ(Line("", right, bottom, offGrid, corner), Line("", 640 * f, 480 * f, 0, false));
}

TEST_F(ScaledMenu, ADragMovesTheWindowExactlyAsFarAsThePointer) {
  app::Form1 program(*form);
  form->setEvents(&program);
  const int left = form->x(), top = form->y();
  At(320 * f, 455 * f, "mousedown 1");
  for (int step = 1; step <= 5; ++step)  // odd steps: half pixels of the program at scale 2
    At(320 * f + 7, 455 * f - 3, "");
  At(320 * f, 455 * f, "mouseup 1");
  EXPECT_EQ(Line("", form->x(), form->y()), Line("", left + 35, top - 15));
}

// The rows of the title strip that hold ink: from the first to the last.
struct Ink {
  int height = 0;
  bool rowsRepeat = true;  // every program pixel's rows alike, as in an image blown up
};

Ink TitleInk(host::fltk::FormWindow& window) {
  window.pictureBox("FrameList").setVisible(true);
  window.label("Label1").setCaption("Аудио приколы");
  Pump(0.3);
  const host::PixelRect& place =
      window.layout()[window.layout().Named("Label1", std::nullopt)].rect;
  const int s = window.scale().factor();
  const int left = place.left * s, top = place.top * s, width = place.width * s,
            height = place.height * s;
  const Shot shot(window);
  std::vector<std::vector<unsigned long>> rows;
  int first = -1, last = -1;
  for (int y = top + s; y < top + height - s; ++y) {
    std::vector<unsigned long> row;
    bool ink = false;
    for (int x = left + s; x < left + width - s; ++x) {
      row.push_back(shot.at(x, y));
      ink |= Channel(shot.at(x, y), 0) < 128;  // dark text on the pink strip
    }
    if (ink && first < 0) first = y;
    if (ink) last = y;
    rows.push_back(row);
  }
  Ink found{first < 0 ? 0 : last - first + 1};
  for (size_t y = 0; y + 1 < rows.size(); y += s) found.rowsRepeat &= rows[y] == rows[y + 1];
  return found;
}

TEST_F(ScaledMenu, ThePanelsTitleIsDrawnAtTheScaledSizeNotBlownUp) {
  const Ink scaled = TitleInk(*form);
  form->hide();
  host::fltk::FormWindow plain(design, 0x7000, host::fltk::DisplayScale(1));
  plain.ShowCentred();
  const Ink reference = TitleInk(plain);
  ASSERT_GT(reference.height, 5);
  EXPECT_NEAR(scaled.height, reference.height * f, f);
  if (f > 1) {
    EXPECT_FALSE(scaled.rowsRepeat);
  }
}

}  // namespace
