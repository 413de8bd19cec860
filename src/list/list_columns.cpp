#include "list/list_columns.h"

#include <utility>

namespace dovevar {

std::vector<ListColumn> columnsOfSet(const ScriptSet& set) {
  std::vector<ListColumn> columns;
  for (int i : columnItems(set)) {
    const ScriptItem& item = set.items[i];
    columns.push_back(ListColumn{item.title, item.width, i});
  }
  return columns;
}

SortDirections::SortDirections() {
  directions_.fill(SortDirection::kNeverSorted);
  directions_[0] = SortDirection::kAscending;
}

SortDirection SortDirections::of(int column) const {
  if (column < 0 || column >= kMaxListColumns) {
    return SortDirection::kNeverSorted;
  }
  return directions_[column];
}

SortDirection SortDirections::flip(int column) {
  if (column < 0 || column >= kMaxListColumns) {
    return SortDirection::kNeverSorted;
  }
  SortDirection& direction = directions_[column];
  direction = direction == SortDirection::kAscending ? SortDirection::kDescending
                                                     : SortDirection::kAscending;
  return direction;
}

SortDirection SortDirections::exchange(int column, SortDirection direction) {
  if (column < 0 || column >= kMaxListColumns) {
    return SortDirection::kNeverSorted;
  }
  return std::exchange(directions_[column], direction);
}

}  // namespace dovevar
