// Carries out the command table for the main window.
#pragma once

#include <optional>
#include <vector>

#include "app/command_table.h"
#include "app/win/app_state.h"
#include "collect/collection_commands.h"
#include "extras/list_check.h"
#include "extras/step_status.h"
#include "extras/win/check_dialog.h"
#include "list/list_editing.h"
#include "list/list_file.h"

namespace dovevar::win {

class MainCommands : public CommandHost {
 public:
  explicit MainCommands(AppState& app) : app_(app) {}

  int rowCount() const override;
  void showMessage(int number) override;
  void printerCheck() override;
  void rememberFirstNewRow(int row) override;
  void run(Operation operation) override;
  void showRows() override;
  void refreshStatus() override;
  void rebuildColumns() override;
  void replaceMenu() override;
  void repaint() override;

 private:
  // Every operation has its handler; the switch that gives them has no default case, so
  // an operation without one does not build.
  using Handler = void (*)(MainCommands&);
  static Handler handlerOf(Operation operation);

  const ScriptSet& currentSet() const;
  void changeLanguage();
  void openManual();
  // The extensions: the list check, the check before a run, the run report.
  CheckSources checkSources() const;
  bool checkRowsOfRun(const std::vector<int>& rows, win::CheckDialogMode mode);
  bool checkedBeforeRun(RowChoice choice);
  void runWholeList(RowChoice choice);
  void runPerRow();
  void startTimerRun();
  // The first Stop of a per-row run takes no new row; a second one, or Stop during a
  // whole-list run, asks whether to end the CAD application now.
  void stopRun();
  void selectFailedRows();
  // Undo or Redo of the last step, said in the status bar.
  void takeStep(StepDirection direction);
  void exitOrAsk();
  void saveScript(RowChoice choice);
  void runExtrasSettings();
  ListFileCommand listFileCommand();
  void saveList();
  void loadList();
  void runFolderSelect();
  void applyRulesFrom(int firstRow);
  void deleteSelectedRows(WhenNoneSelected whenNone);
  void runEnvironment();
  void runFileNameRules();
  void runPrinterList();
  void checkList();
  void openRunReport();
  void runScriptSelection();
  // Runs a collection command, then the file-name rules over its new rows when they
  // are to follow every collection.
  template <typename Type>
  void collect(std::optional<int> (DrawingCollection::*command)(const ScriptSet&, Type), Type type);
  void applyRulesAfterCollecting(int firstNewRow);
  // Runs a list editing command with the dialogs of the current language.
  template <typename Result, typename... Parameters, typename... Arguments>
  void editList(Result (ListEditing::*command)(Parameters...), Arguments... arguments);

  AppState& app_;
};

// Where the editors' choice lists come from: the printer table and the plot-style folder.
ChoiceSources choiceSources(AppState& app);

// One step of the timer run, on timer 2.
void runTimerStep(AppState& app);

// The window is closed during a run: asks whether to stop the run and close once it has
// stopped.
void askToCloseDuringRun(AppState& app);

// Tells the user, once, that the run report could not be written.
void tellReportFailure(AppState& app);

// Posted by the list's drop target once a drop has been taken.
inline constexpr UINT kFilesDroppedMessage = WM_APP + 1;
// A drop is taken while no run goes on and no dialog holds the window.
bool dropAccepted(const AppState& app);
// Adds what was dropped, as the collections add drawings, and tells what was passed over;
// a beep instead when the drop is not accepted now.
void takeDroppedFiles(AppState& app, const DroppedPaths& paths);

}  // namespace dovevar::win
