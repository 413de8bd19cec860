#include "script/script_set_file.h"

#include <array>
#include <utility>

#include "store/fixed_text.h"
#include "store/settings_text.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

// A number text this long or longer in an export file is not converted.
constexpr size_t kExportNumberTextLimit = 288;

constexpr std::array<std::u16string_view, 4> kScriptSetFileNames = {
    u"sprct_set_j.ini", u"sprct_set_e.ini", u"sprct_set_k.ini", u"sprct_set_c.ini"};

std::u16string twoDigits(int value) {
  std::u16string text = decimalText(value);
  if (text.size() < 2) text.insert(0, 2 - text.size(), u'0');
  return text;
}

// Characters past the end of a line read as nothing, the way a zero-filled line buffer
// reads past its text.
char16_t charAt(std::u16string_view line, size_t at) { return at < line.size() ? line[at] : 0; }

std::u16string_view textFrom(std::u16string_view line, size_t at,
                             size_t count = std::u16string_view::npos) {
  return at < line.size() ? line.substr(at, count) : std::u16string_view();
}

bool isItemIndex(int index) { return index >= 0 && index < kScriptItemCount; }

// The select-text number is one digit; anything else names no select text.
int selectTextNumber(char16_t c) {
  return c >= u'0' && c < u'0' + kSelectTextCount ? c - u'0' : -1;
}

// An item's 13 lines in file order, each key made of `prefix` and the field's part
// ("m", "s0", ...).
void appendItemLines(std::vector<std::u16string>& lines, const std::u16string& prefix,
                     const ScriptItem& item) {
  auto line = [&](std::u16string_view field, const std::u16string& value) {
    lines.push_back(prefix + std::u16string(field) + u"=" + value + u"\r\n");
  };
  line(u"m", decimalText(item.in_use));
  line(u"t", item.title);
  line(u"o", decimalText(item.output_mode));
  line(u"p", decimalText(item.display_mode));
  line(u"e", decimalText(item.edit_mode));
  line(u"w", decimalText(item.width));
  for (int n = 0; n < kSelectTextCount; ++n) line(u"s" + decimalText(n), item.select_text[n]);
  line(u"f", item.initial_value);
  line(u"k", item.command);
}

// The field a key letter names; for "s" the select text `selectText`. Both pointers are
// null for a letter that names no field.
struct FieldRef {
  std::int32_t* number = nullptr;
  std::u16string* text = nullptr;
  size_t capacity = 0;
};

FieldRef fieldOf(ScriptItem& item, char16_t letter, int selectText) {
  switch (letter) {
    case u'm': return {&item.in_use};
    case u'o': return {&item.output_mode};
    case u'p': return {&item.display_mode};
    case u'e': return {&item.edit_mode};
    case u'w': return {&item.width};
    case u't': return {nullptr, &item.title, ScriptItem::kTitleCapacity};
    case u's': return {nullptr, &item.select_text[selectText], ScriptItem::kSelectTextCapacity};
    case u'f': return {nullptr, &item.initial_value, ScriptItem::kInitialValueCapacity};
    case u'k': return {nullptr, &item.command, ScriptItem::kCommandCapacity};
    default: return {};
  }
}

// "Tnn=<title>": the set number in characters 2 and 3, the value from character 5.
void parseTitleLine(std::u16string_view line, ScriptSetTable& table) {
  const int set = settingsNumber(textFrom(line, 1, 2));
  if (!isScriptSetIndex(set)) return;
  ScriptSet& target = table.sets[set];
  if (storeIfFits(target.title, textFrom(line, 4), ScriptSet::kTitleCapacity)) target.in_use = 1;
}

// Where the key of an export line ends: "<i>.<letter>=" or "<i>.s<n>=", with i 0 to 49
// written without leading zeros.
struct ExportKey {
  int item = 0;
  char16_t letter = 0;
  int selectText = 0;
  size_t valueAt = 0;
};

