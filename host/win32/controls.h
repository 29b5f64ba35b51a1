// The system windows of the window's windowed controls: the panel, a child
// window so that the system clips and hides it with all it holds, and its
// file list, the system's list box. Labels are no windows: their container
// paints them. Every press and key reaches the window's shared rules first;
// these windows only show.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/design.h"

namespace host::win32 {

class FormWindow;

// The window class of the form and of its panels.
extern const wchar_t kFormClass[];

// Paints the labels lying in `container` (kBackground: the form) onto its
// device context, bottom first.
void PaintLabels(HDC dc, const FormWindow& form, int container);

class Widget {
 public:
  virtual ~Widget();
  Widget(const Widget&) = delete;
  Widget& operator=(const Widget&) = delete;
  HWND window() const { return window_; }
  // Placed anew, at the window's scale now.
  virtual void Place(const RECT& place);

 protected:
  Widget() = default;
  HWND window_ = nullptr;
};

// A picture box holding other controls: its background, frame and labels.
class PictureBoxWidget final : public Widget {
 public:
  PictureBoxWidget(FormWindow& form, int control, HWND parent, const RECT& place);
  void Paint(HDC dc) const;

 private:
  FormWindow& form_;
  const int control_;
};

// The file list: the system's list box, its own mouse and keys taken over
// by the form's rules.
class FileListWidget final : public Widget {
 public:
  FileListWidget(FormWindow& form, const ControlDesign& design, HWND parent, const RECT& place);
  ~FileListWidget() override;
  void Place(const RECT& place) override;  // its font too

  void ShowRows(const std::vector<std::string>& names);
  int SelectedRow() const;
  void SelectRow(int row);
  int RowsPerPage() const;
  // The row at form pixel (x, y), or -1.
  int RowAt(float x, float y) const;
  // Its colours, for the list box's WM_CTLCOLORLISTBOX.
  HBRUSH Colour(HDC dc) const;
  // What the list box itself does with a message.
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;

 private:
  FormWindow& form_;
  const ControlDesign& design_;
  HBRUSH background_;
  HFONT font_;
  WNDPROC listBox_;  // the system's own procedure
};

}  // namespace host::win32
