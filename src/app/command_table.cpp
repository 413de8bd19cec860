#include "app/command_table.h"

#include <algorithm>
#include <array>

#include "store/text_ids.h"

namespace dovevar {
namespace {

using enum Operation;
constexpr Check kNone = Check::kNone;
constexpr Check kEmpty = Check::kListMustBeEmpty;
constexpr Check kPrinters = Check::kPrinterCheck;
constexpr std::uint8_t kRows = kRefreshRows;

// Menu ids, then the toolbar buttons that have no menu twin of the same id.
constexpr std::array kCommands = {
    Command{27, kNone, kExit, kRefreshNothing},
    Command{32, kNone, kDeleteSelectedRows, kRows},
    Command{34, kNone, kDeleteAllRows, kRows},
    Command{41, kNone, kEnvironmentDialog, kRefreshStatus | kRefreshRepaint},
    Command{51, kNone, kOpenManual, kRefreshNothing},
    Command{53, kNone, kAboutWindow, kRefreshNothing},
    Command{55, kEmpty, kChangeLanguage, kRefreshStatus | kRefreshColumns | kRefreshMenu},
    Command{104, kNone, kVersionDialog, kRefreshNothing},
    Command{105, kNone, kExit, kRefreshNothing},
    Command{30001, kNone, kFamilyWindow, kRefreshNothing},
    Command{37826, kPrinters, kInitialValues, kRows},
    Command{37827, kNone, kCollectFolderDwg, kRows | kRefreshStatus},
    Command{37828, kNone, kSelectNone, kRows},
    Command{37829, kNone, kCollectFolderDxf, kRows | kRefreshStatus},
    Command{37830, kNone, kRunSelectedRows, kRows},
    Command{37831, kNone, kPrinterListDialog, kRefreshRepaint},
    Command{37832, kNone, kRunAllRows, kRows},
    Command{37833, kPrinters, kEditRow, kRows},
    Command{37834, kPrinters, kEditColumn, kRows},
    Command{37835, kNone, kShowRunScript, kRefreshNothing},
    Command{37836, kNone, kSelectAll, kRows},
    Command{37837, kNone, kCollectTreeDxf, kRows | kRefreshStatus},
    Command{37838, kNone, kCollectTreeDwg, kRows | kRefreshStatus},
    Command{37840, kNone, kPasteRow, kRows},
    Command{37841, kNone, kCopyRow, kRows},
    Command{37842, Check::kCountRows, kFolderSelectDialog, kRows | kRefreshStatus},
    Command{37843, kEmpty, kScriptSelectionDialog, kRefreshStatus | kRefreshColumns},
    Command{37844, kNone, kPickDwgFiles, kRows | kRefreshStatus},
    Command{37845, kNone, kPickDxfFiles, kRows | kRefreshStatus},
    Command{37846, kNone, kRunRestartingPerRow, kRows},
    Command{37847, kNone, kApplyFileNameRules, kRows},
    Command{37848, kNone, kFileNameRulesDialog, kRefreshNothing},
    Command{37849, kNone, kSaveList, kRefreshNothing},
    Command{37850, kEmpty, kLoadList, kRows | kRefreshStatus},
    Command{37851, kNone, kStartTimerRun, kRefreshNothing},
    Command{37852, kNone, kSaveScriptOfAllRows, kRows},
    Command{37853, kNone, kSaveScriptOfSelectedRows, kRows},
    Command{37857, kNone, kSearchList, kRows},
    Command{37861, kNone, kAddRows1, kRows},
    Command{37862, kNone, kAddRows5, kRows},
    Command{37863, kNone, kAddRows10, kRows},
    Command{37864, kNone, kAddRows50, kRows},
    Command{37866, kNone, kLayoutSerialNumbers, kRows},
    // Dovevar's own extensions, at the end of the Start menu.
    Command{37870, kPrinters, kCheckList, kRefreshNothing},
    Command{37871, kNone, kOpenRunReport, kRefreshNothing},
    Command{37872, kNone, kExtrasSettingsDialog, kRefreshNothing},
    Command{kStopRunCommandId, kNone, kStopRun, kRefreshNothing},
    Command{37874, kNone, kSelectFailedRows, kRows},
    // At the end of the EDIT menu.
    Command{kUndoCommandId, kNone, kUndo, kRows},
    Command{kRedoCommandId, kNone, kRedo, kRows},
    // The toolbar, buttons 330 to 346.
    Command{330, Check::kCountRows, kFolderSelectDialog, kRows | kRefreshStatus},
    Command{331, kNone, kCollectTreeDwg, kRows | kRefreshStatus},
    Command{332, kNone, kCollectFolderDwg, kRows | kRefreshStatus},
    Command{333, kNone, kCollectFolderDxf, kRows | kRefreshStatus},
    Command{334, kNone, kPickDwgFiles, kRows | kRefreshStatus},
    Command{335, kNone, kDeleteSelectedOrAll, kRows},
    Command{336, kNone, kRunSelectedOrAllRows, kRows},
    Command{337, kNone, kPrinterListDialog, kRefreshRepaint},
    Command{338, kPrinters, kInitialValues, kRows},
    Command{339, kPrinters, kEditRow, kRows},
    Command{340, kNone, kCopyRow, kRows},
    Command{341, kNone, kPasteRow, kRows},
    Command{342, kPrinters, kEditColumn, kRows},
    Command{343, kNone, kMoveRowDown, kRows},
    Command{344, kNone, kMoveRowUp, kRows},
    Command{345, kNone, kOpenManual, kRefreshNothing},
    Command{346, kNone, kExit, kRefreshNothing},
};

}  // namespace

std::span<const Command> commandTable() { return kCommands; }

const Command* findCommand(int id) {
  const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                  [id](const Command& command) { return command.id == id; });
  return found == kCommands.end() ? nullptr : &*found;
}

