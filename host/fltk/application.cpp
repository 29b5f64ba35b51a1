#include "host/fltk/application.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/fltk/internal.h"
#include "host/paths.h"

namespace host::fltk {

namespace {

constexpr int32_t kInternalError = 51;
constexpr std::string_view kOpen = "open";
constexpr intptr_t kShellNoAssociation = 31;  // what the shell says of an unknown verb

std::string applicationTitle = "Zorvanta";

// The run time's key codes for the keys a handler may look at.
int16_t KeyCode(int key) {
  if (key == FL_Escape) return 27;
  if (key == FL_Enter || key == FL_KP_Enter) return 13;
  if (key == FL_Tab) return 9;
  if (key == FL_Shift_L || key == FL_Shift_R) return 16;
  if (key == FL_Control_L || key == FL_Control_R) return 17;
  if (key == FL_Alt_L || key == FL_Alt_R) return 18;
  if (key == FL_BackSpace) return 8;
  if (key == ' ') return 32;
  if (key >= 'a' && key <= 'z') return static_cast<int16_t>(key - 'a' + 'A');
  if (key >= '0' && key <= '9') return static_cast<int16_t>(key);
  if (key == FL_Left) return 37;
  if (key == FL_Up) return 38;
  if (key == FL_Right) return 39;
  if (key == FL_Down) return 40;
  if (key >= FL_F + 1 && key <= FL_F + 12) return static_cast<int16_t>(112 + key - FL_F - 1);
  return static_cast<int16_t>(key & 0xFF);
}

// The window sees a key before the control that has the focus.
int KeyPreview(int event, Fl_Window* window) {
  if (event == FL_KEYBOARD && window) {
    auto* form = dynamic_cast<FormWindow*>(window->top_window());
    if (form && form->design().keyPreview && form->events()) {
      Deliver([&] { form->events()->KeyDown(KeyCode(Fl::event_key()), ShiftState()); });
    }
  }
  return Fl::handle_(event, window);
}

}  // namespace

void ReportAndEnd(int32_t number, std::string_view description) {
  std::string text = "Ошибка выполнения " + std::to_string(number) + ":\n\n";
  text += description;
  std::fprintf(stderr, "start: %s\n", text.c_str());
  ShowMessageBox(applicationTitle, text);
  std::exit(1);
}

bool OpenDisplay() {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) {
    std::fputs(
        "start: no display to show the menu on (DISPLAY is not set); start it from a desktop "
        "session, or see README for a screenshot under Xvfb\n",
        stderr);
    return false;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "start: cannot open the display \"%s\"\n", name);
    return false;
  }
  fl_open_display(display);
  return true;
}

// ---- The run time ----

Application::Application() {
  install(this);
  Fl::event_dispatch(KeyPreview);
}

Application::~Application() { install(nullptr); }

FormWindow& Application::CreateForm(const FormDesign& design) {
  if (forms_.empty()) applicationTitle = design.caption;
  forms_.push_back(std::make_unique<FormWindow>(design, nextHandle_++));
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
  rect = Rect{0, 0, window->w(), window->h()};
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
  if (!window || mode > kGradientFillRectV) return false;
  for (uint32_t i = 0; i < meshCount; ++i) {
    if (mesh[i].UpperLeft >= vertexCount || mesh[i].LowerRight >= vertexCount) return false;
    window->GradientFill(vertices[mesh[i].UpperLeft], vertices[mesh[i].LowerRight],
                         mode == kGradientFillRectV);
  }
  return true;
}

intptr_t Application::ShellExecute(int32_t /*ownerWindow*/, std::string_view operation,
                                   std::string_view file, std::string_view /*parameters*/,
                                   std::string_view /*directory*/, int32_t /*showCommand*/) {
  if (operation != kOpen) return kShellNoAssociation;
  return OpenDocument(file);
}

std::string Application::AppPath() const { return ProgramFolder(); }

void Application::MsgBox(std::string_view text) { ShowMessageBox(applicationTitle, text); }

void Application::End() { std::exit(0); }

// ---- Start-up ----

int Run(const FormDesign& design, const MakeHandlers& makeHandlers) {
  if (!OpenDisplay()) return 1;
  Application application;
  FormWindow& form = application.CreateForm(design);
  std::unique_ptr<FormEvents> handlers;
  Deliver([&] { handlers = makeHandlers(form); });
  form.setEvents(handlers.get());
  Deliver([&] { handlers->Load(); });
  form.ShowCentred();
  try {
    return Fl::run();
  } catch (const RuntimeError& error) {
    ReportAndEnd(error.number(), error.what());
  } catch (const std::exception& error) {
    ReportAndEnd(kInternalError, error.what());
  }
}

}  // namespace host::fltk
