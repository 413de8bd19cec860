// "Select failed rows": the drawings of the last run in the run report that did not end
// well, and the rows of the Drawing list that hold them, so that "Select start" runs them
// again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "list/drawing_list.h"
#include "script/script_sets.h"

namespace dovevar {

// The drawings of the last run in a report's bytes (the run of its last row line) that did
// not end by themselves with exit code 0: timed out, did not start, skipped, stopped, or
// another exit code; in the order of their lines, each once.
std::vector<std::u16string> failedDrawingsOfLastRun(std::string_view reportBytes);

// Selects the rows whose drawing path is one of `drawings` (letter case aside, as Windows
// names files) and deselects every other; gives how many were selected.
int selectRowsOfDrawings(const ScriptSet& set, DrawingList& list, const std::vector<std::u16string>& drawings);

}  // namespace dovevar
