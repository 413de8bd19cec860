#include "list/win/win_list_edit_dialogs.h"

#include "list/win/search_dialog.h"

namespace dovevar::win {

void WinListEditDialogs::editLine(LineEditPurpose purpose, LineBuffer& buffer) {
  runLineEditDialog(context_, purpose, buffer);
}

std::optional<std::u16string> WinListEditDialogs::askSearchText(const SearchHistory& history) {
  return runSearchDialog(context_.instance, context_.owner, history, context_.messages);
}

}  // namespace dovevar::win