bool allowedDuringRun(Operation operation) {
  switch (operation) {
    case kExit:  // asks first
    case kStopRun:
    case kOpenManual:
    case kAboutWindow:
    case kVersionDialog:
    case kFamilyWindow:
    case kShowRunScript:
    case kOpenRunReport:
    case kSelectAll:
    case kSelectNone:
      return true;
    default:
      return false;
  }
}

std::optional<StepKind> listStepOf(Operation operation) {
  switch (operation) {
    case kDeleteSelectedRows:
    case kDeleteSelectedOrAll:
    case kDeleteAllRows: return StepKind::kDelete;
    case kCollectFolderDwg:
    case kCollectFolderDxf:
    case kCollectTreeDwg:
    case kCollectTreeDxf:
    case kPickDwgFiles:
    case kPickDxfFiles:
    case kFolderSelectDialog: return StepKind::kCollection;
    case kApplyFileNameRules: return StepKind::kFileNameRules;
    case kEditRow: return StepKind::kLineEdit;
    case kEditColumn: return StepKind::kColumnEdit;
    case kPasteRow: return StepKind::kPaste;
    case kAddRows1:
    case kAddRows5:
    case kAddRows10:
    case kAddRows50: return StepKind::kAddRows;
    case kMoveRowDown:
    case kMoveRowUp: return StepKind::kMoveRow;
    case kLayoutSerialNumbers: return StepKind::kLayoutNumbers;
    case kLoadList: return StepKind::kListLoad;
    default: return std::nullopt;
  }
}

bool dispatchCommand(int id, CommandHost& host) {
  const Command* command = findCommand(id);
  if (command == nullptr) return false;
  switch (command->check) {
    case Check::kListMustBeEmpty:
      if (host.rowCount() > 0) {
        host.showMessage(kMsgListMustBeEmpty);
        return true;
      }
      break;
    case Check::kPrinterCheck:
      host.printerCheck();
      break;
    case Check::kCountRows:
      host.rememberFirstNewRow(host.rowCount());
      break;
    case Check::kNone:
      break;
  }
  host.run(command->operation);
  if (command->refreshes & kRefreshRows) host.showRows();
  if (command->refreshes & kRefreshStatus) host.refreshStatus();
  if (command->refreshes & kRefreshColumns) host.rebuildColumns();
  if (command->refreshes & kRefreshMenu) host.replaceMenu();
  if (command->refreshes & kRefreshRepaint) host.repaint();
  return true;
}

int toolTipLabel(int buttonId) {
  if (buttonId < kFirstToolbarButton || buttonId >= kFirstToolbarButton + kToolbarButtonCount) {
    return -1;
  }
  return kLabelCFirstToolTip + (buttonId - kFirstToolbarButton);
}

}  // namespace dovevar
