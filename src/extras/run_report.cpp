#include "extras/run_report.h"

#include <algorithm>
#include <cstdio>

#include "store/settings_text.h"
#include "store/text_codec.h"

namespace dovevar {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string csvField(std::string text, bool mayLookLikeFormula) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  if (mayLookLikeFormula && !text.empty() &&
      (text[0] == '=' || text[0] == '+' || text[0] == '-' || text[0] == '@')) {
    text.insert(0, 1, '\'');
  }
  if (text.find_first_of(",\"") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string number(std::int64_t value) { return std::to_string(value); }

}  // namespace

std::vector<std::string> reportFields(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t at = 0; at < line.size(); ++at) {
    const char c = line[at];
    if (quoted && c == '"' && at + 1 < line.size() && line[at + 1] == '"') {
      fields.back() += '"';
      ++at;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else if (c != '\r' && c != '\n') {
      fields.back() += c;
    }
  }
  return fields;
}

std::u16string keptAsidePath(const std::u16string& path) { return taggedFilePath(path, u"old"); }

std::string_view outcomeWord(RowOutcome outcome) {
  switch (outcome) {
    case RowOutcome::kStarted:
      return "started";
    case RowOutcome::kTimedOut:
      return "timed out";
    case RowOutcome::kNotStarted:
      return "did not start";
    case RowOutcome::kSkipped:
      return "skipped";
    case RowOutcome::kStopped:
      return "stopped";
    case RowOutcome::kLog:
      return "log";
  }
  return "log";
}

bool isFailure(RowOutcome outcome, std::uint32_t exitCode) {
  return outcome != RowOutcome::kLog && (outcome != RowOutcome::kStarted || exitCode != 0);
}

std::string reportTimeText(const LocalTime& time) {
  char text[40];
  std::snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute, time.second);
  return text;
}

std::string reportLine(const ReportRow& row) {
  const bool isRow = row.outcome != RowOutcome::kLog;
  std::string line = reportTimeText(row.run);
  line += ',' + csvField(std::string(row.kind), false);
  line += ',' + (row.row >= 0 ? number(row.row + 1) : std::string());
  line += ',' + csvField(utf16ToUtf8(row.drawing), true);
  line += ',' + (isRow ? reportTimeText(row.start) : std::string());
  line += ',' + (isRow ? reportTimeText(row.end) : std::string());
  line += ',' + (isRow ? number((row.milliseconds + 500) / 1000) : std::string());
  line += ',' + std::string(outcomeWord(row.outcome));
  line += ',' + (row.outcome == RowOutcome::kStarted ? number(row.exitCode) : std::string());
  line += ',' + csvField(utf16ToUtf8(row.note), true);
  return line + "\r\n";
}

void RunReport::add(const ReportRow& row) {
  pending_.push_back(reportLine(row));
  if (pending_.size() > kRunReportLineLimit) pending_.pop_front();
}

PortResult RunReport::flush() {
  return files_.exclusively(path_, [this] { return readAndReplace(); });
}

PortResult RunReport::readAndReplace() {
  std::string bytes;
  const FileSystem::ReadOutcome read = files_.readFile(path_, false, bytes);
  if (read == FileSystem::ReadResult::kFailed) return PortResult::failure(read.error);
  std::deque<std::string> lines;
  const std::string head = std::string(kByteOrderMark) + std::string(kRunReportHeader);
  // A file of another shape (saved over by a spreadsheet program, say) is not a report of
  // ours to continue: it is kept beside, and the report begins afresh.
  if (read == FileSystem::ReadResult::kRead && !bytes.empty() && !bytes.starts_with(head)) {
    if (PortResult keptAside = files_.replaceFile(keptAsidePath(path_), bytes); !keptAside) return keptAside;
  }
  if (read == FileSystem::ReadResult::kRead && bytes.starts_with(head)) {
    for (std::size_t at = head.size(); at < bytes.size();) {
      std::size_t end = bytes.find("\r\n", at);
      if (end == std::string::npos) break;  // a cut last line is dropped
      lines.push_back(bytes.substr(at, end + 2 - at));
      at = end + 2;
    }
  }
  // The lines in the file go before the ones added since the last flush.
  for (const std::string& line : pending_) lines.push_back(line);
  while (lines.size() > kRunReportLineLimit) lines.pop_front();
  std::string replaced(kByteOrderMark);
  replaced += kRunReportHeader;
  for (const std::string& line : lines) replaced += line;
  PortResult written = files_.replaceFile(path_, replaced);
  if (written) pending_.clear();
  return written;
}

}  // namespace dovevar