bool readExportKey(std::u16string_view line, ExportKey& key) {
  size_t at = 0;
  while (at < 2 && charAt(line, at) >= u'0' && charAt(line, at) <= u'9') {
    key.item = key.item * 10 + (line[at] - u'0');
    ++at;
  }
  if (at == 0 || (at == 2 && line[0] == u'0') || !isItemIndex(key.item)) return false;
  if (charAt(line, at) != u'.') return false;
  key.letter = charAt(line, at + 1);
  at += 2;
  if (key.letter == u's') {
    key.selectText = selectTextNumber(charAt(line, at));
    if (key.selectText < 0) return false;
    ++at;
  }
  if (charAt(line, at) != u'=') return false;
  key.valueAt = at + 1;
  return true;
}

std::vector<std::pair<std::u16string, std::u16string>> datFilters() {
  return {{u"DatFile(*.dat)", u"*.dat"}, {u"ALLFile(*.*)", u"*.*"}};
}

}  // namespace

std::u16string_view scriptSetFileName(int language) {
  if (language < 0 || language >= static_cast<int>(kScriptSetFileNames.size())) return {};
  return kScriptSetFileNames[language];
}

std::vector<std::u16string> scriptSetFileLines(const ScriptSetTable& table) {
  std::vector<std::u16string> lines;
  for (int s = 0; s < kScriptSetCount; ++s) {
    const ScriptSet& set = table.sets[s];
    if (set.in_use == 1) lines.push_back(u"T" + twoDigits(s) + u"=" + set.title + u"\r\n");
  }
  for (int s = 0; s < kScriptSetCount; ++s) {
    for (int i = 0; i < kScriptItemCount; ++i) {
      const ScriptItem& item = table.sets[s].items[i];
      if (item.in_use == 0) continue;
      appendItemLines(lines, twoDigits(s) + u"," + twoDigits(i) + u".", item);
    }
  }
  return lines;
}

// An item line by fixed positions: set number in characters 1 and 2, item number in 4
// and 5, key letter 7, value from 9; for "s" the select-text number is character 8 and
// the value starts at 10. The separators are not checked.
void parseScriptSetFileLine(std::u16string_view line, ScriptSetTable& table) {
  if (charAt(line, 0) == u'T') {
    parseTitleLine(line, table);
    return;
  }
  const int set = settingsNumber(textFrom(line, 0, 2));
  const int item = settingsNumber(textFrom(line, 3, 2));
  if (!isScriptSetIndex(set) || !isItemIndex(item)) return;
  const char16_t letter = charAt(line, 6);
  int selectText = 0;
  size_t valueAt = 8;
  if (letter == u's') {
    selectText = selectTextNumber(charAt(line, 7));
    if (selectText < 0) return;
    valueAt = 9;
  }
  const FieldRef field = fieldOf(table.sets[set].items[item], letter, selectText);
  const std::u16string_view value = textFrom(line, valueAt);
  if (field.number != nullptr) *field.number = settingsNumber(value);
  if (field.text != nullptr) storeIfFits(*field.text, value, field.capacity);
}

int readScriptSets(FileSystem& files, Messages& messages, const std::u16string& folder,
                   int language, ScriptSetTable& table) {
  const std::u16string_view name = scriptSetFileName(language);
  if (name.empty()) {
    messages.show(kMsgSettingsFileNotOpened);
    return 1;
  }
  SettingsFileRules rules;
  rules.createIfMissing = true;
  return readSettingsText(
      files, messages, settingsFilePath(folder, name), rules, [&] { clearAllScriptSets(table); },
      [&](std::u16string_view line) { parseScriptSetFileLine(line, table); });
}

bool writeScriptSets(FileSystem& files, Messages& messages, const std::u16string& folder,
                     int language, const ScriptSetTable& table) {
  const std::u16string_view name = scriptSetFileName(language);
  if (name.empty()) {
    messages.show(kMsgSettingsFileNotOpened);
    return false;
  }
  return writeSettingsText(files, messages, settingsFilePath(folder, name),
                           scriptSetFileLines(table));
}

