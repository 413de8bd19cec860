// The Drawing list on screen: an owner-data list view that shows the DrawingList model.
// The model holds every cell and the selection; the view asks it for texts and reports
// the user's clicks back into it, and is told to catch up after each change.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "list/drawing_list.h"

namespace dovevar::win {

class DrawingListView {
 public:
  static constexpr int kControlId = 300;

  explicit DrawingListView(DrawingList& list) : list_(list) {}

  // List view 300: report view, client edge, grid lines, full-row select, and an empty
  // 12 x 12 small-image list for the rows' image index.
  bool create(HWND parent, HINSTANCE instance);
  HWND window() const { return window_; }

  // The DPI the list is shown at: the model's 96-DPI widths are scaled to it.
  void setDpi(int dpi) { dpi_ = dpi; }
  // Headers and widths from the model's columns; a width given here (at 96 DPI, in
  // column order, 0 for none) stands instead of the column's own.
  void showColumns(const std::vector<int>& designWidths = {});
  // The columns' widths as shown, back at 96 DPI.
  std::vector<int> designWidths() const;
  // Row count and selection from the model, then a repaint of what is visible.
  void showRows();
  // Scrolls the row into view.
  void showRow(int row);

  // Notifications from the list; gives true when handled, with `result` set.
  bool onNotify(NMHDR* header, LRESULT& result);

 private:
  void onGetDisplayInfo(NMLVDISPINFOW* info);
  void takeStateFromView(int first, int last);

  DrawingList& list_;
  HWND window_ = nullptr;
  int dpi_ = 96;
  bool showing_ = false;  // changes made by showRows() are not reported back
  std::wstring text_;     // the text handed out last; valid until the next request
};

}  // namespace dovevar::win
