#include "app/win/list_autosave.h"

#include <utility>

#include "list/list_file.h"

namespace dovevar::win {

void ListAutosave::begin(std::u16string path, const DrawingList& list) {
  path_ = std::move(path);
  timing_.written(list.revision());
}

void ListAutosave::tick(const DrawingList& list, int scriptSet, std::int64_t nowMs) {
  if (path_.empty() || writing_ || !timing_.due(list.revision(), nowMs)) return;
  finish();
  timing_.written(list.revision());
  writing_ = true;
  // A failed write says nothing here: the next change tries again, and the exit's write
  // reports its own failure.
  writer_ = std::thread([this, copy = list, scriptSet] {
    files_.replaceFile(path_, listFileBytes(copy, scriptSet));
    writing_ = false;
  });
}

void ListAutosave::writeNow(const DrawingList& list, int scriptSet) {
  finish();
  if (path_.empty() || !timing_.unwritten(list.revision())) return;
  timing_.written(list.revision());
  files_.replaceFile(path_, listFileBytes(list, scriptSet));
}

void ListAutosave::finish() {
  if (writer_.joinable()) writer_.join();
}

}  // namespace dovevar::win
