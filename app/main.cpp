// The disc's start menu: the window Form1 on the FLTK host.
#include <memory>

#include "app/form1.h"
#include "app/form1_design.h"
#include "host/fltk/application.h"

int main() {
  return host::fltk::Run(app::Form1Design(),
                         [](host::Form& window) { return std::make_unique<app::Form1>(window); });
}
