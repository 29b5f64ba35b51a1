#include "host/fltk/application.h"
#include "host/fltk/desktop.h"
#include "host/fltk/display.h"
#include "host/fltk/keyboard.h"
#include "host/paths.h"

namespace host::fltk {

int Run(const FormDesign& design, const MakeHandlers& makeHandlers) {
  if (!OpenDisplay()) return 1;
  if (RaiseRunningMenu(ProgramFolder())) return 0;
  InstallKeyboard();
  Application application;
  return RunProgram(application, design, makeHandlers);
}

}  // namespace host::fltk
