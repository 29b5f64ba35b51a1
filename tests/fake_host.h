// A recording host: every property read and write, method and platform call
// the program makes lands in one log, in order, as a line of text.
//
//   "Form1.AutoRedraw=True"    a property write
//   "Form1.Left?"              a property read
//   "Form1.Move(3150,1425)"    a method call
//   "RoundRect(2,1,1,639,479,20,20)"   a platform call
//
// Colours are written &H followed by upper-case hex, other numbers as C++
// streams print them.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "host/form_core.h"
#include "host/host.h"

namespace fake {

using Log = std::vector<std::string>;

// The log without its property reads: what the program did, in order. How
// often it looks a property up is its own business.
Log Done(const Log& log);

std::string Hex(host::Color color);

// One value as the log writes it.
template <typename T>
std::string Text(const T& value) {
  if constexpr (std::is_same_v<T, bool>) {
    return value ? "True" : "False";
  } else if constexpr (std::is_arithmetic_v<T>) {
    std::ostringstream out;
    out << static_cast<double>(value);
    return out.str();
  } else {
    return std::string(value);
  }
}

// "a,b,c" and "name(a,b,c)".
template <typename... Args>
std::string List(const Args&... args) {
  std::string line;
  ((line += (line.empty() ? "" : ",") + Text(args)), ...);
  return line;
}
template <typename... Args>
std::string Call(std::string_view name, const Args&... args) {
  return std::string(name) + "(" + List(args...) + ")";
}

// Something named in the log.
class Named {
 public:
  Named(Log& log, std::string name) : log_(log), name_(std::move(name)) {}

 protected:
  template <typename T>
  T Get(const char* property, T value) const {
    log_.push_back(name_ + "." + property + "?");
    return value;
  }
  template <typename T>
  void Set(const char* property, const T& value) const {
    log_.push_back(name_ + "." + property + "=" + Text(value));
  }
  Log& log_;
  std::string name_;
};

class Extent : public host::Extent, public Named {
 public:
  Extent(Log& log, std::string name, float l, float t, float w, float h)
      : Named(log, std::move(name)), left(l), top(t), width(w), height(h) {}
  float Left() const override { return Get("Left", left); }
  float Top() const override { return Get("Top", top); }
  float Width() const override { return Get("Width", width); }
  float Height() const override { return Get("Height", height); }

  float left, top, width, height;
};

// A control of the media list panel; its place is never read.
template <typename Base>
class Control : public Base, public Named {
 public:
  using Named::Named;
  float Left() const override { return 0; }
  float Top() const override { return 0; }
  float Width() const override { return 0; }
  float Height() const override { return 0; }
};

class Label : public Control<host::Label> {
 public:
  using Control::Control;
  std::string Caption() const override { return Get("Caption", caption); }
  void setCaption(std::string_view text) override;

  std::string caption = "Музыка MP3";
  bool failOnCaption = false;  // setCaption raises a run-time error
};

class PictureBox : public Control<host::PictureBox> {
 public:
  using Control::Control;
  bool Visible() const override { return visible; }
  void setVisible(bool on) override;

  bool visible = false;
  bool failOnShow = false;  // setVisible(true) raises a run-time error
};

// Folders are listed from `folders`: a folder text not in it cannot be
// listed. The text is taken as given; the real host reads it as a path.
class FileListBox : public Control<host::FileListBox> {
 public:
  using Control::Control;
  std::string Path() const override { return Get("Path", path); }
  void setPath(std::string_view folder) override;
  std::string FileName() const override { return Get("FileName", selected); }

  std::map<std::string, std::vector<std::string>> folders;
  std::string path, selected;
  std::vector<std::string> entries;
};

class Window : public host::Form, public Named {
 public:
  explicit Window(Log& log) : Named(log, "Form1") {}

