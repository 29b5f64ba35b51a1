#include "host/messages.h"

#include <initializer_list>

namespace host {

namespace {

constexpr std::string_view kProgram = "start: ";

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) text += part;
  return text;
}

}  // namespace

std::string NoControlText(std::string_view name) { return Joined({"Нет элемента ", name}); }

std::string NoContainerText(std::string_view name) { return Joined({"Нет контейнера ", name}); }

std::string InvalidPictureText(std::string_view what) {
  return Joined({"Недопустимый рисунок: ", what});
}

std::string UntrappedErrorText(int32_t number, std::string_view description) {
  return Joined({"Ошибка выполнения ", std::to_string(number), ":\n\n", description});
}

std::string NoProgramText(std::string_view document) {
  return Joined({"Не найдена программа, которая может открыть\n«", document, "»."});
}

std::string NoDisplayLine() {
  return Joined({kProgram,
                 "no display to show the menu on (DISPLAY is not set); start it from a desktop "
                 "session, or see README for a screenshot under Xvfb\n"});
}

std::string NoDisplayOpensLine(std::string_view name) {
  return Joined({kProgram, "cannot open the display \"", name, "\"\n"});
}

std::string NoFontLine() {
  return Joined({kProgram, "no usable font (see fontconfig); the menu shows no text\n"});
}

std::string ErrorLine(std::string_view message) { return Joined({kProgram, message, "\n"}); }

}  // namespace host
