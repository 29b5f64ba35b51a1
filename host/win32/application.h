// The native Windows host: builds a window from its design, raises Load,
// shows it and delivers its events until the program ends.
#pragma once

#include <memory>

#include "host/application_core.h"
#include "host/design.h"

namespace host::win32 {

class FormWindow;

// Runs the program whose start-up window is `design`; returns the exit status.
int Run(const FormDesign& design, const MakeHandlers& makeHandlers);

// The run time: App, Screen, the message box, and the platform calls, on
// the windows it created.
class Application final : public ApplicationCore {
 public:
  ~Application();

  FormWindow& CreateForm(const FormDesign& design);
  int ShowAndLoop(FormCore& form) override;
  // Delivers messages until the program ends.
  int Loop();

  bool GetClientRect(int32_t hWnd, Rect& rect) override;
  intptr_t ShellExecute(int32_t ownerWindow, std::string_view operation, std::string_view file,
                        std::string_view parameters, std::string_view directory,
                        int32_t showCommand) override;
  std::string AppPath() const override;
  void MsgBox(std::string_view text) override;
  void End() override;

 private:
  std::unique_ptr<FormCore> MakeForm(const FormDesign& design) override;
};

}  // namespace host::win32