  float Left() const override { return Get("Left", left); }
  float Top() const override { return Get("Top", top); }
  float Width() const override { return Get("Width", width); }
  float Height() const override { return Get("Height", height); }
  int32_t hWnd() const override { return Get("hWnd", 1); }
  int32_t hdc() const override { return Get("hdc", 2); }
  bool AutoRedraw() const override { return Get("AutoRedraw", autoRedraw); }
  void setAutoRedraw(bool on) override { Set("AutoRedraw", autoRedraw = on); }
  int16_t DrawWidth() const override { return Get("DrawWidth", drawWidth); }
  void setDrawWidth(int16_t pixels) override { Set("DrawWidth", drawWidth = pixels); }
  host::Color ForeColor() const override { return Get("ForeColor", foreColor); }
  void setForeColor(host::Color color) override { Set("ForeColor", Hex(foreColor = color)); }
  int16_t Scalemode() const override { return Get("Scalemode", scaleMode); }
  float ScaleWidth() const override { return Get("ScaleWidth", scaleWidth); }
  float ScaleHeight() const override { return Get("ScaleHeight", scaleHeight); }
  void setLeft(float twips) override { Set("Left", left = twips); }
  void setTop(float twips) override { Set("Top", top = twips); }
  void Move(float newLeft, float newTop) override {
    log_.push_back(Call(name_ + ".Move", left = newLeft, top = newTop));
  }
  void setMousePointer(int32_t pointer) override { Set("MousePointer", mousePointer = pointer); }
  void LineBox(float x1, float y1, float x2, float y2, host::Color color) override {
    log_.push_back(Call(name_ + ".Line", x1, y1, x2, y2, Hex(color), "BF"));
  }
  void Refresh() override { log_.push_back(name_ + ".Refresh()"); }

  host::Label& label(std::string_view name, std::optional<int16_t> index) override;
  host::PictureBox& pictureBox(std::string_view name) override;
  host::FileListBox& fileListBox(std::string_view name) override;

  // The window's state, readable and settable by the tests.
  float left = 3000, top = 1500, width = 9600, height = 7200;
  bool autoRedraw = false;
  int16_t drawWidth = 1;
  host::Color foreColor = static_cast<host::Color>(0x80000012);
  int16_t scaleMode = host::scale::kTwips;
  float scaleWidth = 9600, scaleHeight = 7200;
  int32_t mousePointer = 0;

  // The media list panel's controls.
  PictureBox frameList{log_, "FrameList"};
  Label label1{log_, "Label1"};
  FileListBox list1{log_, "List1"};
};

// The application's services and platform calls, recorded.
class Runtime : public host::Runtime {
 public:
  explicit Runtime(Log& log) : log_(log) { host::install(this); }
  ~Runtime() { host::install(nullptr); }

  bool GetClientRect(int32_t hWnd, host::Rect& rect) override {
    log_.push_back(Call("GetClientRect", hWnd));
    rect = {0, 0, 640, 480};
    return true;
  }
  int32_t CreateRoundRectRgn(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew,
                             int32_t eh) override {
    log_.push_back(Call("CreateRoundRectRgn", l, t, r, b, ew, eh) + "=100");
    return 100;
  }
  int32_t SetWindowRgn(int32_t hWnd, int32_t region, bool redraw) override {
    log_.push_back(Call("SetWindowRgn", hWnd, region, redraw));
    return 1;
  }
  bool DeleteObject(int32_t handle) override {
    log_.push_back(Call("DeleteObject", handle));
    return true;
  }
  bool RoundRect(int32_t dc, int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew,
                 int32_t eh) override {
    log_.push_back(Call("RoundRect", dc, l, t, r, b, ew, eh));
    return true;
  }
  bool GradientFill(int32_t hdc, const host::TriVertex* vertices, uint32_t vertexCount,
                    const host::GradientRect* mesh, uint32_t meshCount, uint32_t mode) override;
  intptr_t ShellExecute(int32_t owner, std::string_view operation, std::string_view file,
                        std::string_view parameters, std::string_view directory,
                        int32_t show) override {
    log_.push_back(Call("ShellExecute", owner, operation, file, parameters, directory, show));
    return 42;
  }
  std::string AppPath() const override { return log_.push_back("App.Path?"), appPath; }
  float TwipsPerPixelX() const override { return log_.push_back("Screen.TwipsPerPixelX?"), 15; }
  float TwipsPerPixelY() const override { return log_.push_back("Screen.TwipsPerPixelY?"), 15; }
  void MsgBox(std::string_view text) override { log_.push_back(Call("MsgBox", text)); }
  void End() override { log_.push_back("End()"); }

