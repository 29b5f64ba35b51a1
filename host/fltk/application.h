// The FLTK host: builds a window from its design, raises Load, shows it and
// delivers its events until the program ends.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "host/design.h"
#include "host/host.h"

namespace host::fltk {

class FormWindow;

using MakeHandlers = std::function<std::unique_ptr<FormEvents>(Form&)>;

// Runs the program whose start-up window is `design`. Returns the exit
// status; without a display it says so on standard error and returns 1.
int Run(const FormDesign& design, const MakeHandlers& makeHandlers);

// The run time: App, Screen, the message box, and the platform calls, on
// the windows it created.
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
  std::string title_;  // the start-up window's caption
};

}  // namespace host::fltk
