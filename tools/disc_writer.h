// Writes the demo disc: the episode videos and trailer the menu opens, and
// small samples in the four media folders it lists. Every byte is made here
// from code, the same on every run.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace disc {

struct WrittenFile {
  std::filesystem::path path;
  std::uintmax_t size;
};

// Creates `folder` and its media sub-folders as needed and writes every
// document into them; existing files of the same names are replaced.
// Throws std::runtime_error when a file cannot be written.
std::vector<WrittenFile> WriteDisc(const std::filesystem::path& folder);

}  // namespace disc
