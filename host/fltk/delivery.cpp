#include "host/fltk/delivery.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace host::fltk {

void ReportAndEnd(int32_t number, std::string_view description) {
  std::string text = "Ошибка выполнения " + std::to_string(number) + ":\n\n";
  text += description;
  std::fprintf(stderr, "start: %s\n", text.c_str());
  runtime().MsgBox(text);
  std::exit(1);
}

}  // namespace host::fltk
