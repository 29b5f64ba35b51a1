// What the run time does alike under every host: the windows it made, the
// drawing calls on their images, the screen's twips, and the program's
// start-up.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/design.h"
#include "host/form_core.h"
#include "host/host.h"

namespace host {

using MakeHandlers = std::function<std::unique_ptr<FormEvents>(Form&)>;

// Installs itself as the run time while it lives.
class ApplicationCore : public Runtime {
 public:
  ApplicationCore();
  ~ApplicationCore();
  ApplicationCore(const ApplicationCore&) = delete;
  ApplicationCore& operator=(const ApplicationCore&) = delete;

  // A window made from its design and kept until the run time ends. The
  // first one's caption is the application's title, for every message box,
  // the one telling why the window could not be made among them.
  FormCore& CreateForm(const FormDesign& design);
  // Shows the start-up window and delivers events until the program ends;
  // returns the exit status.
  virtual int ShowAndLoop(FormCore& form) = 0;

  // Regions are kept as the rounded rectangles they are, so that a window
  // takes its outline at whatever scale it shows.
  int32_t CreateRoundRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom,
                             int32_t ellipseWidth, int32_t ellipseHeight) override;
  int32_t SetWindowRgn(int32_t hWnd, int32_t region, bool redraw) override;
  bool DeleteObject(int32_t handle) override;
  bool RoundRect(int32_t hdc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                 int32_t ellipseWidth, int32_t ellipseHeight) override;
  bool GradientFill(int32_t hdc, const TriVertex* vertices, uint32_t vertexCount,
                    const GradientRect* mesh, uint32_t meshCount, uint32_t mode) override;
  float TwipsPerPixelX() const override { return kTwipsPerPixel; }
  float TwipsPerPixelY() const override { return kTwipsPerPixel; }

 protected:
  virtual std::unique_ptr<FormCore> MakeForm(const FormDesign& design) = 0;
  // The window whose hWnd or hdc this is, or null.
  FormCore* FormOf(int32_t handle) const;
  const std::string& title() const { return title_; }
  FormCore* first() const { return forms_.empty() ? nullptr : forms_.front().get(); }
  // Forgets the windows before the host that made them goes.
  void CloseForms() { forms_.clear(); }

 private:
  std::vector<std::unique_ptr<FormCore>> forms_;
  std::string title_;
  std::map<int32_t, RoundShape> regions_;
  int32_t nextRegion_ = 0x4000;
};

// Start-up, the same under every host: the window made from its design,
// its handlers given it, Load raised; then the window shown and its events
// delivered until the program ends. Returns the exit status, 1 when the
// start failed.
int RunProgram(ApplicationCore& application, const FormDesign& design,
               const MakeHandlers& makeHandlers);

}  // namespace host
