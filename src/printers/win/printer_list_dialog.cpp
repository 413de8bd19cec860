#include "printers/win/printer_list_dialog.h"

#include <commctrl.h>

#include <string>

#include "platform/win/dialog_base.h"
#include "platform/win/list_view_cells.h"
#include "platform/win/wide.h"
#include "platform/win/window_dpi.h"
#include "platform/win/win_ui.h"
#include "platform/win/window_guard.h"
#include "resource.h"
#include "store/messages.h"
#include "store/text_ids.h"

namespace dovevar::win {
namespace {

constexpr int kPrinterColumnWidth = 180;
constexpr int kPaperColumnWidth = 130;

// The dialog has no buttons: Enter and Escape reach the grid, which ignores them,
// instead of becoming the dialog's OK and Cancel.
LRESULT CALLBACK keepDialogKeys(HWND grid, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR id, DWORD_PTR) {
  return guarded<LRESULT>(0, [&]() -> LRESULT {
    if (message == WM_GETDLGCODE && lParam != 0) {
      const MSG* key = reinterpret_cast<const MSG*>(lParam);
      if (key->message == WM_KEYDOWN && (key->wParam == VK_ESCAPE || key->wParam == VK_RETURN)) {
        return DLGC_WANTMESSAGE;
      }
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(grid, keepDialogKeys, id);
    return DefSubclassProc(grid, message, wParam, lParam);
  });
}

// One row per printer, its key its position; the redraw is held until all are in.
void fillGrid(HWND grid, const PrinterTable& table) {
  SendMessageW(grid, WM_SETREDRAW, FALSE, 0);
  SendMessageW(grid, LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < table.count; ++i) {
    const PrinterRecord& record = table.records[i];
    std::wstring name = toWide(record.name);
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = i;
    item.pszText = name.data();
    item.lParam = i;
    const int row = static_cast<int>(SendMessageW(grid, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    for (int slot = 0; slot < PrinterRecord::kPaperSlots; ++slot) {
      setCellText(grid, row, slot + 1, record.papers[slot]);
    }
  }
  SendMessageW(grid, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(grid, nullptr, TRUE);
}

class PrinterListDialog : public DialogBase {
 public:
  PrinterListDialog(HINSTANCE instance, PrinterTable& table, Spooler& spooler,
                    const Settings& settings, const TextTables& texts)
      : DialogBase(texts, settings.moji_type), instance_(instance), table_(table), spooler_(spooler),
        settings_(settings) {}

 protected:
  void onInit() override {
    SetWindowTextW(window(), toWide(messages().label(kLabelsD, kLabelDPrinterListCaption)).c_str());
    HWND grid = createGrid();
    buildPrinterTable(table_, spooler_, settings_, messages());
    fillGrid(grid, table_);
  }

 private:
  // The grid fills the dialog, whatever size its font gives the template.
  HWND createGrid() {
    RECT client = {};
    GetClientRect(window(), &client);
    HWND grid = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT, 0, 0, client.right,
                                client.bottom, window(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PRINTER_GRID)),
                                instance_, nullptr);
    const LPARAM extended = SendMessageW(grid, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    SendMessageW(grid, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 extended | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    SetWindowSubclass(grid, keepDialogKeys, 0, 0);
    insertColumn(grid, 0, scaled(window(), kPrinterColumnWidth), messages().label(kLabelsC, kLabelCPrinterColumn));
    const std::u16string& paper = messages().label(kLabelsC, kLabelCPaperColumn);
    for (int column = 1; column <= PrinterRecord::kPaperSlots; ++column) {
      insertColumn(grid, column, scaled(window(), kPaperColumnWidth), paper + fromWide(std::to_wstring(column)));
    }
    return grid;
  }

  HINSTANCE instance_;
  PrinterTable& table_;
  Spooler& spooler_;
  const Settings& settings_;
};

}  // namespace

void runPrinterListDialog(HINSTANCE instance, HWND owner, PrinterTable& table, Spooler& spooler,
                          const Settings& settings, const TextTables& texts) {
  PrinterListDialog dialog(instance, table, spooler, settings, texts);
  dialog.run(instance, owner, IDD_PRINTER_LIST);
}

}  // namespace dovevar::win
