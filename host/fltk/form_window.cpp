#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <cmath>

#include "host/fltk/internal.h"
#include "host/numbers.h"
#include "host/picture_formats.h"

namespace host::fltk {

namespace {

constexpr Rgb kPlaceholderFace{16, 18, 40};  // shown while a picture is missing

// The run time's button values: 1 left, 2 right, 4 middle.
int16_t ButtonValue(int flButton) {
  switch (flButton) {
    case FL_LEFT_MOUSE:
      return 1;
    case FL_RIGHT_MOUSE:
      return 2;
    case FL_MIDDLE_MOUSE:
      return 4;
    default:
      return 0;
  }
}

int16_t ButtonsHeld() {
  const int state = Fl::event_state();
  return static_cast<int16_t>(((state & FL_BUTTON1) ? 1 : 0) | ((state & FL_BUTTON3) ? 2 : 0) |
                              ((state & FL_BUTTON2) ? 4 : 0));
}

// Only controls on the window itself: the panel's own are its business.
bool IsWindowed(const ControlDesign& design) { return design.type != ControlType::Label; }

std::unique_ptr<Fl_RGB_Image> ImageOf(const Picture& picture) {
  auto image =
      std::make_unique<Fl_RGB_Image>(picture.rgba.data(), picture.width, picture.height, 4);
  // Own a copy: the decoded pixels are temporaries.
  return std::unique_ptr<Fl_RGB_Image>(static_cast<Fl_RGB_Image*>(image->copy()));
}

}  // namespace

int16_t ShiftState() {
  const int state = Fl::event_state();
  return static_cast<int16_t>(((state & FL_SHIFT) ? 1 : 0) | ((state & FL_CTRL) ? 2 : 0) |
                              ((state & FL_ALT) ? 4 : 0));
}

Fl_Color ToFlColor(Color color) {
  const Rgb rgb = ResolveColor(color);
  return fl_rgb_color(rgb.r, rgb.g, rgb.b);
}

int PixelsOf(float twips) { return static_cast<int>(RoundHalfEven(twips / kTwipsPerPixel)); }

int FontPixels(float points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

FormWindow::FormWindow(const FormDesign& design, int32_t handle)
    : Fl_Double_Window(PixelsOf(static_cast<float>(design.clientWidth)),
                       PixelsOf(static_cast<float>(design.clientHeight))),
      design_(design),
      handle_(handle),
      surface_(w(), h(), kPlaceholderFace),
      transient_(0, 0) {
  copy_label(std::string(design.caption).c_str());
  xclass("Zorvanta");
  if (design.borderStyle == 0) border(0);
  box(FL_NO_BOX);
  // The window manager's close ends the program and runs none of its code;
  // Esc arrives here too, and never closes the menu.
  callback([](Fl_Widget*, void*) {
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    std::exit(0);
  });
  LoadPictures();
  BuildControls();
  end();
}

FormWindow::~FormWindow() = default;

void FormWindow::LoadPictures() {
  try {
    const Picture background = ReadBackground(design_.picture);
    surface_.DrawPicture(background.width, background.height, background.rgba.data());
  } catch (const RuntimeError&) {
    // A design without its picture shows the plain face.
  }
  try {
    std::vector<const Fl_RGB_Image*> sizes;
    for (const Picture& picture : ReadIcon(design_.icon)) {
      icons_.push_back(ImageOf(picture));
      sizes.push_back(icons_.back().get());
    }
    icons(sizes.data(), static_cast<int>(sizes.size()));
  } catch (const RuntimeError&) {
  }
  for (const ControlDesign& control : design_.controls) {
    if (control.mousePointer != pointer::kCustom || control.mouseIcon.empty()) continue;
    try {
      const CursorPicture cursor = ReadCursor(control.mouseIcon);
      hand_ = ImageOf(cursor.image);
      handX_ = cursor.hotX;
      handY_ = cursor.hotY;
    } catch (const RuntimeError&) {
    }
    break;
  }
}

void FormWindow::BuildControls() {
  Fl_Group::current(nullptr);  // placed below, in stacking order
  // Containers first, so that the controls inside know where they lie.
  for (bool container : {true, false})
    for (const ControlDesign& control : design_.controls)
      if ((control.type == ControlType::PictureBox) == container) CreateControl(control);
  // Labels lie below the windowed controls of their container: add them
  // first, as later children are drawn over and hit before earlier ones.
  for (bool windowed : {false, true}) {
    for (const ControlDesign& control : design_.controls) {
      if (IsWindowed(control) != windowed) continue;
      Fl_Widget* widget = byName_.at(KeyOf(control.name, control.index));
      Fl_Group* parent =
          control.container.empty() ? static_cast<Fl_Group*>(this) : ContainerOf(control);
      parent->add(widget);
      if (!control.visible) widget->hide();
    }
  }
  for (const ControlDesign& control : design_.controls)
    controls_.push_back(byName_.at(KeyOf(control.name, control.index)));
  Fl_Group::current(this);
}

PictureBoxControl* FormWindow::ContainerOf(const ControlDesign& control) const {
  auto* panel = Find<PictureBoxControl>(control.container, std::nullopt);
  if (!panel)
    throw RuntimeError(err::kInvalidProperty, "Нет контейнера " + std::string(control.container));
  return panel;
}

void FormWindow::CreateControl(const ControlDesign& control) {
  const Point origin = control.container.empty() ? Point{} : ContainerOf(control)->ClientOrigin();
  const int x = origin.x + PixelsOf(static_cast<float>(control.rect.left));
  const int y = origin.y + PixelsOf(static_cast<float>(control.rect.top));
  const int w = PixelsOf(static_cast<float>(control.rect.width));
  const int h = PixelsOf(static_cast<float>(control.rect.height));
  Fl_Widget* widget = nullptr;
  switch (control.type) {
    case ControlType::Label:
      widget = new LabelControl(*this, control, x, y, w, h);
      break;
    case ControlType::PictureBox:
      widget = new PictureBoxControl(*this, control, x, y, w, h);
      break;
    case ControlType::FileListBox:
      widget = new FileListControl(*this, control, x, y, w, h);
      break;
  }
  byName_[KeyOf(control.name, control.index)] = widget;
}

void FormWindow::ShowCentred() {
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  if (design_.startUpPosition == 2) position(sx + (sw - w()) / 2, sy + (sh - h()) / 2);
  show();
  ApplyShape();
}

float FormWindow::Left() const { return static_cast<float>(x()) * kTwipsPerPixel; }
float FormWindow::Top() const { return static_cast<float>(y()) * kTwipsPerPixel; }
float FormWindow::Width() const { return static_cast<float>(w()) * kTwipsPerPixel; }
float FormWindow::Height() const { return static_cast<float>(h()) * kTwipsPerPixel; }

void FormWindow::setDrawWidth(int16_t pixels) {
  if (pixels < 1) throw RuntimeError(err::kInvalidProperty, "Недопустимое значение свойства");
  drawWidth_ = pixels;
}

void FormWindow::setLeft(float twips) { position(PixelsOf(twips), y()); }
void FormWindow::setTop(float twips) { position(x(), PixelsOf(twips)); }
void FormWindow::Move(float left, float top) { position(PixelsOf(left), PixelsOf(top)); }

void FormWindow::setMousePointer(int32_t pointer) {
  formPointer_ = pointer;
  pointerSet_ = false;
  UpdatePointer();
}

void FormWindow::LineBox(float x1, float y1, float x2, float y2, Color color) {
  Surface& canvas = Canvas();
  canvas.FillBox(PixelsOf(x1), PixelsOf(y1), PixelsOf(x2), PixelsOf(y2), ResolveColor(color));
  Painted(canvas);
}

void FormWindow::RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh) {
  Surface& canvas = Canvas();
  canvas.RoundRect(l, t, r, b, ew, eh, drawWidth_, ResolveColor(foreColor_));
  Painted(canvas);
}

void FormWindow::GradientFill(const TriVertex& from, const TriVertex& to, bool vertical) {
  Surface& canvas = Canvas();
  canvas.GradientFill(from, to, vertical);
  Painted(canvas);
}

Surface& FormWindow::Canvas() {
  if (autoRedraw_) return surface_;
  // Without AutoRedraw the drawing shows only until the next repaint, which
  // comes from the persistent image.
  transient_ = surface_;
  return transient_;
}

void FormWindow::Painted(const Surface& canvas) {
  if (!shown()) return;
  if (&canvas == &surface_) {
    damage(FL_DAMAGE_ALL);  // the next repaint shows it
    return;
  }
  make_current();
  fl_draw_image(canvas.data(), 0, 0, canvas.width(), canvas.height(), 3);
  for (Fl_Widget* control : controls_) control->redraw();
}

void FormWindow::SetShape(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh) {
  // One rectangle per row of the outline: the rows between the corners
  // merge into one.
  outline_.clear();
  for (int y = std::max(t, 0); y < std::min(b, h()); ++y) {
    int from = l;
    while (from < r && !InsideRoundRect(from, y, l, t, r, b, ew, eh)) ++from;
    const int to = l + r - from;  // the outline is symmetric
    if (from >= to) continue;
    XRectangle row{static_cast<short>(from), static_cast<short>(y),
                   static_cast<unsigned short>(to - from), 1};
    if (!outline_.empty() && outline_.back().x == row.x && outline_.back().width == row.width &&
        outline_.back().y + outline_.back().height == row.y) {
      ++outline_.back().height;
    } else {
      outline_.push_back(row);
    }
  }
  ApplyShape();
}

void FormWindow::ApplyShape() {
  if (outline_.empty() || !shown()) return;
  XShapeCombineRectangles(fl_display, fl_xid(this), ShapeBounding, 0, 0, outline_.data(),
                          static_cast<int>(outline_.size()), ShapeSet, Unsorted);
}

FormWindow::Key FormWindow::KeyOf(std::string_view name, std::optional<int16_t> index) {
  return {std::string(name), index.value_or(-1)};
}

template <typename Control>
Control* FormWindow::Find(std::string_view name, std::optional<int16_t> index) const {
  const auto found = byName_.find(KeyOf(name, index));
  return found == byName_.end() ? nullptr : dynamic_cast<Control*>(found->second);
}

template <typename Control>
Control& FormWindow::Named(std::string_view name, std::optional<int16_t> index) const {
  if (Control* control = Find<Control>(name, index)) return *control;
  throw RuntimeError(err::kInvalidProperty, "Нет элемента " + std::string(name));
}

Label& FormWindow::label(std::string_view name, std::optional<int16_t> index) {
  return Named<LabelControl>(name, index);
}

PictureBox& FormWindow::pictureBox(std::string_view name) {
  return Named<PictureBoxControl>(name, std::nullopt);
}

FileListBox& FormWindow::fileListBox(std::string_view name) {
  return Named<FileListControl>(name, std::nullopt);
}

float FormWindow::EventX() const {
  // From the pointer's screen position and where the window stands now, so
  // that a move made a moment ago is already counted.
  return static_cast<float>(Fl::event_x_root() - x()) * kTwipsPerPixel;
}

float FormWindow::EventY() const {
  return static_cast<float>(Fl::event_y_root() - y()) * kTwipsPerPixel;
}

Fl_Widget* FormWindow::ControlAt(int px, int py) const { return ControlIn(*this, px, py); }

Fl_Widget* ControlIn(const Fl_Group& group, int px, int py) {
  for (int i = group.children() - 1; i >= 0; --i) {
    Fl_Widget* child = group.child(i);
    if (child->visible() && px >= child->x() && px < child->x() + child->w() && py >= child->y() &&
        py < child->y() + child->h())
      return child;
  }
  return nullptr;
}

void FormWindow::UpdatePointer() {
  const Fl_Widget* owner = nullptr;
  bool hand = false;
  if (!pressed_) {
    Fl_Widget* over = ControlAt(Fl::event_x(), Fl::event_y());
    if (auto* panel = dynamic_cast<PictureBoxControl*>(over))
      if (Fl_Widget* inside = ControlIn(*panel, Fl::event_x(), Fl::event_y())) over = inside;
    owner = over;
    if (auto* label = dynamic_cast<LabelControl*>(over))
      hand = label->design().mousePointer == pointer::kCustom && hand_;
  }
  if (pointerSet_ && owner == pointerOwner_) return;
  pointerOwner_ = owner;
  pointerSet_ = true;
  if (hand) {
    cursor(hand_.get(), handX_, handY_);
  } else if (owner) {
    cursor(FL_CURSOR_DEFAULT);
  } else {
    cursor(formPointer_ == pointer::kSizeAll ? FL_CURSOR_MOVE : FL_CURSOR_DEFAULT);
  }
}

int FormWindow::handle(int event) {
  switch (event) {
    case FL_PUSH:
      if (ControlAt(Fl::event_x(), Fl::event_y())) return Fl_Double_Window::handle(event);
      pressed_ = true;
      if (events_)
        Deliver([&] {
          events_->MouseDown(ButtonValue(Fl::event_button()), ShiftState(), EventX(), EventY());
        });
      return 1;
    case FL_DRAG:
      if (!pressed_) break;
      if (events_)
        Deliver([&] { events_->MouseMove(ButtonsHeld(), ShiftState(), EventX(), EventY()); });
      return 1;
    case FL_RELEASE:
      if (!pressed_) break;
      pressed_ = Fl::event_buttons() != 0;
      if (events_)
        Deliver([&] {
          events_->MouseUp(ButtonValue(Fl::event_button()), ShiftState(), EventX(), EventY());
        });
      pointerSet_ = false;
      UpdatePointer();
      return 1;
    case FL_ENTER:
    case FL_MOVE: {
      Fl_Double_Window::handle(event);
      UpdatePointer();
      if (!ControlAt(Fl::event_x(), Fl::event_y()) && events_)
        Deliver([&] { events_->MouseMove(ButtonsHeld(), ShiftState(), EventX(), EventY()); });
      return 1;
    }
    case FL_LEAVE:
      pointerSet_ = false;
      break;
    default:
      break;
  }
  return Fl_Double_Window::handle(event);
}

void FormWindow::draw() {
  fl_draw_image(surface_.data(), 0, 0, surface_.width(), surface_.height(), 3);
  draw_children();
}

}  // namespace host::fltk
