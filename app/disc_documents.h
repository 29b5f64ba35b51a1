// The documents the menu opens beside itself on the disc, named as the disc
// holds them; the disc writer makes them under the same names.
#pragma once

#include <string_view>

namespace app::documents {

// Episode n is kEpisodePrefix + n + kEpisodeSuffix, n from 1.
constexpr std::string_view kEpisodePrefix = "Zorvanta - серия ";
constexpr std::string_view kEpisodeSuffix = ".avi";
constexpr int kEpisodeCount = 5;
constexpr std::string_view kTrailer = "Zorvanta - анонс фильма 2005.avi";

}  // namespace app::documents
