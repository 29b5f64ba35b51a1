#include "host/fltk/desktop.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xatom.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "host/running_menu.h"

namespace host::fltk {

namespace {

// Extended window manager hints: state actions and who asks.
constexpr long kStateRemove = 0;
constexpr long kFromApplication = 1;
constexpr long kFromUser = 2;
constexpr const char* kMenuWindow = "_ZORVANTA_MENU_WINDOW";

Window claim = None;  // owns this folder's selection while the menu runs

Atom AtomNamed(const char* name) { return XInternAtom(fl_display, name, False); }

Window Root() { return RootWindow(fl_display, fl_screen); }

template <typename Value>
std::vector<Value> PropertyOf(Window window, const char* name, Atom type) {
  Atom actual = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<Value> values;
  if (XGetWindowProperty(fl_display, window, AtomNamed(name), 0, 64, False, type, &actual, &format,
                         &count, &after, &data) == Success &&
      data && format == 32) {
    const auto* items = reinterpret_cast<const Value*>(data);  // 32-bit items come as longs
    values.assign(items, items + count);
  }
  if (data) XFree(data);
  return values;
}

void AskWindowManager(Window window, const char* message, std::array<long, 5> data) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = AtomNamed(message);
  event.xclient.format = 32;
  std::copy(data.begin(), data.end(), event.xclient.data.l);
  XSendEvent(fl_display, Root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

void Raise(Window menu) {
  AskWindowManager(menu, "_NET_ACTIVE_WINDOW", {kFromUser, CurrentTime});
  XMapRaised(fl_display, menu);
  // Without a window manager nobody else would give it the focus.
  if (PropertyOf<Window>(Root(), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty())
    XSetInputFocus(fl_display, menu, RevertToParent, CurrentTime);
  XSync(fl_display, False);
}

}  // namespace

void ShowInTaskbar(const Fl_Window& window) {
  const Window xid = fl_xid(&window);
  const Atom skip = AtomNamed("_NET_WM_STATE_SKIP_TASKBAR");
  // For a window manager that has not read the state yet...
  std::vector<Atom> states = PropertyOf<Atom>(xid, "_NET_WM_STATE", XA_ATOM);
  std::erase(states, skip);
  XChangeProperty(fl_display, xid, AtomNamed("_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(states.data()),
                  static_cast<int>(states.size()));
  // ... and for one that manages the window already.
  AskWindowManager(xid, "_NET_WM_STATE",
                   {kStateRemove, static_cast<long>(skip), 0, kFromApplication});
  XFlush(fl_display);
}

bool RaiseRunningMenu(std::string_view folder) {
  const Atom selection = AtomNamed(RunningMenuName(folder).c_str());
  // Looking and claiming in one step: two starts at once see each other.
  XGrabServer(fl_display);
  const Window owner = XGetSelectionOwner(fl_display, selection);
  if (owner == None) {
    claim = XCreateSimpleWindow(fl_display, Root(), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(fl_display, selection, claim, CurrentTime);
  }
  XUngrabServer(fl_display);
  XSync(fl_display, False);
  if (owner == None) return false;
  // A menu still starting has no window yet; it shows one shortly.
  const std::vector<Window> menu = PropertyOf<Window>(owner, kMenuWindow, XA_WINDOW);
  if (!menu.empty()) Raise(menu.front());
  return true;
}

void AnnounceMenu(const Fl_Window& window) {
  if (claim == None) return;
  const Window xid = fl_xid(&window);
  XChangeProperty(fl_display, claim, AtomNamed(kMenuWindow), XA_WINDOW, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&xid), 1);
  XFlush(fl_display);
}

}  // namespace host::fltk
