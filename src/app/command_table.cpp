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

// Menu ids, then the toolbar buttons that have no menu twin of the same id.
constexpr std::array kCommands = {
    Command{27, kNone, kExit, kRefreshNothing},
    Command{32, kNone, kDeleteSelectedRows, kRefreshNothing},
    Command{34, kNone, kDeleteAllRows, kRefreshNothing},
    Command{41, kNone, kEnvironmentDialog, kRefreshStatus | kRefreshRepaint},
    Command{51, kNone, kOpenManual, kRefreshNothing},
    Command{53, kNone, kAboutWindow, kRefreshNothing},
    Command{55, kEmpty, kChangeLanguage, kRefreshStatus | kRefreshColumns | kRefreshMenu},
    Command{104, kNone, kVersionDialog, kRefreshNothing},
    Command{105, kNone, kExit, kRefreshNothing},
    Command{30001, kNone, kFamilyWindow, kRefreshNothing},
    Command{37826, kPrinters, kInitialValues, kRefreshNothing},
    Command{37827, kNone, kCollectFolderDwg, kRefreshStatus},
    Command{37828, kNone, kSelectNone, kRefreshNothing},
    Command{37829, kNone, kCollectFolderDxf, kRefreshStatus},
    Command{37830, kNone, kRunSelectedRows, kRefreshNothing},
    Command{37831, kNone, kPrinterListDialog, kRefreshRepaint},
    Command{37832, kNone, kRunAllRows, kRefreshNothing},
    Command{37833, kPrinters, kEditRow, kRefreshNothing},
    Command{37834, kPrinters, kEditColumn, kRefreshNothing},
    Command{37835, kNone, kShowRunScript, kRefreshNothing},
    Command{37836, kNone, kSelectAll, kRefreshNothing},
    Command{37837, kNone, kCollectTreeDxf, kRefreshStatus},
    Command{37838, kNone, kCollectTreeDwg, kRefreshStatus},
    Command{37840, kNone, kPasteRow, kRefreshNothing},
    Command{37841, kNone, kCopyRow, kRefreshNothing},
    Command{37842, Check::kCountRows, kFolderSelectDialog, kRefreshStatus},
    Command{37843, kEmpty, kScriptSelectionDialog, kRefreshStatus | kRefreshColumns},
    Command{37844, kNone, kPickDwgFiles, kRefreshStatus},
    Command{37845, kNone, kPickDxfFiles, kRefreshStatus},
    Command{37846, kNone, kRunRestartingPerRow, kRefreshNothing},
    Command{37847, kNone, kApplyFileNameRules, kRefreshNothing},
    Command{37848, kNone, kFileNameRulesDialog, kRefreshNothing},
    Command{37849, kNone, kSaveList, kRefreshNothing},
    Command{37850, kEmpty, kLoadList, kRefreshStatus},
    Command{37851, kNone, kStartTimerRun, kRefreshNothing},
    Command{37852, kNone, kSaveScriptOfAllRows, kRefreshNothing},
    Command{37853, kNone, kSaveScriptOfSelectedRows, kRefreshNothing},
    Command{37857, kNone, kSearchList, kRefreshNothing},
    Command{37861, kNone, kAddRows1, kRefreshNothing},
    Command{37862, kNone, kAddRows5, kRefreshNothing},
    Command{37863, kNone, kAddRows10, kRefreshNothing},
    Command{37864, kNone, kAddRows50, kRefreshNothing},
    Command{37866, kNone, kLayoutSerialNumbers, kRefreshNothing},
    // Dovevar's own extensions, at the end of the Start menu.
    Command{37870, kPrinters, kCheckList, kRefreshNothing},
    Command{37871, kNone, kOpenRunReport, kRefreshNothing},
    Command{37872, kNone, kExtrasSettingsDialog, kRefreshNothing},
    // The toolbar, buttons 330 to 346.
    Command{330, Check::kCountRows, kFolderSelectDialog, kRefreshStatus},
    Command{331, kNone, kCollectTreeDwg, kRefreshStatus},
    Command{332, kNone, kCollectFolderDwg, kRefreshStatus},
    Command{333, kNone, kCollectFolderDxf, kRefreshStatus},
    Command{334, kNone, kPickDwgFiles, kRefreshStatus},
    Command{335, kNone, kDeleteSelectedOrAll, kRefreshNothing},
    Command{336, kNone, kRunSelectedOrAllRows, kRefreshNothing},
    Command{337, kNone, kPrinterListDialog, kRefreshRepaint},
    Command{338, kPrinters, kInitialValues, kRefreshNothing},
    Command{339, kPrinters, kEditRow, kRefreshNothing},
    Command{340, kNone, kCopyRow, kRefreshNothing},
    Command{341, kNone, kPasteRow, kRefreshNothing},
    Command{342, kPrinters, kEditColumn, kRefreshNothing},
    Command{343, kNone, kMoveRowDown, kRefreshNothing},
    Command{344, kNone, kMoveRowUp, kRefreshNothing},
    Command{345, kNone, kOpenManual, kRefreshNothing},
    Command{346, kNone, kExit, kRefreshNothing},
};

}  // namespace

std::span<const Command> commandTable() { return kCommands; }

int addedRowCount(Operation operation) {
  switch (operation) {
    case Operation::kAddRows1:
      return 1;
    case Operation::kAddRows5:
      return 5;
    case Operation::kAddRows10:
      return 10;
    case Operation::kAddRows50:
      return 50;
    default:
      return 0;
  }
}

const Command* findCommand(int id) {
  const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                  [id](const Command& command) { return command.id == id; });
  return found == kCommands.end() ? nullptr : &*found;
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
  if (command->refreshes & kRefreshStatus) host.refreshStatus();
  if (command->refreshes & kRefreshColumns) host.rebuildColumns();
  if (command->refreshes & kRefreshMenu) host.replaceMenu();
  if (command->refreshes & kRefreshRepaint) host.repaint();
  return true;
}

int toolTipLabel(int buttonId) {
  if (buttonId < kFirstToolbarCommand || buttonId >= kFirstToolbarCommand + kToolbarCommandCount) {
    return -1;
  }
  return kLabelCFirstToolTip + (buttonId - kFirstToolbarCommand);
}

}  // namespace dovevar
