#include "app/win/commands.h"

#include <shellapi.h>

#include <optional>

#include "about/win/about_window.h"
#include "about/win/family_window.h"
#include "about/win/version_dialog.h"
#include "app/win/main_window_parts.h"
#include "app/win/startup.h"
#include "collect/collection_commands.h"
#include "collect/dropped_paths.h"
#include "collect/file_name_rules.h"
#include "collect/win/file_name_rules_dialog.h"
#include "collect/win/folder_select_dialog.h"
#include "collect/win/win_collection_dialogs.h"
#include "config/win/environment_dialog.h"
#include "extras/extras_texts.h"
#include "extras/failed_rows.h"
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

// The file-name rules over the rows a collection or a drop has just added, when they are on.
void applyRulesToNewRows(AppState& app, int firstNewRow) {
  applyRulesAfterCollection(app.list, app.settings.file_set, ruleLabels(app.texts, app.settings.moji_type),
                            firstNewRow);
}

}  // namespace

const ScriptSet& MainCommands::currentSet() const {
  return currentScriptSet(app_.scriptSets, app_.settings.scrpit_type);
}

// After a run: the toolbar as it was, the report's failure told, and the window closed
// when the user chose that during the run.
void runHasEnded(AppState& app) {
  showRunState(app);
  tellReportFailure(app);
  if (!app.closeAfterRun) return;
  app.closeAfterRun = false;
  DestroyWindow(app.mainWindow);
}

void runTimerStep(AppState& app) {
  KillTimer(app.mainWindow, kRunTimerId);
  const bool again = app.runner.timerTick(currentScriptSet(app.scriptSets, app.settings.scrpit_type), app.list);
  app.listView.showRows();
  if (again) {
    tellReportFailure(app);
    SetTimer(app.mainWindow, kRunTimerId, kRunTimerIntervalMs, nullptr);
  } else {
    runHasEnded(app);
  }
}

void askToCloseDuringRun(AppState& app) {
  const std::u16string_view question = extrasText(app.settings.moji_type, ExtrasText::kCloseDuringRun);
  if (app.ui.messageBox(question, u"Dovevar", UiPort::BoxStyle::kYesNo) != UiPort::kYes) return;
  app.closeAfterRun = true;
  app.runner.requestStop(app.runner.runningPerRow() ? StopRequest::kAfterCurrent : StopRequest::kNow);
}

void tellReportFailure(AppState& app) {
  if (app.recorder == nullptr || !app.recorder->takeWriteFailure()) return;
  std::u16string text =
      fillText(extrasText(app.settings.moji_type, ExtrasText::kReportNotWritten), {app.report->path()});
  const std::u16string& reason = app.recorder->writeError().reason;
  if (!reason.empty()) text += u"\r\n\r\n" + reason;
  app.ui.messageBox(text, u"Dovevar", UiPort::BoxStyle::kExclamation);
}

bool dropAccepted(const AppState& app) {
  return !app.runner.running() && IsWindowEnabled(app.mainWindow) != FALSE;
}

