#include "collect/win/folder_select_dialog.h"

#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "platform/win/dialog_texts.h"
#include "collect/recent_folders.h"
#include "collect/win/folder_chooser_dialog.h"
#include "platform/win/control_text.h"
#include "platform/win/dialog_base.h"
#include "platform/win/list_view_cells.h"
#include "platform/win/wide.h"
#include "platform/win/window_dpi.h"
#include "platform/win/win_ui.h"
#include "resource.h"
#include "store/messages.h"
#include "store/text_ids.h"

namespace dovevar::win {
namespace {

constexpr int kListTop = 40;
constexpr int kListSize = 400;
constexpr int kNameColumnWidth = 200;
constexpr int kDateColumnWidth = 120;
constexpr int kIconSize = 12;

// The folder list's seven icons, drawn here: a dot entry, a folder, then fixed, CD-ROM,
// removable, network and RAM drives, each a small coloured shape.
HIMAGELIST createFolderIcons() {
  constexpr std::array<COLORREF, 7> kColours = {
      RGB(160, 160, 160), RGB(236, 196, 64), RGB(96, 96, 112),  RGB(64, 128, 200),
      RGB(80, 160, 96),   RGB(176, 96, 176), RGB(200, 96, 64),
  };
  HIMAGELIST icons = ImageList_Create(kIconSize, kIconSize, ILC_COLOR24 | ILC_MASK,
                                      static_cast<int>(kColours.size()), 0);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  for (std::size_t i = 0; i < kColours.size(); ++i) {
    HBITMAP picture = CreateCompatibleBitmap(screen, kIconSize, kIconSize);
    HGDIOBJ old = SelectObject(dc, picture);
    const RECT all = {0, 0, kIconSize, kIconSize};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HBRUSH brush = CreateSolidBrush(kColours[i]);
    // Folders have a tab; drives are a flat box; the dot entry a small square.
    const RECT body = i == 0 ? RECT{3, 3, 9, 9} : i == 1 ? RECT{0, 3, 12, 11} : RECT{0, 4, 12, 10};
    FillRect(dc, &body, brush);
    if (i == 1) {
      const RECT tab = {0, 1, 5, 3};
      FillRect(dc, &tab, brush);
    }
    DeleteObject(brush);
    SelectObject(dc, old);
    ImageList_AddMasked(icons, picture, RGB(255, 255, 255));
    DeleteObject(picture);
  }
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return icons;
}

std::u16string rowName(HWND list, int row) {
  std::wstring text(MAX_PATH, L'\0');
  LVITEMW item = {};
  item.iSubItem = 0;
  item.pszText = text.data();
  item.cchTextMax = MAX_PATH;
  const auto length = SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  text.resize(static_cast<std::size_t>(length));
  return fromWide(text);
}

class FolderSelectDialog : public DialogBase {
 public:
  FolderSelectDialog(HINSTANCE instance, FileSystem& files, DrawingList& list, const ScriptSet& current,
                     Settings& settings, const TextTables& texts, FolderSelectTypes& types)
      : DialogBase(texts, settings.moji_type), instance_(instance), files_(files), list_(list),
        current_(current), settings_(settings), types_(types) {}

 protected:
  void onInit() override {
    setCaption(window(), messages(), kLabelDFolderSelectCaption);
    setItemText(window(), IDC_FOLDER_SELECT_TYPE_HEADING, messages(), kLabelDDrawingTypeHeading);
    setItemText(window(), IDC_FOLDER_SELECT_READ, messages(), kLabelDReadDrawings);
    fitClientArea();
    placeTopControls();
    createFolderList();
    CheckRadioButton(window(), IDC_FOLDER_SELECT_DWG, IDC_FOLDER_SELECT_BOTH,
                     IDC_FOLDER_SELECT_DWG + static_cast<int>(types_));

    const int choice = runFolderChooser(instance_, window(), settings_, messages(), kFolderSelectDialog);
    const std::optional<std::u16string> start = folderSelectStartFolder(settings_, choice);
    if (!start) {
      end(IDCANCEL);
      return;
    }
    settings_.file_folder = *start;
    showCurrentFolder();
  }

  bool onCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED) return false;
    if (id >= IDC_FOLDER_SELECT_DWG && id <= IDC_FOLDER_SELECT_BOTH) {
      types_ = static_cast<FolderSelectTypes>(id - IDC_FOLDER_SELECT_DWG);
      return true;
    }
    if (id == IDC_FOLDER_SELECT_READ) {
      readSelected();
      return true;
    }
    return false;
  }

