#include "tests/fake_host.h"

#include <cstdio>

namespace fake {

std::string Hex(host::Color color) {
  char text[16];
  std::snprintf(text, sizeof text, "&H%X", static_cast<uint32_t>(color));
  return text;
}

void Label::setCaption(std::string_view text) {
  Set("Caption", text);
  if (failOnCaption) throw host::RuntimeError(host::err::kInvalidProperty, "caption");
  caption = text;
}

void PictureBox::setVisible(bool on) {
  Set("Visible", on);
  if (on && failOnShow) throw host::RuntimeError(host::err::kInvalidProperty, "visible");
  visible = on;
}

void FileListBox::setPath(std::string_view folder) {
  Set("Path", folder);
  const auto found = folders.find(std::string(folder));
  if (found == folders.end()) throw host::RuntimeError(host::err::kPathNotFound, "Путь не найден");
  path = folder;
  entries = found->second;
  selected.clear();
}

host::Label& Window::label(std::string_view name, std::optional<int16_t> index) {
  if (name == "Label1" && !index) return label1;
  throw host::RuntimeError(host::err::kInvalidProperty, "no label " + std::string(name));
}

host::PictureBox& Window::pictureBox(std::string_view name) {
  if (name == "FrameList") return frameList;
  throw host::RuntimeError(host::err::kInvalidProperty, "no picture box " + std::string(name));
}

host::FileListBox& Window::fileListBox(std::string_view name) {
  if (name == "List1") return list1;
  throw host::RuntimeError(host::err::kInvalidProperty, "no list " + std::string(name));
}

bool Runtime::GradientFill(int32_t dc, const host::TriVertex* vertices, uint32_t vertexCount,
                           const host::GradientRect* mesh, uint32_t meshCount, uint32_t mode) {
  lastVertices.assign(vertices, vertices + vertexCount);
  std::string line = "GradientFill(" + Text(dc);
  for (const host::TriVertex& v : lastVertices)
    line += ",{" + List(v.x, v.y, v.Red, v.Green, v.Blue, v.Alpha) + "}";
  line += "," + Text(vertexCount);
  for (uint32_t i = 0; i < meshCount; ++i)
    line += ",{" + List(mesh[i].UpperLeft, mesh[i].LowerRight) + "}";
  log_.push_back(line + "," + List(meshCount, mode) + ")");
  return true;
}

Log Done(const Log& log) {
  Log done;
  for (const std::string& line : log)
    if (!line.ends_with("?")) done.push_back(line);
  return done;
}

DamagedHand::DamagedHand(const host::FormDesign& from)
    : cursor(from.controls.back().mouseIcon.begin(), from.controls.back().mouseIcon.end()),
      controls(from.controls.begin(), from.controls.end()),
      design(from) {
  cursor[2] = 1;
  for (host::ControlDesign& control : controls)
    if (!control.mouseIcon.empty()) control.mouseIcon = cursor;
  design.controls = controls;
}

HostWindow::HostWindow(Log& log, const host::FormDesign& design)
    : host::FormCore(design, *this), log_(log) {}

void HostWindow::ShowCursor(host::Cursor cursor) {
  const char* names[] = {"Arrow", "Hand", "SizeAll"};
  log_.push_back(std::string("Cursor=") + names[static_cast<int>(cursor)]);
}

void HostWindow::ShowControl(int control, bool visible) {
  log_.push_back(Call("Show", NameOf(control), visible));
}

void HostWindow::ShowRows(int control, const std::vector<std::string>& names) {
  rows = names;
  selected = -1;
  log_.push_back(Call("Rows", NameOf(control), names.size()));
}

void HostWindow::SelectRow(int control, int row) {
  selected = row;
  log_.push_back(Call("Select", NameOf(control), row));
}

int HostWindow::RowAt(int control, float x, float y) const {
  const host::PixelRect& list = layout()[control].rect;
  const int row = static_cast<int>((y - list.top) / rowHeight);
  const bool inside = x >= list.left && x < list.right() - 16 && y >= list.top;
  return inside && row < static_cast<int>(rows.size()) ? row : -1;
}

std::string HostWindow::NameOf(int control) const {
  if (control == host::kBackground) return "Form1";
  const host::ControlDesign& design = layout().design(control);
  return design.index ? std::string(design.name) + Text(*design.index) : std::string(design.name);
}

}  // namespace fake
