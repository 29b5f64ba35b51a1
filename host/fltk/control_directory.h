// The window's controls by design name and array index.
#pragma once

#include <FL/Fl_Widget.H>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "host/host.h"

namespace host::fltk {

class ControlDirectory {
 public:
  void Add(std::string_view name, std::optional<int16_t> index, Fl_Widget* control);

  // The control of that name and type, or null.
  template <typename Control>
  Control* Find(std::string_view name, std::optional<int16_t> index) const {
    const auto found = byName_.find(KeyOf(name, index));
    return found == byName_.end() ? nullptr : dynamic_cast<Control*>(found->second);
  }

  // The same, where a name the design lacks is the program's run-time error.
  template <typename Control>
  Control& Named(std::string_view name, std::optional<int16_t> index) const {
    if (Control* control = Find<Control>(name, index)) return *control;
    throw RuntimeError(err::kInvalidProperty, "Нет элемента " + std::string(name));
  }

 private:
  using Key = std::pair<std::string, int>;  // name, array index or -1
  static Key KeyOf(std::string_view name, std::optional<int16_t> index);

  std::map<Key, Fl_Widget*> byName_;
};

}  // namespace host::fltk
