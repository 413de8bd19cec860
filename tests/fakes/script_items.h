// Script items for tests, made in one line.
#pragma once

#include <string>

#include "script/script_sets.h"

namespace dovevar {

// An item in use with its display mode, output mode and command.
inline ScriptItem scriptItem(std::int32_t display_mode, std::int32_t output_mode,
                             std::u16string command = u"") {
  ScriptItem result;
  result.in_use = 1;
  result.display_mode = display_mode;
  result.output_mode = output_mode;
  result.command = std::move(command);
  return result;
}

}  // namespace dovevar
