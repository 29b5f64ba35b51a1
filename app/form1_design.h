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

// The maker, whose name the picture shows, and its web page. Its real
// address is not known to us.
constexpr std::string_view kMakerName = "Quorrel";
constexpr std::string_view kMakerWebAddress = "https://quorrel.example/";

constexpr int kControlCount = 16;
constexpr int kEntryCount = 13;

// The controls in design order, which is also the order of creation.
const std::array<host::ControlDesign, kControlCount>& Form1Controls();

// The painted entries and the list, in the order a reader meets them, with
// what a screen reader calls each: the text the picture shows on it.
const std::array<host::EntryDesign, kEntryCount>& Form1Entries();

// The whole window, pictures included.
host::FormDesign Form1Design();

}  // namespace app
