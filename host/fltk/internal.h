// The FLTK host's own classes, shared by its source files and its tests.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_RGB_Image.H>
#include <X11/Xlib.h>
#include <sys/types.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/design.h"
#include "host/host.h"
#include "host/surface.h"

namespace host::fltk {

class FormWindow;

constexpr float kTwipsPerPixel = 15.0f;

Fl_Color ToFlColor(Color color);
int PixelsOf(float twips);
// Font size in pixels for a point size, at the standard 96 dots per inch.
int FontPixels(float points);
// The run time's shift state of the current event: 1 Shift, 2 Ctrl, 4 Alt.
int16_t ShiftState();

// Delivers one event to the program's handler; an untrapped run-time
// error is reported in the message box and ends the program.
[[noreturn]] void ReportAndEnd(int32_t number, std::string_view description);
template <typename Handler>
void Deliver(Handler&& handler) {
  try {
    handler();
  } catch (const RuntimeError& error) {
    ReportAndEnd(error.number(), error.what());
  } catch (const std::exception& error) {
    ReportAndEnd(51, error.what());  // the run time's internal error
  }
}

struct Point {
  int x = 0, y = 0;
};

// Where a control's container's client area begins, in window pixels.
Point ContainerOrigin(const Fl_Widget& widget);
// The visible control of the group at window pixel (x, y), the topmost.
Fl_Widget* ControlIn(const Fl_Group& group, int x, int y);
inline float TwipsFrom(int pixels) { return static_cast<float>(pixels) * kTwipsPerPixel; }

// One of the window's controls: an FLTK widget placed, as the program sees
// it, in its container's twips.
template <typename Widget, typename Interface>
class Control : public Widget, public Interface {
 public:
  Control(FormWindow& form, const ControlDesign& design, int x, int y, int w, int h)
      : Widget(x, y, w, h), form_(form), design_(design) {}
  float Left() const override { return TwipsFrom(this->x() - ContainerOrigin(*this).x); }
  float Top() const override { return TwipsFrom(this->y() - ContainerOrigin(*this).y); }
  float Width() const override { return TwipsFrom(this->w()); }
  float Height() const override { return TwipsFrom(this->h()); }
  const ControlDesign& design() const { return design_; }

 protected:
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

  int border() const { return design_.borderStyle ? 1 : 0; }
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

 private:
  std::string path_;
  std::vector<std::string> entries_;
};

// The window: its persistent image, its controls, its events.
class FormWindow final : public Fl_Double_Window, public Form {
 public:
  FormWindow(const FormDesign& design, int32_t handle);
  ~FormWindow() override;

  void setEvents(FormEvents* events) { events_ = events; }
  FormEvents* events() const { return events_; }
  void ShowCentred();

  // Form
  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;
  int32_t hWnd() const override { return handle_; }
  int32_t hdc() const override { return handle_; }
  bool AutoRedraw() const override { return autoRedraw_; }
  void setAutoRedraw(bool on) override { autoRedraw_ = on; }
  int16_t DrawWidth() const override { return drawWidth_; }
  void setDrawWidth(int16_t pixels) override;
  Color ForeColor() const override { return foreColor_; }
  void setForeColor(Color color) override { foreColor_ = color; }
  int16_t Scalemode() const override { return scale::kTwips; }
  float ScaleWidth() const override { return static_cast<float>(design_.clientWidth); }
  float ScaleHeight() const override { return static_cast<float>(design_.clientHeight); }
  void setLeft(float twips) override;
  void setTop(float twips) override;
  void Move(float left, float top) override;
  void setMousePointer(int32_t pointer) override;
  void LineBox(float x1, float y1, float x2, float y2, Color color) override;
  void Refresh() override { redraw(); }
  Label& label(std::string_view name, std::optional<int16_t> index = std::nullopt) override;
  PictureBox& pictureBox(std::string_view name) override;
  FileListBox& fileListBox(std::string_view name) override;

  // Drawing calls of the platform layer, on this window's image.
  const Surface& surface() const { return surface_; }
  void RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh);
  void GradientFill(const TriVertex& from, const TriVertex& to, bool vertical);
  void SetShape(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh);
  void ApplyShape();

