#include "host/fltk/delivery.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace host::fltk {

namespace {

void LeaveAtOnce(int status) {
  std::fflush(nullptr);
  std::_Exit(status);
}

ExitFunction exitFunction = LeaveAtOnce;
bool ended = false;

}  // namespace

void EndProgram(int status) {
  if (ended) return;
  ended = true;
  exitFunction(status);
}

bool ProgramEnded() { return ended; }

void ReplaceExit(ExitFunction exit) {
  exitFunction = exit;
  ended = false;
}

void ReportAndEnd(int32_t number, std::string_view description) {
  std::string text = "Ошибка выполнения " + std::to_string(number) + ":\n\n";
  text += description;
  std::fprintf(stderr, "start: %s\n", text.c_str());
  runtime().MsgBox(text);
  EndProgram(1);
}

}  // namespace host::fltk
