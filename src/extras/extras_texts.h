// The texts of Dovevar's own extensions in the four interface languages. They are part
// of the program, not of the UI text file, so an older wchar_set.ini still serves.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace dovevar {

enum class ExtrasText : int {
  kCheckCaption,       // the check dialog's title
  kCheckFoundProblems,  // {0} problems found in {1} rows checked
  kCheckFoundNone,      // no problems in {0} rows checked
  kCheckAskToRun,       // the question under the list before a run
  kHeadingRow,
  kHeadingColumn,
  kHeadingProblem,
  kSelectRows,
  kClose,
  kRunAnyway,
  kCancel,
  kDrawingMissing,     // {0} the path
  kPrinterMissing,     // {0} the printer
  kPrinterProhibited,  // {0} the printer
  kPaperMissing,       // {0} the paper, {1} the printer
  kPlotStyleMissing,   // {0} the plot-style table
  kControlCharacters,  // {0} the cell without them
  kNoPathColumns,      // the set has no file-name or folder column
  kProgress,           // {0}/{1} {2}, {3} (elapsed), about {4} left
  kWholeListRunning,   // {0} rows in one run
  kSummary,            // {0} done, {1} failed
  kReportNotWritten,   // {0} the report's path
  kReportNotOpened,    // {0} the report's path
  kSettingsCaption,     // the extras settings dialog
  kSettingsCheckFirst,
  kSettingsWatchdog,
  kOk,
  kUnexpectedFailure,
  kPickNotTaken,
  kRowsAtOnce,          // {0} done, {1} running, {2} left, {3} (elapsed), about {4} left
  kRowsAtOnceStarting,  // the same before the first row has ended: {0} done, {1} running, {2} left
  kStoppedSummary,      // stopped: {0} done, {1} not done
  kStopping,            // the status while the starts that run end
  kStopNowQuestion,     // end the running CAD application now?
  kCloseDuringRun,      // a run is going on: stop it and close?
  kNoFailedRows,        // the last run had no failed row
  kFailedRowsSelected,  // {0} rows selected of the last run
  kSettingsCadAtOnce,
  kDropPassedOver,      // {0} dropped files that are neither drawings nor folders
  kChooserCaption,      // the folder chooser's texts outside Japanese, whose are the template's
  kChooserFavourite,    // {0} the favourite's number
  kChooserUnsetFavourite,  // {0} the favourite's number
  kChooserOtherFolder,
  kUndoneRows,    // {0} the step, {1} its rows
  kUndoneRow,     // {0} the step of one row
  kRedoneRows,    // {0} the step, {1} its rows
  kRedoneRow,     // {0} the step of one row
  kNothingToUndo,
  kNothingToRedo,
  kStepsCleared,  // the columns changed under the steps
  kStepCollection,  // the steps' names, in the order of StepKind
  kStepFileNameRules,
  kStepCellEdit,
  kStepLineEdit,
  kStepColumnEdit,
  kStepPaste,
  kStepAddRows,
  kStepMoveRow,
  kStepLayoutNumbers,
  kStepDelete,
  kStepSort,
  kStepListLoad,
  kCount
};

// The text in the UI language (0 Japanese, 1 English, 2 Korean, 3 Chinese; any other
// number gives English).
std::u16string_view extrasText(int language, ExtrasText text);

// The pattern with "{0}", "{1}", ... replaced by the values in turn.
std::u16string fillText(std::u16string_view pattern, std::initializer_list<std::u16string_view> values);

}  // namespace dovevar
