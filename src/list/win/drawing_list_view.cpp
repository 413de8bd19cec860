#include "list/win/drawing_list_view.h"

#include <algorithm>

#include "app/dpi_scale.h"
#include "platform/win/wide.h"

namespace dovevar::win {
namespace {

constexpr UINT kViewStateMask = LVIS_SELECTED | LVIS_FOCUSED;

UINT modelToView(std::uint8_t state) {
  UINT view = 0;
  if (state & RowState::kSelected) view |= LVIS_SELECTED;
  if (state & RowState::kFocused) view |= LVIS_FOCUSED;
  return view;
}

}  // namespace

bool DrawingListView::create(HWND parent, HINSTANCE instance) {
  // Clipped by its siblings: the cell editors lie over it and must not be painted over.
  window_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | LVS_REPORT | LVS_OWNERDATA,
                            0, scaledToDpi(40, dpi_), 100, 100,
                            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), instance,
                            nullptr);
  if (window_ == nullptr) return false;
  SendMessageW(window_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  const int icon = scaledToDpi(12, dpi_);
  HIMAGELIST images = ImageList_Create(icon, icon, ILC_MASK, 2, 0);
  SendMessageW(window_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  // The drop-highlight flag is the model's; the view asks for it with each row.
  SendMessageW(window_, LVM_SETCALLBACKMASK, LVIS_DROPHILITED, 0);
  return true;
}

void DrawingListView::showColumns(const std::vector<int>& designWidths) {
  SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  HWND header = reinterpret_cast<HWND>(SendMessageW(window_, LVM_GETHEADER, 0, 0));
  int existing = header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  while (existing-- > 0) SendMessageW(window_, LVM_DELETECOLUMN, 0, 0);
  int index = 0;
  for (const ListColumn& column : list_.columns()) {
    std::wstring title = toWide(column.title);
    LVCOLUMNW entry = {};
    entry.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    entry.fmt = LVCFMT_LEFT;
    const bool given = index < static_cast<int>(designWidths.size()) && designWidths[index] > 0;
    entry.cx = scaledToDpi(given ? designWidths[index] : column.width, dpi_);
    entry.pszText = title.data();
    entry.iSubItem = index;
    SendMessageW(window_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry));
    ++index;
  }
  SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window_, nullptr, TRUE);
}

std::vector<int> DrawingListView::designWidths() const {
  std::vector<int> widths;
  if (window_ == nullptr) return widths;
  for (int column = 0; column < static_cast<int>(list_.columns().size()); ++column) {
    widths.push_back(designPixels(static_cast<int>(SendMessageW(window_, LVM_GETCOLUMNWIDTH, column, 0)), dpi_));
  }
  return widths;
}

void DrawingListView::showRows() {
  showing_ = true;
  SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(window_, LVM_SETITEMCOUNT, static_cast<WPARAM>(list_.rowCount()), LVSICF_NOSCROLL);
  // Clear the view's selection and focus, then set those of the model's marked rows.
  LVITEMW clear = {};
  clear.stateMask = kViewStateMask;
  SendMessageW(window_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
  for (int row = list_.nextSelectedRow(-1); row >= 0; row = list_.nextSelectedRow(row)) {
    LVITEMW state = {};
    state.stateMask = kViewStateMask;
    state.state = modelToView(list_.rowState(row));
    SendMessageW(window_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
  }
  if (const int focused = list_.focusedRow(); focused >= 0 && !list_.isSelected(focused)) {
    LVITEMW state = {};
    state.stateMask = LVIS_FOCUSED;
    state.state = LVIS_FOCUSED;
    SendMessageW(window_, LVM_SETITEMSTATE, static_cast<WPARAM>(focused), reinterpret_cast<LPARAM>(&state));
  }
  SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window_, nullptr, TRUE);
  showing_ = false;
}

void DrawingListView::onGetDisplayInfo(NMLVDISPINFOW* info) {
  LVITEMW& item = info->item;
  if (item.iItem < 0 || item.iItem >= list_.rowCount()) return;
  if (item.mask & LVIF_TEXT) {
    text_ = toWide(list_.cell(item.iItem, item.iSubItem));
    item.pszText = text_.data();
  }
  if (item.mask & LVIF_IMAGE) item.iImage = list_.imageIndex(item.iItem);
  if (item.mask & LVIF_STATE) {
    item.state = (item.state & ~LVIS_DROPHILITED) |
                 ((list_.rowState(item.iItem) & RowState::kDropHighlighted) ? LVIS_DROPHILITED : 0);
  }
}

// The user changed the selection or focus in the view: the model learns it. A
// selected row carries all three flags, as every row the program selects does.
void DrawingListView::takeStateFromView(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, list_.rowCount() - 1);
  for (int row = first; row <= last; ++row) {
    const UINT view = static_cast<UINT>(SendMessageW(window_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), kViewStateMask));
    std::uint8_t state = 0;
    if (view & LVIS_SELECTED) state = RowState::kFull;
    if (view & LVIS_FOCUSED) state |= RowState::kFocused;
    if (state != list_.rowState(row)) list_.setRowState(row, state);
  }
}

void DrawingListView::showRow(int row) { SendMessageW(window_, LVM_ENSUREVISIBLE, row, FALSE); }

bool DrawingListView::onNotify(NMHDR* header, LRESULT& result) {
  if (header->hwndFrom != window_) return false;
  result = 0;
  switch (header->code) {
    case LVN_GETDISPINFOW:
      onGetDisplayInfo(reinterpret_cast<NMLVDISPINFOW*>(header));
      return true;
    case LVN_ITEMCHANGED: {
      const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
      if (showing_ || !(change->uChanged & LVIF_STATE)) return true;
      if (change->iItem < 0) takeStateFromView(0, list_.rowCount() - 1);
      else takeStateFromView(change->iItem, change->iItem);
      return true;
    }
    case LVN_ODSTATECHANGED: {
      const auto* change = reinterpret_cast<NMLVODSTATECHANGE*>(header);
      if (!showing_) takeStateFromView(change->iFrom, change->iTo);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace dovevar::win
