#include "app/win/startup.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/version.h"
#include "app/win/commands.h"
#include "app/win/window_place.h"
#include "app/win/main_window_parts.h"
#include "config/win/first_run.h"
#include "extras/extras_texts.h"
#include "extras/run_report.h"
#include "list/list_file.h"
#include "platform/win/wide.h"
#include "platform/win/window_dpi.h"
#include "platform/win/window_guard.h"
#include "script/script_set_file.h"
#include "store/main_settings_file.h"
#include "store/settings_text.h"
#include "store/text_ids.h"
#include "store/ui_text_file.h"

namespace dovevar::win {
std::u16string currentDirectory() {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, buffer);
  if (length == 0 || length >= MAX_PATH) return {};
  return fromWide(std::wstring_view(buffer, length));
}

namespace {

std::u16string automaticListPath(const AppState& app) {
  return settingsFilePath(app.settingsFolder, kAutomaticListFileName);
}

// A fault that reached a window procedure: what the user built is written first, then
// the user is told.
void onUnexpectedFailure(AppState& app) {
  saveListAtExit(app);
  app.ui.messageBox(extrasText(app.settings.moji_type, ExtrasText::kUnexpectedFailure), u"Dovevar",
                    UiPort::BoxStyle::kExclamation);
}

int testHookCommand() {
  wchar_t value[16] = {};
  const DWORD length = GetEnvironmentVariableW(L"DOVEVAR_TEST_THROW_ON_COMMAND", value, 16);
  return length > 0 && length < 16 ? _wtoi(value) : 0;
}

}  // namespace

void rebuildColumns(AppState& app) {
  keepShownWidths(app);
  app.list.rebuildColumns(currentScriptSet(app.scriptSets, app.settings.scrpit_type));
  showColumnsOfCurrentSet(app);
  app.listView.showRows();
  if (app.steps.noteColumns(app.settings.moji_type, app.settings.scrpit_type, app.list.columns())) {
    showRunStatus(app, extrasText(app.settings.moji_type, ExtrasText::kStepsCleared));
  }
}

void startUp(AppState& app) {
  app.settingsFolder = currentDirectory();
  setUnexpectedFailureHandler([&app] { onUnexpectedFailure(app); });
  app.throwOnCommand = testHookCommand();
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  app.ui.setOwner(app.mainWindow);

  // The texts first, so that every later message speaks the user's language.
  readUiTextFile(app.files, app.messages, app.settingsFolder, app.texts);
  if (readMainSettings(app.files, app.messages, app.settingsFolder, app.settings) != 0) {
    runFirstRunSetUp(app);
  }
  if (readScriptSets(app.files, app.messages, app.settingsFolder, app.settings.moji_type,
                     app.scriptSets) != 0) {
    app.messages.show(kMsgScriptSetFileNotRead);
  }

  app.dpi = dpiOf(app.mainWindow);
  app.toolbar = createToolbar(app);
  app.listView.setDpi(app.dpi);
  app.listView.create(app.mainWindow, app.instance);
  // Explorer drops onto the list; a program that posts WM_DROPFILES drops onto the window.
  app.fileDrop = std::make_unique<FileDropTarget>([&app] { return dropAccepted(app); }, app.mainWindow,
                                                  kFilesDroppedMessage);
  app.fileDrop->attach(app.listView.window());
  DragAcceptFiles(app.mainWindow, TRUE);
  // The set the last list was made with wins over the Main settings file's.
  readListFile(app.files, app.messages, automaticListPath(app), ListPass::kScriptSetOnly,
               app.settings.scrpit_type, app.list);
  app.list.rebuildColumns(currentScriptSet(app.scriptSets, app.settings.scrpit_type));
  app.steps.noteColumns(app.settings.moji_type, app.settings.scrpit_type, app.list.columns());
  recallWindowMemory(app);
  showColumnsOfCurrentSet(app);
  app.editorFont = createEditorFont(app.dpi);
  app.statusBar = createStatusBar(app);
  // Every run goes into the run report, and the fourth pane tells which row runs and, at
  // the end, how the run went.
  app.report = std::make_unique<RunReport>(app.files, settingsFilePath(app.settingsFolder, kRunReportFileName));
  app.recorder = std::make_unique<RunRecorder>(*app.report, app.clock, app.settings.moji_type);
  app.runner.setObserver(app.recorder.get());
  app.recorder->setStatusSink([&app](std::u16string_view text) { showRunStatus(app, text); });

  buildPrinterTable(app.printers, app.spooler, app.settings, app.messages);
  // The first command that needs printer names builds the table again.
  app.printers.ready = false;

  readListFile(app.files, app.messages, automaticListPath(app), ListPass::kRows,
               app.settings.scrpit_type, app.list);
  app.listView.showRows();
  app.autosave.begin(automaticListPath(app), app.list);
  SetTimer(app.mainWindow, ListAutosave::kTimerId, ListAutosave::kTimerMs, nullptr);

  SetWindowTextW(app.mainWindow, toWide(windowTitle()).c_str());
  attachMenu(app);
}

void saveListAtExit(AppState& app) {
  app.autosave.finish();
  writeListFile(app.files, app.messages, automaticListPath(app), app.list, app.settings.scrpit_type);
}

void saveSettingsAtExit(AppState& app) {
  writeMainSettings(app.files, app.messages, app.settingsFolder, app.settings);
}

void saveAtSessionEnd(AppState& app) {
  saveWindowMemory(app);
  saveListAtExit(app);
  saveSettingsAtExit(app);
  if (app.recorder != nullptr) app.recorder->flush();
}

}  // namespace dovevar::win
