// The native widgets of the window's windowed controls on FLTK: the panel
// and its file list. Labels are no widgets: their container paints them.
// Every press and key reaches the window first and its shared rules; the
// widgets only show.
#pragma once

#include <FL/Fl_Group.H>
#include <FL/Fl_Hold_Browser.H>

#include <string>
#include <vector>

#include "host/design.h"

namespace host::fltk {

class FormWindow;

// Paints a label of the window or of a panel, as the layout places it.
void PaintLabel(const FormWindow& form, int control);
// Paints the labels lying in `container`, bottom first.
void PaintLabels(const FormWindow& form, int container);

// A picture box holding other controls, clipped to its inner area.
class PictureBoxWidget final : public Fl_Group {
 public:
  PictureBoxWidget(FormWindow& form, int control, int x, int y, int w, int h);
  int border() const;

 private:
  void draw() override;

  FormWindow& form_;
  const int control_;
};

// The file list: the rows the shared control gives it, in its font.
class FileListWidget final : public Fl_Hold_Browser {
 public:
  FileListWidget(FormWindow& form, const ControlDesign& design, int x, int y, int w, int h);

  void ShowRows(const std::vector<std::string>& names);
  int SelectedRow() const { return value() - 1; }
  void SelectRow(int row);
  int RowsPerPage() const;
  // The row at window pixel (x, y) of the screen, or -1.
  int RowAt(int x, int y) const;
  // The current press, if it is on the scroll bar: true when it took it.
  bool PassPress();
  int handle(int event) override;

 protected:
  // Rows measured and drawn only while a font is usable.
  int item_height(void* item) const override;
  int item_width(void* item) const override;
  void item_draw(void* item, int x, int y, int w, int h) const override;

 private:
  FormWindow& form_;
};

}  // namespace host::fltk
