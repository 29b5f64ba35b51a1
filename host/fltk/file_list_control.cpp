#include <FL/Fl.H>

#include "host/fltk/controls.h"
#include "host/fltk/conversions.h"
#include "host/fltk/fonts.h"
#include "host/fltk/form_window.h"

namespace host::fltk {

namespace {
constexpr Fl_Color kListSelection = 0x33408000;  // steel blue under white text
}  // namespace

FileListWidget::FileListWidget(FormWindow& form, const ControlDesign& design, int x, int y, int w,
                               int h)
    : Fl_Hold_Browser(x, y, w, h), form_(form) {
  box(design.borderStyle ? FL_BORDER_BOX : FL_DOWN_BOX);
  color(ToFlColor(design.backColor));
  textcolor(ToFlColor(design.foreColor));
  selection_color(kListSelection);
  textfont(FontOf(design));
  textsize(FontSizeOf(design, form.scale()));
  if (form.scale() != DisplayScale()) scrollbar_size(form.scale().Scaled(Fl::scrollbar_size()));
  has_scrollbar(VERTICAL);
  // Names are shown as they are: no "@" formatting, no tab columns.
  format_char(0);
  column_char(0);
  when(FL_WHEN_NEVER);
}

void FileListWidget::ShowRows(const std::vector<std::string>& names) {
  clear();
  for (const std::string& name : names) add(name.c_str());
  redraw();
}

void FileListWidget::SelectRow(int row) {
  value(row + 1);
  make_visible(row + 1);
}

int FileListWidget::RowsPerPage() const {
  int x, y, w, h;
  bbox(x, y, w, h);
  void* first = item_first();
  const int row = first ? item_height(first) : textsize() + 2;
  return std::max(1, h / std::max(row, 1));
}

int FileListWidget::RowAt(int px, int py) const {
  int x, y, w, h;
  bbox(x, y, w, h);
  if (px < x || px >= x + w || py < y || py >= y + h) return -1;
  void* item = const_cast<FileListWidget*>(this)->find_item(py);
  return item ? lineno(item) - 1 : -1;
}

// Only the scroll bar lies outside the rows' box.
bool FileListWidget::PassPress() {
  int x, y, w, h;
  bbox(x, y, w, h);
  return !Fl::event_inside(x, y, w, h) && Fl_Hold_Browser::handle(FL_PUSH);
}

int FileListWidget::handle(int event) {
  switch (event) {
    case FL_UNFOCUS:
      form_.input().KeyboardLost();
      break;
    case FL_PUSH:
    case FL_KEYBOARD:
      return 0;  // the window's rules decide
    default:
      break;
  }
  return Fl_Hold_Browser::handle(event);
}

int FileListWidget::item_height(void* item) const {
  return TextDrawable() ? Fl_Hold_Browser::item_height(item) : textsize() + 2;
}

int FileListWidget::item_width(void* item) const {
  return TextDrawable() ? Fl_Hold_Browser::item_width(item) : 0;
}

void FileListWidget::item_draw(void* item, int x, int y, int w, int h) const {
  if (TextDrawable()) Fl_Hold_Browser::item_draw(item, x, y, w, h);
}

}  // namespace host::fltk
