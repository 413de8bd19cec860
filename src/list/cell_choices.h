// What a cell's editor offers, by the edit mode of the column's item: a text box, or a
// drop-down of the item's own choices, the printers, the papers of one printer or the
// plot-style tables. The cell editor and the line edit dialog use the same lists.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "printers/printer_table.h"
#include "script/script_sets.h"

namespace dovevar {

inline constexpr std::size_t kPlotStyleLimit = 100;
// The plot-style tables of the folder: the names (without folder) of its "*.ctb" files
// longer than 4 characters, in the order the platform lists them, at most 100. Empty when
// the folder is empty, missing or cannot be read.
std::vector<std::u16string> plotStyleNames(FileSystem& files, std::u16string_view folder);

// Where the lists come from.
struct ChoiceSources {
  const PrinterTable& printers;
  FileSystem& files;
  std::u16string_view plotStyleFolder;
};

// The drop-down list of an item: edit mode 2 its choices up to the first empty one, 3 the
// printers, 4 the papers of the printer named `printerName` (printer 0 when none is),
// 5 the plot-style tables; any other mode an empty list.
std::vector<std::u16string> editChoices(const ScriptItem& item, std::u16string_view printerName,
                                        const ChoiceSources& sources);

}  // namespace dovevar
