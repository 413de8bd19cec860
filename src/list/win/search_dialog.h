// Dialog 8, the search strip: a drop-down of the texts searched for before and a button.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "list/list_search.h"
#include "store/messages.h"

namespace dovevar::win {

// The text confirmed with the button, or nothing when the strip was closed.
std::optional<std::u16string> runSearchDialog(HINSTANCE instance, HWND owner, const SearchHistory& history,
                                              const Messages& messages);

}  // namespace dovevar::win
