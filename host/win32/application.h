// The native Windows host: builds a window from its design, raises Load,
// shows it and delivers its events until the program ends.
#pragma once

#include <functional>
#include <memory>

#include "host/design.h"
#include "host/host.h"

namespace host::win32 {

using MakeHandlers = std::function<std::unique_ptr<FormEvents>(Form&)>;

// Runs the program whose start-up window is `design`; returns the exit status.
int Run(const FormDesign& design, const MakeHandlers& makeHandlers);

}  // namespace host::win32
