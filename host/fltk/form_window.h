// The window the program sees as a Form: built from its design, drawn from
// its persistent image, delivering its events to the program's handlers.
#pragma once

#include <FL/Fl_Double_Window.H>

#include <optional>
#include <vector>

#include "host/design.h"
#include "host/fltk/canvas.h"
#include "host/fltk/control_directory.h"
#include "host/fltk/display_scale.h"
#include "host/fltk/pointer_rules.h"
#include "host/fltk/window_pictures.h"
#include "host/fltk/window_shape.h"
#include "host/host.h"

namespace host::fltk {

class FormWindow final : public Fl_Double_Window, public Form {
 public:
  // Shown `scale` times larger than the design's pixels.
  FormWindow(const FormDesign& design, int32_t handle, DisplayScale scale = DisplayScale());
  ~FormWindow() override;

  void setEvents(FormEvents* events) { events_ = events; }
  FormEvents* events() const { return events_; }
  void ShowCentred();

  // Form
  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;
  int32_t hWnd() const override { return handle_; }
  int32_t hdc() const override { return handle_; }
  bool AutoRedraw() const override { return autoRedraw_; }
  void setAutoRedraw(bool on) override { autoRedraw_ = on; }
  int16_t DrawWidth() const override { return drawWidth_; }
  void setDrawWidth(int16_t pixels) override;
  Color ForeColor() const override { return foreColor_; }
  void setForeColor(Color color) override { foreColor_ = color; }
  int16_t Scalemode() const override { return scale::kTwips; }
  float ScaleWidth() const override { return static_cast<float>(design_.clientWidth); }
  float ScaleHeight() const override { return static_cast<float>(design_.clientHeight); }
  void setLeft(float twips) override;
  void setTop(float twips) override;
  void Move(float left, float top) override;
  void setMousePointer(int32_t pointer) override;
  void LineBox(float x1, float y1, float x2, float y2, Color color) override;
  void Refresh() override;
  Label& label(std::string_view name, std::optional<int16_t> index = std::nullopt) override;
  PictureBox& pictureBox(std::string_view name) override;
  FileListBox& fileListBox(std::string_view name) override;

  // Drawing calls of the platform layer, on this window's image.
  const Surface& surface() const { return canvas_.image(); }
  void RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh);
  void GradientFill(const TriVertex& from, const TriVertex& to, bool vertical);
  void SetShape(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh);

  // Sets the pointer for where the mouse is now.
  void UpdatePointer();
  const Fl_RGB_Image* handCursor() const { return pictures_.hand.get(); }

  // The mouse position relative to the window, in twips.
  float EventX() const;
  float EventY() const;

  const FormDesign& design() const { return design_; }
  const DisplayScale& scale() const { return scale_; }
  const std::vector<Fl_Widget*>& controls() const { return controls_; }
  int handle(int event) override;
  void flush() override;

 private:
  void draw() override;

  const FormDesign design_;
  const DisplayScale scale_;
  int32_t handle_;
  FormEvents* events_ = nullptr;
  Canvas canvas_;
  WindowShape shape_;
  WindowPictures pictures_;
  PointerRules pointer_;
  ControlDirectory directory_;
  std::vector<Fl_Widget*> controls_;  // in design order
  bool pressed_ = false;              // a press on the background, until all buttons are up
  bool painted_ = false;              // the window has shown its image once
  bool autoRedraw_ = false;
  int16_t drawWidth_ = 1;
  Color foreColor_ = static_cast<Color>(0x80000012);
};

}  // namespace host::fltk
