#include "host/fltk/form_window.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <string>

#include "host/fltk/control_builder.h"
#include "host/fltk/controls.h"
#include "host/fltk/conversions.h"
#include "host/fltk/delivery.h"
#include "host/placement.h"

namespace host::fltk {

namespace {
constexpr Rgb kPlaceholderFace{16, 18, 40};  // of a design without a picture
}  // namespace

FormWindow::FormWindow(const FormDesign& design, int32_t handle, DisplayScale scale)
    : Fl_Double_Window(scale.ToScreen(PixelsOf(static_cast<float>(design.clientWidth))),
                       scale.ToScreen(PixelsOf(static_cast<float>(design.clientHeight)))),
      design_(design),
      scale_(scale),
      handle_(handle),
      canvas_(scale.ToProgram(w()), scale.ToProgram(h()), kPlaceholderFace, scale.factor()) {
  end();  // controls are placed by the builder; nothing else lands inside, even on failure
  copy_label(std::string(design.caption).c_str());
  xclass(Fl_Double_Window::label());
  if (design.borderStyle == 0) border(0);
  box(FL_NO_BOX);
  // The window manager's close ends the program and runs none of its code;
  // Esc arrives here too, and never closes the menu.
  callback([](Fl_Widget*, void*) {
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    EndProgram(0);
  });
  pictures_ = LoadPictures(design_, canvas_.image());
  canvas_.KeepAsPicture();
  std::vector<const Fl_RGB_Image*> sizes;
  for (const auto& icon : pictures_.icons) sizes.push_back(icon.get());
  icons(sizes.data(), static_cast<int>(sizes.size()));
  pointer_.setHand(pictures_.hand.get(), pictures_.handX, pictures_.handY);
  controls_ = BuildControls(*this, directory_);
}

FormWindow::~FormWindow() = default;

const DisplayScale& ScaleOf(const FormWindow& form) { return form.scale(); }

void FormWindow::ShowCentred() {
  const bool centred = design_.startUpPosition == 2;
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  const Place place = CentredPlace({sx, sy, sx + sw, sy + sh}, w(), h());
  if (centred) position(place.left, place.top);
  show();
  if (centred && (w() > sw || h() > sh)) {
    // FLTK shows a window larger than the screen at the screen's top left
    // corner, while keeping the place asked for as its own: told where it
    // is, it moves for real to where the cross stays in sight.
    x(sx);
    y(sy);
    position(place.left, place.top);
  }
  shape_.ApplyTo(*this);
}

float FormWindow::Left() const { return scale_.TwipsOf(x()); }
float FormWindow::Top() const { return scale_.TwipsOf(y()); }
float FormWindow::Width() const { return scale_.TwipsOf(w()); }
float FormWindow::Height() const { return scale_.TwipsOf(h()); }

void FormWindow::setDrawWidth(int16_t pixels) {
  if (pixels < 1) throw RuntimeError(err::kInvalidProperty, "Недопустимое значение свойства");
  drawWidth_ = pixels;
}

void FormWindow::setLeft(float twips) { position(scale_.ScreenPixelsOf(twips), y()); }
void FormWindow::setTop(float twips) { position(x(), scale_.ScreenPixelsOf(twips)); }
void FormWindow::Move(float left, float top) {
  position(scale_.ScreenPixelsOf(left), scale_.ScreenPixelsOf(top));
}

void FormWindow::setMousePointer(int32_t pointer) {
  pointer_.setFormPointer(pointer);
  UpdatePointer();
}

void FormWindow::UpdatePointer() { pointer_.Update(*this, Fl::event_x(), Fl::event_y(), pressed_); }

Label& FormWindow::label(std::string_view name, std::optional<int16_t> index) {
  return directory_.Named<LabelControl>(name, index);
}

PictureBox& FormWindow::pictureBox(std::string_view name) {
  return directory_.Named<PictureBoxControl>(name, std::nullopt);
}

FileListBox& FormWindow::fileListBox(std::string_view name) {
  return directory_.Named<FileListControl>(name, std::nullopt);
}

// ---- Drawing ----

void FormWindow::LineBox(float x1, float y1, float x2, float y2, Color color) {
  const int left = PixelsOf(x1), top = PixelsOf(y1), right = PixelsOf(x2), bottom = PixelsOf(y2);
  canvas_.Target(autoRedraw_).FillBox(left, top, right, bottom, ResolveColor(color));
  redraw();
}

void FormWindow::RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh) {
  canvas_.Target(autoRedraw_).RoundRect(l, t, r, b, ew, eh, drawWidth_, ResolveColor(foreColor_));
  redraw();
}

void FormWindow::GradientFill(const TriVertex& from, const TriVertex& to, bool vertical) {
  canvas_.Target(autoRedraw_).GradientFill(from, to, vertical);
  redraw();
}

void FormWindow::SetShape(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh) {
  shape_.Set(l, t, r, b, ew, eh, scale_.ToProgram(w()), scale_.ToProgram(h()));
  shape_.Enlarge(scale_.factor());
  shape_.ApplyTo(*this);
}

void FormWindow::Refresh() {
  canvas_.Repaint();
  redraw();
}

void FormWindow::flush() {
  // Enlarged, the first image goes straight onto the still empty window, so
  // nothing flickers; the back buffer, costly to fill at that size, comes
  // with the next repaint.
  const bool direct = scale_.factor() > 1 && !painted_;
  painted_ = true;
  if (direct)
    Fl_Window::flush();
  else
    Fl_Double_Window::flush();
}

void FormWindow::draw() {
  canvas_.Paint();
  draw_children();
}

}  // namespace host::fltk
