#include "list/list_search.h"

#include "store/fixed_text.h"

namespace dovevar {

std::vector<std::u16string_view> usedEntries(const SearchHistory& history) {
  return textsBeforeFirstEmpty(history.entries);
}

void rememberSearch(SearchHistory& history, std::u16string_view text) {
  text = cutAtCharacter(text, kSearchTextCapacity);
  for (int i = 0; i + 1 < SearchHistory::kEntries; ++i) {
    if (history.entries[i].starts_with(text)) return;
  }
  for (int i = SearchHistory::kEntries - 1; i > 0; --i) {
    history.entries[i] = std::move(history.entries[i - 1]);
  }
  history.entries[0].assign(text);
}

int selectRowsContaining(DrawingList& list, std::u16string_view text) {
  int selected = 0;
  for (int row = 0; row < list.rowCount(); ++row) {
    if (list.cell(row, 0, kSortCellCapacity).find(text) != std::u16string_view::npos) {
      list.selectRow(row);
      ++selected;
    }
  }
  return selected;
}

}  // namespace dovevar
