#include "extras/unattended_run.h"

#include <algorithm>

#include "extras/extras_settings.h"
#include "extras/list_check.h"
#include "extras/run_recorder.h"
#include "list/drawing_list.h"
#include "list/list_file.h"
#include "printers/printer_table.h"
#include "script/batch_runner.h"
#include "script/script_set_file.h"
#include "store/main_settings_file.h"
#include "store/ascii_case.h"
#include "store/messages.h"
#include "store/settings_text.h"
#include "store/text_ids.h"
#include "store/ui_text_file.h"

namespace dovevar {
namespace {

// Every box becomes a log line of the report; a question is answered No, the answer that
// changes nothing.
class ReportUi : public UiPort {
 public:
  explicit ReportUi(RunRecorder& recorder) : recorder_(recorder) {}
  int messageBox(std::u16string_view text, std::u16string_view title, BoxStyle style) override {
    return failureBox(text, title, style, {});
  }
  // The system's reason of a failure follows the message, in brackets.
  int failureBox(std::u16string_view text, std::u16string_view title, BoxStyle style,
                 const SystemError& reason) override {
    std::u16string note(title);
    if (!note.empty() && !text.empty()) note += u": ";
    note += text;
    if (note.empty()) note = u"a message without text (wchar_set.ini lacks it)";
    if (!reason.reason.empty()) note += u" (" + reason.reason + u")";
    recorder_.log(note);
    return style == BoxStyle::kYesNo ? kNo : kOk;
  }
  bool chooseFileToSave(const FileDialog&, std::u16string&) override { return false; }
  bool chooseFileToOpen(const FileDialog&, std::u16string&) override { return false; }

 private:
  RunRecorder& recorder_;
};

std::u16string absoluteListPath(const std::u16string& folder, const std::u16string& path) {
  const bool absolute = path.starts_with(u"\\") || (path.size() > 1 && path[1] == u':');
  return absolute ? path : settingsFilePath(folder, path);
}

// What the whole run needs, made in the order the program's own start-up makes it.
struct Session {
  Session(UnattendedPorts ports, const std::u16string& folder)
      : ports(ports), folder(folder), report(ports.files, settingsFilePath(folder, kRunReportFileName)) {}

  int fail(std::u16string_view note) {
    recorder.log(note);
    recorder.flush();
    return kUnattendedFailed;
  }

  bool loadList(const std::u16string& path);
  std::u16string reasonNotRead(const std::u16string& path);
  CheckSources checkSources();
  bool noteProblems(const std::vector<CheckProblem>& problems);

