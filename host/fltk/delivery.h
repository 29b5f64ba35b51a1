// How an event reaches the program's handler, and what an error it does not
// trap does.
#pragma once

#include <cstdint>
#include <exception>
#include <string_view>

#include "host/host.h"

namespace host::fltk {

// Reports an untrapped run-time error in the message box and ends the
// program.
[[noreturn]] void ReportAndEnd(int32_t number, std::string_view description);

// Runs one handler of the program.
template <typename Handler>
void Deliver(Handler&& handler) {
  try {
    handler();
  } catch (const RuntimeError& error) {
    ReportAndEnd(error.number(), error.what());
  } catch (const std::exception& error) {
    ReportAndEnd(err::kInternalError, error.what());
  }
}

}  // namespace host::fltk
