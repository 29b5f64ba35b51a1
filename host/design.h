// A window's design as data: the host builds the window and its controls
// from it before the window's Load event.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "host/accessibility.h"
#include "host/host.h"

namespace host {

using Bytes = std::span<const uint8_t>;

// Designs are measured in twips; every host shows them at 96 dots per inch,
// whatever the display's scale, so pictures and hot areas stay in register.
constexpr int32_t kTwipsPerPixel = 15;

enum class ControlType { PictureBox, FileListBox, Label };

struct TwipsRect {
  int32_t left, top, width, height;
};

struct FontDesign {
  std::string_view face;
  float points;
  int16_t weight;   // 400 normal, 700 bold
  int16_t charset;  // 204 Cyrillic
};

// Property values follow the run time's own numbering: BackStyle 0
// transparent / 1 opaque, BorderStyle 0 none / 1 fixed single, Appearance 0
// flat / 1 3-D, Alignment 0 left / 1 right / 2 centre.
struct ControlDesign {
  std::string_view name;
  ControlType type;
  std::string_view container;  // empty: the window itself
  std::optional<int16_t> index;
  TwipsRect rect;
  int16_t tabIndex;

  std::string_view caption = {};
  bool visible = true;
  int16_t backStyle = 1;
  Color backColor = static_cast<Color>(0x8000000F);  // button face
  Color foreColor = static_cast<Color>(0x80000012);  // button text
  std::optional<Color> fillColor = std::nullopt;
  int16_t borderStyle = 0;
  int16_t appearance = 1;
  int16_t alignment = 0;
  bool autoSize = false;
  int16_t mousePointer = pointer::kDefault;
  Bytes mouseIcon = {};  // a .cur file, for mousePointer 99
  std::optional<FontDesign> font = std::nullopt;
};

// An entry of the window as the keyboard and a screen reader meet it: the
// control it is, and what a reader is told of it.
struct EntryDesign {
  std::string_view control;
  std::optional<int16_t> index;
  std::string_view name;  // the text painted on the entry
  accessibility::Role role;
  std::string_view value = {};       // a link's address
  std::string_view labelledBy = {};  // a label whose caption names it instead
};

struct FormDesign {
  std::string_view name;
  std::string_view caption;
  int16_t borderStyle;
  int32_t clientWidth, clientHeight;  // twips
  int16_t startUpPosition;            // 2: centre of the screen
  bool keyPreview;
  Bytes picture;  // a 24-bit .bmp, drawn unscaled at the top-left
  Bytes icon;     // a .ico
  Color fillColor;
  std::string_view linkTopic;
  int16_t scaleMode;
  std::span<const ControlDesign> controls;
  std::span<const EntryDesign> entries;  // in the order a reader meets them
};

}  // namespace host
