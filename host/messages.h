// Everything the run time itself tells the user, the same under every host:
// its message boxes, the descriptions of its run-time errors, and the lines
// it writes on standard error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace host {

// A document handed to the shell that is not there.
constexpr std::string_view kFileNotFoundMessage = "Файл не найден";

// Descriptions of the run-time errors.
namespace text {
constexpr std::string_view kOverflow = "Переполнение";
constexpr std::string_view kDivisionByZero = "Деление на ноль";
constexpr std::string_view kPathNotFound = "Путь не найден";
constexpr std::string_view kInvalidPropertyValue = "Недопустимое значение свойства";
constexpr std::string_view kDamagedPicture = "Повреждённый рисунок";
constexpr std::string_view kInternalError = "Внутренняя ошибка";
constexpr std::string_view kNoWindow = "Не удалось создать окно";
}  // namespace text

// A name the window's design lacks, and a container it lacks.
std::string NoControlText(std::string_view name);
std::string NoContainerText(std::string_view name);
// A picture file the readers refuse, with what is wrong with it.
std::string InvalidPictureText(std::string_view what);

// The message box text for a run-time error that no handler trapped.
std::string UntrappedErrorText(int32_t number, std::string_view description);

// The opener found no program for a document; it names the document, as the
// message may come seconds after the click.
std::string NoProgramText(std::string_view document);

// Lines on standard error, each headed with the program's name.
std::string NoDisplayLine();
std::string NoDisplayOpensLine(std::string_view name);
std::string NoFontLine();
std::string ErrorLine(std::string_view message);

}  // namespace host
