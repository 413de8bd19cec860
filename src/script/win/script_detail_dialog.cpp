#include "script/win/script_dialogs.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "platform/win/dialog_texts.h"
#include "platform/win/control_text.h"
#include "platform/win/dialog_base.h"
#include "platform/win/list_view_cells.h"
#include "platform/win/win_ui.h"
#include "platform/win/window_dpi.h"
#include "resource.h"
#include "store/fixed_text.h"
#include "script/script_detail.h"
#include "store/text_ids.h"

namespace dovevar::win {
namespace {

constexpr std::array kCaptions = {
    ControlCaption{IDC_DETAIL_IN_USE, kLabelDInUse},
    ControlCaption{IDC_DETAIL_SET_IN_USE, kLabelDInUse},
    ControlCaption{IDC_DETAIL_TITLE_HEADING, kLabelDItemTitle},
    ControlCaption{IDC_DETAIL_OUTPUT_HEADING, kLabelDOutputMode},
    ControlCaption{IDC_DETAIL_DISPLAY_HEADING, kLabelDDisplayMode},
    ControlCaption{IDC_DETAIL_EDIT_HEADING, kLabelDEditMode},
    ControlCaption{IDC_DETAIL_WIDTH_HEADING, kLabelDWidth},
    ControlCaption{IDC_DETAIL_CHOICES_HEADING, kLabelDSelectTexts},
    ControlCaption{IDC_DETAIL_INITIAL_VALUE_HEADING, kLabelDInitialValue},
    ControlCaption{IDC_DETAIL_COMMAND_HEADING, kLabelDCommand},
    ControlCaption{IDC_DETAIL_SET_TITLE_HEADING, kLabelDSetTitle},
    ControlCaption{IDC_DETAIL_NEW, kLabelDNewItem},
    ControlCaption{IDC_DETAIL_READ, kLabelDReadItem},
    ControlCaption{IDC_DETAIL_REWRITE, kLabelDRewriteItem},
    ControlCaption{IDC_DETAIL_DELETE, kLabelDDeleteItem},
    ControlCaption{IDC_DETAIL_COPY, kLabelDCopySetItems},
    ControlCaption{IDC_DETAIL_PASTE, kLabelDPasteSetItems},
    ControlCaption{IDC_DETAIL_CLEAR, kLabelDClearSet},
    ControlCaption{IDC_DETAIL_IMPORT, kLabelDImportSetItems},
    ControlCaption{IDC_DETAIL_EXPORT, kLabelDExportSetItems},
    ControlCaption{IDC_DETAIL_CLOSE, kLabelDClose},
};

// The item list's column widths in pixels; headed by labels C042 to C054.
constexpr std::array<int, kItemListColumns> kColumnWidths = {30, 80, 60, 70, 70, 30, 60,
                                                             60, 60, 60, 60, 60, 60};
constexpr int kListWidth = 790;
constexpr int kListHeight = 370;

// The entry fields hold what the item record takes from the dialog.
constexpr std::size_t kShortText = maxLength(ScriptItem::kDialogTextCapacity);
struct FieldLimit {
  int control;
  std::size_t characters;
};
constexpr std::array kFieldLimits = {
    FieldLimit{IDC_DETAIL_TITLE, kShortText},
    FieldLimit{IDC_DETAIL_WIDTH, kShortText},
    FieldLimit{IDC_DETAIL_INITIAL_VALUE, maxLength(ScriptItem::kDialogInitialValueCapacity)},
    FieldLimit{IDC_DETAIL_COMMAND, kShortText},
    FieldLimit{IDC_DETAIL_SET_TITLE, maxLength(ScriptSet::kDialogTitleCapacity)},
};
constexpr std::array kModeBoxes = {IDC_DETAIL_OUTPUT_MODE, IDC_DETAIL_DISPLAY_MODE, IDC_DETAIL_EDIT_MODE};

int choiceControl(int choice) { return IDC_DETAIL_FIRST_CHOICE + choice; }

// The name an import proposes, as the thread's ANSI code page gives it back: characters
// it lacks become its default character.
std::u16string throughAnsiCodePage(const std::u16string& text) {
  const std::wstring wide = toWide(text);
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return text;
  std::string ansi(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), bytes, nullptr, nullptr);
  const int units = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
  if (units <= 0) return text;
  std::wstring back(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, back.data(), units);
  back.resize(static_cast<std::size_t>(units - 1));
  return fromWide(back);
}

class ScriptDetailDialog : public DialogBase {
 public:
  explicit ScriptDetailDialog(ScriptSetStore& store)
      : DialogBase(store.texts, store.language), store_(store), labels_(modeLabels(messages())),
        detail_(store.table, messages()) {}