  LRESULT onNotify(NMHDR* header) override {
    if (header->idFrom == IDC_FOLDER_SELECT_LIST && header->code == NM_DBLCLK) openSelected();
    return 0;
  }

 private:
  // Lengths in pixels at 96 DPI, placed at the dialog's DPI.
  int px(int designPixels) const { return scaled(window(), designPixels); }

  // The folder list takes 400 by 400 pixels below the first 40, whatever the font
  // makes of the template's size.
  void fitClientArea() {
    RECT frame = {0, 0, px(kListSize), px(kListTop + kListSize)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(window(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER);
  }

  // The controls above the list, in pixels: the type heading and buttons and the read
  // button on the first line, the current folder on the second.
  void placeTopControls() {
    struct Place {
      int id, x, y, width, height;
    };
    static constexpr Place kPlaces[] = {
        {IDC_FOLDER_SELECT_TYPE_HEADING, 4, 4, 76, 16}, {IDC_FOLDER_SELECT_DWG, 82, 2, 52, 18},
        {IDC_FOLDER_SELECT_DXF, 136, 2, 52, 18},        {IDC_FOLDER_SELECT_BOTH, 190, 2, 96, 18},
        {IDC_FOLDER_SELECT_READ, 290, 1, 106, 19},      {IDC_FOLDER_SELECT_CURRENT, 2, 22, 396, 16},
    };
    for (const Place& place : kPlaces) {
      SetWindowPos(item(place.id), nullptr, px(place.x), px(place.y), px(place.width), px(place.height),
                   SWP_NOZORDER);
    }
  }

  void createFolderList() {
    folders_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 0,
                               px(kListTop), px(kListSize), px(kListSize), window(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FOLDER_SELECT_LIST)),
                               instance_, nullptr);
    // The list view owns the image list and destroys it with itself.
    SendMessageW(folders_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(createFolderIcons()));
    insertColumn(folders_, 0, px(kNameColumnWidth), messages().label(kLabelsC, kLabelCFolderNameColumn));
    insertColumn(folders_, 1, px(kDateColumnWidth), messages().label(kLabelsC, kLabelCFolderDateColumn));
  }

  void showCurrentFolder() {
    setControlText(item(IDC_FOLDER_SELECT_CURRENT), settings_.file_folder);
    const std::vector<FolderListRow> rows = folderListRows(files_, settings_.file_folder);
    SendMessageW(folders_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(folders_, LVM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
      std::wstring name = toWide(rows[i].name);
      LVITEMW row = {};
      row.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
      row.iItem = i;
      row.pszText = name.data();
      row.iImage = rows[i].image;
      row.lParam = i;
      SendMessageW(folders_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
      setCellText(folders_, i, 1, rows[i].date);
    }
    SendMessageW(folders_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(folders_, nullptr, TRUE);
  }

  int firstSelectedRow() const {
    return static_cast<int>(SendMessageW(folders_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }

  void openSelected() {
    const int row = firstSelectedRow();
    if (row < 0) return;
    settings_.file_folder = folderAfterDoubleClick(settings_.file_folder, rowName(folders_, row));
    showCurrentFolder();
  }

  // Each selected row, first to last, loses its selection and focus as it is read.
  void readSelected() {
    std::vector<std::u16string> names;
    for (int row = firstSelectedRow(); row >= 0; row = firstSelectedRow()) {
      names.push_back(rowName(folders_, row));
      LVITEMW state = {};
      state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(folders_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }
    switch (readSelectedFolders(files_, list_, current_, settings_, names, types_)) {
      case FolderReadResult::kRead:
        end(IDOK);
        break;
      case FolderReadResult::kNoneSelected:
        messages().show(kMsgFolderSelectNoFolderChosen);
        break;
      case FolderReadResult::kNothingFound:
        messages().show(kMsgFolderSelectNothingAdded);
        break;
    }
  }

  HINSTANCE instance_;
  FileSystem& files_;
  DrawingList& list_;
  const ScriptSet& current_;
  Settings& settings_;
  FolderSelectTypes& types_;
  HWND folders_ = nullptr;
};

}  // namespace

void runFolderSelectDialog(HINSTANCE instance, HWND owner, FileSystem& files, DrawingList& list,
                           const ScriptSet& current, Settings& settings, const TextTables& texts,
                           FolderSelectTypes& types) {
  FolderSelectDialog dialog(instance, files, list, current, settings, texts, types);
  dialog.run(instance, owner, IDD_FOLDER_SELECT);
}

}  // namespace dovevar::win
