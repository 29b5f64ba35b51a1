#include "host/win32/application.h"

#include "host/delivery.h"
#include "host/paths.h"
#include "host/surface.h"
#include "host/win32/conversions.h"
#include "host/win32/desktop.h"
#include "host/win32/form_window.h"
#include "host/win32/message_box.h"
#include "host/win32/opener.h"

namespace host::win32 {

Application::~Application() { CloseForms(); }

FormWindow& Application::CreateForm(const FormDesign& design) {
  return static_cast<FormWindow&>(ApplicationCore::CreateForm(design));
}

std::unique_ptr<FormCore> Application::MakeForm(const FormDesign& design) {
  return std::make_unique<FormWindow>(design);
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

bool Application::GetClientRect(int32_t hWnd, Rect& rect) {
  RECT client;
  if (!::GetClientRect(WindowOf(hWnd), &client)) return false;
  rect = Rect{client.left, client.top, client.right, client.bottom};
  return true;
}

int32_t Application::CreateRoundRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                        int32_t ellipseWidth, int32_t ellipseHeight) {
  return HandleOf(::CreateRoundRectRgn(left, top, right, bottom, ellipseWidth, ellipseHeight));
}

int32_t Application::SetWindowRgn(int32_t hWnd, int32_t region, bool redraw) {
  // Once set, a region belongs to the system, and the program deletes its
  // handle straight after: the system gets a copy.
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  if (CombineRgn(copy, reinterpret_cast<HRGN>(WindowOf(region)), nullptr, RGN_COPY) == ERROR) {
    ::DeleteObject(copy);
    return 0;
  }
  const int done = ::SetWindowRgn(WindowOf(hWnd), copy, redraw);
  if (!done) ::DeleteObject(copy);
  return done;
}

bool Application::DeleteObject(int32_t handle) { return ::DeleteObject(WindowOf(handle)) != 0; }

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
