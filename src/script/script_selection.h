// The script selection dialog's rules: the titles its combo box lists and the set a
// typed title chooses. The dialog itself only moves texts between its controls and these.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "script/script_sets.h"
#include "store/messages.h"

namespace dovevar {

// The titles of sets 0 to 19 in order. The Japanese interface stops before the first
// empty title; the others list all twenty, empty ones as empty entries.
std::vector<std::u16string_view> scriptSetChoices(const ScriptSetTable& table, int language);

// The lowest-numbered set whose title equals the text exactly, case included; -1 when none.
int scriptSetWithTitle(const ScriptSetTable& table, std::u16string_view title);

// Confirm: the set the typed text names, or nothing after message 34 (empty text) or 35
// (no set has that title). The text is read as a buffer of 259 code units would hold it.
std::optional<int> chooseScriptSet(const ScriptSetTable& table, Messages& messages,
                                   std::u16string_view typed);

// Cancel: true when the user answers Yes to question 36.
bool leaveScriptSelection(Messages& messages);

}  // namespace dovevar
