#include "host/application_core.h"

#include "host/delivery.h"
#include "host/surface.h"

namespace host {

ApplicationCore::ApplicationCore() { install(this); }

ApplicationCore::~ApplicationCore() { uninstall(this); }

FormCore& ApplicationCore::CreateForm(const FormDesign& design) {
  if (forms_.empty()) title_ = design.caption;
  forms_.push_back(MakeForm(design));
  return *forms_.back();
}

FormCore* ApplicationCore::FormOf(int32_t handle) const {
  for (const auto& form : forms_)
    if (form->hWnd() == handle || form->hdc() == handle) return form.get();
  return nullptr;
}

int32_t ApplicationCore::CreateRoundRectRgn(int32_t left, int32_t top, int32_t right,
                                            int32_t bottom, int32_t ellipseWidth,
                                            int32_t ellipseHeight) {
  const int32_t handle = nextRegion_++;
  regions_[handle] = RoundShape{left, top, right, bottom, ellipseWidth, ellipseHeight};
  return handle;
}

int32_t ApplicationCore::SetWindowRgn(int32_t hWnd, int32_t region, bool /*redraw*/) {
  FormCore* form = FormOf(hWnd);
  const auto found = regions_.find(region);
  if (!form || found == regions_.end()) return 0;
  // The window keeps its own outline; the handle may be deleted afterwards.
  form->SetShape(found->second);
  return 1;
}

bool ApplicationCore::DeleteObject(int32_t handle) { return regions_.erase(handle) > 0; }

bool ApplicationCore::RoundRect(int32_t hdc, int32_t left, int32_t top, int32_t right,
                                int32_t bottom, int32_t ellipseWidth, int32_t ellipseHeight) {
  FormCore* form = FormOf(hdc);
  if (!form) return false;
  form->RoundRect(left, top, right, bottom, ellipseWidth, ellipseHeight);
  return true;
}

bool ApplicationCore::GradientFill(int32_t hdc, const TriVertex* vertices, uint32_t vertexCount,
                                   const GradientRect* mesh, uint32_t meshCount, uint32_t mode) {
  FormCore* form = FormOf(hdc);
  if (!form) return false;
  return ForEachGradientRect(vertices, vertexCount, mesh, meshCount, mode,
                             [&](const TriVertex& from, const TriVertex& to, bool vertical) {
                               form->GradientFill(from, to, vertical);
                             });
}

int RunProgram(ApplicationCore& application, const FormDesign& design,
               const MakeHandlers& makeHandlers) {
  FormCore* form = nullptr;
  std::unique_ptr<FormEvents> handlers;
  Deliver([&] {
    form = &application.CreateForm(design);
    handlers = makeHandlers(*form);
    form->setEvents(handlers.get());
    handlers->Load();
  });
  int status = 1;
  if (!ProgramEnded()) Deliver([&] { status = application.ShowAndLoop(*form); });
  return status;
}

}  // namespace host
