#include "host/fltk/control_directory.h"

namespace host::fltk {

void ControlDirectory::Add(std::string_view name, std::optional<int16_t> index,
                           Fl_Widget* control) {
  byName_[KeyOf(name, index)] = control;
}

ControlDirectory::Key ControlDirectory::KeyOf(std::string_view name, std::optional<int16_t> index) {
  return {std::string(name), index.value_or(-1)};
}

}  // namespace host::fltk
