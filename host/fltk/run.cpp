#include <FL/Fl.H>

#include "host/fltk/application.h"
#include "host/fltk/delivery.h"
#include "host/fltk/desktop.h"
#include "host/fltk/display.h"
#include "host/fltk/form_window.h"
#include "host/paths.h"

namespace host::fltk {

int Run(const FormDesign& design, const MakeHandlers& makeHandlers) {
  if (!OpenDisplay()) return 1;
  if (RaiseRunningMenu(ProgramFolder())) return 0;
  Application application;
  FormWindow& form = application.CreateForm(design);
  std::unique_ptr<FormEvents> handlers;
  Deliver([&] { handlers = makeHandlers(form); });
  form.setEvents(handlers.get());
  Deliver([&] { handlers->Load(); });
  form.ShowCentred();
  ShowInTaskbar(form);
  AnnounceMenu(form);
  int status = 0;
  Deliver([&] { status = Fl::run(); });
  return status;
}

}  // namespace host::fltk
