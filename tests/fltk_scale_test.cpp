// The menu on a display whose desktop asks for a larger scale, under Xvfb,
// with EXPECTED_SCALE naming the scale it should get there (1.25, 2): the
// window, the hot areas, the picture, the frame and the panel's text at that
// scale, while the program sees its own 640x480 pixels and twips.
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
    lines.push_back(Line("MouseDown", b, std::lround(x), std::lround(y)));
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

// The scale this display should give, as EXPECTED_SCALE names it.
host::DisplayScale Expected() {
  const char* named = std::getenv("EXPECTED_SCALE");
  const double scale = named ? std::atof(named) : 0;
  return host::DisplayScale::Quarters(static_cast<int>(std::lround(scale * 4)));
}

// The runs of colour along a row or column of a shot from (x, y) inward, as
// far as `length` pixels.
std::vector<std::pair<unsigned long, int>> Runs(const Shot& shot, int x, int y, int dx, int dy,
                                                int length) {
  std::vector<std::pair<unsigned long, int>> runs;
  for (int i = 0; i < length; ++i, x += dx, y += dy) {
    if (runs.empty() || runs.back().first != shot.at(x, y)) runs.push_back({shot.at(x, y), 0});
    ++runs.back().second;
  }
  return runs;
}

class ScaledMenu : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(host::fltk::OpenDisplay()) << "needs a display"; }
  void SetUp() override {
    ASSERT_TRUE(std::getenv("EXPECTED_SCALE")) << "names the scale this display should give";
    ASSERT_EQ(form->scale(), scale) << "the scale the display gives";
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

  // The screen pixel of the program's pixel p.
  int S(int p) const { return static_cast<int>(scale.ToScreen(p)); }

  const host::DisplayScale scale = Expected();
  host::FormDesign design = app::Form1Design();
  host::fltk::Application application;
  host::fltk::FormWindow* form = &application.CreateForm(design);
  Recording events;
};

TEST_F(ScaledMenu, TheWindowIsScaledAndCentredWhileTheProgramSeesItsOwnPixelsAndTwips) {
  int sx, sy, sw, sh;
  Fl::screen_work_area(sx, sy, sw, sh, 0);
  EXPECT_EQ(Line("", form->x(), form->y(), form->w(), form->h()),
            Line("", sx + (sw - S(640)) / 2, sy + (sh - S(480)) / 2, S(640), S(480)));
  host::Rect client;
  ASSERT_TRUE(host::runtime().GetClientRect(form->hWnd(), client));
  EXPECT_EQ(Line("", client.right, client.bottom, form->Width(), form->Height()),
            Line("", 640, 480, 9600, 7200));
  // The panel's widgets where the layout puts them, scaled.
  for (const char* name : {"FrameList", "List1"}) {
    const int control = form->layout().Named(name, std::nullopt);
    const host::PixelRect& rect = form->layout()[control].rect;
    const Fl_Widget& widget = *form->widget(control);
    EXPECT_EQ(Line("", widget.x(), widget.y(), widget.x() + widget.w(), widget.y() + widget.h()),
              Line("", S(rect.left), S(rect.top), S(rect.right()), S(rect.bottom())))
        << name;
  }
}

TEST_F(ScaledMenu, EachHotAreaReachesItsHandlerAndTheBackgroundGetsTheProgramsTwips) {
  int hotAreas = 0;
  for (const host::ControlDesign& control : design.controls) {
    if (control.type != host::ControlType::Label || !control.container.empty()) continue;
    ++hotAreas;
    events.lines.clear();
    // The middle of the area as the screen shows it.
    const host::PixelRect& rect =
        form->layout()[form->layout().Find(control.name, control.index)].rect;
    At((S(rect.left) + S(rect.right())) / 2, (S(rect.top) + S(rect.bottom())) / 2, "click 1");
    EXPECT_EQ(events.lines, std::vector<std::string>{
                                Line(std::string(control.name), control.index.value_or(-1))});
  }
  EXPECT_EQ(hotAreas, 12);
  // On the background, the program's twips of the pixel pressed, an odd one
  // among them.
  for (const auto [x, y] : {std::pair{S(300), S(450)}, {S(300) + 1, S(450) - 1}}) {
    events.lines.clear();
    At(x, y, "click 1");
    EXPECT_EQ(events.lines,
              std::vector<std::string>{Line("MouseDown", 1, std::lround(scale.TwipsOf(x)),
                                            std::lround(scale.TwipsOf(y)))});
  }
}

