#include "host/fltk/application.h"

#include <FL/Fl.H>

#include <string>

#include "host/delivery.h"
#include "host/fltk/desktop.h"
#include "host/fltk/display.h"
#include "host/fltk/form_window.h"
#include "host/fltk/message_box.h"
#include "host/fltk/opener.h"
#include "host/paths.h"
#include "host/surface.h"

namespace host::fltk {

Application::~Application() {
  StopWatchingOpeners();
  CloseForms();
}

FormWindow& Application::CreateForm(const FormDesign& design) {
  return static_cast<FormWindow&>(ApplicationCore::CreateForm(design));
}

std::unique_ptr<FormCore> Application::MakeForm(const FormDesign& design) {
  scale_ = DesktopScaleFor(PixelsOf(design.clientWidth), PixelsOf(design.clientHeight));
  return std::make_unique<FormWindow>(design, nextHandle_++, scale_);
}

int Application::ShowAndLoop(FormCore& form) {
  auto& window = static_cast<FormWindow&>(form);
  window.ShowCentred();
  ShowInTaskbar(window);
  AnnounceMenu(window);
  return Fl::run();
}

FormWindow* Application::WindowOf(int32_t handle) const {
  return static_cast<FormWindow*>(FormOf(handle));
}

bool Application::GetClientRect(int32_t hWnd, Rect& rect) {
  const FormWindow* window = WindowOf(hWnd);
  if (!window) return false;
  rect = Rect{0, 0, window->PixelWidth(), window->PixelHeight()};
  return true;
}

intptr_t Application::ShellExecute(int32_t /*ownerWindow*/, std::string_view operation,
                                   std::string_view file, std::string_view /*parameters*/,
                                   std::string_view /*directory*/, int32_t /*showCommand*/) {
  return OpenDocument(operation, file);
}

std::string Application::AppPath() const { return ShownPath(ProgramFolder()); }

void Application::MsgBox(std::string_view text) { ShowMessageBox(title(), text, scale_); }

void Application::End() { EndProgram(0); }

}  // namespace host::fltk
