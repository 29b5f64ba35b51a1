#include <fcntl.h>

#include <cerrno>

#include "host/fltk/application.h"
#include "host/fltk/desktop.h"
#include "host/fltk/display.h"
#include "host/fltk/keyboard.h"
#include "host/paths.h"

namespace host::fltk {

namespace {

// Started with 0, 1 or 2 closed, the program would get them back as the
// first files it opens, the display's connection among them, and write its
// notices for standard error into that. Each closed one reads and writes
// nothing instead.
void KeepStandardFilesOpen() {
  for (int descriptor = 0; descriptor <= 2; ++descriptor) {
    if (fcntl(descriptor, F_GETFD) >= 0 || errno != EBADF) continue;
    open("/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY);  // the lowest free: this one
  }
}

}  // namespace

int Run(const FormDesign& design, const MakeHandlers& makeHandlers) {
  KeepStandardFilesOpen();
  if (!OpenDisplay()) return 1;
  if (RaiseRunningMenu(ProgramFolder())) return 0;
  InstallKeyboard();
  Application application;
  return RunProgram(application, design, makeHandlers);
}

}  // namespace host::fltk
