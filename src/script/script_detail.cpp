#include "script/script_detail.h"

#include <utility>

#include "store/fixed_text.h"
#include "script/script_set_file.h"
#include "store/settings_text.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

template <std::size_t Count>
void readLabels(const Messages& messages, int first, std::array<std::u16string, Count>& labels) {
  for (std::size_t mode = 0; mode < Count; ++mode) {
    labels[mode] = messages.label(kLabelsC, first + static_cast<int>(mode));
  }
}

// What an entry field of the dialog keeps of the typed text.
std::u16string dialogText(std::u16string_view typed, std::size_t capacity) {
  return std::u16string(cutAtCharacter(typed, capacity));
}

// Mode and width texts are read as numbers from their first 14 characters.
std::int32_t dialogNumber(std::u16string_view typed) {
  return settingsNumber(cutAtCharacter(typed, ScriptItem::kDialogTextCapacity));
}

bool isRow(int row, int rows) { return row >= 0 && row < rows; }

}  // namespace

ModeLabels modeLabels(const Messages& messages) {
  ModeLabels labels;
  readLabels(messages, kLabelCFirstOutputMode, labels.output);
  readLabels(messages, kLabelCFirstDisplayMode, labels.display);
  readLabels(messages, kLabelCFirstEditMode, labels.edit);
  return labels;
}

std::array<std::u16string, kItemListColumns> itemListCells(const ScriptItem& item,
                                                           const ModeLabels& labels) {
  std::array<std::u16string, kItemListColumns> cells;
  cells[0] = item.in_use != 0 ? u"ON" : u"OFF";
  cells[1] = item.title;
  cells[2] = modeText(item.output_mode, labels.output);
  cells[3] = modeText(item.display_mode, labels.display);
  cells[4] = modeText(item.edit_mode, labels.edit);
  cells[5] = decimalText(item.width);
  for (int choice = 0; choice < kSelectTextCount; ++choice) cells[6 + choice] = item.select_text[choice];
  cells[11] = item.initial_value;
  cells[12] = item.command;
  return cells;
}

ItemFields itemFields(const ScriptItem& item, const ModeLabels& labels) {
  ItemFields fields;
  fields.in_use = item.in_use != 0;
  fields.title = item.title;
  fields.output_mode = modeText(item.output_mode, labels.output);
  fields.display_mode = modeText(item.display_mode, labels.display);
  fields.edit_mode = modeText(item.edit_mode, labels.edit);
  fields.width = decimalText(item.width);
  fields.select_text = item.select_text;
  fields.initial_value = item.initial_value;
  fields.command = item.command;
  return fields;
}

ScriptItem itemFromFields(const ItemFields& fields) {
  ScriptItem item;
  item.in_use = fields.in_use ? 1 : 0;
  item.title = dialogText(fields.title, ScriptItem::kDialogTextCapacity);
  item.output_mode = dialogNumber(fields.output_mode);
  item.display_mode = dialogNumber(fields.display_mode);
  item.edit_mode = dialogNumber(fields.edit_mode);
  item.width = dialogNumber(fields.width);
  for (int choice = 0; choice < kSelectTextCount; ++choice) {
    item.select_text[choice] = dialogText(fields.select_text[choice], ScriptItem::kDialogTextCapacity);
  }
  item.initial_value = dialogText(fields.initial_value, ScriptItem::kDialogInitialValueCapacity);
  item.command = dialogText(fields.command, ScriptItem::kDialogTextCapacity);
  return item;
}

ScriptDetail::ScriptDetail(ScriptSetTable& table, Messages& messages)
    : table_(table), messages_(messages), rows_(activeRunLength(editedScriptSet(table))) {}

ListChange ScriptDetail::refill(int mark) {
  rows_ = activeRunLength(editedScriptSet(table_));
  return {ListChange::kRefill, mark};
}

std::optional<ItemFields> ScriptDetail::readItem(int selected, const ModeLabels& labels) {
  if (!isRow(selected, rows_)) {
    messages_.show(kMsgNoItemSelected);
    return std::nullopt;
  }
  return itemFields(items()[selected], labels);
}

ListChange ScriptDetail::newItem(const ItemFields& fields) {
  if (rows_ >= kScriptItemCount) {
    messages_.show(kMsgSetHasFiftyItems);
    return {};
  }
  items()[rows_] = itemFromFields(fields);
  return {ListChange::kInsertRow, rows_++};
}

ListChange ScriptDetail::rewriteItem(int selected, const ItemFields& fields) {
  if (!isRow(selected, rows_)) {
    messages_.show(kMsgNoItemSelected);
    return {};
  }
  items()[selected] = itemFromFields(fields);
  return {ListChange::kReplaceRow, selected};
}

// Items below the listed rows stay where they are: only the listed ones close up.
ListChange ScriptDetail::deleteItem(int selected) {
  if (!isRow(selected, rows_)) {
    messages_.show(kMsgNoItemSelected);
    return {};
  }
  ScriptItems& all = items();
  for (int i = selected; i + 1 < rows_; ++i) all[i] = std::move(all[i + 1]);
  all[rows_ - 1] = ScriptItem{};
  --rows_;
  return {ListChange::kRemoveRow, selected};
}

ListChange ScriptDetail::moveItem(int selected, int step) {
  if (!isRow(selected, rows_)) {
    messages_.show(kMsgNoItemSelected);
    return {};
  }
  const int partner = isRow(selected + step, rows_) ? selected + step : selected;
  std::swap(items()[selected], items()[partner]);
  return refill(partner);
}

SetFields ScriptDetail::setFields() const {
  const ScriptSet& set = editedScriptSet(table_);
  return {set.in_use != 0, set.title};
}

void ScriptDetail::storeSetFields(const SetFields& fields) {
  ScriptSet& set = editedScriptSet(table_);
  set.in_use = fields.in_use ? 1 : 0;
  set.title = dialogText(fields.title, ScriptSet::kDialogTitleCapacity);
}

ListChange ScriptDetail::stepSet(const SetFields& fields, int step) {
  storeSetFields(fields);
  if (step < 0) {
    previousEditedSet(table_);
  } else {
    nextEditedSet(table_);
  }
  return refill();
}

void ScriptDetail::copyItems() { copyEditedSetItems(table_); }

bool ScriptDetail::confirmed(int question, int cancelQuestion) {
  return messages_.show(question, Messages::kQuestion) == UiPort::kYes &&
         messages_.show(cancelQuestion, Messages::kQuestion) == UiPort::kNo;
}

ListChange ScriptDetail::pasteItems() {
  if (!confirmed(kMsgAskPasteItems, kMsgAskCancelPaste)) return {};
  pasteEditedSetItems(table_);
  return refill();
}

ListChange ScriptDetail::clearSet() {
  if (!confirmed(kMsgAskClearSet, kMsgAskCancelClear)) return {};
  clearScriptSet(editedScriptSet(table_));
  return refill();
}

std::optional<std::u16string> ScriptDetail::importItems(FileSystem& files, const std::u16string& folder,
                                                        std::u16string& lastImportedPath) {
  if (!confirmed(kMsgAskImportItems, kMsgAskCancelImport)) return std::nullopt;
  if (importScriptSetCommand(files, messages_, folder, table_, lastImportedPath) != 0) return std::nullopt;
  refill();
  return importedSetTitle(lastImportedPath);
}

void ScriptDetail::exportItems(FileSystem& files, const std::u16string& folder) {
  if (confirmed(kMsgAskExportItems, kMsgAskCancelExport)) {
    exportScriptSetCommand(files, messages_, folder, table_);
  }
}

}  // namespace dovevar
