#include "host/fltk/form_window.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <string>

#include "host/delivery.h"
#include "host/fltk/control_builder.h"
#include "host/fltk/event_state.h"
#include "host/placement.h"

namespace host::fltk {

FormWindow::FormWindow(const FormDesign& design, int32_t handle, DisplayScale scale)
    : Fl_Double_Window(static_cast<int>(scale.ToScreen(PixelsOf(design.clientWidth))),
                       static_cast<int>(scale.ToScreen(PixelsOf(design.clientHeight)))),
      FormCore(design, *this, scale),
      handle_(handle) {
  end();  // controls are placed by the builder; nothing else lands inside, even on failure
  copy_label(std::string(design.caption).c_str());
  xclass(Fl_Double_Window::label());
  if (design.borderStyle == 0) border(0);
  box(FL_NO_BOX);
  // The window manager's close ends the program and runs none of its code.
  callback([](Fl_Widget*, void*) { EndProgram(0); });
  pictures_ = LoadPictures(design, scale);
  std::vector<const Fl_RGB_Image*> sizes;
  for (const auto& icon : pictures_.icons) sizes.push_back(icon.get());
  icons(sizes.data(), static_cast<int>(sizes.size()));
  input().setLimits(ClickLimitsAt(scale));
  widgets_ = BuildControls(*this);
}

FormWindow::~FormWindow() {
  Fl::remove_timeout(StartAccessibility, this);
  input().setListener(nullptr);
}

void FormWindow::ShowCentred() {
  const bool centred = design().startUpPosition == 2;
  int sx, sy, sw, sh;
  Fl::screen_work_area(sx, sy, sw, sh, 0);
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

float FormWindow::Left() const { return scale().TwipsOf(x()); }
float FormWindow::Top() const { return scale().TwipsOf(y()); }
float FormWindow::Width() const { return scale().TwipsOf(w()); }
float FormWindow::Height() const { return scale().TwipsOf(h()); }

void FormWindow::setLeft(float twips) { position(scale().ScreenPixelsOf(twips), y()); }
void FormWindow::setTop(float twips) { position(x(), scale().ScreenPixelsOf(twips)); }
void FormWindow::Move(float left, float top) {
  position(scale().ScreenPixelsOf(left), scale().ScreenPixelsOf(top));
}

Fl_Widget* FormWindow::widget(int control) const {
  const auto found = widgets_.find(control);
  return found == widgets_.end() ? nullptr : found->second;
}

FileListWidget& FormWindow::list(int control) const {
  return dynamic_cast<FileListWidget&>(*widget(control));
}

// ---- What the shared rules ask of the window ----

void FormWindow::ShowShape(const RoundShape& shape) {
  shape_.Set(shape, scale(), w(), h());
  shape_.ApplyTo(*this);
}

void FormWindow::ShowCursor(Cursor shape) {
  switch (shape) {
    case Cursor::kHand:
      if (pictures_.hand) {
        cursor(pictures_.hand.get(), pictures_.handX, pictures_.handY);
        return;
      }
      break;
    case Cursor::kSizeAll:
      cursor(FL_CURSOR_MOVE);
      return;
    case Cursor::kArrow:
      break;
  }
  cursor(FL_CURSOR_DEFAULT);
}

void FormWindow::ShowImage() { damage(FL_DAMAGE_USER1); }

void FormWindow::ShowControl(int control, bool visible) {
  if (Fl_Widget* shown = widget(control)) visible ? shown->show() : shown->hide();
}

void FormWindow::RepaintControl(int control) {
  const int container = layout()[control].container;
  if (Fl_Widget* panel = widget(container)) return panel->redraw();
  const PixelRect rect = OnScreen(layout()[control].rect);
  damage(FL_DAMAGE_ALL, rect.left, rect.top, rect.width, rect.height);
}

void FormWindow::TakeKeyboard(int control) {
  if (Fl_Widget* taking = widget(control))
    taking->take_focus();
  else
    Fl::focus(this);
}

bool FormWindow::Active() const {
  const Fl_Widget* focus = Fl::focus();
  return focus && focus->top_window() == this;
}

void FormWindow::PassPress(int control) {
  if (!list(control).PassPress()) return;
  // The widget's part takes what follows of the press from the window.
  widgetPushed_ = Fl::pushed();
  Fl::pushed(this);
}

void FormWindow::ShowRows(int control, const std::vector<std::string>& names) {
  list(control).ShowRows(names);
}

int FormWindow::SelectedRow(int control) const { return list(control).SelectedRow(); }
void FormWindow::SelectRow(int control, int row) { list(control).SelectRow(row); }
int FormWindow::RowsPerPage(int control) const { return list(control).RowsPerPage(); }

int FormWindow::RowAt(int control, float x, float y) const {
  return list(control).RowAt(scale().ScreenPixelAt(x), scale().ScreenPixelAt(y));
}

// ---- Painting ----

void FormWindow::flush() {
  // Uncovered, the window is repainted: drawing done without AutoRedraw is gone.
  if ((damage() & FL_DAMAGE_EXPOSE) && canvas().Layered()) {
    canvas().Repaint();
    damage(FL_DAMAGE_ALL);
  }
  // Enlarged, the first image goes straight onto the still empty window, so
  // nothing flickers; the back buffer, costly to fill at that size, comes
  // with the next repaint.
  const bool first = !painted_;
  const bool direct = scale() != DisplayScale() && first;
  painted_ = true;
  if (direct)
    Fl_Window::flush();
  else
    Fl_Double_Window::flush();
  if (first) Fl::add_timeout(0.0, StartAccessibility, this);
}

void FormWindow::StartAccessibility(void* self) {
  auto* form = static_cast<FormWindow*>(self);
  form->accessibility_ = AccessibilityBridge::Start(*form, *form);
  form->input().setListener(form->accessibility_.get());
}

void FormWindow::draw() {
  PaintImage(canvas(), w(), h());
  PaintLabels(*this, kBackground);
  PaintFocusRing();
  draw_children();
}

// Over the picture, never into the program's image.
void FormWindow::PaintFocusRing() const {
  for (const RingBox& box : input().FocusRingBoxes()) {
    fl_color(box.colour.r, box.colour.g, box.colour.b);
    fl_rectf(box.rect.left, box.rect.top, box.rect.right - box.rect.left,
             box.rect.bottom - box.rect.top);
  }
}

}  // namespace host::fltk
