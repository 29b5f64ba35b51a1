// The window the program sees as a Form, on FLTK: the shared window's rules
// with FLTK's window under them. It turns FLTK's events into the shared
// input calls and paints what the shared canvas and layout hold.
#pragma once

#include <FL/Fl_Double_Window.H>

#include <map>
#include <memory>

#include "host/design.h"
#include "host/fltk/accessibility_bridge.h"
#include "host/fltk/canvas.h"
#include "host/fltk/controls.h"
#include "host/fltk/window_pictures.h"
#include "host/fltk/window_shape.h"
#include "host/form_core.h"

namespace host::fltk {

class FormWindow final : public Fl_Double_Window, private NativeWindow, public FormCore {
 public:
  // Shown `scale` times larger than the design's pixels.
  FormWindow(const FormDesign& design, int32_t handle, DisplayScale scale = {});
  ~FormWindow() override;

  void ShowCentred();
  using FormCore::label;  // the program's, not FLTK's text of a widget

  // Form: where the window stands, in twips.
  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;
  int32_t hWnd() const override { return handle_; }
  int32_t hdc() const override { return handle_; }
  void setLeft(float twips) override;
  void setTop(float twips) override;
  void Move(float left, float top) override;

  const Surface& surface() const { return canvas().image(); }
  // A rectangle of the window's program pixels on the screen.
  PixelRect OnScreen(const PixelRect& rect) const { return host::OnScreen(rect, scale()); }
  // The native widget of a windowed control, or null.
  Fl_Widget* widget(int control) const;
  // A key pressed or released, and what it typed: for the key hook.
  void Key(int event);

  int handle(int event) override;
  void flush() override;

 private:
  // NativeWindow
  void ShowShape(const RoundShape& shape) override;
  void ShowCursor(Cursor cursor) override;
  void ShowImage() override;
  void ShowControl(int control, bool visible) override;
  void RepaintControl(int control) override;
  void TakeKeyboard(int control) override;
  bool Active() const override;
  void PassPress(int control) override;
  void ShowRows(int control, const std::vector<std::string>& names) override;
  int SelectedRow(int control) const override;
  void SelectRow(int control, int row) override;
  int RowsPerPage(int control) const override;
  int RowAt(int control, float x, float y) const override;

  void draw() override;
  void PaintFocusRing() const;
  // Screen readers' bridge, when their bus runs: after the first picture.
  static void StartAccessibility(void* form);
  FileListWidget& list(int control) const;
  // The pointer relative to the window, in its program pixels.
  float PointerX() const;
  float PointerY() const;

  int32_t handle_;
  WindowShape shape_;
  WindowPictures pictures_;
  std::map<int, Fl_Widget*> widgets_;  // the windowed controls
  Fl_Widget* widgetPushed_ = nullptr;  // a widget's own part, pressed: the scroll bar
  bool painted_ = false;               // the window has shown its image once
  std::unique_ptr<AccessibilityBridge> accessibility_;
};

}  // namespace host::fltk
