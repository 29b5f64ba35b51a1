#include "host/fltk/application.h"

#include <string>

#include "host/fltk/conversions.h"
#include "host/fltk/delivery.h"
#include "host/fltk/form_window.h"
#include "host/fltk/message_box.h"
#include "host/fltk/opener.h"
#include "host/paths.h"
#include "host/surface.h"

namespace host::fltk {

Application::Application() = default;

Application::~Application() { StopWatchingOpeners(); }

FormWindow& Application::CreateForm(const FormDesign& design) {
  if (forms_.empty()) title_ = design.caption;
  const DisplayScale scale = ScaleForWindow(PixelsOf(static_cast<float>(design.clientWidth)),
                                            PixelsOf(static_cast<float>(design.clientHeight)));
  forms_.push_back(std::make_unique<FormWindow>(design, nextHandle_++, scale));
  return *forms_.back();
}

FormWindow* Application::WindowOf(int32_t handle) const {
  for (const auto& form : forms_)
    if (form->hWnd() == handle || form->hdc() == handle) return form.get();
  return nullptr;
}

bool Application::GetClientRect(int32_t hWnd, Rect& rect) {
  const FormWindow* window = WindowOf(hWnd);
  if (!window) return false;
  rect = Rect{0, 0, window->scale().ToProgram(window->w()), window->scale().ToProgram(window->h())};
  return true;
}

int32_t Application::CreateRoundRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                        int32_t ellipseWidth, int32_t ellipseHeight) {
  const int32_t handle = nextHandle_++;
  regions_[handle] = Region{left, top, right, bottom, ellipseWidth, ellipseHeight};
  return handle;
}

int32_t Application::SetWindowRgn(int32_t hWnd, int32_t region, bool /*redraw*/) {
  FormWindow* window = WindowOf(hWnd);
  const auto found = regions_.find(region);
  if (!window || found == regions_.end()) return 0;
  const Region& r = found->second;
  // The window keeps its own outline; the handle may be deleted afterwards.
  window->SetShape(r.left, r.top, r.right, r.bottom, r.ellipseWidth, r.ellipseHeight);
  return 1;
}

bool Application::DeleteObject(int32_t handle) { return regions_.erase(handle) > 0; }

bool Application::RoundRect(int32_t hdc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                            int32_t ellipseWidth, int32_t ellipseHeight) {
  FormWindow* window = WindowOf(hdc);
  if (!window) return false;
  window->RoundRect(left, top, right, bottom, ellipseWidth, ellipseHeight);
  return true;
}

bool Application::GradientFill(int32_t hdc, const TriVertex* vertices, uint32_t vertexCount,
                               const GradientRect* mesh, uint32_t meshCount, uint32_t mode) {
  FormWindow* window = WindowOf(hdc);
  if (!window) return false;
  return ForEachGradientRect(vertices, vertexCount, mesh, meshCount, mode,
                             [&](const TriVertex& from, const TriVertex& to, bool vertical) {
                               window->GradientFill(from, to, vertical);
                             });
}

intptr_t Application::ShellExecute(int32_t /*ownerWindow*/, std::string_view operation,
                                   std::string_view file, std::string_view /*parameters*/,
                                   std::string_view /*directory*/, int32_t /*showCommand*/) {
  return OpenDocument(operation, file);
}

std::string Application::AppPath() const { return ShownPath(ProgramFolder()); }

void Application::MsgBox(std::string_view text) { ShowMessageBox(title_, text); }

void Application::End() { EndProgram(0); }

}  // namespace host::fltk
