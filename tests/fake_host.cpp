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

}  // namespace fake
