#include <FL/Fl.H>
#include <dirent.h>
#include <sys/stat.h>

#include "host/file_listing.h"
#include "host/fltk/controls.h"
#include "host/fltk/delivery.h"
#include "host/fltk/fonts.h"
#include "host/fltk/form_window.h"
#include "host/paths.h"

namespace host::fltk {

namespace {

constexpr Fl_Color kListSelection = 0x33408000;  // steel blue under white text

bool IsEnter(int key) { return key == FL_Enter || key == FL_KP_Enter; }

}  // namespace

FileListControl::FileListControl(FormWindow& form, const ControlDesign& design, int x, int y, int w,
                                 int h)
    : Control(form, design, x, y, w, h) {
  box(design.borderStyle ? FL_BORDER_BOX : FL_DOWN_BOX);
  color(ToFlColor(design.backColor));
  textcolor(ToFlColor(design.foreColor));
  selection_color(kListSelection);
  textfont(FontOf(design));
  const int f = scale().factor();
  textsize(FontSizeOf(design) * f);
  if (f > 1) scrollbar_size(Fl::scrollbar_size() * f);
  has_scrollbar(VERTICAL);
  // Names are shown as they are: no "@" formatting, no tab columns.
  format_char(0);
  column_char(0);
  when(FL_WHEN_NEVER);
}

namespace {

FolderEntry EntryOf(const std::string& folder, const dirent& entry) {
  FolderEntry listed{entry.d_name, entry.d_type == DT_DIR};
  if (entry.d_type == DT_UNKNOWN || entry.d_type == DT_LNK) {
    struct stat info;
    const std::string path = folder + "/" + entry.d_name;
    listed.folder = stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }
  return listed;
}

}  // namespace

void FileListControl::setPath(std::string_view folder) {
  const std::string native = FindOnDisc(folder);
  // The names are bytes as the folder holds them.
  DIR* dir = opendir(native.c_str());
  if (!dir) throw RuntimeError(err::kPathNotFound, "Путь не найден");
  std::vector<FolderEntry> found;
  while (const dirent* entry = readdir(dir)) found.push_back(EntryOf(native, *entry));
  closedir(dir);
  std::vector<std::string> files = ListedFiles(std::move(found));

  clear();
  for (const std::string& name : files) add(name.c_str());
  entries_ = std::move(files);
  path_ = ShownPath(native);  // as the program joins it
  redraw();
}

// The name as the program may join it; the list shows it as it is.
std::string FileListControl::FileName() const {
  const int selected = value();
  if (selected < 1 || selected > static_cast<int>(entries_.size())) return {};
  return ShownPath(entries_[static_cast<size_t>(selected - 1)]);
}

int FileListControl::handle(int event) {
  if (HandledKey(event)) return 1;
  // Only a row is double-clicked; not the scroll bar nor the space below.
  const bool counts = event == FL_PUSH && Fl::event_button() == FL_LEFT_MOUSE && PointerOnRow();
  const int used = Fl_Hold_Browser::handle(event);
  if (event == FL_PUSH && doubleClicks_.Press(counts, Fl::event_clicks() > 0) && form_.events())
    Deliver([&] { form_.events()->DblClick(design_.name); });
  if (event == FL_ENTER || event == FL_MOVE) form_.UpdatePointer();
  return used || event == FL_PUSH;
}

// Enter opens once per press, however long it is held; the first arrow key
// with nothing selected selects the first row.
bool FileListControl::HandledKey(int event) {
  const int key = Fl::event_key();
  if ((event == FL_KEYBOARD || event == FL_KEYUP) && IsEnter(key)) {
    if (event == FL_KEYBOARD && !enterHeld_ && form_.events())
      Deliver([&] { form_.events()->DblClick(design_.name); });
    enterHeld_ = event == FL_KEYBOARD;
    return true;
  }
  if (event == FL_UNFOCUS) enterHeld_ = false;
  if (event != FL_KEYBOARD || value() != 0 || size() == 0) return false;
  if (key != FL_Down && key != FL_Up) return false;
  value(1);
  return true;
}

bool FileListControl::PointerOnRow() {
  int x, y, w, h;
  bbox(x, y, w, h);
  return Fl::event_inside(x, y, w, h) && find_item(Fl::event_y());
}

int FileListControl::item_height(void* item) const {
  return TextDrawable() ? Fl_Hold_Browser::item_height(item) : textsize() + 2;
}

int FileListControl::item_width(void* item) const {
  return TextDrawable() ? Fl_Hold_Browser::item_width(item) : 0;
}

void FileListControl::item_draw(void* item, int x, int y, int w, int h) const {
  if (TextDrawable()) Fl_Hold_Browser::item_draw(item, x, y, w, h);
}

}  // namespace host::fltk
