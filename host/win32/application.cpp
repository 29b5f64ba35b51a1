#include "host/win32/application.h"

#include "host/delivery.h"
#include "host/paths.h"
#include "host/surface.h"
#include "host/win32/conversions.h"
#include "host/win32/desktop.h"
#include "host/win32/display.h"
#include "host/win32/form_window.h"
#include "host/win32/message_box.h"
#include "host/win32/opener.h"

namespace host::win32 {

Application::~Application() { CloseForms(); }

FormWindow& Application::CreateForm(const FormDesign& design) {
  return static_cast<FormWindow&>(ApplicationCore::CreateForm(design));
}

std::unique_ptr<FormCore> Application::MakeForm(const FormDesign& design) {
  const DisplayScale scale = ScaleFor(SystemDpi(), WorkArea(), PixelsOf(design.clientWidth),
                                      PixelsOf(design.clientHeight));
  return std::make_unique<FormWindow>(design, scale);
}

int Application::ShowAndLoop(FormCore& form) {
  auto& window = static_cast<FormWindow&>(form);
  window.ShowCentred();
  AnnounceMenu(window.window());
  return Loop();
}

int Application::Loop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

// In the program's pixels, whatever the scale it is shown at.
bool Application::GetClientRect(int32_t hWnd, Rect& rect) {
  const FormCore* form = FormOf(hWnd);
  if (!form) return false;
  rect = Rect{0, 0, form->PixelWidth(), form->PixelHeight()};
  return true;
}

intptr_t Application::ShellExecute(int32_t ownerWindow, std::string_view operation,
                                   std::string_view file, std::string_view parameters,
                                   std::string_view directory, int32_t showCommand) {
  return OpenDocument(WindowOf(ownerWindow), operation, file, parameters, directory, showCommand);
}

std::string Application::AppPath() const { return ProgramFolder(); }

void Application::MsgBox(std::string_view text) {
  auto* owner = static_cast<FormWindow*>(first());
  ShowMessageBox(owner ? owner->window() : nullptr, title(), text);
}

void Application::End() { EndProgram(0); }

}  // namespace host::win32
