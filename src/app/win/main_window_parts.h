// The main window's children and menus, built and refreshed from the application state.
#pragma once

#include "app/win/app_state.h"

namespace dovevar::win {

// Toolbar 329: seventeen 32 x 32 buttons 330 to 346 from bitmap 113.
HWND createToolbar(AppState& app);
// The tooltip of a toolbar button: label C010 to C026 in the current language.
bool answerToolTip(AppState& app, NMHDR* header);

// Status bar 1 with panes ending at 450, 600 and 800 pixels (at 96 DPI).
HWND createStatusBar(AppState& app);
void showStatusPanes(const AppState& app, HWND bar);
// Pane 0 the current folder, pane 1 the current set's title, pane 2 the maker.
void refreshStatusBar(AppState& app);

// "MS UI Gothic", height 12 at 96 DPI, for the in-place editors and the line edit dialog.
HFONT createEditorFont(int dpi);

// The menu of the UI language (resource 109 + language); none for a language out of range.
void attachMenu(AppState& app);
void replaceMenu(AppState& app);

// The fourth pane: how a run goes.
void showRunStatus(AppState& app, std::u16string_view text);

// The toolbar's buttons as the run state allows them: during a run, those that would
// change the list or start another run are greyed.
void showRunState(AppState& app, bool running);
// As the runner says now.
void showRunState(AppState& app);
// A menu that opens: its entries greyed or not as the run state allows them; "Stop the
// run" only during a run.
void greyMenuForRun(const AppState& app, HMENU popup);

// The list at y 40, as wide as the client area and 60 pixels shorter (at 96 DPI).
void layOut(AppState& app, LPARAM size);
// The window moved to a monitor of another DPI: every length the program places, the
// fonts and the toolbar's images again at the new DPI, then the layout; the columns keep
// the widths they had. `suggested` is the place Windows offers at the new DPI.
void showAtDpi(AppState& app, int dpi, const RECT* suggested);

}  // namespace dovevar::win
