#include "tests/fake_host.h"

#include <cstdio>
#include <sstream>

namespace fake {

std::string Hex(host::Color color) {
  char text[16];
  std::snprintf(text, sizeof text, "&H%X", static_cast<uint32_t>(color));
  return text;
}

std::string Number(double value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

namespace {
std::string Bool(bool value) { return value ? "True" : "False"; }

// Records the read of a property and gives its value.
template <typename T>
T Logged(Log& log, std::string line, T value) {
  log.push_back(std::move(line));
  return value;
}
}  // namespace

// ---- Extent ----

Extent::Extent(Log& log, std::string name, float l, float t, float w, float h)
    : left(l), top(t), width(w), height(h), log_(log), name_(std::move(name)) {}

float Extent::Left() const { return Logged(log_, name_ + ".Left?", left); }
float Extent::Top() const { return Logged(log_, name_ + ".Top?", top); }
float Extent::Width() const { return Logged(log_, name_ + ".Width?", width); }
float Extent::Height() const { return Logged(log_, name_ + ".Height?", height); }

// ---- Controls ----

std::string Label::Caption() const { return Logged(log_, name_ + ".Caption?", caption); }

void Label::setCaption(std::string_view text) {
  log_.push_back(name_ + ".Caption=" + std::string(text));
  if (failOnCaption) throw host::RuntimeError(host::err::kInvalidProperty, "caption");
  caption = text;
}

void PictureBox::setVisible(bool on) {
  log_.push_back(name_ + ".Visible=" + Bool(on));
  if (on && failOnShow) throw host::RuntimeError(host::err::kInvalidProperty, "visible");
  visible = on;
}

std::string FileListBox::Path() const { return Logged(log_, name_ + ".Path?", path); }

void FileListBox::setPath(std::string_view folder) {
  log_.push_back(name_ + ".Path=" + std::string(folder));
  const auto found = folders.find(std::string(folder));
  if (found == folders.end()) throw host::RuntimeError(host::err::kPathNotFound, "Путь не найден");
  path = folder;
  entries = found->second;
  selected.clear();
}

std::string FileListBox::FileName() const { return Logged(log_, name_ + ".FileName?", selected); }

// ---- Window ----

Window::Window(Log& log, std::string name)
    : frameList(log, "FrameList"),
      label1(log, "Label1"),
      list1(log, "List1"),
      log_(log),
      name_(std::move(name)) {
  label1.caption = "Музыка MP3";
}

float Window::Left() const { return Logged(log_, name_ + ".Left?", left); }
float Window::Top() const { return Logged(log_, name_ + ".Top?", top); }
float Window::Width() const { return Logged(log_, name_ + ".Width?", width); }
float Window::Height() const { return Logged(log_, name_ + ".Height?", height); }
int32_t Window::hWnd() const { return Logged(log_, name_ + ".hWnd?", handle); }
int32_t Window::hdc() const { return Logged(log_, name_ + ".hdc?", dc); }
bool Window::AutoRedraw() const { return Logged(log_, name_ + ".AutoRedraw?", autoRedraw); }
void Window::setAutoRedraw(bool on) {
  log_.push_back(name_ + ".AutoRedraw=" + Bool(on));
  autoRedraw = on;
}
int16_t Window::DrawWidth() const { return Logged(log_, name_ + ".DrawWidth?", drawWidth); }
void Window::setDrawWidth(int16_t pixels) {
  log_.push_back(name_ + ".DrawWidth=" + Number(pixels));
  drawWidth = pixels;
}
host::Color Window::ForeColor() const { return Logged(log_, name_ + ".ForeColor?", foreColor); }
void Window::setForeColor(host::Color color) {
  log_.push_back(name_ + ".ForeColor=" + Hex(color));
  foreColor = color;
}
int16_t Window::Scalemode() const { return Logged(log_, name_ + ".Scalemode?", scaleMode); }
float Window::ScaleWidth() const { return Logged(log_, name_ + ".ScaleWidth?", scaleWidth); }
float Window::ScaleHeight() const { return Logged(log_, name_ + ".ScaleHeight?", scaleHeight); }
void Window::setLeft(float twips) {
  log_.push_back(name_ + ".Left=" + Number(twips));
  left = twips;
}
void Window::setTop(float twips) {
  log_.push_back(name_ + ".Top=" + Number(twips));
  top = twips;
}
void Window::Move(float newLeft, float newTop) {
  log_.push_back(name_ + ".Move(" + Number(newLeft) + "," + Number(newTop) + ")");
  left = newLeft;
  top = newTop;
}
void Window::setMousePointer(int32_t pointer) {
  log_.push_back(name_ + ".MousePointer=" + Number(pointer));
  mousePointer = pointer;
}
void Window::LineBox(float x1, float y1, float x2, float y2, host::Color color) {
  log_.push_back(name_ + ".Line(" + Number(x1) + "," + Number(y1) + "," + Number(x2) + "," +
                 Number(y2) + "," + Hex(color) + ",BF)");
}
void Window::Refresh() { log_.push_back(name_ + ".Refresh()"); }

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

// ---- Runtime ----

Runtime::Runtime(Log& log) : log_(log) { host::install(this); }
Runtime::~Runtime() { host::install(nullptr); }

bool Runtime::GetClientRect(int32_t hWnd, host::Rect& rect) {
  log_.push_back("GetClientRect(" + Number(hWnd) + ")");
  rect = clientRect;
  return true;
}

int32_t Runtime::CreateRoundRectRgn(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew,
                                    int32_t eh) {
  log_.push_back("CreateRoundRectRgn(" + Number(l) + "," + Number(t) + "," + Number(r) + "," +
                 Number(b) + "," + Number(ew) + "," + Number(eh) + ")=" + Number(nextRegion));
  return nextRegion++;
}

int32_t Runtime::SetWindowRgn(int32_t hWnd, int32_t region, bool redraw) {
  log_.push_back("SetWindowRgn(" + Number(hWnd) + "," + Number(region) + "," + Bool(redraw) + ")");
  return 1;
}

bool Runtime::DeleteObject(int32_t handle) {
  log_.push_back("DeleteObject(" + Number(handle) + ")");
  return true;
}

bool Runtime::RoundRect(int32_t dc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew,
                        int32_t eh) {
  log_.push_back("RoundRect(" + Number(dc) + "," + Number(l) + "," + Number(t) + "," + Number(r) +
                 "," + Number(b) + "," + Number(ew) + "," + Number(eh) + ")");
  return true;
}

bool Runtime::GradientFill(int32_t dc, const host::TriVertex* vertices, uint32_t vertexCount,
                           const host::GradientRect* mesh, uint32_t meshCount, uint32_t mode) {
  std::string line = "GradientFill(" + Number(dc);
  lastVertices.assign(vertices, vertices + vertexCount);
  for (uint32_t i = 0; i < vertexCount; ++i) {
    const host::TriVertex& v = vertices[i];
    line += ",{" + Number(v.x) + "," + Number(v.y) + "," + Number(v.Red) + "," + Number(v.Green) +
            "," + Number(v.Blue) + "," + Number(v.Alpha) + "}";
  }
  line += "," + Number(vertexCount);
  for (uint32_t i = 0; i < meshCount; ++i)
    line += ",{" + Number(mesh[i].UpperLeft) + "," + Number(mesh[i].LowerRight) + "}";
  line += "," + Number(meshCount) + "," + Number(mode) + ")";
  log_.push_back(line);
  return true;
}

intptr_t Runtime::ShellExecute(int32_t owner, std::string_view operation, std::string_view file,
                               std::string_view parameters, std::string_view directory,
                               int32_t showCommand) {
  log_.push_back("ShellExecute(" + Number(owner) + "," + std::string(operation) + "," +
                 std::string(file) + "," + std::string(parameters) + "," + std::string(directory) +
                 "," + Number(showCommand) + ")");
  return 42;
}

std::string Runtime::AppPath() const {
  log_.push_back("App.Path?");
  return appPath;
}

float Runtime::TwipsPerPixelX() const {
  log_.push_back("Screen.TwipsPerPixelX?");
  return twipsPerPixelX;
}

float Runtime::TwipsPerPixelY() const {
  log_.push_back("Screen.TwipsPerPixelY?");
  return twipsPerPixelY;
}

void Runtime::MsgBox(std::string_view text) { log_.push_back("MsgBox(" + std::string(text) + ")"); }

void Runtime::End() { log_.push_back("End()"); }

}  // namespace fake
