// The unattended run: "Dovevar.exe /run LIST [/perrow] [/part K/N]" started in a settings
// folder loads the List file, runs all its rows once (or restarting the CAD application per
// row; with a part, only rows K, K+N, K+2N, ... counted from 1, so that N workstations can
// share one list) and ends with an exit code that a task scheduler can act on. Nothing
// waits for a person: every message goes into the run report as a log line instead of a
// box. "Dovevar.exe /stop" in the same folder asks a night run there to stop after the
// drawings it runs.
#pragma once

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/process_port.h"
#include "platform/spooler.h"

namespace dovevar {

// The exit codes: every row ran and ended by itself; something failed (the report says
// what); the command line was not understood (nothing was run or written).
inline constexpr int kUnattendedDone = 0;
inline constexpr int kUnattendedFailed = 1;
inline constexpr int kUnattendedBadArguments = 2;

struct StartRequest {
  enum class Kind { kWindow, kUnattended, kStop, kBadArguments };
  Kind kind = Kind::kWindow;
  std::u16string listPath;
  bool perRow = false;
  int part = 0;   // K of "/part K/N", from 1; 0 for the whole list
  int parts = 0;  // N
};

// The program's arguments, its own name left out. Without arguments, or with any that do
// not begin with "/run" or are not "/stop" alone, the program starts as a window as it
// always has; "/run" wants a List file and takes "/perrow" and "/part K/N" (1 <= K <= N)
// besides (all in any letter case).
StartRequest parseStartArguments(const std::vector<std::u16string>& arguments);

struct UnattendedPorts {
  FileSystem& files;
  ProcessPort& processes;
  Spooler& spooler;
  Clock& clock;
};

// The Run script of a night run: the window's `temp_file` with ".night" before its
// extension ("atcprint.scr" gives "atcprint.night.scr"), so that a night run beside an
// open window never writes over the window's script.
std::u16string nightRunScriptPath(std::u16string_view runScript);

// The rows of part K of N in a list of `rowCount` rows: K - 1, K - 1 + N, ...
std::vector<int> rowsOfPart(int rowCount, int part, int parts);

// Runs the List file of the request in the settings folder and gives the exit code. A
// relative List file path is taken in the settings folder. Dovevar.ini, listview.ini and
// the Script set files are read, never written.
int runUnattended(UnattendedPorts ports, const std::u16string& settingsFolder, const StartRequest& request);

}  // namespace dovevar
