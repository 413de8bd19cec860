// Every user action arrives as a command id: menu entries, toolbar buttons,
// accelerators. The table says, per id, what is checked first, which operation runs
// and what is refreshed afterwards; the main window only carries it out.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "list/list_steps.h"

namespace dovevar {

enum class Operation {
  kExit,
  kDeleteSelectedRows,      // message 4 when none is selected
  kDeleteSelectedOrAll,     // toolbar: every row when none is selected
  kDeleteAllRows,
  kEnvironmentDialog,
  kOpenManual,
  kAboutWindow,
  kChangeLanguage,
  kVersionDialog,
  kFamilyWindow,
  kInitialValues,
  kCollectFolderDwg,
  kCollectFolderDxf,
  kCollectTreeDwg,
  kCollectTreeDxf,
  kPickDwgFiles,
  kPickDxfFiles,
  kFolderSelectDialog,
  kSelectNone,
  kSelectAll,
  kRunSelectedRows,
  kRunAllRows,
  kRunSelectedOrAllRows,
  kRunRestartingPerRow,
  kStartTimerRun,
  kShowRunScript,
  kSaveScriptOfAllRows,
  kSaveScriptOfSelectedRows,
  kPrinterListDialog,
  kEditRow,
  kEditColumn,
  kCopyRow,
  kPasteRow,
  kScriptSelectionDialog,
  kApplyFileNameRules,
  kFileNameRulesDialog,
  kSaveList,
  kLoadList,
  kSearchList,
  kAddRows1,
  kAddRows5,
  kAddRows10,
  kAddRows50,
  kLayoutSerialNumbers,
  kMoveRowDown,
  kMoveRowUp,
  kCheckList,
  kOpenRunReport,
  kExtrasSettingsDialog,
  kStopRun,
  kSelectFailedRows,
  kUndo,
  kRedo,
};

enum class Check {
  kNone,
  kListMustBeEmpty,  // else message 16 and nothing more
  kPrinterCheck,     // build the printer table first when it is not ready
  kCountRows,        // remember the row count as the first row that will be added
};

// Refreshes after the operation, carried out in this order: the Drawing list shows its
// rows again (after an operation that may have changed rows, cells or the selection),
// the status bar, the columns, the menu, the whole window.
enum Refresh : std::uint8_t {
  kRefreshNothing = 0,
  kRefreshRows = 16,
  kRefreshStatus = 1,
  kRefreshColumns = 2,
  kRefreshMenu = 4,
  kRefreshRepaint = 8,
};

struct Command {
  int id;
  Check check;
  Operation operation;
  std::uint8_t refreshes;
};

std::span<const Command> commandTable();

// The command of an id, or null: ids not in the table get the default handling.
const Command* findCommand(int id);

// What carrying out a command needs from the program around it.
class CommandHost {
 public:
  virtual ~CommandHost() = default;
  virtual int rowCount() const = 0;
  virtual void showMessage(int number) = 0;
  virtual void printerCheck() = 0;
  virtual void rememberFirstNewRow(int row) = 0;
  virtual void run(Operation operation) = 0;
  virtual void showRows() = 0;
  virtual void refreshStatus() = 0;
  virtual void rebuildColumns() = 0;
  virtual void replaceMenu() = 0;
  virtual void repaint() = 0;
};

// While a run goes on, only what neither changes the list, the Script set or the settings
// nor starts another run may be carried out: these are not greyed then, all else is. The
// selection may change (a timer run follows it).
bool allowedDuringRun(Operation operation);

// The kind of undo step an operation's changes to the Drawing list make; none for an
// operation that changes no row and no cell (its selection at most).
std::optional<StepKind> listStepOf(Operation operation);

// The ids of Undo and Redo, at the end of the EDIT menu.
inline constexpr int kUndoCommandId = 37875;
inline constexpr int kRedoCommandId = 37876;

// The id of the command that stops a run; Esc gives it while a run goes on.
inline constexpr int kStopRunCommandId = 37873;

// Check, operation, refreshes. Gives false for an id that is not in the table.
bool dispatchCommand(int id, CommandHost& host);

// The label of a toolbar button's tooltip (the buttons are kFirstToolbarButton on, in
// their order); -1 for an id that is no toolbar button.
int toolTipLabel(int buttonId);

}  // namespace dovevar
