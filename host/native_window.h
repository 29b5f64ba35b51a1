// What the shared rules of a window ask of the host that shows it: the few
// things only a window system can do. Controls are named by their number in
// the layout; positions are the window's program pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/pointer_rules.h"

namespace host {

// A window's outline: the rounded rectangle of the region the program gave
// it, in its program pixels.
struct RoundShape {
  int32_t left = 0, top = 0, right = 0, bottom = 0, ellipseWidth = 0, ellipseHeight = 0;
};

class NativeWindow {
 public:
  // The window takes the outline, at its display scale.
  virtual void ShowShape(const RoundShape& shape) = 0;
  virtual void ShowCursor(Cursor cursor) = 0;
  // The window's image changed: show what its canvas shows now.
  virtual void ShowImage() = 0;
  // A windowed control (the panel) shown or hidden on the screen.
  virtual void ShowControl(int control, bool visible) = 0;
  // A control's look changed (a label's caption): paint it again.
  virtual void RepaintControl(int control) = 0;
  // The keyboard to a control, or to the window itself (kBackground).
  virtual void TakeKeyboard(int control) = 0;
  // Whether the window has the keyboard now, of all the desktop's windows.
  virtual bool Active() const = 0;
  // The press being reported, for the control's own widget: its scroll bar.
  virtual void PassPress(int control) = 0;

  // A file list's rows: shown, selected (-1 none) and scrolled into view.
  virtual void ShowRows(int control, const std::vector<std::string>& names) = 0;
  virtual int SelectedRow(int control) const = 0;
  virtual void SelectRow(int control, int row) = 0;
  // How many rows a page holds, at least one.
  virtual int RowsPerPage(int control) const = 0;
  // The row at (x, y), or -1 off the rows (on the scroll bar, below them).
  virtual int RowAt(int control, float x, float y) const = 0;

 protected:
  ~NativeWindow() = default;
};

}  // namespace host
