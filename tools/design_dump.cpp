// Prints the window's size and its hot areas in pixels as JSON, so that the
// drawing program paints each menu entry where the design puts its hot area.
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

void PrintHotArea(const host::ControlDesign& control) {
  const host::TwipsRect& r = control.rect;
  std::cout << "{\"name\": \"" << control.name << "\", \"index\": " << IndexJson(control)
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
