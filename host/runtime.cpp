#include <stdexcept>

#include "host/host.h"

namespace host {

namespace {
Runtime* installed = nullptr;
}

Runtime& runtime() {
  if (!installed) throw std::logic_error("no run time installed");
  return *installed;
}

void install(Runtime* runtime) { installed = runtime; }

void uninstall(Runtime* runtime) {
  if (installed == runtime) installed = nullptr;
}

}  // namespace host
