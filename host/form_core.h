// The program's window under any host: its design, the layout of its
// controls, its drawing, and its input rules. A host's window derives from
// it, adding what only a window system does, and answers its NativeWindow.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/accessibility.h"
#include "host/canvas.h"
#include "host/controls.h"
#include "host/design.h"
#include "host/form_input.h"
#include "host/host.h"
#include "host/layout.h"
#include "host/native_window.h"

namespace host {

class FormCore : public Form, public accessibility::Window {
 public:
  // Lays out the design and draws its picture, shown at `scale`. A damaged
  // picture raises err::kInvalidPicture.
  FormCore(const FormDesign& design, NativeWindow& native, DisplayScale scale = {});
  virtual ~FormCore();

  void setEvents(FormEvents* events) { events_ = events; }
  FormEvents* events() const { return events_; }

  // Form: all that needs no window system.
  bool AutoRedraw() const override { return canvas_.AutoRedraw(); }
  void setAutoRedraw(bool on) override { canvas_.setAutoRedraw(on); }
  int16_t DrawWidth() const override { return canvas_.DrawWidth(); }
  void setDrawWidth(int16_t pixels) override { canvas_.setDrawWidth(pixels); }
  Color ForeColor() const override { return canvas_.ForeColor(); }
  void setForeColor(Color color) override { canvas_.setForeColor(color); }
  int16_t Scalemode() const override { return scale::kTwips; }
  float ScaleWidth() const override { return static_cast<float>(design_.clientWidth); }
  float ScaleHeight() const override { return static_cast<float>(design_.clientHeight); }
  void setMousePointer(int32_t pointer) override { input_.setFormPointer(pointer); }
  void LineBox(float x1, float y1, float x2, float y2, Color color) override;
  void Refresh() override;
  Label& label(std::string_view name, std::optional<int16_t> index = std::nullopt) override;
  PictureBox& pictureBox(std::string_view name) override;
  FileListBox& fileListBox(std::string_view name) override;

  // The platform's drawing calls on this window's image.
  void RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh);
  void GradientFill(const TriVertex& from, const TriVertex& to, bool vertical);
  // The outline of a region given the window; kept, for a change of scale.
  void SetShape(const RoundShape& shape);
  const std::optional<RoundShape>& shape() const { return shape_; }
  DisplayScale scale() const { return canvas_.scale(); }

  const FormDesign& design() const { return design_; }
  const Layout& layout() const { return layout_; }
  Layout& layout() { return layout_; }
  const Canvas& canvas() const { return canvas_; }
  Canvas& canvas() { return canvas_; }
  FormInput& input() { return input_; }
  const FormInput& input() const { return input_; }
  NativeWindow& native() { return native_; }
  // The window's size in its program pixels.
  int PixelWidth() const { return canvas_.image().width(); }
  int PixelHeight() const { return canvas_.image().height(); }
  // accessibility::Window (form_focus.cpp): the entries in reading order.
  std::string Title() const override;
  std::vector<accessibility::Entry> Entries() const override;
  std::optional<size_t> FocusedEntry() const override;
  bool Active() const override;
  void Focus(size_t entry) override;
  void DoDefaultAction(size_t entry) override;

  // What a control shows: a label's caption, a list's names.
  std::string Caption(int control) const;
  const std::vector<std::string>& Rows(int control) const;

 private:
  template <typename Control>
  Control& Named(std::string_view name, std::optional<int16_t> index);

  const FormDesign design_;
  NativeWindow& native_;
  Layout layout_;
  Canvas canvas_;
  std::vector<std::unique_ptr<SharedControl>> controls_;  // by number
  FormInput input_{*this};
  FormEvents* events_ = nullptr;
  std::optional<RoundShape> shape_;
};

}  // namespace host
