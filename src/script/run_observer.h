// What a run tells whoever watches it: the rows it runs, how each start went, and the
// rows it could not run. The batch runner calls these in the order they happen; the run
// report and the status bar's progress are built on them.
#pragma once

#include <string_view>
#include <vector>

#include "platform/process_port.h"

namespace dovevar {

enum class RunKind { kWholeList, kPerRowCommand, kTimer };

class RunObserver {
 public:
  virtual ~RunObserver() = default;

  // A run begins over `total` rows, with up to `atOnce` CAD processes running at once.
  virtual void runBegins(RunKind kind, int total, int atOnce) = 0;
  // The CAD application is about to start on `row`, the `ordinal`-th row of the run;
  // `drawing` is the path its script opens, `fileName` the file-name cell.
  virtual void rowBegins(int row, int ordinal, std::u16string_view drawing,
                         std::u16string_view fileName) = 0;
  // The start of `row`: not started, ended, ended by its time limit, or stopped.
  virtual void rowEnds(int row, const ProcessRun& run) = 0;
  // A row of the run that the CAD application never ran: its script could not be written
  // (`runEnded` false; `reason` says why when the system did), or the run ended before it
  // came to it (`runEnded` true).
  virtual void rowNotRun(int row, std::u16string_view drawing, bool runEnded, std::u16string_view reason) = 0;
  // One start of the CAD application ran the script of all these rows.
  virtual void wholeListRan(const std::vector<int>& rows, const std::vector<std::u16string>& drawings,
                            const ProcessRun& run) = 0;
  // The run has ended; `stopped` when the user (or "/stop") stopped it.
  virtual void runEnds(bool stopped) = 0;
};

}  // namespace dovevar
