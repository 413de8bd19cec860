// Any bytes, read as the Main settings file, the UI text file or a List file, must
// neither fault nor leave a value beyond its field's capacity.
#include <cstdlib>
#include <string>

#include "fakes/one_file.h"
#include "list/list_file.h"
#include "platform/file_system.h"
#include "platform/ui_port.h"
#include "script/script_sets.h"
#include "store/main_settings_file.h"
#include "store/settings_text.h"
#include "store/ui_text_file.h"

namespace {

using namespace dovevar;

void check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
  std::string bytes = "\xFF\xFE";
  bytes.append(reinterpret_cast<const char*>(data), size);
  OneFile file(bytes);
  QuietUi ui;
  TextTables texts;
  Settings settings;
  Messages messages(ui, texts, settings.moji_type);

  readUiTextFile(file, messages, u"C:", texts);
  for (const auto& table : texts.labels)
    for (const auto& entry : table)
      for (const auto& text : entry) check(text.size() < TextTables::kTextCapacity);

  readMainSettings(file, messages, u"C:", settings);
  check(settings.scrpit_type >= 0 && settings.scrpit_type < Settings::kScriptSetCount);
  check(settings.file_folder.size() < Settings::kPathCapacity);
  check(settings.file_set.search_d1.size() < FileNameRules::kWordCapacity);

  ScriptSet set;
  for (int i = 0; i < 3; ++i) {
    set.items[i].in_use = 1;
    set.items[i].display_mode = DisplayMode::kValue;
  }
  DrawingList list;
  list.rebuildColumns(set);
  int32_t scriptSet = 0;
  readListFile(file, messages, u"C:\\l.lst", ListPass::kRows, scriptSet, list);
  check(scriptSet >= 0 && scriptSet < Settings::kScriptSetCount);
  // What was read writes out and reads back to the same list.
  OneFile again(listFileBytes(list, scriptSet));
  DrawingList reread;
  reread.rebuildColumns(set);
  readListFile(again, messages, u"C:\\l.lst", ListPass::kRows, scriptSet, reread);
  check(reread.rowCount() == list.rowCount());
  return 0;
}
