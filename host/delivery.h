// How an event reaches the program's handler, what an error it does not
// trap does, and how the program ends: one way under every host.
#pragma once

#include <cstdint>
#include <exception>
#include <string_view>

#include "host/host.h"
#include "host/messages.h"

namespace host {

// Ends the program with `status`. From then on no handler of the program
// runs. The process itself leaves through the exit function.
void EndProgram(int status);
bool ProgramEnded();

// What ends the process; the default leaves at once, running no
// destructors in the middle of the event loop. Tests put in one that
// returns, and each replacement forgets an earlier end.
using ExitFunction = void (*)(int status);
void ReplaceExit(ExitFunction exit);

// Reports an untrapped run-time error on standard error and in the message
// box, then ends the program with status 1.
void ReportAndEnd(int32_t number, std::string_view description);

// Runs one handler of the program, unless the program has ended.
template <typename Handler>
void Deliver(Handler&& handler) {
  if (ProgramEnded()) return;
  try {
    handler();
  } catch (const RuntimeError& error) {
    ReportAndEnd(error.number(), error.what());
  } catch (const std::exception& error) {
    ReportAndEnd(err::kInternalError, error.what());
  }
}

}  // namespace host
