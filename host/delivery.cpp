#include "host/delivery.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace host {

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
  const std::string text = UntrappedErrorText(number, description);
  std::fputs(ErrorLine(text).c_str(), stderr);
  // Before a window exists there is no run time to show the box.
  try {
    runtime().MsgBox(text);
  } catch (const std::exception&) {
  }
  EndProgram(1);
}

}  // namespace host