void takeDroppedFiles(AppState& app, const DroppedPaths& paths) {
  if (!dropAccepted(app)) {
    MessageBeep(MB_OK);
    return;
  }
  app.cellEditor.close();
  DropOutcome outcome;
  {
    ListStep step(app.steps, app.list, StepKind::kCollection);
    const ScriptSet& current = currentScriptSet(app.scriptSets, app.settings.scrpit_type);
    outcome = addDroppedPaths(app.files, app.list, current, paths);
    applyRulesToNewRows(app, outcome.firstNewRow);
  }
  app.listView.showRows();
  if (outcome.passedOver == 0) return;
  app.ui.messageBox(fillText(extrasText(app.settings.moji_type, ExtrasText::kDropPassedOver),
                             {decimalText(outcome.passedOver)}),
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
  runLanguageDialog(app_.instance, app_.mainWindow, app_.settings.moji_type, app_.messages);
  if (readScriptSets(app_.files, app_.messages, app_.settingsFolder, app_.settings.moji_type,
                     app_.scriptSets) != 0) {
    app_.messages.show(kMsgScriptSetFileNotRead);
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

// The check of the rows a run takes. Before a run the dialog shows only when there are
// problems, and gives true when the run may go on.
bool MainCommands::checkRowsOfRun(const std::vector<int>& rows, CheckDialogMode mode) {
  const std::vector<CheckProblem> problems = checkRows(currentSet(), app_.list, rows, checkSources());
  if (mode == CheckDialogMode::kBeforeRun && problems.empty()) return true;
  const bool goOn = runCheckDialog(app_.instance, app_.mainWindow, mode, {problems, static_cast<int>(rows.size())},
                                   app_.list, app_.messages);
  app_.listView.showRows();
  return goOn;
}

// The extras file is read again before every run, so that a change to it counts at once;
// the list is on disk before the CAD application starts.
bool MainCommands::checkedBeforeRun(RowChoice choice) {
  app_.autosave.writeNow(app_.list, app_.settings.scrpit_type);
  app_.extras = readExtrasSettings(app_.files, app_.settingsFolder);
  app_.runner.setTimeLimit(app_.extras.watchdogSeconds);
  app_.runner.setCadAtOnce(app_.extras.cadAtOnce);
  return checkBeforeRun(
      app_.extras, currentSet(), app_.list, choice,
      [this] {
        printerCheck();
        return checkSources();
      },
      [this](const std::vector<CheckProblem>& problems, int rowsChecked) {
        const bool goOn = runCheckDialog(app_.instance, app_.mainWindow, CheckDialogMode::kBeforeRun,
                                         {problems, rowsChecked}, app_.list, app_.messages);
        app_.listView.showRows();
        return goOn;
      });
}

// The runs wait with the window's messages handled; the toolbar greys what a run does not
// allow, from before the first start.
void MainCommands::runWholeList(RowChoice choice) {
  if (checkedBeforeRun(choice)) {
    showRunState(app_, true);
    app_.runner.runWholeList(currentSet(), app_.list, choice);
  }
  runHasEnded(app_);
}

void MainCommands::runPerRow() {
  if (checkedBeforeRun(RowChoice::kSelectedOrAll)) {
    showRunState(app_, true);
    app_.runner.runPerRowByCommand(currentSet(), app_.list);
  }
  runHasEnded(app_);
}

void MainCommands::startTimerRun() {
  if (!checkedBeforeRun(RowChoice::kSelectedOrAll) || !app_.runner.startTimerRun(app_.list)) return;
  showRunState(app_);
  SetTimer(app_.mainWindow, kRunTimerId, kRunTimerIntervalMs, nullptr);
}

void MainCommands::stopRun() {
  if (!app_.runner.running()) return;
  if (app_.runner.runningPerRow() && app_.runner.stopRequest() == StopRequest::kNone) {
    app_.runner.requestStop(StopRequest::kAfterCurrent);
    showRunStatus(app_, extrasText(app_.settings.moji_type, ExtrasText::kStopping));
    return;
  }
  const std::u16string_view question = extrasText(app_.settings.moji_type, ExtrasText::kStopNowQuestion);
  if (app_.ui.messageBox(question, u"Dovevar", UiPort::BoxStyle::kYesNo) == UiPort::kYes) {
    app_.runner.requestStop(StopRequest::kNow);
  }
}

// The drawings of the last run that did not end well, read from the report as it is now;
// a report that another program keeps from being read is said so, not taken for none.
void MainCommands::selectFailedRows() {
  const std::u16string& path = app_.report->path();
  const int language = app_.settings.moji_type;
  std::string bytes;
  std::vector<std::u16string> failed;
  const FileSystem::ReadOutcome read = app_.files.readFile(path, false, bytes);
  if (read == FileSystem::ReadResult::kRead) {
    failed = failedDrawingsOfLastRun(bytes);
  } else if (read == FileSystem::ReadResult::kFailed) {
    app_.ui.failureBox(fillText(extrasText(language, ExtrasText::kReportNotOpened), {path}), u"Dovevar",
                       UiPort::BoxStyle::kExclamation, read.error);
    return;
  }
  if (failed.empty()) {
    app_.ui.messageBox(extrasText(language, ExtrasText::kNoFailedRows), u"Dovevar", UiPort::BoxStyle::kPlain);
    return;
  }
  const int selected = selectRowsOfDrawings(currentSet(), app_.list, failed);
  showRunStatus(app_, fillText(extrasText(language, ExtrasText::kFailedRowsSelected), {decimalText(selected)}));
}

void MainCommands::exitOrAsk() {
  if (app_.runner.running()) {
    askToCloseDuringRun(app_);
  } else {
    DestroyWindow(app_.mainWindow);
  }
}

void MainCommands::saveScript(RowChoice choice) {
  saveScriptFile(app_.files, app_.messages, currentSet(), app_.list, choice, app_.settingsFolder,
                 app_.settings.end_file_dwg);
}

void MainCommands::runExtrasSettings() {
  if (runExtrasSettingsDialog(app_.instance, app_.mainWindow, app_.files, app_.messages, app_.settingsFolder,
                              app_.extras)) {
    app_.runner.setTimeLimit(app_.extras.watchdogSeconds);
    app_.runner.setCadAtOnce(app_.extras.cadAtOnce);
  }
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

void MainCommands::applyRulesAfterCollecting(int firstNewRow) { applyRulesToNewRows(app_, firstNewRow); }

void MainCommands::applyRulesFrom(int firstRow) {
  applyFileNameRules(app_.list, app_.settings.file_set, ruleLabels(app_.texts, app_.settings.moji_type), firstRow);
}

void MainCommands::deleteSelectedRows(WhenNoneSelected whenNone) {
  editList(&ListEditing::deleteSelectedRows, whenNone);
}

void MainCommands::runEnvironment() {
  runEnvironmentDialog(app_.instance, app_.mainWindow, app_.settings, app_.messages);
}

void MainCommands::runFileNameRules() {
  runFileNameRulesDialog(app_.instance, app_.mainWindow, app_.settings.file_set, app_.printers, app_.messages);
}

void MainCommands::runPrinterList() {
  runPrinterListDialog(app_.instance, app_.mainWindow, app_.printers, app_.spooler, app_.settings, app_.texts);
}

void MainCommands::checkList() {
  checkRowsOfRun(rowsOfRun(app_.list, RowChoice::kSelectedOrAll), CheckDialogMode::kReport);
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

ListFileCommand MainCommands::listFileCommand() {
  return {app_.files, app_.messages, app_.ui, app_.settingsFolder, app_.list, app_.settings.scrpit_type,
          app_.rememberedListPath};
}

void MainCommands::saveList() {
  ListFileCommand command = listFileCommand();
  saveListCommand(command);
}

void MainCommands::loadList() {
  ListFileCommand command = listFileCommand();
  loadListCommand(command, [this] { win::rebuildColumns(app_); });
}

// The rows read before the dialog was closed get the rules too.
void MainCommands::runFolderSelect() {
  runFolderSelectDialog(app_.instance, app_.mainWindow, app_.files, app_.list, currentSet(), app_.settings,
                        app_.texts, app_.folderSelectTypes);
  applyRulesAfterCollecting(app_.firstNewRow);
}

void MainCommands::showRows() { app_.listView.showRows(); }

// The step's rows are selected again; the first is brought into view.
void MainCommands::takeStep(StepDirection direction) {
  const std::optional<StepSummary> step =
      direction == StepDirection::kUndo ? app_.steps.undo(app_.list) : app_.steps.redo(app_.list);
  app_.listView.showRows();
  if (step && step->firstRow >= 0) app_.listView.showRow(step->firstRow);
  showRunStatus(app_, stepStatusText(app_.settings.moji_type, direction, step));
}

// What an operation changes in the rows and cells is one undo step.
void MainCommands::run(Operation operation) {
  std::optional<ListStep> step;
  if (const std::optional<StepKind> kind = listStepOf(operation)) step.emplace(app_.steps, app_.list, *kind);
  handlerOf(operation)(*this);
}

MainCommands::Handler MainCommands::handlerOf(Operation operation) {
  using enum Operation;
  using C = MainCommands;
  using Collection = DrawingCollection;
  switch (operation) {
    case kExit: return [](C& c) { c.exitOrAsk(); };
    case kDeleteSelectedRows: return [](C& c) { c.deleteSelectedRows(WhenNoneSelected::kTellUser); };
    case kDeleteSelectedOrAll: return [](C& c) { c.deleteSelectedRows(WhenNoneSelected::kDeleteAll); };
    case kDeleteAllRows: return [](C& c) { c.app_.list.deleteAllRows(); };
    case kSelectAll: return [](C& c) { c.app_.list.selectAll(); };
    case kSelectNone: return [](C& c) { c.app_.list.selectNone(); };
    case kScriptSelectionDialog: return [](C& c) { c.runScriptSelection(); };
    case kEnvironmentDialog: return [](C& c) { c.runEnvironment(); };
    case kOpenManual: return [](C& c) { c.openManual(); };
    case kChangeLanguage: return [](C& c) { c.changeLanguage(); };
    case kSaveList: return [](C& c) { c.saveList(); };
    case kLoadList: return [](C& c) { c.loadList(); };
    case kRunAllRows: return [](C& c) { c.runWholeList(RowChoice::kAll); };
    case kRunSelectedRows: return [](C& c) { c.runWholeList(RowChoice::kSelected); };
    case kRunSelectedOrAllRows: return [](C& c) { c.runWholeList(RowChoice::kSelectedOrAll); };
    case kRunRestartingPerRow: return [](C& c) { c.runPerRow(); };
    case kStartTimerRun: return [](C& c) { c.startTimerRun(); };
    case kCheckList: return [](C& c) { c.checkList(); };
    case kOpenRunReport: return [](C& c) { c.openRunReport(); };
    case kExtrasSettingsDialog: return [](C& c) { c.runExtrasSettings(); };
    case kStopRun: return [](C& c) { c.stopRun(); };
    case kSelectFailedRows: return [](C& c) { c.selectFailedRows(); };
    case kShowRunScript: return [](C& c) { c.app_.runner.showExecutedScript(); };
    case kSaveScriptOfAllRows: return [](C& c) { c.saveScript(RowChoice::kAll); };
    case kSaveScriptOfSelectedRows: return [](C& c) { c.saveScript(RowChoice::kSelected); };
    case kVersionDialog: return [](C& c) { showVersionDialog(c.app_); };
    case kAboutWindow: return [](C& c) { showAboutWindow(c.app_); };
    case kFamilyWindow: return [](C& c) { showFamilyWindow(c.app_); };
    case kCollectFolderDwg: return [](C& c) { c.collect(&Collection::collectFolder, DrawingType::kDwg); };
    case kCollectFolderDxf: return [](C& c) { c.collect(&Collection::collectFolder, DrawingType::kDxf); };
    case kCollectTreeDwg: return [](C& c) { c.collect(&Collection::collectFolderTree, DrawingType::kDwg); };
    case kCollectTreeDxf: return [](C& c) { c.collect(&Collection::collectFolderTree, DrawingType::kDxf); };
    case kPickDwgFiles: return [](C& c) { c.collect(&Collection::pickDrawings, PickerFirstFilter::kDwg); };
    case kPickDxfFiles: return [](C& c) { c.collect(&Collection::pickDrawings, PickerFirstFilter::kDxf); };
    case kFolderSelectDialog: return [](C& c) { c.runFolderSelect(); };
    case kApplyFileNameRules: return [](C& c) { c.applyRulesFrom(0); };
    case kFileNameRulesDialog: return [](C& c) { c.runFileNameRules(); };
    case kPrinterListDialog: return [](C& c) { c.runPrinterList(); };
    case kSearchList: return [](C& c) { c.editList(&ListEditing::search); };
    case kEditRow: return [](C& c) { c.editList(&ListEditing::editRow); };
    case kEditColumn: return [](C& c) { c.editList(&ListEditing::editColumn); };
    case kCopyRow: return [](C& c) { c.editList(&ListEditing::copyRow); };
    case kPasteRow: return [](C& c) { c.editList(&ListEditing::pasteRow); };
    case kAddRows1: return [](C& c) { c.editList(&ListEditing::addRows, 1); };
    case kAddRows5: return [](C& c) { c.editList(&ListEditing::addRows, 5); };
    case kAddRows10: return [](C& c) { c.editList(&ListEditing::addRows, 10); };
    case kAddRows50: return [](C& c) { c.editList(&ListEditing::addRows, 50); };
    case kMoveRowDown: return [](C& c) { c.editList(&ListEditing::moveRow, +1); };
    case kMoveRowUp: return [](C& c) { c.editList(&ListEditing::moveRow, -1); };
    case kLayoutSerialNumbers: return [](C& c) { c.editList(&ListEditing::numberLayouts); };
    case kInitialValues: return [](C& c) { c.editList(&ListEditing::editInitialValues); };
    case kUndo: return [](C& c) { c.takeStep(StepDirection::kUndo); };
    case kRedo: return [](C& c) { c.takeStep(StepDirection::kRedo); };
  }
  return [](C&) {};
}

}  // namespace dovevar::win