std::vector<std::u16string> scriptSetExportLines(const ScriptItems& items) {
  std::vector<std::u16string> lines;
  for (int i = 0; i < kScriptItemCount; ++i) {
    if (items[i].in_use == 0) continue;
    appendItemLines(lines, decimalText(i) + u".", items[i]);
  }
  return lines;
}

void parseScriptSetExportLine(std::u16string_view line, ScriptItems& items) {
  ExportKey key;
  if (!readExportKey(line, key)) return;
  ScriptItem& item = items[key.item];
  // Only the in-use line is taken for an item that is not (yet) in use.
  if (key.letter != u'm' && item.in_use == 0) return;
  const FieldRef field = fieldOf(item, key.letter, key.selectText);
  const std::u16string_view value = textFrom(line, key.valueAt);
  if (field.number != nullptr && value.size() < kExportNumberTextLimit) {
    *field.number = settingsNumber(value);
  }
  if (field.text != nullptr) {
    field.text->clear();
    storeIfFits(*field.text, value, field.capacity);
  }
}

int exportScriptSet(FileSystem& files, Messages& messages, const std::u16string& folder,
                    const ScriptSetTable& table) {
  const ScriptSet& set = currentScriptSet(table, table.edited_set);
  const UiPort::FileDialog dialog{messages.label(kLabelsC, kLabelCExportTitle), datFilters(), 1,
                                  settingsFilePath(folder, set.title + u".dat")};
  std::u16string path;
  if (!messages.ui().chooseFileToSave(dialog, path)) return 1;
  // The file is made new; one that exists is replaced only when the user says so.
  if (files.exists(path) &&
      messages.show(kMsgAskReplaceExportFile, Messages::kQuestion) != UiPort::kYes) {
    return 1;
  }
  if (!writeSettingsText(files, messages, path, scriptSetExportLines(set.items))) return 1;
  messages.show(kMsgTransferFinished);
  return 0;
}

int importScriptSet(FileSystem& files, Messages& messages, const std::u16string& folder,
                    ScriptSetTable& table, std::u16string& lastImportedPath) {
  const UiPort::FileDialog dialog{messages.label(kLabelsC, kLabelCImportTitle), datFilters(), 1,
                                  settingsFilePath(folder, u"*.dat")};
  std::u16string path;
  if (!messages.ui().chooseFileToOpen(dialog, path)) return 1;
  ScriptItems& items = editedScriptSet(table).items;
  const int result = readSettingsText(
      files, messages, path, SettingsFileRules{},
      [&] {
        lastImportedPath = path;
        clearScriptItems(items);
      },
      [&](std::u16string_view line) { parseScriptSetExportLine(line, items); });
  if (result != 0) return 1;
  messages.show(kMsgTransferFinished);
  return 0;
}

int exportScriptSetCommand(FileSystem& files, Messages& messages, const std::u16string& folder,
                           const ScriptSetTable& table) {
  const int result = exportScriptSet(files, messages, folder, table);
  if (result != 0) messages.show(kMsgExportNotDone);
  return result;
}

int importScriptSetCommand(FileSystem& files, Messages& messages, const std::u16string& folder,
                           ScriptSetTable& table, std::u16string& lastImportedPath) {
  const int result = importScriptSet(files, messages, folder, table, lastImportedPath);
  if (result != 0) messages.show(kMsgImportNotDone);
  return result;
}

std::u16string importedSetTitle(std::u16string_view path) {
  const size_t slash = path.rfind(u'\\');
  const std::u16string_view name =
      slash == std::u16string_view::npos ? path : path.substr(slash + 1);
  return std::u16string(name.substr(0, name.rfind(u'.')));
}

}  // namespace dovevar
