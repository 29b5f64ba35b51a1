#include "host/win32/application.h"

#include <string>

#include "host/documents.h"
#include "host/messages.h"
#include "host/paths.h"
#include "host/win32/internal.h"
#include "host/win32/system_library.h"
#include "host/win32/unicode.h"

namespace host::win32 {

namespace {

constexpr intptr_t kShellFileNotFound = SE_ERR_FNF;

std::string applicationTitle;  // the first window's caption
HWND messageOwner = nullptr;

EntryKind EntryKindOf(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::kNothing;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EntryKind::kFolder;
  return attributes & FILE_ATTRIBUTE_DEVICE ? EntryKind::kOther : EntryKind::kFile;
}

// The system's text, or none where the program gives an empty one.
const wchar_t* OrNone(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

void ShowMessageBox(std::string_view text) {
  MessageBoxW(messageOwner, Wide(text).c_str(), Wide(applicationTitle).c_str(), MB_OK);
}

void ReportAndEnd(int32_t number, std::string_view description) {
  ShowMessageBox(UntrappedErrorText(number, description));
  ExitProcess(1);
}

// ---- The run time ----

Application::Application() { install(this); }

Application::~Application() {
  forms_.clear();
  install(nullptr);
  messageOwner = nullptr;
}

FormWindow& Application::CreateForm(const FormDesign& design) {
  if (forms_.empty()) applicationTitle = design.caption;  // before a failing build reports
  forms_.push_back(std::make_unique<FormWindow>(design));
  if (forms_.size() == 1) messageOwner = forms_.front()->window();
  return *forms_.back();
}

FormWindow* Application::FormOf(int32_t handle) const {
  for (const auto& form : forms_)
    if (form->hWnd() == handle || form->hdc() == handle) return form.get();
  return nullptr;
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

bool Application::RoundRect(int32_t hdc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                            int32_t ellipseWidth, int32_t ellipseHeight) {
  FormWindow* form = FormOf(hdc);
  if (!form) return false;
  form->RoundRect(left, top, right, bottom, ellipseWidth, ellipseHeight);
  return true;
}

bool Application::GradientFill(int32_t hdc, const TriVertex* vertices, uint32_t vertexCount,
                               const GradientRect* mesh, uint32_t meshCount, uint32_t mode) {
  FormWindow* form = FormOf(hdc);
  if (!form) return false;
  return ForEachGradientRect(vertices, vertexCount, mesh, meshCount, mode,
                             [&](const TriVertex& from, const TriVertex& to, bool vertical) {
                               form->GradientFill(from, to, vertical);
                             });
}

intptr_t Application::ShellExecute(int32_t ownerWindow, std::string_view operation,
                                   std::string_view file, std::string_view parameters,
                                   std::string_view directory, int32_t showCommand) {
  const bool web = IsWebAddress(file);
  const std::wstring target = Wide(web ? std::string(file) : NativePath(file));
  // The shell says nothing of a missing file; the user is told here.
  if (!web && !CheckDocument(EntryKindOf(target))) return kShellFileNotFound;
  if (!shellExecute_)
    shellExecute_ = SystemFunction<ShellExecuteFunction>(L"shell32.dll", "ShellExecuteW");
  if (!shellExecute_) return SE_ERR_DLLNOTFOUND;
  const std::wstring wideParameters = Wide(parameters), wideDirectory = Wide(directory);
  return reinterpret_cast<intptr_t>(shellExecute_(WindowOf(ownerWindow), Wide(operation).c_str(),
                                                  target.c_str(), OrNone(wideParameters),
                                                  OrNone(wideDirectory), showCommand));
}

std::string Application::AppPath() const { return ProgramFolder(); }

void Application::MsgBox(std::string_view text) { ShowMessageBox(text); }

void Application::End() { ExitProcess(0); }

int Application::Loop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
      // The window sees a key before the control that has the focus.
      FormWindow* form = FormOf(HandleOf(GetAncestor(message.hwnd, GA_ROOT)));
      if (form && form->design().keyPreview && form->events()) {
        Deliver(
            [&] { form->events()->KeyDown(static_cast<int16_t>(message.wParam), ShiftState()); });
      }
      FileListControl* list = form ? form->ListOf(message.hwnd) : nullptr;
      if (list && message.wParam == VK_RETURN && form->events())
        Deliver([&] { form->events()->DblClick(list->design().name); });
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

// ---- Start-up ----

int Run(const FormDesign& design, const MakeHandlers& makeHandlers) {
  Application application;
  try {
    FormWindow& form = application.CreateForm(design);
    std::unique_ptr<FormEvents> handlers;
    Deliver([&] { handlers = makeHandlers(form); });
    form.setEvents(handlers.get());
    Deliver([&] { handlers->Load(); });
    form.ShowCentred();
    return application.Loop();
  } catch (const RuntimeError& error) {
    ReportAndEnd(error.number(), error.what());
  } catch (const std::exception& error) {
    ReportAndEnd(err::kInternalError, error.what());
  }
}

}  // namespace host::win32
