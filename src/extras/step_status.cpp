#include "extras/step_status.h"

#include "extras/extras_texts.h"
#include "store/settings_text.h"

namespace dovevar {

std::u16string stepStatusText(int language, StepDirection direction, const std::optional<StepSummary>& step) {
  const bool undo = direction == StepDirection::kUndo;
  if (!step) {
    return std::u16string(extrasText(language, undo ? ExtrasText::kNothingToUndo : ExtrasText::kNothingToRedo));
  }
  // The steps' names stand in the order of their kinds.
  const auto name =
      static_cast<ExtrasText>(static_cast<int>(ExtrasText::kStepCollection) + static_cast<int>(step->kind));
  if (step->rows == 1) {
    return fillText(extrasText(language, undo ? ExtrasText::kUndoneRow : ExtrasText::kRedoneRow),
                    {extrasText(language, name)});
  }
  return fillText(extrasText(language, undo ? ExtrasText::kUndoneRows : ExtrasText::kRedoneRows),
                  {extrasText(language, name), decimalText(step->rows)});
}

}  // namespace dovevar