 protected:
  void onInit() override {
    setCaption(window(), messages(), kLabelDScriptDetailCaption);
    setItemTexts(window(), messages(), kCaptions);
    limitFields();
    fillComboBox(item(IDC_DETAIL_OUTPUT_MODE), labels_.output);
    fillComboBox(item(IDC_DETAIL_DISPLAY_MODE), labels_.display);
    fillComboBox(item(IDC_DETAIL_EDIT_MODE), labels_.edit);
    createList();
    showSet();
    apply({ListChange::kRefill});
  }

  bool onCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED) return false;
    switch (id) {
      case IDC_DETAIL_READ:
        if (const std::optional<ItemFields> read = detail_.readItem(firstSelected(), labels_)) {
          show(*read);
        }
        return true;
      case IDC_DETAIL_NEW:
        apply(detail_.newItem(fields()));
        return true;
      case IDC_DETAIL_REWRITE:
        apply(detail_.rewriteItem(firstSelected(), fields()));
        return true;
      case IDC_DETAIL_DELETE:
        apply(detail_.deleteItem(firstSelected()));
        return true;
      case IDC_DETAIL_UP:
      case IDC_DETAIL_DOWN:
        moveItem(id == IDC_DETAIL_UP ? -1 : +1);
        return true;
      case IDC_DETAIL_PREVIOUS_SET:
      case IDC_DETAIL_NEXT_SET:
        apply(detail_.stepSet(setFields(), id == IDC_DETAIL_PREVIOUS_SET ? -1 : +1));
        showSet();
        return true;
      case IDC_DETAIL_COPY:
        detail_.copyItems();
        return true;
      case IDC_DETAIL_PASTE:
        apply(detail_.pasteItems());
        return true;
      case IDC_DETAIL_CLEAR:
        clearSet();
        return true;
      case IDC_DETAIL_IMPORT:
        importItems();
        return true;
      case IDC_DETAIL_EXPORT:
        detail_.exportItems(store_.files, store_.folder);
        return true;
      case IDC_DETAIL_CLOSE:
        detail_.storeSetFields(setFields());
        end(IDOK);
        return true;
      case IDOK:  // Enter leaves the dialog open
        return true;
      default:
        return false;
    }
  }

 private:
  HWND list() const { return item(IDC_DETAIL_ITEMS); }

  void limitFields() {
    for (const FieldLimit& limit : kFieldLimits) {
      SendDlgItemMessageW(window(), limit.control, EM_LIMITTEXT, limit.characters, 0);
    }
    for (int choice = 0; choice < kSelectTextCount; ++choice) {
      SendDlgItemMessageW(window(), choiceControl(choice), EM_LIMITTEXT, kShortText, 0);
    }
    for (int box : kModeBoxes) SendDlgItemMessageW(window(), box, CB_LIMITTEXT, kShortText, 0);
  }

  void createList() {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS;
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", style, 0, 0, scaled(window(), kListWidth),
                                scaled(window(), kListHeight),
                                window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_DETAIL_ITEMS)),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window(), GWLP_HINSTANCE)),
                                nullptr);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int column = 0; column < kItemListColumns; ++column) {
      insertColumn(list, column, scaled(window(), kColumnWidths[column]),
                   messages().label(kLabelsC, kLabelCItemInUseColumn + column));
    }
  }

  int firstSelected() const {
    return static_cast<int>(SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }

  void insertRow(int row) {
    const auto cells = itemListCells(detail_.editedSet().items[row], labels_);
    std::wstring first = toWide(cells[0]);
    LVITEMW entry = {};
    entry.mask = LVIF_TEXT;
    entry.iItem = row;
    entry.pszText = first.data();
    SendMessageW(list(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
    for (int column = 1; column < kItemListColumns; ++column) {
      setCellText(list(), row, column, cells[column]);
    }
  }

  // The list shows items 0 to rowCount()-1 of the edited set; a change touches the rows
  // it names, and a refill marks the row it names.
  void apply(const ListChange& change) {
    switch (change.kind) {
      case ListChange::kNone:
        return;
      case ListChange::kInsertRow:
        insertRow(change.row);
        return;
      case ListChange::kReplaceRow:
        SendMessageW(list(), LVM_DELETEITEM, change.row, 0);
        insertRow(change.row);
        return;
      case ListChange::kRemoveRow:
        SendMessageW(list(), LVM_DELETEITEM, change.row, 0);
        return;
      case ListChange::kRefill:
        SendMessageW(list(), LVM_DELETEALLITEMS, 0, 0);
        for (int row = 0; row < detail_.rowCount(); ++row) insertRow(row);
        if (change.row >= 0) mark(change.row);
        return;
    }
  }

  void mark(int row) {
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED | LVIS_DROPHILITED;
    state.state = state.stateMask;
    SendMessageW(list(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
  }

  // A move shows the set as stored: an unstored set title or flag is put back.
  void moveItem(int step) {
    const ListChange change = detail_.moveItem(firstSelected(), step);
    if (change.kind == ListChange::kNone) return;
    showSet();
    apply(change);
  }

  void clearSet() {
    const ListChange change = detail_.clearSet();
    if (change.kind == ListChange::kNone) return;
    apply(change);
    setControlText(item(IDC_DETAIL_SET_TITLE), u"");
    CheckDlgButton(window(), IDC_DETAIL_SET_IN_USE, BST_UNCHECKED);
  }

  void importItems() {
    const std::optional<std::u16string> title =
        detail_.importItems(store_.files, store_.folder, store_.lastImportedPath);
    if (!title) return;
    apply({ListChange::kRefill});
    CheckDlgButton(window(), IDC_DETAIL_SET_IN_USE, BST_CHECKED);
    setControlText(item(IDC_DETAIL_SET_TITLE), throughAnsiCodePage(*title));
  }

  void showSet() {
    const std::string number = "No" + std::to_string(store_.table.edited_set);
    SetDlgItemTextA(window(), IDC_DETAIL_SET_NUMBER, number.c_str());
    const SetFields set = detail_.setFields();
    setControlText(item(IDC_DETAIL_SET_TITLE), set.title);
    CheckDlgButton(window(), IDC_DETAIL_SET_IN_USE, set.in_use ? BST_CHECKED : BST_UNCHECKED);
  }

  SetFields setFields() const {
    return {IsDlgButtonChecked(window(), IDC_DETAIL_SET_IN_USE) == BST_CHECKED,
            controlText(item(IDC_DETAIL_SET_TITLE))};
  }

  void show(const ItemFields& fields) {
    CheckDlgButton(window(), IDC_DETAIL_IN_USE, fields.in_use ? BST_CHECKED : BST_UNCHECKED);
    setControlText(item(IDC_DETAIL_TITLE), fields.title);
    setControlText(item(IDC_DETAIL_OUTPUT_MODE), fields.output_mode);
    setControlText(item(IDC_DETAIL_DISPLAY_MODE), fields.display_mode);
    setControlText(item(IDC_DETAIL_EDIT_MODE), fields.edit_mode);
    setControlText(item(IDC_DETAIL_WIDTH), fields.width);
    for (int choice = 0; choice < kSelectTextCount; ++choice) {
      setControlText(item(choiceControl(choice)), fields.select_text[choice]);
    }
    setControlText(item(IDC_DETAIL_INITIAL_VALUE), fields.initial_value);
    setControlText(item(IDC_DETAIL_COMMAND), fields.command);
  }

  ItemFields fields() const {
    ItemFields fields;
    fields.in_use = IsDlgButtonChecked(window(), IDC_DETAIL_IN_USE) == BST_CHECKED;
    fields.title = controlText(item(IDC_DETAIL_TITLE));
    fields.output_mode = controlText(item(IDC_DETAIL_OUTPUT_MODE));
    fields.display_mode = controlText(item(IDC_DETAIL_DISPLAY_MODE));
    fields.edit_mode = controlText(item(IDC_DETAIL_EDIT_MODE));
    fields.width = controlText(item(IDC_DETAIL_WIDTH));
    for (int choice = 0; choice < kSelectTextCount; ++choice) {
      fields.select_text[choice] = controlText(item(choiceControl(choice)));
    }
    fields.initial_value = controlText(item(IDC_DETAIL_INITIAL_VALUE));
    fields.command = controlText(item(IDC_DETAIL_COMMAND));
    return fields;
  }

  ScriptSetStore& store_;
  ModeLabels labels_;
  ScriptDetail detail_;
};

}  // namespace

void runScriptDetailDialog(HINSTANCE instance, HWND owner, ScriptSetStore& store) {
  ScriptDetailDialog dialog(store);
  dialog.run(instance, owner, IDD_SCRIPT_DETAIL);
}

}  // namespace dovevar::win
