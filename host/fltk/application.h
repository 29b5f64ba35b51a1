// The FLTK host: builds a window from its design, raises Load, shows it and
// delivers its events until the program ends.
#pragma once

#include <memory>

#include "host/application_core.h"
#include "host/design.h"
#include "host/display_scale.h"

namespace host::fltk {

class FormWindow;

// Runs the program whose start-up window is `design`. Returns the exit
// status; without a display it says so on standard error and returns 1.
int Run(const FormDesign& design, const MakeHandlers& makeHandlers);

// The run time: App, Screen, the message box, and the platform calls, on
// the windows it created.
class Application final : public ApplicationCore {
 public:
  ~Application();

  FormWindow& CreateForm(const FormDesign& design);
  int ShowAndLoop(FormCore& form) override;

  bool GetClientRect(int32_t hWnd, Rect& rect) override;
  intptr_t ShellExecute(int32_t ownerWindow, std::string_view operation, std::string_view file,
                        std::string_view parameters, std::string_view directory,
                        int32_t showCommand) override;
  std::string AppPath() const override;
  void MsgBox(std::string_view text) override;
  void End() override;

 private:
  std::unique_ptr<FormCore> MakeForm(const FormDesign& design) override;
  FormWindow* WindowOf(int32_t handle) const;

  int32_t nextHandle_ = 0x100;
  DisplayScale scale_;  // of the windows, and of the message box
};

}  // namespace host::fltk
