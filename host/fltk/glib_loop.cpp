#include "host/fltk/glib_loop.h"

#include <FL/Fl.H>
#include <poll.h>

namespace host::fltk {

namespace {

int FltkEvents(gushort events) {
  return ((events & (G_IO_IN | G_IO_HUP | G_IO_ERR)) ? FL_READ : 0) |
         ((events & G_IO_OUT) ? FL_WRITE : 0) | ((events & G_IO_PRI) ? FL_EXCEPT : 0);
}

}  // namespace

GlibLoop::GlibLoop(const AtkLibrary& glib) : glib_(glib), context_(glib.g_main_context_default()) {
  glib_.g_main_context_acquire(context_);
  Prepare();
  Fl::add_check(BeforeWaiting, this);
}

GlibLoop::~GlibLoop() {
  Fl::remove_check(BeforeWaiting, this);
  Unwatch();
  glib_.g_main_context_release(context_);
}

void GlibLoop::Ready(int, void* self) { static_cast<GlibLoop*>(self)->Turn(); }

void GlibLoop::BeforeWaiting(void* self) { static_cast<GlibLoop*>(self)->Turn(); }

void GlibLoop::TimedOut(void* self) {
  auto* loop = static_cast<GlibLoop*>(self);
  loop->timing_ = false;
  loop->Turn();
}

void GlibLoop::Turn() {
  Unwatch();
  // Which descriptors are ready, as the context's own poll would say.
  poll(reinterpret_cast<pollfd*>(descriptors_.data()), descriptors_.size(), 0);
  const gint count = static_cast<gint>(descriptors_.size());
  if (glib_.g_main_context_check(context_, priority_, descriptors_.data(), count))
    glib_.g_main_context_dispatch(context_);
  Prepare();
}

void GlibLoop::Prepare() {
  glib_.g_main_context_prepare(context_, &priority_);
  gint timeout = -1;
  descriptors_.resize(8);
  for (;;) {
    const gint capacity = static_cast<gint>(descriptors_.size());
    const gint needed =
        glib_.g_main_context_query(context_, priority_, &timeout, descriptors_.data(), capacity);
    descriptors_.resize(static_cast<size_t>(needed));
    if (needed <= capacity) break;
  }
  for (GPollFD& descriptor : descriptors_) {
    descriptor.revents = 0;
    Fl::add_fd(descriptor.fd, FltkEvents(descriptor.events), Ready, this);
  }
  if (timeout >= 0) {
    Fl::add_timeout(timeout / 1000.0, TimedOut, this);
    timing_ = true;
  }
}

void GlibLoop::Unwatch() {
  for (const GPollFD& descriptor : descriptors_) Fl::remove_fd(descriptor.fd);
  if (timing_) Fl::remove_timeout(TimedOut, this);
  timing_ = false;
}

}  // namespace host::fltk
