// Which files a file list shows of a folder, and in what order. Every host
// lists through this, so that a disc shows the same list everywhere.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace host {

// One entry of a folder as the system reports it.
struct FolderEntry {
  std::string name;  // UTF-8, as the folder holds it
  bool folder = false;
  bool hidden = false;  // by the system's own mark
};

// The entries of a folder of the system, "." and ".." among them; a folder
// that cannot be listed raises err::kPathNotFound. Each system defines it in
// its own folder (posix/, win32/).
std::vector<FolderEntry> ReadFolder(const std::string& native);

// The names a file list shows: files only, hidden ones and names starting
// with "." left out, in case-blind natural order.
std::vector<std::string> ListedFiles(std::vector<FolderEntry> entries);

// Case-blind natural order: runs of digits compare by their value, so
// "клип 2" comes before "клип 10"; Latin and Cyrillic letters ignore case
// ("арбуз" before "Баня"), and "ё" stands with "е" ("Ёж" beside "Ель").
bool NaturalLess(std::string_view a, std::string_view b);

}  // namespace host
