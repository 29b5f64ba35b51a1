// The menu window's code: its event handlers and its two methods. The window
// itself, and every state it keeps, belong to the host's controls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"

namespace app {

// A document or media folder the menu opens beside the program.
struct DiscEntry {
  std::string name;
  bool folder;
};

// Everything the hot areas open beside the program, so that the disc tools
// check a disc against the menu itself.
std::vector<DiscEntry> DiscEntries();

class Form1 final : public host::FormEvents {
 public:
  explicit Form1(host::Form& window) : window_(window) {}

  // Events from the host: the only way in. Each routes to the handler
  // of its object and event below.
  void Load() override;
  void KeyDown(int16_t keyCode, int16_t shift) override;
  void MouseDown(int16_t button, int16_t shift, float x, float y) override;
  void MouseMove(int16_t button, int16_t shift, float x, float y) override;
  void MouseUp(int16_t button, int16_t shift, float x, float y) override;
  void Click(std::string_view control, std::optional<int16_t> index) override;
  void DblClick(std::string_view control) override;

  // The window's two methods.
  void startList(std::string_view path, std::string_view captionName);
  void List1CloseWindow();

 private:
  void Form_Load();
  void Form_KeyDown(int16_t keyCode, int16_t shift);
  void Form_MouseDown(int16_t button, int16_t shift, float x, float y);
  void Form_MouseMove(int16_t button, int16_t shift, float x, float y);
  void Form_MouseUp(int16_t button, int16_t shift, float x, float y);
  void PartsButtons_Click(int16_t index);
  void AnonsButtons_Click(int16_t index);
  void ListsButtons_Click(int16_t index);
  void CloseButton_Click();
  void QuorrelButtons_Click();
  void Label2_Click();
  void List1_DblClick();

  host::Form& window_;
};

}  // namespace app
