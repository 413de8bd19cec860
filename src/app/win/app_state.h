// The application state: one object made by wWinMain and handed to the main window.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <utility>
#include <string>

#include "app/win/list_autosave.h"
#include "app/win/one_window_per_folder.h"
#include "collect/folder_select.h"
#include "collect/win/file_drop.h"
#include "extras/extras_settings.h"
#include "extras/run_recorder.h"
#include "extras/run_report.h"
#include "list/drawing_list.h"
#include "list/line_edit_form.h"
#include "list/list_editing.h"
#include "list/list_steps.h"
#include "list/win/cell_editor_view.h"
#include "list/win/drawing_list_view.h"
#include "platform/win/win_clock.h"
#include "platform/win/win_file_system.h"
#include "platform/win/win_processes.h"
#include "platform/win/win_spooler.h"
#include "platform/win/win_ui.h"
#include "printers/printer_table.h"
#include "script/batch_runner.h"
#include "script/script_sets.h"
#include "store/messages.h"
#include "store/settings.h"
#include "store/text_tables.h"

namespace dovevar::win {

struct AppState {
  HINSTANCE instance = nullptr;
  const OneWindowPerFolder* oneWindow = nullptr;  // marks the main window as the folder's
  std::wstring windowTitle;  // string 40000 until start-up has finished
  std::wstring className;    // string 109
  HWND mainWindow = nullptr;
  HWND toolbar = nullptr;
  HWND statusBar = nullptr;
  HMENU menu = nullptr;
  HACCEL accelerators = nullptr;  // table 109
  HACCEL listKeys = nullptr;      // Delete, Ctrl+A, F2, Ctrl+F, Ctrl+S, Ctrl+O, Ctrl+Z, Ctrl+Y
  // The user chose to close during a run: the window closes once the run has ended.
  bool closeAfterRun = false;
  HFONT editorFont = nullptr;
  int dpi = 96;                          // the main window's, read when it is made
  HIMAGELIST toolbarImages = nullptr;    // the toolbar's buttons away from 96 DPI
  // The working directory when the main window is created. Every file with a fixed
  // name lives here, not beside the executable, and later changes of the current
  // directory do not move it.
  std::u16string settingsFolder;

  Settings settings;
  TextTables texts;
  ScriptSetTable scriptSets;
  DrawingList list;
  DrawingListView listView{list};
  ListSteps steps;  // undo and redo of the list's changes
  CellEditorView cellEditor{list, listView, steps};
  ListEditState listEdit;         // the line buffer and the search history
  LinePrinterWatch lineEditWatch; // the line edit dialog's printer text seen last
  PrinterTable printers;
  std::u16string rememberedListPath;  // the List file last chosen for loading
  std::u16string lastImportedScriptSet;  // the export file last imported into a set
  int firstNewRow = 0;                // the row count before a folder-select dialog
  FolderSelectTypes folderSelectTypes = FolderSelectTypes::kDwg;  // kept for the run

  ExtrasSettings extras;  // read again before every run
  // The window's place and the dragged widths (window_place.h): as read at the start, as
  // they are now, the place the window was shown at, and whose columns are shown.
  WindowMemory windowMemoryAtStart;
  WindowMemory windowMemory;
  std::optional<WindowPlace> placeAtStart;
  std::optional<ScreenRect> normalPlace;  // the last place neither maximized nor minimized
  std::pair<int, int> shownColumnsOf{-1, -1};
  // A test hook: the command of this id throws, as an unforeseen fault would
  // (DOVEVAR_TEST_THROW_ON_COMMAND); 0 for none.
  int throwOnCommand = 0;

  WinFileSystem files;
  ListAutosave autosave{files};  // listview.ini between the start and the exit
  WinClock clock;
  WinSpooler spooler;
  WinProcesses processes;
  WinUi ui;  // owned by the main window once it exists
  Messages messages{ui, texts, settings.moji_type};
  BatchRunner runner{files, processes, clock, messages, settings};
  // Made once the settings folder is known; the runner tells the recorder every row.
  std::unique_ptr<RunReport> report;
  std::unique_ptr<RunRecorder> recorder;
  // Drawings and folders dropped onto the list (file_drop.h); made with the list view.
  std::unique_ptr<FileDropTarget> fileDrop;
};

}  // namespace dovevar::win
