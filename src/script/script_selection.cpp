#include "script/script_selection.h"

#include "store/fixed_text.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

constexpr std::size_t kTypedTitleCapacity = 259;

}  // namespace

std::vector<std::u16string_view> scriptSetChoices(const ScriptSetTable& table, int language) {
  std::vector<std::u16string_view> titles;
  for (const ScriptSet& set : table.sets) {
    if (language == kJapanese && set.title.empty()) break;
    titles.push_back(set.title);
  }
  return titles;
}

int scriptSetWithTitle(const ScriptSetTable& table, std::u16string_view title) {
  for (int index = 0; index < kScriptSetCount; ++index) {
    if (table.sets[index].title == title) return index;
  }
  return -1;
}

std::optional<int> chooseScriptSet(const ScriptSetTable& table, Messages& messages,
                                   std::u16string_view typed) {
  const std::u16string_view title = cutAtCharacter(typed, kTypedTitleCapacity);
  if (title.empty()) {
    messages.show(kMsgSetTitleEmpty);
    return std::nullopt;
  }
  const int index = scriptSetWithTitle(table, title);
  if (index < 0) {
    messages.show(kMsgSetTitleUnknown);
    return std::nullopt;
  }
  return index;
}

bool leaveScriptSelection(Messages& messages) {
  return messages.show(kMsgAskLeaveScriptSelection, Messages::kQuestion) == UiPort::kYes;
}

}  // namespace dovevar
