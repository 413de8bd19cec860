#include "app/win/commands.h"

#include <shellapi.h>

#include <optional>

#include "about/win/about_window.h"
#include "about/win/family_window.h"
#include "about/win/version_dialog.h"
#include "app/win/main_window_parts.h"
#include "app/win/startup.h"
#include "collect/collection_commands.h"
#include "collect/file_name_rules.h"
#include "collect/win/file_name_rules_dialog.h"
#include "collect/win/folder_select_dialog.h"
#include "collect/win/win_collection_dialogs.h"
#include "config/win/environment_dialog.h"
#include "extras/extras_texts.h"
#include "extras/win/check_dialog.h"
#include "extras/win/extras_settings_dialog.h"
#include "list/list_file.h"
#include "list/win/win_list_edit_dialogs.h"
#include "platform/win/wide.h"
#include "printers/win/printer_list_dialog.h"
#include "script/run_script.h"
#include "script/script_set_file.h"
#include "script/win/script_dialogs.h"
#include "store/settings_text.h"
#include "store/text_ids.h"
#include "store/win/language_dialog.h"

namespace dovevar::win {
namespace {

constexpr char16_t kManualFileName[] = u"Dovevar.pdf";

// The folder of the running program.
std::u16string programFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::u16string folder = fromWide(std::wstring(path, length));
  const std::size_t slash = folder.rfind(u'\\');
  return slash == std::u16string::npos ? std::u16string(u".") : folder.substr(0, slash);
}

}  // namespace

const ScriptSet& MainCommands::currentSet() const {
  return currentScriptSet(app_.scriptSets, app_.settings.scrpit_type);
}

void runTimerStep(AppState& app) {
  KillTimer(app.mainWindow, kRunTimerId);
  const bool again = app.runner.timerTick(currentScriptSet(app.scriptSets, app.settings.scrpit_type), app.list);
  app.listView.showRows();
  tellReportFailure(app);
  if (again) SetTimer(app.mainWindow, kRunTimerId, kRunTimerIntervalMs, nullptr);
}

void tellReportFailure(AppState& app) {
  if (app.recorder == nullptr || !app.recorder->takeWriteFailure()) return;
  app.ui.messageBox(fillText(extrasText(app.settings.moji_type, ExtrasText::kReportNotWritten), {app.report->path()}),
                    u"Dovevar", UiPort::BoxStyle::kExclamation);
}

int MainCommands::rowCount() const { return app_.list.rowCount(); }

void MainCommands::showMessage(int number) { app_.messages.show(number); }

void MainCommands::printerCheck() {
  dovevar::printerCheck(app_.printers, app_.spooler, app_.settings, app_.messages);
}

void MainCommands::rememberFirstNewRow(int row) { app_.firstNewRow = row; }

void MainCommands::refreshStatus() { refreshStatusBar(app_); }

void MainCommands::rebuildColumns() { win::rebuildColumns(app_); }

void MainCommands::replaceMenu() { win::replaceMenu(app_); }

void MainCommands::repaint() {
  InvalidateRect(app_.mainWindow, nullptr, TRUE);
  UpdateWindow(app_.mainWindow);
}

void MainCommands::changeLanguage() {
  runLanguageDialog(app_.instance, app_.mainWindow, app_.settings.moji_type);
  if (readScriptSets(app_.files, app_.messages, app_.settingsFolder, app_.settings.moji_type,
                     app_.scriptSets) != 0) {
    app_.messages.show(kMsgScriptSetFileNotRead);
  }
}

void MainCommands::deleteSelectedRows(bool everyRowWhenNoneSelected) {
  if (app_.list.selectedCount() > 0) {
    app_.list.deleteSelectedRows();
  } else if (everyRowWhenNoneSelected) {
    app_.list.deleteAllRows();
  } else {
    app_.messages.show(kMsgDeleteWithoutSelection);
  }
}

void MainCommands::runScriptSelection() {
  ScriptSetStore store{app_.scriptSets, app_.files, app_.settingsFolder, app_.lastImportedScriptSet,
                       app_.texts,      app_.settings.moji_type};
  runScriptSelectionDialog(app_.instance, app_.mainWindow, store, app_.settings.scrpit_type);
}

