#include "host/messages.h"

namespace host {

namespace {
constexpr std::string_view kProgram = "start: ";
}  // namespace

std::string NoControlText(std::string_view name) { return "Нет элемента " + std::string(name); }

std::string NoContainerText(std::string_view name) { return "Нет контейнера " + std::string(name); }

std::string InvalidPictureText(std::string_view what) {
  return "Недопустимый рисунок: " + std::string(what);
}

std::string UntrappedErrorText(int32_t number, std::string_view description) {
  std::string text = "Ошибка выполнения " + std::to_string(number) + ":\n\n";
  text += description;
  return text;
}

std::string NoProgramText(std::string_view document) {
  return "Не найдена программа, которая может открыть\n«" + std::string(document) + "».";
}

std::string NoDisplayLine() {
  return std::string(kProgram) +
         "no display to show the menu on (DISPLAY is not set); start it from a desktop "
         "session, or see README for a screenshot under Xvfb\n";
}

std::string NoDisplayOpensLine(std::string_view name) {
  return std::string(kProgram) + "cannot open the display \"" + std::string(name) + "\"\n";
}

std::string NoFontLine() {
  return std::string(kProgram) + "no usable font (see fontconfig); the menu shows no text\n";
}

std::string ErrorLine(std::string_view message) {
  return std::string(kProgram) + std::string(message) + "\n";
}

}  // namespace host
