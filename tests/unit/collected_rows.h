// The Drawing list that the collection tests fill: columns file name, folder, date
// text, and each row read back as "name|folder|date|image".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fakes/script_items.h"
#include "list/drawing_list.h"

namespace dovevar {

struct CollectedRows {
  std::unique_ptr<ScriptSet> set = std::make_unique<ScriptSet>();
  DrawingList list;
  FakeFileSystem files;

  CollectedRows() {
    set->items[0] = scriptItem(DisplayMode::kFileName, OutputMode::kNothing);
    set->items[1] = scriptItem(DisplayMode::kFolder, OutputMode::kNothing);
    set->items[2] = scriptItem(DisplayMode::kDate, OutputMode::kNothing);
    list.rebuildColumns(*set);
  }

  std::vector<std::u16string> rows() const {
    std::vector<std::u16string> result;
    for (int row = 0; row < list.rowCount(); ++row) {
      const char16_t image = static_cast<char16_t>(u'0' + list.imageIndex(row));
      result.push_back(std::u16string(list.cell(row, 0)) + u'|' + std::u16string(list.cell(row, 1)) +
                       u'|' + std::u16string(list.cell(row, 2)) + u'|' + image);
    }
    return result;
  }

  // Only the file names, top to bottom.
  std::vector<std::u16string> names() const {
    std::vector<std::u16string> result;
    for (int row = 0; row < list.rowCount(); ++row) result.emplace_back(list.cell(row, 0));
    return result;
  }
};

}  // namespace dovevar
