// The check of a list before a run: what would make a row fail that can be seen without
// starting the CAD application. A drawing that is not on disk; a printer the spooler does
// not report, or one the user prohibited; a paper the row's printer does not offer; a
// plot-style table that is not in the plot-style folder. Empty printer, paper and
// plot-style cells keep the drawing's own setting and are not problems.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "extras/extras_settings.h"

#include "list/drawing_list.h"
#include "platform/file_system.h"
#include "printers/printer_table.h"
#include "script/run_script.h"
#include "script/script_sets.h"

namespace dovevar {

enum class ProblemKind {
  kNoPathColumns,  // row -1: the set has no file-name or no folder column: no run can start
  kDrawingMissing,
  kPrinterMissing,
  kPrinterProhibited,
  kPaperMissing,
  kPlotStyleMissing,
  kControlCharacters,  // a cell holds characters the Run script leaves out
};

struct CheckProblem {
  int row = -1;     // the list row, from 0
  int column = -1;  // the Drawing list column the problem is in
  ProblemKind kind = ProblemKind::kDrawingMissing;
  std::u16string value;    // the path, printer, paper or plot-style table
  std::u16string printer;  // for a paper: the printer that lacks it

  bool operator==(const CheckProblem&) const = default;
};

// What the check compares the cells with. The printer table must be built.
struct CheckSources {
  const PrinterTable& printers;
  FileSystem& files;
  std::u16string_view plotStyleFolder;
};

// The problems of the rows, row by row, in column order within a row. The drawing is the
// path the Run script opens: the folder column's cell joined to the file-name column's. The printer
// is the column-5 cell when that column edits as a printer, the paper the column-6 cell when
// that column edits as a paper; plot styles are the cells of every column that edits as one.
// Any cell with control characters is noted too, since the Run script leaves them out.
std::vector<CheckProblem> checkRows(const ScriptSet& set, const DrawingList& list,
                                    const std::vector<int>& rows, const CheckSources& sources);

// The check before a run, for the window and the night run alike. With the check turned
// on, the rows the run takes are checked and `decide` is given the problems: it says
// whether the run goes on (the window asks the user, a night run notes them and goes on).
// A check that finds nothing lets the run go on without asking, and an empty choice of
// rows is the run's own to refuse. `sources` is called only when there is something to
// check, so the printer table is built only then.
using ProblemsDecision = std::function<bool(const std::vector<CheckProblem>& problems, int rowsChecked)>;
bool checkBeforeRun(const ExtrasSettings& extras, const ScriptSet& set, const DrawingList& list,
                    RowChoice choice, const std::function<CheckSources()>& sources,
                    const ProblemsDecision& decide);

// The rows that have problems, each once, in list order.
std::vector<int> rowsWithProblems(const std::vector<CheckProblem>& problems);

// The title the list shows above the problem's column; empty for a problem of no column.
std::u16string problemColumnTitle(const DrawingList& list, const CheckProblem& problem);

// One problem as the user reads it, in the UI language.
std::u16string problemText(const CheckProblem& problem, int language);

}  // namespace dovevar
