// The window's controls: FLTK widgets placed, as the program sees them, in
// their container's twips.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Hold_Browser.H>

#include <string>
#include <vector>

#include "host/design.h"
#include "host/fltk/conversions.h"
#include "host/fltk/display_scale.h"
#include "host/fltk/double_clicks.h"
#include "host/host.h"

namespace host::fltk {

class FormWindow;
// The window's display scale, for controls that know it only by name.
const DisplayScale& ScaleOf(const FormWindow& form);

struct Point {
  int x = 0, y = 0;
};

// Where a control's container's client area begins, in window pixels.
Point ContainerOrigin(const Fl_Widget& widget);
// The visible control of the group at window pixel (x, y), the topmost.
Fl_Widget* ControlIn(const Fl_Group& group, int x, int y);

template <typename Widget, typename Interface>
class Control : public Widget, public Interface {
 public:
  Control(FormWindow& form, const ControlDesign& design, int x, int y, int w, int h)
      : Widget(x, y, w, h), form_(form), design_(design) {}
  float Left() const override { return scale().TwipsOf(this->x() - ContainerOrigin(*this).x); }
  float Top() const override { return scale().TwipsOf(this->y() - ContainerOrigin(*this).y); }
  float Width() const override { return scale().TwipsOf(this->w()); }
  float Height() const override { return scale().TwipsOf(this->h()); }
  const ControlDesign& design() const { return design_; }

 protected:
  const DisplayScale& scale() const { return ScaleOf(form_); }

  FormWindow& form_;
  const ControlDesign& design_;
};

// A label: a hot area, a title strip or a close mark.
class LabelControl final : public Control<Fl_Box, Label> {
 public:
  LabelControl(FormWindow& form, const ControlDesign& design, int x, int y, int w, int h);
  std::string Caption() const override { return caption_; }
  void setCaption(std::string_view text) override;
  int handle(int event) override;

 private:
  void draw() override;

  std::string caption_;
};

// A picture box holding other controls, clipped to its inner area.
class PictureBoxControl final : public Control<Fl_Group, PictureBox> {
 public:
  PictureBoxControl(FormWindow& form, const ControlDesign& design, int x, int y, int w, int h);
  bool Visible() const override { return visible() != 0; }
  void setVisible(bool on) override;

  int border() const { return design_.borderStyle ? scale().factor() : 0; }
  Point ClientOrigin() const { return {x() + border(), y() + border()}; }
  int handle(int event) override;

 private:
  void draw() override;
};

// The file list box: the files of one folder, in natural order.
class FileListControl final : public Control<Fl_Hold_Browser, FileListBox> {
 public:
  FileListControl(FormWindow& form, const ControlDesign& design, int x, int y, int w, int h);
  std::string Path() const override { return path_; }
  void setPath(std::string_view folder) override;
  std::string FileName() const override;

  const std::vector<std::string>& entries() const { return entries_; }
  int handle(int event) override;

 protected:
  // Rows measured and drawn only while a font is usable.
  int item_height(void* item) const override;
  int item_width(void* item) const override;
  void item_draw(void* item, int x, int y, int w, int h) const override;

 private:
  bool HandledKey(int event);
  bool PointerOnRow();

  std::string path_;
  std::vector<std::string> entries_;
  DoubleClicks doubleClicks_;
  bool enterHeld_ = false;  // a held key repeats: one opening per press
};

}  // namespace host::fltk
