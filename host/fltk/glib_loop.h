// GLib's default main context, turned by FLTK's event loop, so that the
// accessibility bridge's connection is served while the menu waits for
// events: each round of the context is prepared, its descriptors and its
// timeout handed to FLTK, and checked and dispatched when one of them fires,
// or before FLTK waits: what the program's own calls queued meanwhile (the
// bridge's first registration, a focus event) then goes out at once.
#pragma once

#include <vector>

#include "host/fltk/atk_library.h"

namespace host::fltk {

class GlibLoop {
 public:
  explicit GlibLoop(const AtkLibrary& glib);
  ~GlibLoop();
  GlibLoop(const GlibLoop&) = delete;
  GlibLoop& operator=(const GlibLoop&) = delete;

 private:
  static void Ready(int fd, void* self);
  static void TimedOut(void* self);
  static void BeforeWaiting(void* self);
  // Dispatches what is ready, then waits for the next round.
  void Turn();
  void Prepare();
  void Unwatch();

  const AtkLibrary& glib_;
  GMainContext* context_;
  std::vector<GPollFD> descriptors_;
  gint priority_ = 0;
  bool timing_ = false;
};

}  // namespace host::fltk
