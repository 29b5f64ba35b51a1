#include <FL/Fl.H>

#include "host/fltk/application.h"
#include "host/fltk/delivery.h"
#include "host/fltk/desktop.h"
#include "host/fltk/display.h"
#include "host/fltk/form_window.h"
#include "host/fltk/keyboard.h"
#include "host/paths.h"

namespace host::fltk {

int Run(const FormDesign& design, const MakeHandlers& makeHandlers) {
  if (!OpenDisplay()) return 1;
  if (RaiseRunningMenu(ProgramFolder())) return 0;
  Application application;
  install(&application);
  InstallKeyPreview();
  FormWindow* form = nullptr;
  std::unique_ptr<FormEvents> handlers;
  Deliver([&] {
    form = &application.CreateForm(design);
    handlers = makeHandlers(*form);
    form->setEvents(handlers.get());
    handlers->Load();
  });
  int status = 1;
  if (!ProgramEnded()) {
    form->ShowCentred();
    ShowInTaskbar(*form);
    AnnounceMenu(*form);
    Deliver([&] { status = Fl::run(); });
  }
  install(nullptr);
  return status;
}

}  // namespace host::fltk
