// The run time the menu program lives in: windows and controls, the
// application's services, and the few platform calls the program makes.
// Nothing here names a toolkit type, so the FLTK host, a native Windows host
// and the tests' recording host can all stand behind it.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace host {

using Color = int32_t;  // &H00BBGGRR, or &H800000nn for system colour nn

// Error numbers of the run time, as its handlers and messages know them.
namespace err {
constexpr int32_t kOverflow = 6;
constexpr int32_t kDivisionByZero = 11;
constexpr int32_t kInternalError = 51;
constexpr int32_t kFileNotFound = 53;
constexpr int32_t kPathNotFound = 76;
constexpr int32_t kInvalidProperty = 380;
constexpr int32_t kInvalidPicture = 481;
}  // namespace err

// A run-time error raised into the running handler. Untrapped, the host
// reports it in its message box and ends the program.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int32_t number, const std::string& description)
      : std::runtime_error(description), number_(number) {}
  int32_t number() const { return number_; }

 private:
  int32_t number_;
};

// Mouse pointers.
namespace pointer {
constexpr int16_t kDefault = 0;
constexpr int16_t kSizeAll = 15;
constexpr int16_t kCustom = 99;
}  // namespace pointer

// Mouse buttons as events report them; added up when several are held.
namespace button {
constexpr int16_t kLeft = 1;
constexpr int16_t kRight = 2;
constexpr int16_t kMiddle = 4;
}  // namespace button

// The shift state of events: the keys held, added up.
namespace shift {
constexpr int16_t kShift = 1;
constexpr int16_t kCtrl = 2;
constexpr int16_t kAlt = 4;
}  // namespace shift

// Key codes of KeyDown; letters and digits are their upper-case characters.
namespace key {
constexpr int16_t kNone = 0;  // a key the run time has no code for
constexpr int16_t kBackspace = 8;
constexpr int16_t kTab = 9;
constexpr int16_t kEnter = 13;
constexpr int16_t kShift = 16;
constexpr int16_t kControl = 17;
constexpr int16_t kAlt = 18;
constexpr int16_t kEscape = 27;
constexpr int16_t kSpace = 32;
constexpr int16_t kPageUp = 33;
constexpr int16_t kPageDown = 34;
constexpr int16_t kEnd = 35;
constexpr int16_t kHome = 36;
constexpr int16_t kLeft = 37;
constexpr int16_t kUp = 38;
constexpr int16_t kRight = 39;
constexpr int16_t kDown = 40;
constexpr int16_t kInsert = 45;
constexpr int16_t kDelete = 46;
constexpr int16_t kF1 = 112;
}  // namespace key

// Scale modes.
namespace scale {
constexpr int16_t kTwips = 1;
constexpr int16_t kPixels = 3;
}  // namespace scale

// Anything with a place and a size in its container's scale units.
class Extent {
 public:
  virtual float Left() const = 0;
  virtual float Top() const = 0;
  virtual float Width() const = 0;
  virtual float Height() const = 0;

 protected:
  ~Extent() = default;
};

// A window: it can be moved, drawn on and given a pointer.
class Window : public Extent {
 public:
  virtual int32_t hWnd() const = 0;
  virtual int32_t hdc() const = 0;

  virtual bool AutoRedraw() const = 0;
  virtual void setAutoRedraw(bool on) = 0;
  virtual int16_t DrawWidth() const = 0;
  virtual void setDrawWidth(int16_t pixels) = 0;
  virtual Color ForeColor() const = 0;
  virtual void setForeColor(Color color) = 0;

  virtual int16_t Scalemode() const = 0;
  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;

  virtual void setLeft(float twips) = 0;
  virtual void setTop(float twips) = 0;
  virtual void Move(float left, float top) = 0;
  virtual void setMousePointer(int32_t pointer) = 0;

  // The "Line" method in its filled-box form: a box from (x1, y1) to
  // (x2, y2) in scale units, filled with color.
  virtual void LineBox(float x1, float y1, float x2, float y2, Color color) = 0;
  virtual void Refresh() = 0;

 protected:
  ~Window() = default;
};

class Label : public Extent {
 public:
  virtual std::string Caption() const = 0;
  virtual void setCaption(std::string_view text) = 0;

