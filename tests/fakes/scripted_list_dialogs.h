// The line edit dialog and the search strip as a user answers them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "list/list_editing.h"

namespace dovevar {

// The dialogs as a user answers them: the line edit dialog runs `onEdit` over the buffer
// when the test confirms it, and leaves the buffer when the test cancels it.
struct ScriptedDialogs : ListEditDialogs {
  std::vector<LineEditPurpose> purposes;
  std::vector<LineBuffer> shownBuffers;  // what each dialog opened with
  std::function<void(LineBuffer&)> onEdit;  // null: the user cancels
  std::optional<std::u16string> searchText;  // null: the close box
  std::vector<std::vector<std::u16string_view>> offeredHistories;

  void editLine(LineEditPurpose purpose, LineBuffer& buffer) override {
    purposes.push_back(purpose);
    shownBuffers.push_back(buffer);
    if (onEdit) onEdit(buffer);
  }
  std::optional<std::u16string> askSearchText(const SearchHistory& history) override {
    offeredHistories.push_back(usedEntries(history));
    return searchText;
  }
};

}  // namespace dovevar
