#include "script/run_script.h"

#include "store/plain_text.h"
#include "store/text_codec.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

// The first character of a cell: one code unit, or both halves of a surrogate pair so
// that the file never holds half a character.
std::u16string_view firstCharacter(std::u16string_view cell) {
  if (cell.size() >= 2 && isHighSurrogate(cell[0]) && isLowSurrogate(cell[1])) {
    return cell.substr(0, 2);
  }
  return cell.substr(0, cell.empty() ? 0 : 1);
}

// The column an output mode 3 or 4 item reads: its own, or, for an item without a column
// (display mode 0), the column of the nearest column item before it; -1 (no cell, read as
// empty) when there is none. The latter is what the original program read.
int cellColumnOfItem(const ScriptSet& set, int item) {
  const int column = columnOfItem(set, item);
  return isColumnItem(set.items[item]) ? column : column - 1;
}

// Builds the file line by line, straight into its bytes after the byte-order mark, and
// notes a line that would not fit.
class ScriptText {
 public:
  explicit ScriptText(std::string& bytes) : bytes_(bytes) { bytes_.assign("\xFF\xFE", 2); }

  void line(std::u16string_view a, std::u16string_view b = {}, std::u16string_view c = {},
            std::u16string_view d = {}) {
    if (a.size() + b.size() + c.size() + d.size() > kMaxRunScriptLineLength) {
      too_long_ = true;
      return;
    }
    appendPlain(a);
    appendPlain(b);
    appendPlain(c);
    appendPlain(d);
    appendUtf16Le(bytes_, u"\r\n");
  }
  void openLine(std::u16string_view command, std::u16string_view path) {
    line(command, u" \"", path, u"\"");
  }
  void closingLines(std::u16string_view endDrawing) {
    openLine(u"open", endDrawing);
    line(u"quit");
  }
  // After the first of `rows` rows: room for all of them at about its size, so that a
  // long list is not copied again and again as it grows. A long first row must not ask
  // for a huge buffer: beyond 64 MiB the text grows as it needs.
  void expectRows(std::size_t rows) {
    constexpr std::size_t kMostReserved = std::size_t{64} << 20;
    const std::size_t perRow = bytes_.size() + bytes_.size() / 8;
    if (rows > 1) bytes_.reserve(perRow < kMostReserved / rows ? perRow * rows : kMostReserved);
  }
  bool tooLong() const { return too_long_; }

 private:
  // A cell's control characters never reach the line.
  void appendPlain(std::u16string_view text) {
    if (hasControlCharacters(text)) {
      appendUtf16Le(bytes_, withoutControlCharacters(text));
    } else {
      appendUtf16Le(bytes_, text);
    }
  }

  std::string& bytes_;
  bool too_long_ = false;
};

// What a script needs of the set, found once.
struct ItemPlan {
  int run = 0;
  int fileNameColumn = -1;
  int folderColumn = -1;
  std::vector<int> cellColumns;  // per item of the active run
};

bool planItems(const ScriptSet& set, ItemPlan& plan) {
  const int fileName = fileNameItem(set);
  const int folder = folderItem(set);
  if (fileName < 0 || folder < 0) return false;
  plan.run = activeRunLength(set);
  plan.fileNameColumn = columnOfItem(set, fileName);
  plan.folderColumn = columnOfItem(set, folder);
  plan.cellColumns.resize(static_cast<std::size_t>(plan.run));
  for (int i = 0; i < plan.run; ++i)
    plan.cellColumns[static_cast<std::size_t>(i)] = cellColumnOfItem(set, i);
  return true;
}

// Into a buffer of the caller's, so that a long list does not allocate per row.
void appendDrawingPath(std::u16string& path, std::u16string_view folder,
                       std::u16string_view fileName) {
  path.append(folder);
  if (!(folder.size() >= 2 && folder.back() == u'\\')) path += u'\\';
  path.append(fileName);
}

void pathOfRow(const ItemPlan& plan, const DrawingList& list, int row, std::u16string& path) {
  path.clear();
  appendDrawingPath(path, list.cell(row, plan.folderColumn, kRunScriptPathCellCapacity),
                    list.cell(row, plan.fileNameColumn, kRunScriptPathCellCapacity));
}

// The line of an output mode 3 or 4 item.
void cellLine(ScriptText& out, const ItemPlan& plan, const DrawingList& list, int row, int item,
              std::int32_t mode) {
  const std::u16string_view cell =
      list.cell(row, plan.cellColumns[static_cast<std::size_t>(item)], kRunScriptCellCapacity);
  out.line(mode == OutputMode::kFirstCharacter ? firstCharacter(cell) : cell);
}

ComposedScript refused(ScriptOutcome outcome) {
  ComposedScript script;
  script.outcome = outcome;
  return script;
}

