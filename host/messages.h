// What the run time itself tells the user, the same under every host.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace host {

// A document handed to the shell that is not there.
constexpr std::string_view kFileNotFoundMessage = "Файл не найден";

// The message box text for a run-time error that no handler trapped.
std::string UntrappedErrorText(int32_t number, std::string_view description);

}  // namespace host