  // Pointer shapes: the control under the mouse decides, else the window.
  void UpdatePointer();
  const Fl_RGB_Image* handCursor() const { return hand_.get(); }
  int handX() const { return handX_; }
  int handY() const { return handY_; }

  // The mouse position relative to the window, in twips.
  float EventX() const;
  float EventY() const;

  const FormDesign& design() const { return design_; }
  std::vector<Fl_Widget*> controls() const { return controls_; }
  int handle(int event) override;

 private:
  void draw() override;
  void BuildControls();
  void CreateControl(const ControlDesign& control);
  PictureBoxControl* ContainerOf(const ControlDesign& control) const;
  void LoadPictures();
  Fl_Widget* ControlAt(int x, int y) const;
  Surface& Canvas();  // where drawing goes, as AutoRedraw says
  void Painted(const Surface& canvas);

  const FormDesign design_;
  int32_t handle_;
  FormEvents* events_ = nullptr;
  Surface surface_;       // the persistent image: every repaint shows it
  Surface transient_;     // drawing done without AutoRedraw, shown once
  bool pressed_ = false;  // a press on the background, until all buttons are up
  bool autoRedraw_ = false;
  int16_t drawWidth_ = 1;
  Color foreColor_ = static_cast<Color>(0x80000012);
  int32_t formPointer_ = pointer::kDefault;
  const Fl_Widget* pointerOwner_ = nullptr;
  bool pointerSet_ = false;
  std::unique_ptr<Fl_RGB_Image> hand_;
  int handX_ = 0, handY_ = 0;
  std::vector<std::unique_ptr<Fl_RGB_Image>> icons_;
  std::vector<XRectangle> outline_;  // the window's shape, kept for its lifetime
  std::vector<Fl_Widget*> controls_;
  using Key = std::pair<std::string, int>;  // name, array index or -1
  static Key KeyOf(std::string_view name, std::optional<int16_t> index);
  template <typename Control>
  Control* Find(std::string_view name, std::optional<int16_t> index) const;
  template <typename Control>
  Control& Named(std::string_view name, std::optional<int16_t> index) const;
  std::map<Key, Fl_Widget*> byName_;
};

// The run time: App, Screen, the message box, and the platform calls.
class Application final : public Runtime {
 public:
  Application();
  ~Application();

  FormWindow& CreateForm(const FormDesign& design);

  bool GetClientRect(int32_t hWnd, Rect& rect) override;
  int32_t CreateRoundRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom,
                             int32_t ellipseWidth, int32_t ellipseHeight) override;
  int32_t SetWindowRgn(int32_t hWnd, int32_t region, bool redraw) override;
  bool DeleteObject(int32_t handle) override;
  bool RoundRect(int32_t hdc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                 int32_t ellipseWidth, int32_t ellipseHeight) override;
  bool GradientFill(int32_t hdc, const TriVertex* vertices, uint32_t vertexCount,
                    const GradientRect* mesh, uint32_t meshCount, uint32_t mode) override;
  intptr_t ShellExecute(int32_t ownerWindow, std::string_view operation, std::string_view file,
                        std::string_view parameters, std::string_view directory,
                        int32_t showCommand) override;
  std::string AppPath() const override;
  float TwipsPerPixelX() const override { return kTwipsPerPixel; }
  float TwipsPerPixelY() const override { return kTwipsPerPixel; }
  void MsgBox(std::string_view text) override;
  void End() override;

 private:
  struct Region {
    int32_t left, top, right, bottom, ellipseWidth, ellipseHeight;
  };
  FormWindow* WindowOf(int32_t handle) const;

  std::vector<std::unique_ptr<FormWindow>> forms_;
  std::map<int32_t, Region> regions_;
  int32_t nextHandle_ = 0x100;
};

// The opener: hands a path or address to xdg-open without waiting for it,
// and tells the user if it turns out that nothing could open it.
intptr_t OpenDocument(std::string_view file);

// The message box of the program, modal, titled with the program's title.
void ShowMessageBox(std::string_view title, std::string_view text);

// Displays and event loop.
bool OpenDisplay();

}  // namespace host::fltk
