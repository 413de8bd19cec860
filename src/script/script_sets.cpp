#include "script/script_sets.h"

namespace dovevar {
namespace {

int lastOfDisplayModeInActiveRun(const ScriptSet& set, std::int32_t mode) {
  int found = -1;
  const int run = activeRunLength(set);
  for (int i = 0; i < run; ++i) {
    if (set.items[i].display_mode == mode) {
      found = i;
    }
  }
  return found;
}

}  // namespace

bool isScriptSetIndex(int index) { return index >= 0 && index < kScriptSetCount; }

int currentScriptSetIndex(int index) { return isScriptSetIndex(index) ? index : 0; }

ScriptSet& currentScriptSet(ScriptSetTable& table, int index) {
  return table.sets[currentScriptSetIndex(index)];
}

const ScriptSet& currentScriptSet(const ScriptSetTable& table, int index) {
  return table.sets[currentScriptSetIndex(index)];
}

void clearScriptItems(ScriptItems& items) { items.fill(ScriptItem{}); }

void clearAllScriptSets(ScriptSetTable& table) {
  for (ScriptSet& set : table.sets) {
    set.title.clear();
    clearScriptItems(set.items);
  }
}

void clearScriptSet(ScriptSet& set) {
  set.in_use = 0;
  set.title.clear();
  clearScriptItems(set.items);
}

int activeRunLength(const ScriptSet& set) {
  int run = 0;
  while (run < kScriptItemCount && set.items[run].in_use != 0) {
    ++run;
  }
  return run;
}

bool isColumnItem(const ScriptItem& item) { return item.in_use != 0 && item.display_mode != 0; }

std::vector<int> columnItems(const ScriptSet& set) {
  std::vector<int> items;
  for (int i = 0; i < kScriptItemCount; ++i) {
    if (isColumnItem(set.items[i])) {
      items.push_back(i);
    }
  }
  return items;
}

int fileNameItem(const ScriptSet& set) {
  return lastOfDisplayModeInActiveRun(set, DisplayMode::kFileName);
}

int folderItem(const ScriptSet& set) {
  return lastOfDisplayModeInActiveRun(set, DisplayMode::kFolder);
}

int columnOfItem(const ScriptSet& set, int item) {
  if (item < 0 || item >= kScriptItemCount) {
    return -1;
  }
  int column = 0;
  for (int i = 0; i < item; ++i) {
    if (isColumnItem(set.items[i])) {
      ++column;
    }
  }
  return column;
}

int itemAtShownCount(const ScriptSet& set, int count) {
  int shown = 0;
  for (int i = 0; i < kScriptItemCount; ++i) {
    if (set.items[i].display_mode == DisplayMode::kNoColumn) continue;
    if (shown == count) return i;
    ++shown;
  }
  return -1;
}

int shownItemsBefore(const ScriptSet& set, int item) {
  int shown = 0;
  for (int i = 0; i < item && i < kScriptItemCount; ++i) {
    if (set.items[i].display_mode != DisplayMode::kNoColumn) ++shown;
  }
  return shown;
}

std::u16string_view newRowCell(const ScriptItem& item, std::u16string_view file_name,
                               std::u16string_view folder, std::u16string_view date_text) {
  switch (item.display_mode) {
    case DisplayMode::kFileName:
      return file_name;
    case DisplayMode::kFolder:
      return folder;
    case DisplayMode::kDate:
      return date_text;
    case DisplayMode::kValue:
      return item.initial_value;
    default:
      return {};
  }
}

ScriptSet& editedScriptSet(ScriptSetTable& table) {
  return table.sets[currentScriptSetIndex(table.edited_set)];
}

void previousEditedSet(ScriptSetTable& table) {
  const int index = currentScriptSetIndex(table.edited_set);
  table.edited_set = index == 0 ? kScriptSetCount - 1 : index - 1;
}

void nextEditedSet(ScriptSetTable& table) {
  const int index = currentScriptSetIndex(table.edited_set);
  table.edited_set = index == kScriptSetCount - 1 ? 0 : index + 1;
}

void copyEditedSetItems(ScriptSetTable& table) { table.copy_buffer = editedScriptSet(table).items; }

void pasteEditedSetItems(ScriptSetTable& table) { editedScriptSet(table).items = table.copy_buffer; }

}  // namespace dovevar
