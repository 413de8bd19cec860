// The script detail dialog's operations on the Script set table. The dialog shows items
// 0 to rowCount()-1 of the edited set in its item list and moves the entry fields'
// texts in and out; every rule, limit and question is here.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "script/script_sets.h"
#include "store/messages.h"

namespace dovevar {

inline constexpr int kItemListColumns = 13;

// The mode labels of the UI language, by mode number: output C055 to C059, display C060
// to C064, edit C065 to C070. Each begins with its own number, so that a label stored
// back from a combo box gives its mode.
struct ModeLabels {
  std::array<std::u16string, OutputMode::kCount> output;
  std::array<std::u16string, DisplayMode::kCount> display;
  std::array<std::u16string, EditMode::kCount> edit;
};
ModeLabels modeLabels(const Messages& messages);

// A mode's label, or "Error" for a value outside the labels.
template <std::size_t Count>
std::u16string modeText(std::int32_t mode, const std::array<std::u16string, Count>& labels) {
  if (mode < 0 || static_cast<std::size_t>(mode) >= Count) return u"Error";
  return labels[static_cast<std::size_t>(mode)];
}

// The thirteen cells of an item's row: ON/OFF, title, the three modes, width, the five
// choices, initial value, command.
std::array<std::u16string, kItemListColumns> itemListCells(const ScriptItem& item,
                                                           const ModeLabels& labels);

// The entry fields of one item, as shown and as the user left them.
struct ItemFields {
  bool in_use = false;
  std::u16string title;
  std::u16string output_mode;  // a label, or whatever the user typed
  std::u16string display_mode;
  std::u16string edit_mode;
  std::u16string width;
  std::array<std::u16string, kSelectTextCount> select_text;
  std::u16string initial_value;
  std::u16string command;
};
ItemFields itemFields(const ScriptItem& item, const ModeLabels& labels);

// The item the fields store: texts cut to what the dialog accepts (14 characters, 126
// for the initial value) at a character boundary; modes and width as the number their
// first 14 characters begin with (0 when none).
ScriptItem itemFromFields(const ItemFields& fields);

// The edited set's own fields, which reach the table only when stored.
struct SetFields {
  bool in_use = false;
  std::u16string title;
};

// How the item list follows an operation.
struct ListChange {
  enum Kind { kNone, kRefill, kInsertRow, kReplaceRow, kRemoveRow };
  Kind kind = kNone;
  int row = -1;  // the row inserted, replaced or removed; after a refill, the row to mark
};

class ScriptDetail {
 public:
  // The list starts filled with the edited set's active run.
  ScriptDetail(ScriptSetTable& table, Messages& messages);

  const ScriptSet& editedSet() const { return editedScriptSet(table_); }
  int rowCount() const { return rows_; }

  // Operations on the first selected row (-1: none, then message 37 and nothing changes).
  std::optional<ItemFields> readItem(int selected, const ModeLabels& labels);
  ListChange newItem(const ItemFields& fields);  // message 38 with 50 rows listed
  ListChange rewriteItem(int selected, const ItemFields& fields);
  ListChange deleteItem(int selected);
  ListChange moveItem(int selected, int step);  // step -1 up, +1 down

  SetFields setFields() const;
  // The set title is cut to 62 characters at a character boundary.
  void storeSetFields(const SetFields& fields);
  // Stores the set fields, then steps to the previous (-1) or next (+1) set, wrapping.
  ListChange stepSet(const SetFields& fields, int step);

  void copyItems();
  // Each asks its two questions and runs after Yes to the first and No to the second.
  ListChange pasteItems();
  ListChange clearSet();
  // Gives the imported file's name up to its last point for the set title field, or
  // nothing when the import was not done (message 45).
  std::optional<std::u16string> importItems(FileSystem& files, const std::u16string& folder,
                                            std::u16string& lastImportedPath);
  void exportItems(FileSystem& files, const std::u16string& folder);

 private:
  bool confirmed(int question, int cancelQuestion);
  ListChange refill(int mark = -1);
  ScriptItems& items() { return editedScriptSet(table_).items; }

  ScriptSetTable& table_;
  Messages& messages_;
  int rows_ = 0;
};

}  // namespace dovevar
