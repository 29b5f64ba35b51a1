// Prints the window's size and its hot areas in pixels as JSON, each with the
// name a screen reader is told, so that the drawing program paints each menu
// entry where the design puts its hot area, and with the same words.
#include <iostream>
#include <string>

#include "app/form1_design.h"

namespace {

using host::kTwipsPerPixel;

// The hot areas are the labels lying on the window itself.
bool IsHotArea(const host::ControlDesign& control) {
  return control.type == host::ControlType::Label && control.container.empty();
}

std::string IndexJson(const host::ControlDesign& control) {
  return control.index ? std::to_string(*control.index) : "null";
}

// What a screen reader calls the control; the entries' names need no escapes.
std::string_view CaptionOf(const host::ControlDesign& control) {
  for (const host::EntryDesign& entry : app::Form1Entries())
    if (entry.control == control.name && entry.index == control.index) return entry.name;
  return {};
}

void PrintHotArea(const host::ControlDesign& control) {
  const host::TwipsRect& r = control.rect;
  std::cout << "{\"name\": \"" << control.name << "\", \"index\": " << IndexJson(control)
            << ", \"caption\": \"" << CaptionOf(control) << "\""
            << ", \"left\": " << r.left / kTwipsPerPixel << ", \"top\": " << r.top / kTwipsPerPixel
            << ", \"width\": " << r.width / kTwipsPerPixel
            << ", \"height\": " << r.height / kTwipsPerPixel << "}";
}

}  // namespace

int main() {
  const host::FormDesign form = app::Form1Design();
  std::cout << "{\n  \"width\": " << form.clientWidth / kTwipsPerPixel
            << ",\n  \"height\": " << form.clientHeight / kTwipsPerPixel << ",\n  \"hotAreas\": [";
  const char* separator = "\n    ";
  for (const host::ControlDesign& control : app::Form1Controls()) {
    if (!IsHotArea(control)) continue;
    std::cout << separator;
    PrintHotArea(control);
    separator = ",\n    ";
  }
  std::cout << "\n  ]\n}\n";
}
