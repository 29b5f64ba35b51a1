// The Windows host's own classes, shared by its source files and its tests.
// The controls are drawn by their container except the list, which is the
// system's list box; the panel is a child window so that the system clips
// and hides it with everything inside.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
// The run time's platform call of the same name; the system's is called
// by its full name, ShellExecuteW.
#undef ShellExecute

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/design.h"
#include "host/host.h"
#include "host/surface.h"

namespace host::win32 {

class FormWindow;

constexpr float kTwipsPerPixel = 15.0f;

int PixelsOf(float twips);
inline float TwipsFrom(int pixels) { return static_cast<float>(pixels) * kTwipsPerPixel; }
COLORREF ToColorRef(Color color);
HWND WindowOf(int32_t handle);
int32_t HandleOf(HANDLE window);
// The run time's shift state now: 1 Shift, 2 Ctrl, 4 Alt.
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

// A control's place in its container, in pixels, and where the
// container's client area starts inside its border.
struct Placement {
  RECT rect;
  const ControlDesign& design;
  int origin = 0;
  float Left() const { return TwipsFrom(rect.left - origin); }
  float Top() const { return TwipsFrom(rect.top - origin); }
  float Width() const { return TwipsFrom(rect.right - rect.left); }
  float Height() const { return TwipsFrom(rect.bottom - rect.top); }
};

// A label: a hot area, a title strip or a close mark, drawn by its container.
class LabelControl final : public Label {
 public:
  LabelControl(HWND container, Placement place) : container_(container), place_(place) {}
  float Left() const override { return place_.Left(); }
  float Top() const override { return place_.Top(); }
  float Width() const override { return place_.Width(); }
  float Height() const override { return place_.Height(); }
  std::string Caption() const override { return caption_; }
  void setCaption(std::string_view text) override;

  HWND container() const { return container_; }
  const RECT& rect() const { return place_.rect; }
  const ControlDesign& design() const { return place_.design; }
  bool Contains(POINT point) const { return PtInRect(&place_.rect, point) != 0; }
  void Draw(HDC dc) const;

 private:
  HWND container_;
  Placement place_;
  std::string caption_{place_.design.caption};
};

// The media list panel: a picture box holding labels and the list.
class PictureBoxControl final : public PictureBox {
 public:
  PictureBoxControl(FormWindow& form, Placement place);
  ~PictureBoxControl();
  float Left() const override { return place_.Left(); }
  float Top() const override { return place_.Top(); }
  float Width() const override { return place_.Width(); }
  float Height() const override { return place_.Height(); }
  // Its own flag: the window it lies in may not be shown yet.
  bool Visible() const override { return (GetWindowLongW(window_, GWL_STYLE) & WS_VISIBLE) != 0; }
  void setVisible(bool visible) override;

  HWND window() const { return window_; }
  const ControlDesign& design() const { return place_.design; }
  // Where controls inside it start, in its own pixels: inside the border.
  int border() const { return place_.design.borderStyle ? 1 : 0; }

 private:
  FormWindow& form_;
  Placement place_;
  HWND window_;
  HBRUSH background_;
};

// The file list box: the system's list box with the design's colours.
class FileListControl final : public FileListBox {
 public:
  FileListControl(HWND container, Placement place);
  ~FileListControl();
  float Left() const override { return place_.Left(); }
  float Top() const override { return place_.Top(); }
  float Width() const override { return place_.Width(); }
  float Height() const override { return place_.Height(); }
  std::string Path() const override { return path_; }
  void setPath(std::string_view folder) override;
  std::string FileName() const override;

  HWND window() const { return window_; }
  const ControlDesign& design() const { return place_.design; }
  const std::vector<std::string>& entries() const { return entries_; }
  // Colours for the list box's WM_CTLCOLORLISTBOX.
  HBRUSH Colour(HDC dc) const;
  // Whether the screen point lies on one of the list's rows.
  bool RowAt(POINT screen) const;

 private:
  Placement place_;
  HWND window_;
  HBRUSH background_;
  std::string path_;
  std::vector<std::string> entries_;
};

// The window: its persistent image, its controls, its events.
class FormWindow final : public Form {
 public:
  explicit FormWindow(const FormDesign& design);
  ~FormWindow();

  void setEvents(FormEvents* events) { events_ = events; }
  FormEvents* events() const { return events_; }
  void ShowCentred();

  // Form
  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;
  int32_t hWnd() const override { return HandleOf(window_); }
  int32_t hdc() const override { return HandleOf(window_); }  // names its image
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
  void Refresh() override { InvalidateRect(window_, nullptr, FALSE); }
  Label& label(std::string_view name, std::optional<int16_t> index = std::nullopt) override;
  PictureBox& pictureBox(std::string_view name) override;
  FileListBox& fileListBox(std::string_view name) override;

  HWND window() const { return window_; }
  const FormDesign& design() const { return design_; }
  const Surface& surface() const { return surface_; }
  // Drawing calls of the platform layer, on this window's image.
  void RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh);
  void GradientFill(const TriVertex& from, const TriVertex& to, bool vertical);

  // The window procedure's work, for the form and for its panel.
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The pointer as the control under it, or the window, asks.
  void UpdatePointer();
  // The list whose system window this is, if any.
  FileListControl* ListOf(HWND window) const;

 private:
  void LoadPictures();
  void SetIcons();
  void BuildControls();
  LabelControl* LabelAt(HWND container, POINT point) const;
  void MouseButton(HWND container, UINT message, WPARAM wParam);
  void Paint(HWND window);
  Surface& Canvas();
  void Painted(const Surface& canvas);
  template <typename Control>
  Control& Named(std::string_view name, std::optional<int16_t> index) const;

  const FormDesign design_;
  HWND window_;
  FormEvents* events_ = nullptr;
  Surface surface_;    // the persistent image: every repaint shows it
  Surface transient_;  // with drawing done without AutoRedraw, until the next repaint
  bool transientShown_ = false;
  bool pressed_ = false;  // a press on the background, until all buttons are up
  const LabelControl* pressedLabel_ = nullptr;
  bool autoRedraw_ = false;
  int16_t drawWidth_ = 1;
  Color foreColor_ = static_cast<Color>(0x80000012);
  int32_t formPointer_ = pointer::kDefault;
  HICON bigIcon_ = nullptr, smallIcon_ = nullptr;
  HCURSOR hand_ = nullptr;
  std::vector<std::unique_ptr<LabelControl>> labels_;  // bottom to top
  std::unique_ptr<PictureBoxControl> panel_;
  std::unique_ptr<FileListControl> list_;
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

  // Delivers messages until the program ends; the form sees keys first.
  int Loop();

  // The shell's ShellExecuteW, looked up when the first document is opened;
  // a test may put a stand-in in its place.
  using ShellExecuteFunction = decltype(ShellExecuteW);
  void setShellExecute(ShellExecuteFunction* function) { shellExecute_ = function; }

 private:
  FormWindow* FormOf(int32_t handle) const;

  std::vector<std::unique_ptr<FormWindow>> forms_;
  ShellExecuteFunction* shellExecute_ = nullptr;
};

// The message box of the program, modal over the first window.
void ShowMessageBox(std::string_view text);

}  // namespace host::win32
