// The list editing commands' dialogs on screen: the line edit dialog and the search strip.
#pragma once

#include "list/list_editing.h"
#include "list/win/line_edit_dialog.h"

namespace dovevar::win {

class WinListEditDialogs : public ListEditDialogs {
 public:
  explicit WinListEditDialogs(const LineEditContext& context) : context_(context) {}

  void editLine(LineEditPurpose purpose, LineBuffer& buffer) override;
  std::optional<std::u16string> askSearchText(const SearchHistory& history) override;

 private:
  const LineEditContext& context_;
};

}  // namespace dovevar::win