void showUnlessWritten(Messages& messages, ScriptOutcome outcome, const SystemError& writeError) {
  if (outcome == ScriptOutcome::kNotCreated) {
    messages.showFailure(messageOf(outcome), writeError);
  } else if (outcome != ScriptOutcome::kWritten) {
    messages.show(messageOf(outcome));
  }
}

// Writes a composed script; a refused one leaves the file empty. Gives the final outcome,
// and the system's reason when the file could not be written.
ScriptOutcome writeComposed(FileSystem& files, const ComposedScript& script, const std::u16string& path,
                            SystemError& writeError) {
  const PortResult written = files.replaceFile(path, script.outcome == ScriptOutcome::kWritten
                                                         ? std::string_view(script.bytes)
                                                         : std::string_view());
  writeError = written.error;
  return written ? script.outcome : ScriptOutcome::kNotCreated;
}

}  // namespace

int messageOf(ScriptOutcome outcome) {
  switch (outcome) {
    case ScriptOutcome::kWritten:
      return -1;
    case ScriptOutcome::kNotCreated:
      return kMsgRunScriptNotCreated;
    case ScriptOutcome::kListEmpty:
      return kMsgListIsEmpty;
    case ScriptOutcome::kNoSelection:
      return kMsgRunWithoutSelection;
    case ScriptOutcome::kNoPathItems:
      return kMsgScriptSetLacksPathItems;
    case ScriptOutcome::kLineTooLong:
      return kMsgRunScriptLineTooLong;
  }
  return -1;
}

std::u16string drawingPath(std::u16string_view folder, std::u16string_view fileName) {
  std::u16string path;
  path.reserve(folder.size() + 1 + fileName.size());
  appendDrawingPath(path, folder, fileName);
  return path;
}

std::u16string drawingPathOfRow(const ScriptSet& set, const DrawingList& list, int row) {
  const int fileName = fileNameItem(set);
  const int folder = folderItem(set);
  const auto cellOf = [&](int item) {
    return item < 0 ? std::u16string_view()
                    : list.cell(row, columnOfItem(set, item), kRunScriptPathCellCapacity);
  };
  return drawingPath(cellOf(folder), cellOf(fileName));
}

std::vector<int> rowsOfRun(const DrawingList& list, RowChoice choice) {
  std::vector<int> rows;
  if (choice != RowChoice::kAll && list.nextSelectedRow(-1) >= 0) {
    for (int r = list.nextSelectedRow(-1); r >= 0; r = list.nextSelectedRow(r)) rows.push_back(r);
  } else if (choice != RowChoice::kSelected) {
    rows.reserve(static_cast<std::size_t>(list.rowCount()));
    for (int r = 0; r < list.rowCount(); ++r) rows.push_back(r);
  }
  return rows;
}

ComposedScript composeWholeListScript(const ScriptSet& set, const DrawingList& list,
                                      RowChoice choice, std::u16string_view endDrawing) {
  const int rowCount = list.rowCount();
  if (rowCount == 0) return refused(ScriptOutcome::kListEmpty);
  const bool anySelected = list.nextSelectedRow(-1) >= 0;
  if (choice == RowChoice::kSelected && !anySelected) return refused(ScriptOutcome::kNoSelection);
  ItemPlan plan;
  if (!planItems(set, plan)) return refused(ScriptOutcome::kNoPathItems);

  ComposedScript script;
  script.takesSelection = choice != RowChoice::kAll && anySelected;
  script.rows = rowsOfRun(list, choice);

  ScriptText out(script.bytes);
  std::u16string lastOpened;  // no drawing path is empty: it holds a backslash at least
  std::u16string path;
  int nextRow = -1;  // the row whose path the look-ahead composed last
  std::u16string nextPath;
  for (const int row : script.rows) {
    if (row == nextRow) {
      path.swap(nextPath);
      nextRow = -1;
    } else {
      pathOfRow(plan, list, row, path);
    }
    for (int i = 0; i < plan.run; ++i) {
      const ScriptItem& item = set.items[static_cast<std::size_t>(i)];
      const std::int32_t mode = item.output_mode;
      if (mode == OutputMode::kOpenDrawing) {
        if (path != lastOpened) {
          out.openLine(item.command, path);
          lastOpened = path;
        }
      } else if (mode == OutputMode::kCommand) {
        if (item.command == kCloseCommand && row + 1 < rowCount) {
          if (nextRow != row + 1) {
            nextRow = row + 1;
            pathOfRow(plan, list, nextRow, nextPath);
          }
          if (nextPath == path) break;  // the next row keeps the drawing open
        }
        out.line(item.command);
        // A closed drawing is opened again by the next row that names it: with selected
        // rows, that row need not follow this one in the list.
        if (item.command == kCloseCommand) lastOpened.clear();
      } else if (mode == OutputMode::kFirstCharacter || mode == OutputMode::kWholeCell) {
        cellLine(out, plan, list, row, i, mode);
      }
    }
    if (row == script.rows.front()) out.expectRows(script.rows.size());
  }
  out.closingLines(endDrawing);
  if (out.tooLong()) return refused(ScriptOutcome::kLineTooLong);
  return script;
}

