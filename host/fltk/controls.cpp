#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <dirent.h>
#include <sys/stat.h>

#include "host/file_listing.h"
#include "host/fltk/internal.h"
#include "host/paths.h"

namespace host::fltk {

namespace {

constexpr int kDefaultFontPixels = 13;           // the list's and untitled labels' face
constexpr Fl_Color kListSelection = 0x33408000;  // steel blue under white text

Fl_Font FontOf(const ControlDesign& design) {
  return design.font && design.font->weight >= 700 ? FL_HELVETICA_BOLD : FL_HELVETICA;
}

int FontSizeOf(const ControlDesign& design) {
  return design.font ? FontPixels(design.font->points) : kDefaultFontPixels;
}

Fl_Align AlignmentOf(const ControlDesign& design) {
  const Fl_Align side = design.alignment == 2   ? FL_ALIGN_CENTER
                        : design.alignment == 1 ? FL_ALIGN_RIGHT
                                                : FL_ALIGN_LEFT;
  return side | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_CLIP;
}

bool IsEnter(int key) { return key == FL_Enter || key == FL_KP_Enter; }

}  // namespace

Point ContainerOrigin(const Fl_Widget& widget) {
  const auto* panel = dynamic_cast<const PictureBoxControl*>(widget.parent());
  return panel ? panel->ClientOrigin() : Point{};  // on the window itself: its corner
}

// ---- Labels ----

LabelControl::LabelControl(FormWindow& form, const ControlDesign& design, int x, int y, int w,
                           int h)
    : Control(form, design, x, y, w, h), caption_(design.caption) {
  box(FL_NO_BOX);
}

void LabelControl::setCaption(std::string_view text) {
  caption_ = text;
  redraw();
}

void LabelControl::draw() {
  if (design_.backStyle == 1) {
    fl_color(ToFlColor(design_.backColor));
    fl_rectf(x(), y(), w(), h());
  }
  if (design_.borderStyle == 1) {
    fl_color(FL_BLACK);
    fl_rect(x(), y(), w(), h());
  }
  if (caption_.empty()) return;
  fl_font(FontOf(design_), FontSizeOf(design_));
  fl_color(ToFlColor(design_.foreColor));
  const int inset = design_.borderStyle == 1 ? 1 : 0;
  fl_push_clip(x(), y(), w(), h());
  fl_draw(caption_.c_str(), x() + inset, y() + inset, w() - 2 * inset, h() - 2 * inset,
          AlignmentOf(design_), nullptr, 0);
  fl_pop_clip();
}

int LabelControl::handle(int event) {
  switch (event) {
    case FL_PUSH:
      return 1;
    case FL_RELEASE:
      // A click is a left press and release over the same label.
      if (Fl::event_button() == FL_LEFT_MOUSE && Fl::event_inside(this) && form_.events())
        Deliver([&] { form_.events()->Click(design_.name, design_.index); });
      return 1;
    case FL_ENTER:
    case FL_MOVE:
    case FL_LEAVE:
      form_.UpdatePointer();
      return 1;
    default:
      return Fl_Box::handle(event);
  }
}

// ---- Picture boxes ----

PictureBoxControl::PictureBoxControl(FormWindow& form, const ControlDesign& design, int x, int y,
                                     int w, int h)
    : Control(form, design, x, y, w, h) {
  end();
  box(design.borderStyle ? FL_BORDER_BOX : FL_FLAT_BOX);
  color(ToFlColor(design.backColor));
}

void PictureBoxControl::setVisible(bool on) {
  if (on == (visible() != 0)) return;
  if (on) {
    show();
  } else {
    hide();
  }
  form_.UpdatePointer();
}

void PictureBoxControl::draw() {
  draw_box();
  // Controls inside are clipped to the inner area, as a child window is.
  const int b = border();
  fl_push_clip(x() + b, y() + b, w() - 2 * b, h() - 2 * b);
  draw_children();
  fl_pop_clip();
}

int PictureBoxControl::handle(int event) {
  const int used = Fl_Group::handle(event);
  switch (event) {
    case FL_PUSH:
    case FL_RELEASE:
    case FL_DRAG:
      return 1;  // the panel's own area: nothing reaches the window beneath
    case FL_ENTER:
    case FL_MOVE:
      form_.UpdatePointer();
      return 1;
    default:
      return used;
  }
}

// ---- The file list box ----

FileListControl::FileListControl(FormWindow& form, const ControlDesign& design, int x, int y, int w,
                                 int h)
    : Control(form, design, x, y, w, h) {
  box(design.borderStyle ? FL_BORDER_BOX : FL_DOWN_BOX);
  color(ToFlColor(design.backColor));
  textcolor(ToFlColor(design.foreColor));
  selection_color(kListSelection);
  textfont(FontOf(design));
  textsize(FontSizeOf(design));
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
  const std::string native = NativePath(folder);
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
  path_ = native;
  redraw();
}

std::string FileListControl::FileName() const {
  const int selected = value();
  if (selected < 1 || selected > static_cast<int>(entries_.size())) return {};
  return entries_[static_cast<size_t>(selected - 1)];
}

int FileListControl::handle(int event) {
  if (event == FL_KEYBOARD && IsEnter(Fl::event_key())) {
    if (form_.events()) Deliver([&] { form_.events()->DblClick(design_.name); });
    return 1;
  }
  const int used = Fl_Hold_Browser::handle(event);
  if (event == FL_PUSH && Fl::event_clicks() > 0 && Fl::event_button() == FL_LEFT_MOUSE &&
      form_.events())
    Deliver([&] { form_.events()->DblClick(design_.name); });
  if (event == FL_ENTER || event == FL_MOVE) form_.UpdatePointer();
  return used || event == FL_PUSH;
}

}  // namespace host::fltk
