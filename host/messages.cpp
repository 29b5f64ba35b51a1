#include "host/messages.h"

namespace host {

std::string UntrappedErrorText(int32_t number, std::string_view description) {
  std::string text = "Ошибка выполнения " + std::to_string(number) + ":\n\n";
  text += description;
  return text;
}

}  // namespace host
