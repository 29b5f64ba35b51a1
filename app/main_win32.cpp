// The disc's start menu: the window Form1 on the native Windows host.
#include <memory>

#include "app/form1.h"
#include "app/form1_design.h"
#include "host/win32/application.h"

int wmain() {
  return host::win32::Run(app::Form1Design(),
                          [](host::Form& window) { return std::make_unique<app::Form1>(window); });
}
