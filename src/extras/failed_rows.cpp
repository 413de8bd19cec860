#include "extras/failed_rows.h"

#include <algorithm>
#include <unordered_set>

#include "extras/run_report.h"
#include "script/run_script.h"
#include "store/ascii_case.h"
#include "store/text_codec.h"

namespace dovevar {

std::vector<std::u16string> failedDrawingsOfLastRun(std::string_view reportBytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (reportBytes.starts_with(kByteOrderMark)) reportBytes.remove_prefix(kByteOrderMark.size());
  enum Field { kRun, kKind, kRow, kDrawing, kOutcome = 7, kExitCode, kFields = 10 };
  std::vector<std::vector<std::string>> rows;
  for (std::size_t at = 0; at < reportBytes.size();) {
    const std::size_t end = std::min(reportBytes.find('\n', at), reportBytes.size());
    std::vector<std::string> fields = reportFields(reportBytes.substr(at, end - at));
    if (fields.size() >= kFields && fields[kOutcome] != outcomeWord(RowOutcome::kLog) && fields[kRow] != "row") {
      rows.push_back(std::move(fields));
    }
    at = end + 1;
  }
  std::vector<std::u16string> failed;
  std::unordered_set<std::u16string> seen;
  if (rows.empty()) return failed;
  const std::vector<std::string>& last = rows.back();
  for (const std::vector<std::string>& row : rows) {
    if (row[kRun] != last[kRun] || row[kKind] != last[kKind]) continue;
    if (row[kOutcome] == outcomeWord(RowOutcome::kStarted) && row[kExitCode] == "0") continue;
    // A drawing that a spreadsheet would take for a formula was written behind an apostrophe.
    std::string_view field = row[kDrawing];
    if (field.size() > 1 && field[0] == '\'' && std::string_view("=+-@").find(field[1]) != std::string_view::npos) {
      field.remove_prefix(1);
    }
    const std::u16string drawing = utf8ToUtf16(field);
    if (seen.insert(drawing).second) failed.push_back(drawing);
  }
  return failed;
}

namespace {

std::u16string folded(std::u16string path) {
  for (char16_t& c : path) c = foldAsciiCase(c);
  return path;
}

}  // namespace

// A set of the folded paths, so that a long list against many failures stays one pass.
int selectRowsOfDrawings(const ScriptSet& set, DrawingList& list, const std::vector<std::u16string>& drawings) {
  std::unordered_set<std::u16string> failedPaths;
  for (const std::u16string& drawing : drawings) failedPaths.insert(folded(drawing));
  int selected = 0;
  for (int row = 0; row < list.rowCount(); ++row) {
    if (failedPaths.count(folded(drawingPathOfRow(set, list, row))) != 0) {
      list.selectRow(row);
      ++selected;
    } else {
      list.deselectRow(row);
    }
  }
  return selected;
}

}  // namespace dovevar
