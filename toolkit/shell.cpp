#include "toolkit/shell.h"

#include "host/host.h"

namespace toolkit {

namespace {
constexpr std::string_view kOperation = "open";
constexpr std::string_view kWorkingFolder = "";
constexpr int32_t kNoOwner = 0;
}  // namespace

void ShellOpen(std::string_view file, std::string_view parameters) {
  // The shell's answer is its own business: it tells the user itself.
  host::runtime().ShellExecute(kNoOwner, kOperation, file, parameters, kWorkingFolder,
                               host::kShowNormal);
}

void ShowMessage(std::string_view text) { host::runtime().MsgBox(text); }

}  // namespace toolkit
