// What a screen reader is told of a window, and what it may ask of it. Each
// host's accessibility bridge (the system's own protocol: Microsoft Active
// Accessibility on Windows, AT-SPI on Linux) reads the window through this
// and drives it; nothing here names a toolkit or a system type.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"

namespace host::accessibility {

enum class Role { PushButton, Link, List };

// One entry of the window, as a reader meets it.
struct Entry {
  std::string name;
  Role role = Role::PushButton;
  std::string value;  // a link's address
  Rect rect;          // in the window's pixels on the screen
  bool focusable = true;
  bool focused = false;
  // A list's rows, and which one is selected (none: -1).
  std::vector<std::string> rows;
  int selectedRow = -1;
};

// The window as its bridge sees it. Entry numbers count from 0 in reading
// order and hold until the next EntriesChanged.
class Window {
 public:
  virtual std::string Title() const = 0;
  virtual std::vector<Entry> Entries() const = 0;
  virtual std::optional<size_t> FocusedEntry() const = 0;
  // Whether the window has the keyboard now.
  virtual bool Active() const = 0;
  // Moves the keyboard focus to the entry.
  virtual void Focus(size_t entry) = 0;
  // What a click on the entry does, through the same handler.
  virtual void DoDefaultAction(size_t entry) = 0;

 protected:
  ~Window() = default;
};

// What a bridge hears of the window, to tell the screen reader.
class Listener {
 public:
  virtual void FocusMoved() = 0;
  virtual void EntriesChanged() = 0;
  virtual void ActiveChanged() = 0;

 protected:
  ~Listener() = default;
};

}  // namespace host::accessibility
