// The window the program sees as a Form, on Windows: the shared window's
// rules with a system window under them. Its window procedure turns the
// system's messages into the shared input calls and paints what the shared
// canvas and layout hold.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "host/design.h"
#include "host/display_scale.h"
#include "host/form_core.h"
#include "host/win32/accessibility_bridge.h"
#include "host/win32/controls.h"
#include "host/win32/window_pictures.h"

namespace host::win32 {

class FormWindow final : private NativeWindow, public FormCore {
 public:
  // Shown `scale` times larger than the design's pixels.
  explicit FormWindow(const FormDesign& design, DisplayScale scale = {});
  ~FormWindow();

  void ShowCentred();

  // Form: where the window stands, in twips.
  float Left() const override;
  float Top() const override;
  float Width() const override { return TwipsFrom(PixelWidth()); }
  float Height() const override { return TwipsFrom(PixelHeight()); }
  int32_t hWnd() const override;
  int32_t hdc() const override { return hWnd(); }  // names its image
  void setLeft(float twips) override { Move(twips, Top()); }
  void setTop(float twips) override { Move(Left(), twips); }
  void Move(float left, float top) override;

  HWND window() const { return window_; }
  // The system window of a windowed control, or null.
  HWND widget(int control) const;
  // Where a control lies on the screen, in its container's screen pixels.
  RECT PlaceOf(int control) const;
  // The window shown at the scale `dpi` asks for: its new size centred where
  // it stood, everything in it drawn again.
  void FollowDpi(int dpi);
  // The window procedure's work, for the form, its panel and its list.
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // NativeWindow
  void ShowShape(const RoundShape& shape) override;
  void ShowCursor(Cursor cursor) override;
  void ShowImage() override;
  void ShowControl(int control, bool visible) override;
  void RepaintControl(int control) override;
  void TakeKeyboard(int control) override;
  bool Active() const override { return GetActiveWindow() == window_; }
  void PassPress(int) override {}  // a list box's scroll bar takes its own presses
  void ShowRows(int control, const std::vector<std::string>& names) override;
  int SelectedRow(int control) const override;
  void SelectRow(int control, int row) override;
  int RowsPerPage(int control) const override;
  int RowAt(int control, float x, float y) const override;

  FileListWidget& list(int control) const;
  FileListWidget* ListWindow(HWND window) const;
  PictureBoxWidget* PanelWindow(HWND window) const;
  void Paint(HWND window);
  // The picture with its labels and, over them, the focus ring.
  void PaintForm(HDC dc);
  void Mouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // What depends on the scale, for the scale the canvas holds now.
  void TakeScale();
  HCURSOR CursorOf(Cursor cursor) const;
  LRESULT Default(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;

  HWND window_ = nullptr;
  WindowPictures pictures_;
  std::map<int, std::unique_ptr<Widget>> widgets_;
  HCURSOR cursor_;
  std::unique_ptr<AccessibilityBridge> accessibility_;  // for screen readers
  Cursor shown_ = Cursor::kArrow;
};

// A message for one of the form's windows, handled without letting any
// failure unwind into the system's code: it is the run time's error.
LRESULT HandleGuarded(FormWindow* form, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace host::win32
