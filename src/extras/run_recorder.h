// Watches the runs for the run report and the status bar: each row that ran or did not
// goes into the report as it ends, the status text follows the rows, and the end of a
// run leaves its summary. Messages that an unattended run cannot show go in as log lines.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "extras/run_report.h"
#include "platform/clock.h"
#include "script/run_observer.h"

namespace dovevar {

class RunRecorder : public RunObserver {
 public:
  using StatusSink = std::function<void(std::u16string_view)>;

  // `language` is the Settings record's `moji_type`, read at every call.
  RunRecorder(RunReport& report, Clock& clock, const int& language)
      : report_(report), clock_(clock), language_(language) {}

  void setStatusSink(StatusSink sink) { status_ = std::move(sink); }
  // An unattended run: its rows' kind says so.
  void setUnattended(bool unattended) { unattended_ = unattended; }

  void runBegins(RunKind kind, int total, int atOnce) override;
  void rowBegins(int row, int ordinal, std::u16string_view drawing, std::u16string_view fileName) override;
  void rowEnds(int row, const ProcessRun& run) override;
  void rowNotRun(int row, std::u16string_view drawing, bool runEnded, std::u16string_view reason) override;
  void wholeListRan(const std::vector<int>& rows, const std::vector<std::u16string>& drawings,
                    const ProcessRun& run) override;
  void runEnds(bool stopped) override;

  // A log line of the current run (or of none yet), written at the next flush.
  void log(std::u16string_view note);
  // Writes what is waiting; false when the report could not be written.
  bool flush();
  // The system's reason of the last flush that failed.
  const SystemError& writeError() const { return writeError_; }

  // Every row recorded since the recorder was made ran and ended by itself, and there was
  // at least one.
  bool everyRowStarted() const { return rows_ > 0 && failedStarts_ == 0; }
  // The last flush failed: the user is to be told once.
  bool takeWriteFailure();

 private:
  std::string_view kindWord() const;
  void record(int row, std::u16string_view drawing, RowOutcome outcome, const ProcessRun& run,
              const LocalTime& start, std::int64_t startMs, std::u16string_view note = {});
  void show(std::u16string_view text);
  // With several CAD processes: the rows done, running and left, and the estimate.
  void showRowsAtOnce();

  RunReport& report_;
  Clock& clock_;
  const int& language_;
  StatusSink status_;
  bool unattended_ = false;

  bool running_ = false;
  RunKind kind_ = RunKind::kWholeList;
  LocalTime runStart_;
  std::int64_t runStartMs_ = 0;
  int total_ = 0;
  int atOnce_ = 1;
  int ended_ = 0;
  int failed_ = 0;
  // The rows whose CAD application runs.
  struct Running {
    int row = -1;
    std::u16string drawing;
    LocalTime start;
    std::int64_t startMs = 0;
  };
  std::vector<Running> runningRows_;

  int rows_ = 0;          // rows recorded since the recorder was made
  int failedStarts_ = 0;  // of them, rows that did not run to their end
  bool writeFailed_ = false;
  SystemError writeError_;
};

}  // namespace dovevar