// The manual in the settings folder, else the one beside the program. A bare name would
// be looked up in the current directory, which file dialogs move.
void MainCommands::openManual() {
  std::u16string path = settingsFilePath(app_.settingsFolder, kManualFileName);
  if (!app_.files.exists(path)) {
    path = settingsFilePath(programFolder(), kManualFileName);
  }
  ShellExecuteW(app_.mainWindow, L"open", toWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

CheckSources MainCommands::checkSources() const {
  return {app_.printers, app_.files, app_.settings.ctb_file};
}

// The check of the rows a run takes. Before a run the dialog shows only
// when there are problems, and gives true when the run may go on.
bool MainCommands::checkRowsOfRun(const std::vector<int>& rows, CheckDialogMode mode) {
  const std::vector<CheckProblem> problems = checkRows(currentSet(), app_.list, rows, checkSources());
  if (mode == CheckDialogMode::kBeforeRun && problems.empty()) return true;
  const bool goOn = runCheckDialog(app_.instance, app_.mainWindow, mode, {problems, static_cast<int>(rows.size())},
                                   currentSet(), app_.list, app_.settings.moji_type);
  app_.listView.showRows();
  return goOn;
}

// The extras file is read again before every run, so that a change to it counts at once.
// With the check turned on, a run whose rows have problems goes on only when the user
// says so; an empty list or selection is the run's own to refuse.
bool MainCommands::checkedBeforeRun(RowChoice choice) {
  app_.extras = readExtrasSettings(app_.files, app_.settingsFolder);
  app_.runner.setTimeLimit(app_.extras.watchdogSeconds);
  if (!app_.extras.checkBeforeRun) return true;
  const std::vector<int> rows = rowsOfRun(app_.list, choice);
  if (rows.empty()) return true;
  printerCheck();
  return checkRowsOfRun(rows, CheckDialogMode::kBeforeRun);
}

// The report opens in the program the system gives .csv files.
void MainCommands::openRunReport() {
  const std::u16string& path = app_.report->path();
  const bool opened =
      app_.files.exists(path) &&
      reinterpret_cast<INT_PTR>(ShellExecuteW(app_.mainWindow, L"open", toWide(path).c_str(), nullptr, nullptr,
                                              SW_SHOWNORMAL)) > 32;
  if (!opened) {
    app_.ui.messageBox(fillText(extrasText(app_.settings.moji_type, ExtrasText::kReportNotOpened), {path}),
                       u"Dovevar", UiPort::BoxStyle::kExclamation);
  }
}

void MainCommands::applyRulesAfterCollecting(int firstNewRow) {
  applyRulesAfterCollection(app_.list, app_.settings.file_set,
                            ruleLabels(app_.texts, app_.settings.moji_type), firstNewRow);
}

template <typename Type>
void MainCommands::collect(std::optional<int> (DrawingCollection::*command)(const ScriptSet&, Type),
                           Type type) {
  WinCollectionDialogs dialogs(app_.instance, app_.mainWindow, app_.settings, app_.messages);
  DrawingCollection collection(app_.files, dialogs, app_.messages, app_.settings, app_.list);
  if (const std::optional<int> firstNewRow = (collection.*command)(currentSet(), type)) {
    applyRulesAfterCollecting(*firstNewRow);
  }
}

ChoiceSources choiceSources(AppState& app) {
  return {app.printers, app.files, app.settings.ctb_file};
}

template <typename Result, typename... Parameters, typename... Arguments>
void MainCommands::editList(Result (ListEditing::*command)(Parameters...), Arguments... arguments) {
  const ChoiceSources sources = choiceSources(app_);
  const LineEditContext context{app_.instance, app_.mainWindow, app_.editorFont, currentSet(),
                                sources,       app_.messages,   app_.texts,      app_.settings.moji_type,
                                app_.lineEditWatch};
  WinListEditDialogs dialogs(context);
  ListEditing editing(app_.list, currentScriptSet(app_.scriptSets, app_.settings.scrpit_type), app_.listEdit,
                      dialogs, app_.messages);
  (editing.*command)(arguments...);
}

void MainCommands::run(Operation operation) {
  ListFileCommand listCommand{app_.files,    app_.messages,         app_.ui,
                              app_.settingsFolder, app_.list, app_.settings.scrpit_type,
                              app_.rememberedListPath};
  switch (operation) {
    case Operation::kExit:
      DestroyWindow(app_.mainWindow);
      return;
    case Operation::kDeleteSelectedRows:
      deleteSelectedRows(false);
      break;
    case Operation::kDeleteSelectedOrAll:
      deleteSelectedRows(true);
      break;
    case Operation::kDeleteAllRows:
      app_.list.deleteAllRows();
      break;
    case Operation::kSelectAll:
      app_.list.selectAll();
      break;
    case Operation::kSelectNone:
      app_.list.selectNone();
      break;
    case Operation::kScriptSelectionDialog:
      runScriptSelection();
      return;
    case Operation::kEnvironmentDialog:
      runEnvironmentDialog(app_.instance, app_.mainWindow, app_.settings, app_.messages);
      return;
    case Operation::kOpenManual:
      openManual();
      return;
    case Operation::kChangeLanguage:
      changeLanguage();
      return;
    case Operation::kSaveList:
      saveListCommand(listCommand);
      return;
    case Operation::kLoadList:
      loadListCommand(listCommand, [this] { win::rebuildColumns(app_); });
      break;
    case Operation::kRunAllRows:
    case Operation::kRunSelectedRows:
    case Operation::kRunSelectedOrAllRows: {
      const RowChoice choice = operation == Operation::kRunAllRows        ? RowChoice::kAll
                               : operation == Operation::kRunSelectedRows ? RowChoice::kSelected
                                                                          : RowChoice::kSelectedOrAll;
      if (checkedBeforeRun(choice)) app_.runner.runWholeList(currentSet(), app_.list, choice);
      tellReportFailure(app_);
      break;
    }
    case Operation::kRunRestartingPerRow:
      if (checkedBeforeRun(RowChoice::kSelectedOrAll)) app_.runner.runPerRowByCommand(currentSet(), app_.list);
      tellReportFailure(app_);
      break;
    case Operation::kStartTimerRun:
      if (!checkedBeforeRun(RowChoice::kSelectedOrAll)) return;
      // Starting again during a run begins afresh from row 0.
      app_.runner.startTimerRun(app_.list);
      SetTimer(app_.mainWindow, kRunTimerId, kRunTimerIntervalMs, nullptr);
      return;
    case Operation::kCheckList:
      checkRowsOfRun(rowsOfRun(app_.list, RowChoice::kSelectedOrAll), CheckDialogMode::kReport);
      return;
    case Operation::kOpenRunReport:
      openRunReport();
      return;
    case Operation::kExtrasSettingsDialog:
      if (runExtrasSettingsDialog(app_.instance, app_.mainWindow, app_.files, app_.messages, app_.settingsFolder,
                                  app_.extras, app_.settings.moji_type)) {
        app_.runner.setTimeLimit(app_.extras.watchdogSeconds);
      }
      return;
    case Operation::kShowRunScript:
      app_.runner.showExecutedScript();
      return;
    case Operation::kSaveScriptOfAllRows:
    case Operation::kSaveScriptOfSelectedRows:
      saveScriptFile(app_.files, app_.messages, currentSet(), app_.list,
                     operation == Operation::kSaveScriptOfAllRows ? RowChoice::kAll : RowChoice::kSelected,
                     app_.settingsFolder, app_.settings.end_file_dwg);
      break;
    case Operation::kVersionDialog:
      showVersionDialog(app_);
      return;
    case Operation::kAboutWindow:
      showAboutWindow(app_);
      return;
    case Operation::kFamilyWindow:
      showFamilyWindow(app_);
      return;
    case Operation::kCollectFolderDwg:
      collect(&DrawingCollection::collectFolder, DrawingType::kDwg);
      break;
    case Operation::kCollectFolderDxf:
      collect(&DrawingCollection::collectFolder, DrawingType::kDxf);
      break;
    case Operation::kCollectTreeDwg:
      collect(&DrawingCollection::collectFolderTree, DrawingType::kDwg);
      break;
    case Operation::kCollectTreeDxf:
      collect(&DrawingCollection::collectFolderTree, DrawingType::kDxf);
      break;
    case Operation::kPickDwgFiles:
      collect(&DrawingCollection::pickDrawings, PickerFirstFilter::kDwg);
      break;
    case Operation::kPickDxfFiles:
      collect(&DrawingCollection::pickDrawings, PickerFirstFilter::kDxf);
      break;
    case Operation::kFolderSelectDialog:
      runFolderSelectDialog(app_.instance, app_.mainWindow, app_.files, app_.list, currentSet(),
                            app_.settings, app_.texts, app_.folderSelectTypes);
      // The rows read before the dialog was closed get the rules too.
      applyRulesAfterCollecting(app_.firstNewRow);
      break;
    case Operation::kApplyFileNameRules:
      applyFileNameRules(app_.list, app_.settings.file_set,
                         ruleLabels(app_.texts, app_.settings.moji_type), 0);
      break;
    case Operation::kFileNameRulesDialog:
      runFileNameRulesDialog(app_.instance, app_.mainWindow, app_.settings.file_set, app_.printers,
                             app_.messages);
      return;
    case Operation::kPrinterListDialog:
      runPrinterListDialog(app_.instance, app_.mainWindow, app_.printers, app_.spooler,
                           app_.settings, app_.texts);
      return;
    case Operation::kSearchList:
      editList(&ListEditing::search);
      break;
    case Operation::kEditRow:
      editList(&ListEditing::editRow);
      break;
    case Operation::kEditColumn:
      editList(&ListEditing::editColumn);
      break;
    case Operation::kCopyRow:
      editList(&ListEditing::copyRow);
      break;
    case Operation::kPasteRow:
      editList(&ListEditing::pasteRow);
      break;
    case Operation::kAddRows1:
    case Operation::kAddRows5:
    case Operation::kAddRows10:
    case Operation::kAddRows50:
      editList(&ListEditing::addRows, addedRowCount(operation));
      break;
    case Operation::kMoveRowDown:
      editList(&ListEditing::moveRow, +1);
      break;
    case Operation::kMoveRowUp:
      editList(&ListEditing::moveRow, -1);
      break;
    case Operation::kLayoutSerialNumbers:
      editList(&ListEditing::numberLayouts);
      break;
    case Operation::kInitialValues:
      editList(&ListEditing::editInitialValues);
      break;
    default:
      // Operations of the subsystems still to come: their commands do nothing yet.
      return;
  }
  app_.listView.showRows();
}

}  // namespace dovevar::win
