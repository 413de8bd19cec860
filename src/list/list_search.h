// The search of the Drawing list: a text looked for in every row's first cell, with a
// history of the texts searched for that the search strip offers again.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "list/drawing_list.h"

namespace dovevar {

inline constexpr std::size_t kSearchTextCapacity = 256;  // 255 typed characters

struct SearchHistory {
  static constexpr int kEntries = 11;
  // Entry 0 is the most recent; an empty entry ends the used part.
  std::array<std::u16string, kEntries> entries;
};

// The used part of the history, in order.
std::vector<std::u16string_view> usedEntries(const SearchHistory& history);

// A text searched for enters the history unless one of entries 0 to 9 already begins with
// it; entry 10 then drops out. An empty text therefore never enters.
void rememberSearch(SearchHistory& history, std::u16string_view text);

// Selects every row whose first cell (read up to 259 characters) holds the text,
// case-sensitively, anywhere; the other rows keep their selection. An empty text selects
// every row. Returns the number of rows it selected.
int selectRowsContaining(DrawingList& list, std::u16string_view text);

}  // namespace dovevar
