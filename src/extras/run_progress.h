// The status bar's view of a run: which row runs, how long the run has taken and about
// how long the rest will take; at the end, how many rows were done and how many failed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dovevar {

// "m:ss" under an hour, "h:mm:ss" from an hour on; a negative time reads as 0:00.
std::u16string durationText(std::int64_t milliseconds);

// The time the rows still to run will take at the pace of the rows that have ended:
// the elapsed time per ended row, times the rows left. -1 before the first row has ended.
std::int64_t remainingEstimate(std::int64_t elapsedMilliseconds, int endedRows, int totalRows);

// "3/5 a.dwg, 1:04, about 2:08 left" (the time taken, then the estimate) in the UI language; before any row has
// ended (`remainingMilliseconds` -1) only "3/5 a.dwg".
std::u16string progressLine(int language, int ordinal, int total, std::u16string_view fileName,
                            std::int64_t elapsedMilliseconds, std::int64_t remainingMilliseconds);

// "5 rows in one run".
std::u16string wholeListLine(int language, int rows);

// "4 done, 1 failed".
std::u16string summaryLine(int language, int done, int failed);

// "Stopped: 3 done, 7 not done".
std::u16string stoppedLine(int language, int done, int notDone);

// With several CAD processes at once: "12 done, 4 running, 24 left, 3:10, about 9:30 left"
// (the time taken, then the estimate); before any row has ended (`remainingMilliseconds`
// -1) only "0 done, 4 running, 36 left".
std::u16string rowsAtOnceLine(int language, int done, int running, int left, std::int64_t elapsedMilliseconds,
                              std::int64_t remainingMilliseconds);

}  // namespace dovevar
