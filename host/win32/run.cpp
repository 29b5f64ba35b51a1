#include "host/paths.h"
#include "host/win32/application.h"
#include "host/win32/desktop.h"

namespace host::win32 {

int Run(const FormDesign& design, const MakeHandlers& makeHandlers) {
  if (RaiseRunningMenu(ProgramFolder())) return 0;
  Application application;
  return RunProgram(application, design, makeHandlers);
}

}  // namespace host::win32