  UnattendedPorts ports;
  const std::u16string& folder;
  Settings settings;
  TextTables texts;
  ScriptSetTable scriptSets;
  DrawingList list;
  PrinterTable printers;
  RunReport report;
  RunRecorder recorder{report, ports.clock, settings.moji_type};
  ReportUi ui{recorder};
  Messages messages{ui, texts, settings.moji_type};
};

// As the load command reads a chosen file; a missing one is not made.
bool Session::loadList(const std::u16string& path) {
  if (!isListFilePath(path)) {
    messages.show(kMsgListPathNotLst);
    return false;
  }
  // The reader makes a missing file; a night run must not find an empty list instead.
  if (!ports.files.exists(path)) return false;
  return loadListFile(ports.files, messages, path, settings.scrpit_type, list,
                      [this] { list.rebuildColumns(currentScriptSet(scriptSets, settings.scrpit_type)); });
}

// The reading of a settings file tells only that it failed; a night run's log says why,
// in brackets, as the system words it.
std::u16string Session::reasonNotRead(const std::u16string& path) {
  std::string bytes;
  const FileSystem::ReadOutcome read = ports.files.readFile(path, false, bytes);
  return read == FileSystem::ReadResult::kRead || read.error.reason.empty() ? std::u16string()
                                                                             : u" (" + read.error.reason + u")";
}

CheckSources Session::checkSources() {
  buildPrinterTable(printers, ports.spooler, settings, messages);
  return {printers, ports.files, settings.ctb_file};
}

// Nobody is there to ask: the problems go into the report and the run goes on.
bool Session::noteProblems(const std::vector<CheckProblem>& problems) {
  for (const CheckProblem& problem : problems) {
    std::u16string note = u"check";
    if (problem.row >= 0) note += u": row " + decimalText(problem.row + 1);
    recorder.log(note + u": " + problemText(problem, settings.moji_type));
  }
  return true;
}

}  // namespace

std::u16string nightRunScriptPath(std::u16string_view runScript) { return taggedFilePath(runScript, u"night"); }

// "K/N" with 1 <= K <= N: K and N; else nothing.
bool parsePart(std::u16string_view text, StartRequest& request) {
  const std::size_t slash = text.find(u'/');
  if (slash == std::u16string_view::npos) return false;
  const auto digits = [](std::u16string_view part) {
    return !part.empty() && part.size() <= 4 &&
           std::all_of(part.begin(), part.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
  };
  if (!digits(text.substr(0, slash)) || !digits(text.substr(slash + 1))) return false;
  request.part = settingsNumber(text.substr(0, slash));
  request.parts = settingsNumber(text.substr(slash + 1));
  return request.part >= 1 && request.part <= request.parts;
}

StartRequest parseStartArguments(const std::vector<std::u16string>& arguments) {
  StartRequest request;
  if (arguments.size() == 1 && equalIgnoringAsciiCase(arguments[0], u"/stop")) {
    request.kind = StartRequest::Kind::kStop;
    return request;
  }
  if (arguments.empty() || !equalIgnoringAsciiCase(arguments[0], u"/run")) return request;
  request.kind = StartRequest::Kind::kBadArguments;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (equalIgnoringAsciiCase(arguments[i], u"/perrow") && !request.perRow) {
      request.perRow = true;
    } else if (equalIgnoringAsciiCase(arguments[i], u"/part") && request.part == 0) {
      if (i + 1 == arguments.size() || !parsePart(arguments[++i], request)) return request;
    } else if (request.listPath.empty() && !arguments[i].empty() && arguments[i][0] != u'/') {
      request.listPath = arguments[i];
    } else {
      return request;
    }
  }
  if (!request.listPath.empty()) request.kind = StartRequest::Kind::kUnattended;
  return request;
}

std::vector<int> rowsOfPart(int rowCount, int part, int parts) {
  std::vector<int> rows;
  for (int row = part - 1; part >= 1 && parts >= part && row < rowCount; row += parts) rows.push_back(row);
  return rows;
}

int runUnattended(UnattendedPorts ports, const std::u16string& settingsFolder, const StartRequest& request) {
  Session session(ports, settingsFolder);
  session.recorder.setUnattended(true);
  readUiTextFile(ports.files, session.messages, settingsFolder, session.texts);
  if (readMainSettings(ports.files, session.messages, settingsFolder, session.settings) != 0) {
    return session.fail(u"Dovevar.ini could not be read: start Dovevar once to set it up" +
                        session.reasonNotRead(settingsFilePath(settingsFolder, kMainSettingsFileName)));
  }
  if (readScriptSets(ports.files, session.messages, settingsFolder, session.settings.moji_type,
                     session.scriptSets) != 0) {
    session.messages.show(kMsgScriptSetFileNotRead);
    return session.fail(u"the Script set file could not be read");
  }
  session.settings.temp_file = nightRunScriptPath(session.settings.temp_file);
  const std::u16string listPath = absoluteListPath(settingsFolder, request.listPath);
  if (!session.loadList(listPath)) return session.fail(u"the List file could not be loaded: " + listPath);
  if (session.list.rowCount() == 0) return session.fail(u"the List file has no rows: " + listPath);

  const ScriptSet& set = currentScriptSet(session.scriptSets, session.settings.scrpit_type);
  const ExtrasSettings extras = readExtrasSettings(ports.files, settingsFolder);
  checkBeforeRun(extras, set, session.list, RowChoice::kAll, [&session] { return session.checkSources(); },
                 [&session](const std::vector<CheckProblem>& problems, int) { return session.noteProblems(problems); });

  // A part is the rows of the run, as a selection is on screen.
  if (request.part > 0) {
    for (const int row : rowsOfPart(session.list.rowCount(), request.part, request.parts)) {
      session.list.selectRow(row);
    }
  }
  BatchRunner runner(ports.files, ports.processes, ports.clock, session.messages, session.settings);
  runner.setObserver(&session.recorder);
  if (request.perRow) {
    // The timer run's steps one after another: a row whose script cannot be written is
    // passed over and the run goes on, as it does on screen. Each CAD process rests the
    // timer's interval after its row.
    runner.setTimeLimit(extras.watchdogSeconds);
    runner.setCadAtOnce(extras.cadAtOnce);
    if (runner.startTimerRun(session.list, kRunTimerIntervalMs)) {
      while (runner.timerTick(set, session.list)) {
      }
    }
  } else {
    runner.runWholeList(set, session.list, request.part > 0 ? RowChoice::kSelected : RowChoice::kAll);
  }
  const bool written = session.recorder.flush();
  return written && session.recorder.everyRowStarted() ? kUnattendedDone : kUnattendedFailed;
}

}  // namespace dovevar
