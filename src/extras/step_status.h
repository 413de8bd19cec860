// What the status bar says after Undo or Redo: the step and its rows, or that there was
// nothing to take back or do again.
#pragma once

#include <optional>
#include <string>

#include "list/list_steps.h"

namespace dovevar {

enum class StepDirection { kUndo, kRedo };

std::u16string stepStatusText(int language, StepDirection direction, const std::optional<StepSummary>& step);

}  // namespace dovevar