  std::string appPath = "/disc";
  std::vector<host::TriVertex> lastVertices;  // of the last GradientFill

 private:
  Log& log_;
};

// A design whose hot areas' hand is damaged: an icon's type where a
// cursor's belongs. It holds what the design points into.
struct DamagedHand {
  explicit DamagedHand(const host::FormDesign& from);
  std::vector<uint8_t> cursor;
  std::vector<host::ControlDesign> controls;
  host::FormDesign design;
};

// ---- The host side of the shared window rules ----

// What the program hears of its window, as lines in the log: "Click
// PartsButtons 2", "DblClick List1", "MouseDown 1 0 1500 750" (button,
// shift, twips), "KeyDown 27 0".
class Events : public host::FormEvents {
 public:
  explicit Events(Log& log) : log_(log) {}
  void Load() override { log_.push_back("Load"); }
  void KeyDown(int16_t key, int16_t shift) override { Add("KeyDown", key, shift); }
  void MouseDown(int16_t b, int16_t s, float x, float y) override { Add("MouseDown", b, s, x, y); }
  void MouseMove(int16_t b, int16_t s, float x, float y) override { Add("MouseMove", b, s, x, y); }
  void MouseUp(int16_t b, int16_t s, float x, float y) override { Add("MouseUp", b, s, x, y); }
  void Click(std::string_view control, std::optional<int16_t> index) override {
    index ? Add("Click " + std::string(control), *index) : Add("Click " + std::string(control));
  }
  void DblClick(std::string_view control) override { Add("DblClick " + std::string(control)); }

 private:
  template <typename... Args>
  void Add(const std::string& head, const Args&... args) {
    std::string line = head;
    ((line += " " + Text(args)), ...);
    log_.push_back(line);
  }
  Log& log_;
};

// A window of the shared rules on a host that records what they ask of it:
// "Cursor=Hand", "Show(FrameList,True)", "Keyboard(List1)", "Select(List1,2)".
// Its list lays its rows out from the list's top, rowHeight pixels each,
// left of a scroll bar 16 pixels wide.
class HostWindow : public host::NativeWindow, public host::FormCore {
 public:
  HostWindow(Log& log, const host::FormDesign& design);

  float Left() const override { return 3000; }
  float Top() const override { return 1500; }
  float Width() const override { return 9600; }
  float Height() const override { return 7200; }
  int32_t hWnd() const override { return 1; }
  int32_t hdc() const override { return 2; }
  void setLeft(float twips) override { log_.push_back("Left=" + Text(twips)); }
  void setTop(float twips) override { log_.push_back("Top=" + Text(twips)); }
  void Move(float left, float top) override { log_.push_back(Call("Move", left, top)); }

  void ShowShape(const host::RoundShape& s) override {
    log_.push_back(
        Call("ShowShape", s.left, s.top, s.right, s.bottom, s.ellipseWidth, s.ellipseHeight));
  }
  void ShowCursor(host::Cursor cursor) override;
  void ShowImage() override { log_.push_back("ShowImage"); }
  void ShowControl(int control, bool visible) override;
  void RepaintControl(int control) override { log_.push_back(Call("Repaint", NameOf(control))); }
  void TakeKeyboard(int control) override { log_.push_back(Call("Keyboard", NameOf(control))); }
  bool Active() const override { return true; }
  void PassPress(int control) override { log_.push_back(Call("PassPress", NameOf(control))); }
  void ShowRows(int control, const std::vector<std::string>& names) override;
  int SelectedRow(int) const override { return selected; }
  void SelectRow(int control, int row) override;
  int RowsPerPage(int) const override { return perPage; }
  int RowAt(int control, float x, float y) const override;

  std::string NameOf(int control) const;

  Log& log_;
  std::vector<std::string> rows;
  int selected = -1;
  int perPage = 4;
  int rowHeight = 16;
};

}  // namespace fake
