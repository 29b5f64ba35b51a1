#include "app/form1_design.h"

#include "app/assets.h"

namespace app {

namespace {

using host::Color;
using host::ControlDesign;
using host::ControlType;

constexpr Color kPanelPink = 0x00DCB0F9;
constexpr Color kBlack = 0x00000000;
constexpr Color kWhite = 0x00FFFFFF;
constexpr Color kWindowBackground = static_cast<Color>(0x80000005);
constexpr Color kWindowText = static_cast<Color>(0x80000008);
constexpr int16_t kCyrillic = 204;
constexpr int16_t kBold = 700;

// A transparent, captionless label over a painted entry of the picture.
ControlDesign HotArea(std::string_view name, std::optional<int16_t> index, host::TwipsRect rect,
                      int16_t tabIndex) {
  return ControlDesign{
      .name = name,
      .type = ControlType::Label,
      .container = {},
      .index = index,
      .rect = rect,
      .tabIndex = tabIndex,
      .backStyle = 0,
      .mousePointer = host::pointer::kCustom,
      .mouseIcon = assets::HandCursor(),
  };
}

std::array<host::ControlDesign, kControlCount> MakeControls() {
  using namespace names;
  return {{
      {.name = kFrameList,
       .type = ControlType::PictureBox,
       .container = {},
       .index = {},
       .rect = {2745, 495, 4485, 5820},
       .tabIndex = 7,
       .visible = false,
       .backColor = kPanelPink,
       .foreColor = kWindowText,
       .fillColor = 0x00420001,
       .borderStyle = 1,
       .appearance = 0},
      {.name = kList1,
       .type = ControlType::FileListBox,
       .container = kFrameList,
       .index = {},
       .rect = {60, 435, 4335, 5295},
       .tabIndex = 10,
       .backColor = kBlack,
       .foreColor = kWhite,
       .borderStyle = 1,
       .appearance = 0},
      {.name = kLabel2,
       .type = ControlType::Label,
       .container = kFrameList,
       .index = {},
       .rect = {4155, -30, 225, 435},
       .tabIndex = 9,
       .caption = "x",
       .backStyle = 0,
       .backColor = kWindowBackground,
       .foreColor = kWindowText,
       .appearance = 0,
       .alignment = 2,
       .autoSize = true,
       .mousePointer = host::pointer::kCustom,
       .mouseIcon = assets::HandCursor(),
       .font = host::FontDesign{"MS Sans Serif", 18.0f, kBold, kCyrillic}},
      {.name = kLabel1,
       .type = ControlType::Label,
       .container = kFrameList,
       .index = {},
       .rect = {45, 75, 4050, 285},
       .tabIndex = 8,
       .caption = "Музыка MP3",
       .backColor = kPanelPink,
       .foreColor = kBlack,
       .borderStyle = 1,
       .appearance = 0,
       .alignment = 2,
       .font = host::FontDesign{"MS Sans Serif", 9.75f, kBold, kCyrillic}},
      HotArea(kQuorrelButtons, {}, {885, 6300, 1530, 525}, 15),
      HotArea(kListsButtons, 3, {405, 4005, 2190, 450}, 14),
      HotArea(kListsButtons, 2, {360, 3525, 2460, 450}, 13),
      HotArea(kListsButtons, 1, {345, 3030, 2190, 450}, 12),
      HotArea(kListsButtons, 0, {360, 2580, 2190, 450}, 11),
      HotArea(kAnonsButtons, 5, {6810, 2865, 2460, 450}, 6),
      HotArea(kCloseButton, {}, {9090, 75, 375, 360}, 5),
      HotArea(kPartsButtons, 4, {6780, 2370, 2460, 450}, 4),
      HotArea(kPartsButtons, 3, {6330, 1890, 2925, 450}, 3),
      HotArea(kPartsButtons, 2, {6810, 1425, 2460, 450}, 2),
      HotArea(kPartsButtons, 1, {6765, 945, 2460, 450}, 1),
      HotArea(kPartsButtons, 0, {6810, 480, 2460, 450}, 0),
  }};
}

using host::accessibility::Role;

constexpr std::array<host::EntryDesign, kEntryCount> kEntries = {{
    {names::kPartsButtons, 0, "первая серия", Role::PushButton},
    {names::kPartsButtons, 1, "вторая серия", Role::PushButton},
    {names::kPartsButtons, 2, "третья серия", Role::PushButton},
    {names::kPartsButtons, 3, "четвертая серия", Role::PushButton},
    {names::kPartsButtons, 4, "пятая серия", Role::PushButton},
    {names::kAnonsButtons, 5, "анонс фильма", Role::PushButton},
    {names::kListsButtons, 0, "музыка mp3", Role::PushButton},
    {names::kListsButtons, 1, "музыка midi", Role::PushButton},
    {names::kListsButtons, 2, "аудио приколы", Role::PushButton},
    {names::kListsButtons, 3, "видео клипы", Role::PushButton},
    // The panel's list, named by its title; it follows the entry that shows it.
    {names::kList1, {}, {}, Role::List, {}, names::kLabel1},
    {names::kQuorrelButtons, {}, kMakerName, Role::Link, kMakerWebAddress},
    {names::kCloseButton, {}, "Закрыть", Role::PushButton},
}};

}  // namespace

const std::array<host::EntryDesign, kEntryCount>& Form1Entries() { return kEntries; }

const std::array<host::ControlDesign, kControlCount>& Form1Controls() {
  static const auto controls = MakeControls();
  return controls;
}

host::FormDesign Form1Design() {
  return host::FormDesign{
      .name = names::kForm,
      .caption = "Zorvanta",
      .borderStyle = 0,
      .clientWidth = 9600,
      .clientHeight = 7200,
      .startUpPosition = 2,
      .keyPreview = true,
      .picture = assets::Background(),
      .icon = assets::Icon(),
      .fillColor = 0x00630003,
      .linkTopic = "Form1",
      .scaleMode = host::scale::kTwips,
      .controls = Form1Controls(),
      .entries = kEntries,
  };
}

}  // namespace app