TEST_F(ScaledMenu, ThePictureIsEnlargedSmoothlyAndTheFrameAndOutlineStaySharp) {
  const host::Picture picture = host::ReadBackground(app::assets::Background());
  auto painted = [&](int x, int y, int c) {
    x = std::clamp(x, 0, 639), y = std::clamp(y, 0, 479);
    return int{picture.rgba[(static_cast<size_t>(y) * 640 + x) * 4 + c]};
  };
  const Shot shot(*form);
  ASSERT_EQ(Line("", shot.width, shot.height), Line("", S(640), S(480)));
  constexpr int kFrame = 7;    // the outlines and rings, in the program's pixels
  constexpr int kCorner = 30;  // and where they round the corners
  auto inCorner = [&](int x, int y) {
    return (x < S(kCorner) || x >= S(640 - kCorner)) && (y < S(kCorner) || y >= S(480 - kCorner));
  };
  // The screen pixels wholly inside the frame: at a fractional scale the
  // pixel holding the frame's last program pixel holds some of the ring.
  auto within = [&](int pixels) { return static_cast<int>(std::floor(pixels * scale.factor())); };
  int outside = 0, blended = 0;
  for (int y = S(kFrame); y < within(480 - kFrame); ++y) {
    for (int x = S(kFrame); x < within(640 - kFrame); ++x) {
      if (inCorner(x, y)) continue;
      // A smooth enlargement lies between the picture's pixels around the
      // pixel's centre.
      const int left = static_cast<int>(std::floor((x + 0.5) / scale.factor() - 0.5));
      const int top = static_cast<int>(std::floor((y + 0.5) / scale.factor() - 0.5));
      for (int c = 0; c < 3; ++c) {
        const int near[] = {painted(left, top, c), painted(left + 1, top, c),
                            painted(left, top + 1, c), painted(left + 1, top + 1, c)};
        const int value = Channel(shot.at(x, y), c);
        outside += value < *std::min_element(near, near + 4) - 1 ||
                   value > *std::max_element(near, near + 4) + 1;
        blended += value != painted(scale.ToProgram(x), scale.ToProgram(y), c);
      }
    }
  }
  EXPECT_EQ(outside, 0);
  // Enlarged smoothly, not by repeating pixels; at scale 1, exactly the picture.
  const bool one = scale == host::DisplayScale();
  EXPECT_TRUE(one ? blended == 0 : blended > 100'000) << blended;

  // The rings, across the middle of each side: the colours the program drew
  // there in its own pixels, none lost or doubled, sharp, each as wide on the
  // left as at the top and on the right as at the bottom.
  auto colours = [](const auto& runs) {
    std::vector<unsigned long> found;
    for (const auto& run : runs) found.push_back(run.first);
    return found;
  };
  const host::Surface& drawn = form->surface();
  std::vector<unsigned long> programs;
  for (int x = 0; x < kFrame; ++x) {
    const host::Rgb c = drawn.at(x, 240);
    const unsigned long rgb = c.r << 16 | c.g << 8 | c.b;
    if (programs.empty() || programs.back() != rgb) programs.push_back(rgb);
  }
  // To the inner outline, the last black: the picture beyond it differs.
  auto rings = [&](int x, int y, int dx, int dy) {
    auto runs = Runs(shot, x, y, dx, dy, S(kFrame));
    while (!runs.empty() && runs.back().first != 0) runs.pop_back();
    return runs;
  };
  const auto left = rings(0, S(240), 1, 0), top = rings(S(320), 0, 0, 1);
  const auto right = rings(S(640) - 1, S(240), -1, 0), bottom = rings(S(320), S(480) - 1, 0, -1);
  EXPECT_EQ(colours(left), programs);
  EXPECT_EQ(left, top);
  EXPECT_EQ(right, bottom);
  for (const auto& run : right)  // a ring shown on both sides is as wide on both
    if (run.first != 0)
      EXPECT_NE(std::find(left.begin(), left.end(), run), left.end()) << std::hex << run.first;

  form->Refresh();  // a repaint shows the very same pixels
  Pump();
  EXPECT_TRUE(Shot(*form).pixels == shot.pixels);

  // Drawing without AutoRedraw shows at the scale, all of it, until the next
  // repaint; drawing with it stays.
  const unsigned long below = shot.at(S(320), S(470)), above = shot.at(S(5), S(5));
  form->setAutoRedraw(true);
  form->LineBox(1500, 1500, 3000, 3000, 0x0000FF);  // a red square, kept
  form->setAutoRedraw(false);
  form->LineBox(0, 6900, 9600, 7200, 0x00FF00);  // a green strip along the bottom
  form->LineBox(0, 0, 1500, 1500, 0xFF0000);     // and a blue square at the top
  Pump();
  const Shot layered(*form);
  EXPECT_EQ(Line("", layered.at(S(320), S(470)), layered.at(S(6) - 1, S(5))),
            Line("", 0x00FF00, 0x0000FF));
  form->Refresh();
  Pump();
  const Shot repainted(*form);
  EXPECT_EQ(Line("", repainted.at(S(320), S(470)), repainted.at(S(5), S(5)),
                 repainted.at(S(150) - 1, S(150) - 1)),
            Line("", below, above, 0xFF0000));

  // The outline: the whole window but for its rounded corners.
  int count = 0, order = 0;
  XRectangle* bands = XShapeGetRectangles(fl_display, fl_xid(form), ShapeBounding, &count, &order);
  int reach = 0, depth = 0;
  bool corner = false;
  for (int i = 0; i < count; ++i) {
    const XRectangle& b = bands[i];
    reach = std::max(reach, b.x + b.width);
    depth = std::max(depth, b.y + b.height);
    corner |= b.x == 0 && b.y == 0;
  }
  XFree(bands);
  EXPECT_EQ(Line("", reach, depth, corner), Line("", S(640), S(480), 0));
}

TEST_F(ScaledMenu, ADragMovesTheWindowExactlyAsFarAsThePointer) {
  app::Form1 program(*form);
  form->setEvents(&program);
  const int left = form->x(), top = form->y();
  At(S(320), S(455), "mousedown 1");
  for (int step = 1; step <= 5; ++step)  // odd steps: parts of the program's pixels
    At(S(320) + 7, S(455) - 3, "");
  At(S(320), S(455), "mouseup 1");
  EXPECT_EQ(Line("", form->x(), form->y()), Line("", left + 35, top - 15));
}

// The rows of the title strip that hold ink: from the first to the last.
struct Ink {
  int height = 0;
  bool rowsRepeat = true;  // the rows of each program pixel alike, as in an image blown up
};

Ink TitleInk(host::fltk::FormWindow& window) {
  window.pictureBox("FrameList").setVisible(true);
  window.label("Label1").setCaption("Аудио приколы");
  Pump(0.3);
  const host::PixelRect place =
      window.OnScreen(window.layout()[window.layout().Named("Label1", std::nullopt)].rect);
  const host::DisplayScale scale = window.scale();
  const int border = scale.Scaled(1);
  const Shot shot(window);
  std::vector<std::vector<unsigned long>> rows;
  int first = -1, last = -1;
  Ink found;
  for (int y = place.top + border; y < place.top + place.height - border; ++y) {
    std::vector<unsigned long> row;
    bool ink = false;
    for (int x = place.left + border; x < place.left + place.width - border; ++x) {
      row.push_back(shot.at(x, y));
      ink |= Channel(shot.at(x, y), 0) < 128;  // dark text on the pink strip
    }
    if (ink && first < 0) first = y;
    if (ink) last = y;
    if (!rows.empty() && scale.ToProgram(y) == scale.ToProgram(y - 1))
      found.rowsRepeat &= rows.back() == row;
    rows.push_back(row);
  }
  found.height = first < 0 ? 0 : last - first + 1;
  return found;
}

TEST_F(ScaledMenu, ThePanelsTitleIsDrawnAtTheScaledSizeNotBlownUp) {
  const Ink scaled = TitleInk(*form);
  form->hide();
  host::fltk::FormWindow plain(design, 0x7000);
  plain.ShowCentred();
  const Ink reference = TitleInk(plain);
  ASSERT_GT(reference.height, 5);
  // Taller in proportion, give or take a pixel of the program's.
  EXPECT_NEAR(scaled.height, reference.height * scale.factor(), scale.factor());
  if (scale != host::DisplayScale()) {
    EXPECT_FALSE(scaled.rowsRepeat);
  }
}

}  // namespace
