// Any bytes, read as a Script set file and as an export file, must read without a fault,
// and what was read must survive being written and read again (items not in use aside:
// they are not written, so they come back empty).
#include <cstdlib>
#include <memory>

#include "fakes/one_file.h"
#include "script/script_set_file.h"
#include "store/settings_text.h"

namespace {

using namespace dovevar;

void dropItemsNotInUse(ScriptItems& items) {
  for (ScriptItem& item : items) {
    if (item.in_use == 0) item = ScriptItem{};
  }
}

// Two tables made once: a fresh table for every input would spend the run zeroing memory.
ScriptSetTable& emptyTable(int which) {
  static const std::unique_ptr<ScriptSetTable> tables[2] = {std::make_unique<ScriptSetTable>(),
                                                            std::make_unique<ScriptSetTable>()};
  ScriptSetTable& table = *tables[which];
  for (ScriptSet& set : table.sets) clearScriptSet(set);
  table.edited_set = 0;
  return table;
}

void checkScriptSetFile(const std::string& bytes, Messages& messages) {
  OneFile files(bytes);
  ScriptSetTable& read = emptyTable(0);
  if (readScriptSets(files, messages, u"C:", kJapanese, read) != 0) return;
  if (!writeScriptSets(files, messages, u"C:", kJapanese, read)) std::abort();
  ScriptSetTable& again = emptyTable(1);
  if (readScriptSets(files, messages, u"C:", kJapanese, again) != 0) std::abort();
  for (ScriptSet& set : read.sets) dropItemsNotInUse(set.items);
  if (again.sets != read.sets) std::abort();
}

void checkExportFile(const std::string& bytes, Messages& messages) {
  OneFile files(bytes);
  ScriptSetTable& table = emptyTable(0);
  std::u16string lastImported;
  if (importScriptSet(files, messages, u"C:", table, lastImported) != 0) return;
  if (exportScriptSet(files, messages, u"C:", table) != 0) std::abort();
  ScriptItems& read = table.sets[0].items;
  dropItemsNotInUse(read);
  table.edited_set = 1;
  if (importScriptSet(files, messages, u"C:", table, lastImported) != 0) std::abort();
  if (table.sets[1].items != read) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
  QuietUi ui;
  TextTables texts;
  const int language = kJapanese;
  Messages messages(ui, texts, language);
  std::string bytes(reinterpret_cast<const char*>(data), size);
  // Most inputs should pass the byte-order mark check and reach the line parsers.
  if (size > 0 && data[0] != 0xFF) bytes.insert(0, "\xFF\xFE");
  checkScriptSetFile(bytes, messages);
  checkExportFile(bytes, messages);
  return 0;
}
