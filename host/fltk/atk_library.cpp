#include "host/fltk/atk_library.h"

#include <dlfcn.h>

namespace host::fltk {

namespace {

// The bridge brings ATK, GLib and GObject with it; its handle finds them all.
constexpr const char* kBridge = "libatk-bridge-2.0.so.0";

AtkLibrary* Open() {
  void* bridge = dlopen(kBridge, RTLD_NOW | RTLD_LOCAL);
  if (!bridge) return nullptr;
  static AtkLibrary library;
  bool complete = true;
#define ZORVANTA_ATK_LOOKUP(name)                                                \
  library.name = reinterpret_cast<decltype(library.name)>(dlsym(bridge, #name)); \
  complete = complete && library.name;
  ZORVANTA_ATK_FUNCTIONS(ZORVANTA_ATK_LOOKUP)
#undef ZORVANTA_ATK_LOOKUP
  if (complete) return &library;
  dlclose(bridge);
  return nullptr;
}

}  // namespace

const AtkLibrary* OpenAtk() {
  static const AtkLibrary* library = Open();
  return library;
}

}  // namespace host::fltk
