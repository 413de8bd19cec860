// The script set the collection benchmarks fill: file name, folder, date and five value
// columns, as a plotting set has them.
#pragma once

#include <memory>

#include "script/script_sets.h"

namespace dovevar {

inline const ScriptSet& collectionBenchSet() {
  static const std::unique_ptr<ScriptSet> set = [] {
    auto s = std::make_unique<ScriptSet>();
    const std::int32_t modes[] = {1, 2, 3, 4, 4, 4, 4, 4};
    const char16_t* values[] = {u"", u"", u"", u"1", u"A3", u"Plotter-01", u"mono.ctb", u"Extents"};
    for (int i = 0; i < 8; ++i) {
      s->items[i].in_use = 1;
      s->items[i].display_mode = modes[i];
      s->items[i].initial_value = values[i];
    }
    return s;
  }();
  return *set;
}

}  // namespace dovevar
