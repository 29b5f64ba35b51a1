// The keys of a file list that has the keyboard: the same on every host.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// The row that Up, Down, Home, End, Page Up or Page Down selects, from
// `selected` (-1: none) among `count` rows, `page` of which fit in view; the
// first arrow with nothing selected selects the first row. -1 for any other
// key and in an empty list.
int RowAfterKey(int16_t key, int selected, int count, int page);

// The next row after `selected`, going round to the top, whose name starts
// with the character typed, case aside (Cyrillic too); `selected` when no
// name does.
int RowStartingWith(std::string_view typed, int selected, const std::vector<std::string>& names);

}  // namespace host
