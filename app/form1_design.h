// The menu window's design: the window, its sixteen controls, and the texts
// and places the handlers and the drawing program share.
#pragma once

#include <array>
#include <string_view>

#include "host/design.h"

namespace app {

// Control names, as the handlers are bound to them.
namespace names {
constexpr std::string_view kForm = "Form1";
constexpr std::string_view kFrameList = "FrameList";
constexpr std::string_view kList1 = "List1";
constexpr std::string_view kLabel1 = "Label1";
constexpr std::string_view kLabel2 = "Label2";
constexpr std::string_view kQuorrelButtons = "QuorrelButtons";
constexpr std::string_view kListsButtons = "ListsButtons";
constexpr std::string_view kAnonsButtons = "AnonsButtons";
constexpr std::string_view kCloseButton = "CloseButton";
constexpr std::string_view kPartsButtons = "PartsButtons";
}  // namespace names

constexpr int kControlCount = 16;

// The controls in design order, which is also the order of creation.
const std::array<host::ControlDesign, kControlCount>& Form1Controls();

// The whole window, pictures included.
host::FormDesign Form1Design();

}  // namespace app
