#include "host/fltk/accessibility_bus.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <dlfcn.h>

#include <cstdlib>
#include <string_view>

namespace host::fltk {

namespace {

// libdbus's calls, declared here so that the build needs none of its files.
// A null error pointer asks for no error report.
struct Connection;
using OpenPrivate = Connection* (*)(const char* address, void* error);
using Register = int (*)(Connection* connection, void* error);
using HasOwner = int (*)(Connection* connection, const char* name, void* error);
using Close = void (*)(Connection* connection);

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

bool OnRootWindow() {
  const Atom bus = XInternAtom(fl_display, "AT_SPI_BUS", True);
  if (bus == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long items = 0, left = 0;
  unsigned char* value = nullptr;
  const bool found =
      XGetWindowProperty(fl_display, RootWindow(fl_display, fl_screen), bus, 0, 1024, False,
                         AnyPropertyType, &type, &format, &items, &left, &value) == Success &&
      items > 0;
  if (value) XFree(value);
  return found;
}

// Only a session bus the environment names: libdbus would otherwise launch one.
bool OwnedOnSessionBus() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (!address || !*address) return false;
  void* library = dlopen("libdbus-1.so.3", RTLD_NOW | RTLD_LOCAL);
  if (!library) return false;
  const auto open = reinterpret_cast<OpenPrivate>(dlsym(library, "dbus_connection_open_private"));
  const auto hello = reinterpret_cast<Register>(dlsym(library, "dbus_bus_register"));
  const auto owned = reinterpret_cast<HasOwner>(dlsym(library, "dbus_bus_name_has_owner"));
  const auto close = reinterpret_cast<Close>(dlsym(library, "dbus_connection_close"));
  const auto unref = reinterpret_cast<Close>(dlsym(library, "dbus_connection_unref"));
  bool runs = false;
  if (open && hello && owned && close && unref)
    if (Connection* session = open(address, nullptr)) {
      runs = hello(session, nullptr) && owned(session, "org.a11y.Bus", nullptr);
      close(session);
      unref(session);
    }
  return runs;  // the library stays: the bridge would bring it back
}

}  // namespace

bool AccessibilityBusRuns() {
  if (const char* off = std::getenv("NO_AT_BRIDGE"); off && std::string_view(off) == "1")
    return false;
  return Set("AT_SPI_BUS_ADDRESS") || OnRootWindow() || OwnedOnSessionBus();
}

}  // namespace host::fltk