 protected:
  ~Label() = default;
};

class PictureBox : public Extent {
 public:
  virtual bool Visible() const = 0;
  virtual void setVisible(bool visible) = 0;

 protected:
  ~PictureBox() = default;
};

// Lists the files of one folder. Setting a folder that cannot be listed
// raises kPathNotFound and keeps the old folder and listing.
class FileListBox : public Extent {
 public:
  virtual std::string Path() const = 0;
  virtual void setPath(std::string_view folder) = 0;
  // The selected file's bare name; empty while nothing is selected.
  virtual std::string FileName() const = 0;

 protected:
  ~FileListBox() = default;
};

// A window built from its design, with its controls reachable by name.
// A name the design lacks raises a run-time error.
class Form : public Window {
 public:
  virtual Label& label(std::string_view name, std::optional<int16_t> index = std::nullopt) = 0;
  virtual PictureBox& pictureBox(std::string_view name) = 0;
  virtual FileListBox& fileListBox(std::string_view name) = 0;

 protected:
  ~Form() = default;
};

// What the program hears of its window, one event at a time.
class FormEvents {
 public:
  virtual void Load() = 0;
  virtual void KeyDown(int16_t keyCode, int16_t shift) = 0;
  virtual void MouseDown(int16_t button, int16_t shift, float x, float y) = 0;
  virtual void MouseMove(int16_t button, int16_t shift, float x, float y) = 0;
  virtual void MouseUp(int16_t button, int16_t shift, float x, float y) = 0;
  // A click on a control; index is given for control-array elements.
  virtual void Click(std::string_view control, std::optional<int16_t> index) = 0;
  virtual void DblClick(std::string_view control) = 0;

  virtual ~FormEvents() = default;
};

// The platform's rectangle: right and bottom exclusive.
struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct TriVertex {
  int32_t x = 0, y = 0;
  int16_t Red = 0, Green = 0, Blue = 0, Alpha = 0;
  friend bool operator==(const TriVertex&, const TriVertex&) = default;
};

struct GradientRect {
  uint32_t UpperLeft = 0, LowerRight = 0;
};

constexpr uint32_t kGradientFillRectH = 0;
constexpr uint32_t kGradientFillRectV = 1;
constexpr int32_t kShowNormal = 1;

// The platform calls the program makes, named as on Windows so that a
// native host maps them one to one. Results mean what they mean there.
class Platform {
 public:
  virtual bool GetClientRect(int32_t hWnd, Rect& rect) = 0;
  virtual int32_t CreateRoundRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                     int32_t ellipseWidth, int32_t ellipseHeight) = 0;
  virtual int32_t SetWindowRgn(int32_t hWnd, int32_t region, bool redraw) = 0;
  virtual bool DeleteObject(int32_t handle) = 0;
  virtual bool RoundRect(int32_t hdc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                         int32_t ellipseWidth, int32_t ellipseHeight) = 0;
  virtual bool GradientFill(int32_t hdc, const TriVertex* vertices, uint32_t vertexCount,
                            const GradientRect* mesh, uint32_t meshCount, uint32_t mode) = 0;
  // Hands a document or address to the desktop. Texts are UTF-8.
  virtual intptr_t ShellExecute(int32_t ownerWindow, std::string_view operation,
                                std::string_view file, std::string_view parameters,
                                std::string_view directory, int32_t showCommand) = 0;

 protected:
  ~Platform() = default;
};

// The application's services.
class Runtime : public Platform {
 public:
  // The program file's folder, with a trailing separator only at the root.
  virtual std::string AppPath() const = 0;
  virtual float TwipsPerPixelX() const = 0;
  virtual float TwipsPerPixelY() const = 0;
  // The message box: the text, one OK button, no icon, titled with the
  // application's title. Returns when the user has closed it.
  virtual void MsgBox(std::string_view text) = 0;
  // Ends the program at once; no further event is delivered.
  virtual void End() = 0;

 protected:
  ~Runtime() = default;
};

// The run time the program is running in, as a program reaches its App and
// Screen objects. main() installs it before any handler runs.
Runtime& runtime();
void install(Runtime* runtime);
// Takes `runtime` out, if it is the one installed.
void uninstall(Runtime* runtime);

}  // namespace host
