// The cell editor on screen: the text box (951) or drop-down (952) that a right click
// opens over a cell of the Drawing list, as children of the main window. The core
// CellEditor decides what opens and what a close stores; this only makes, reads and
// destroys the controls. From its opening to its close, what the editor changes is one
// undo step.
#pragma once

#include <windows.h>

#include "list/cell_editor.h"
#include "list/list_steps.h"
#include "list/win/drawing_list_view.h"
#include "script/script_sets.h"

namespace dovevar::win {

class CellEditorView {
 public:
  static constexpr UINT_PTR kCommitTimerId = 1;
  static constexpr UINT kCommitDelayMs = 200;

  CellEditorView(DrawingList& list, DrawingListView& view, ListSteps& steps)
      : list_(list), view_(view), steps_(steps) {}

  // Opens an editor over `column` of the first selected row; an editor still open is
  // closed first.
  void open(HWND mainWindow, HFONT font, const ScriptSet& current, int column, const ChoiceSources& sources);

  // Notifications of the controls: the text box commits when it loses the focus; a
  // choice in the drop-down commits 200 ms later on the timer; a drop-down that loses the
  // focus closes and the cell keeps its old text. True when the notification was theirs.
  bool onCommand(HWND mainWindow, int id, int code);
  void onCommitTimer(HWND mainWindow, const PrinterTable& printers);
  // A left click in the list cancels an open drop-down.
  void onListClick();
  // Before a command runs: the text box stores its text, the drop-down is cancelled.
  void close();
  // The window is the open editor or a part of it (the drop-down's own edit box).
  bool holds(HWND window) const {
    return control_ != nullptr && window != nullptr && (window == control_ || IsChild(control_, window));
  }

 private:
  void destroyControl();

  DrawingList& list_;
  DrawingListView& view_;
  ListSteps& steps_;
  CellEditor editor_;
  HWND control_ = nullptr;
};

}  // namespace dovevar::win