ComposedScript composePerRowScript(const ScriptSet& set, const DrawingList& list, int row,
                                   std::u16string_view endDrawing) {
  ItemPlan plan;
  if (!planItems(set, plan)) return refused(ScriptOutcome::kNoPathItems);
  ComposedScript script;
  script.rows.push_back(row);
  ScriptText out(script.bytes);
  std::u16string path;
  pathOfRow(plan, list, row, path);
  for (int i = 0; i < plan.run; ++i) {
    const ScriptItem& item = set.items[static_cast<std::size_t>(i)];
    const std::int32_t mode = item.output_mode;
    if (mode == OutputMode::kOpenDrawing) {
      out.openLine(item.command, path);
    } else if (mode == OutputMode::kCommand) {
      out.line(item.command);
    } else if (mode == OutputMode::kFirstCharacter || mode == OutputMode::kWholeCell) {
      cellLine(out, plan, list, row, i, mode);
    }
  }
  out.closingLines(endDrawing);
  if (out.tooLong()) return refused(ScriptOutcome::kLineTooLong);
  return script;
}

std::string runScriptBytes(std::u16string_view text) {
  std::string bytes("\xFF\xFE", 2);
  bytes.reserve(2 + 2 * text.size());
  appendUtf16Le(bytes, text);
  return bytes;
}

std::u16string runScriptText(const ComposedScript& script) {
  std::u16string text;
  const std::string_view bytes =
      std::string_view(script.bytes).substr(script.bytes.empty() ? 0 : 2);
  text.reserve(bytes.size() / 2);
  for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
    text += static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                  (static_cast<unsigned char>(bytes[at + 1]) << 8));
  }
  return text;
}

ScriptOutcome writeWholeListScript(FileSystem& files, Messages& messages, const ScriptSet& set,
                                   DrawingList& list, RowChoice choice, const std::u16string& path,
                                   std::u16string_view endDrawing) {
  const ComposedScript script = composeWholeListScript(set, list, choice, endDrawing);
  SystemError writeError;
  const ScriptOutcome outcome = writeComposed(files, script, path, writeError);
  if (outcome == ScriptOutcome::kWritten && script.takesSelection) {
    for (const int row : script.rows) list.deselectRow(row);
  }
  showUnlessWritten(messages, outcome, writeError);
  return outcome;
}

ScriptOutcome writePerRowScript(FileSystem& files, Messages& messages, const ScriptSet& set,
                                DrawingList& list, int row, bool usesUpSelection,
                                const std::u16string& path, std::u16string_view endDrawing,
                                SystemError* writeError) {
  const ComposedScript script = composePerRowScript(set, list, row, endDrawing);
  SystemError error;
  const ScriptOutcome outcome = writeComposed(files, script, path, error);
  if (outcome == ScriptOutcome::kWritten && usesUpSelection) list.deselectRow(row);
  showUnlessWritten(messages, outcome, error);
  if (writeError != nullptr) *writeError = std::move(error);
  return outcome;
}

std::u16string withScrExtension(std::u16string_view path) {
  const std::size_t separator = path.find_last_of(u"\\/");
  const std::size_t componentStart = separator == std::u16string_view::npos ? 0 : separator + 1;
  const std::size_t dot = path.find_last_of(u'.');
  std::u16string named(path);
  if (dot != std::u16string_view::npos && dot >= componentStart) named.resize(dot);
  named += u".scr";
  return named;
}

UiPort::FileDialog scriptFileDialog(const Messages& messages,
                                    const std::u16string& settingsFolder) {
  UiPort::FileDialog dialog;
  dialog.title = messages.label(kLabelsC, kLabelCSaveAsTitle);
  dialog.filters = {{u"ScrFile(*.scr)", u"*.scr"}, {u"AllFile(*.*)", u"*.*"}};
  dialog.filterIndex = 1;
  dialog.initialPath = settingsFolder + u"\\*.scr";
  return dialog;
}

SaveScriptResult saveScriptFile(FileSystem& files, Messages& messages, const ScriptSet& set,
                                DrawingList& list, RowChoice choice,
                                const std::u16string& settingsFolder,
                                std::u16string_view endDrawing) {
  std::u16string chosen;
  if (!messages.ui().chooseFileToSave(scriptFileDialog(messages, settingsFolder), chosen)) {
    return SaveScriptResult::kCancelled;
  }
  const ScriptOutcome outcome = writeWholeListScript(files, messages, set, list, choice,
                                                     withScrExtension(chosen), endDrawing);
  if (outcome != ScriptOutcome::kWritten) return SaveScriptResult::kFailed;
  messages.show(kMsgScriptFileSaved);
  return SaveScriptResult::kSaved;
}

}  // namespace dovevar
