#include "extras/list_check.h"

#include <algorithm>

#include "extras/extras_texts.h"
#include "list/cell_choices.h"
#include "store/plain_text.h"
#include "store/settings_text.h"

namespace dovevar {
namespace {

// The column's own item decides, the one whose title the list shows above it.
bool editsAs(const ScriptSet& set, const DrawingList& list, int column, std::int32_t editMode) {
  if (column < 0 || column >= list.columnCount()) return false;
  return set.items[list.columns()[column].item].edit_mode == editMode;
}

// A cell as the Run script writes it: without control characters.
std::u16string asScripted(const DrawingList& list, int row, int column) {
  return withoutControlCharacters(list.cell(row, column));
}

bool isProhibitedRecord(const PrinterRecord& printer) {
  return printer.papers[0] == kPaperProhibition;
}

// A printer whose papers could not be read tells nothing about its papers.
bool papersKnown(const PrinterRecord& printer) {
  return printer.papers[0] != kPaperCannotSearch;
}

bool offersPaper(const PrinterRecord& printer, std::u16string_view paper) {
  if (printer.papers[0] == kPaperNoKind) return false;
  const std::vector<std::u16string_view> papers = paperChoices(printer);
  return std::find(papers.begin(), papers.end(), paper) != papers.end();
}

void checkPrinterAndPaper(const ScriptSet& set, const DrawingList& list, int row,
                          const CheckSources& sources, std::vector<CheckProblem>& problems) {
  if (!editsAs(set, list, kPrinterColumn, EditMode::kPrinter)) return;
  const std::u16string printerName = asScripted(list, row, kPrinterColumn);
  if (printerName.empty()) return;
  const PrinterRecord* printer = findPrinter(sources.printers, printerName);
  if (printer == nullptr) {
    problems.push_back({row, kPrinterColumn, ProblemKind::kPrinterMissing, printerName, {}});
    return;
  }
  if (isProhibitedRecord(*printer)) {
    problems.push_back({row, kPrinterColumn, ProblemKind::kPrinterProhibited, printerName, {}});
    return;
  }
  if (!editsAs(set, list, kPaperColumn, EditMode::kPaper)) return;
  const std::u16string paper = asScripted(list, row, kPaperColumn);
  if (!paper.empty() && papersKnown(*printer) && !offersPaper(*printer, paper)) {
    problems.push_back({row, kPaperColumn, ProblemKind::kPaperMissing, paper, printerName});
  }
}

}  // namespace

std::vector<CheckProblem> checkRows(const ScriptSet& set, const DrawingList& list,
                                    const std::vector<int>& rows, const CheckSources& sources) {
  std::vector<CheckProblem> problems;
  if (fileNameItem(set) < 0 || folderItem(set) < 0) {
    problems.push_back({-1, -1, ProblemKind::kNoPathColumns, {}, {}});
    return problems;
  }
  const int nameColumn = columnOfItem(set, fileNameItem(set));
  std::vector<int> plotStyleColumns;
  for (int column = 0; column < list.columnCount(); ++column) {
    if (editsAs(set, list, column, EditMode::kPlotStyle)) plotStyleColumns.push_back(column);
  }
  for (const int row : rows) {
    if (row < 0 || row >= list.rowCount()) continue;
    const std::u16string drawing = drawingPathOfRow(set, list, row);
    if (list.cell(row, nameColumn).empty() || !sources.files.exists(drawing)) {
      problems.push_back({row, nameColumn, ProblemKind::kDrawingMissing, drawing, {}});
    }
    checkPrinterAndPaper(set, list, row, sources, problems);
    for (int column = 0; column < list.columnCount(); ++column) {
      const std::u16string_view cell = list.cell(row, column);
      if (hasControlCharacters(cell)) {
        problems.push_back({row, column, ProblemKind::kControlCharacters, withoutControlCharacters(cell), {}});
      }
    }
    for (const int column : plotStyleColumns) {
      const std::u16string style = asScripted(list, row, column);
      if (!style.empty() && !sources.files.exists(settingsFilePath(sources.plotStyleFolder, style))) {
        problems.push_back({row, column, ProblemKind::kPlotStyleMissing, style, {}});
      }
    }
  }
  std::stable_sort(problems.begin(), problems.end(), [](const CheckProblem& a, const CheckProblem& b) {
    return a.row != b.row ? a.row < b.row : a.column < b.column;
  });
  return problems;
}

bool checkBeforeRun(const ExtrasSettings& extras, const ScriptSet& set, const DrawingList& list,
                    RowChoice choice, const std::function<CheckSources()>& sources,
                    const ProblemsDecision& decide) {
  if (!extras.checkBeforeRun) return true;
  const std::vector<int> rows = rowsOfRun(list, choice);
  if (rows.empty()) return true;
  const std::vector<CheckProblem> problems = checkRows(set, list, rows, sources());
  return problems.empty() || decide(problems, static_cast<int>(rows.size()));
}

std::vector<int> rowsWithProblems(const std::vector<CheckProblem>& problems) {
  std::vector<int> rows;
  for (const CheckProblem& problem : problems) {
    if (problem.row >= 0) rows.push_back(problem.row);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

std::u16string problemColumnTitle(const DrawingList& list, const CheckProblem& problem) {
  if (problem.column < 0 || problem.column >= list.columnCount()) return {};
  return list.columns()[problem.column].title;
}

std::u16string problemText(const CheckProblem& problem, int language) {
  switch (problem.kind) {
    case ProblemKind::kNoPathColumns:
      return std::u16string(extrasText(language, ExtrasText::kNoPathColumns));
    case ProblemKind::kDrawingMissing:
      return fillText(extrasText(language, ExtrasText::kDrawingMissing), {problem.value});
    case ProblemKind::kPrinterMissing:
      return fillText(extrasText(language, ExtrasText::kPrinterMissing), {problem.value});
    case ProblemKind::kPrinterProhibited:
      return fillText(extrasText(language, ExtrasText::kPrinterProhibited), {problem.value});
    case ProblemKind::kPaperMissing:
      return fillText(extrasText(language, ExtrasText::kPaperMissing), {problem.value, problem.printer});
    case ProblemKind::kPlotStyleMissing:
      return fillText(extrasText(language, ExtrasText::kPlotStyleMissing), {problem.value});
    case ProblemKind::kControlCharacters:
      return fillText(extrasText(language, ExtrasText::kControlCharacters), {problem.value});
  }
  return {};
}

}  // namespace dovevar
