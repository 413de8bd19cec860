#include "list/list_file.h"

#include <cstdio>

#include "store/plain_text.h"
#include "store/settings.h"
#include "store/settings_text.h"
#include "store/text_codec.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

constexpr std::u16string_view kScriptSetKey = u"sprct_set=";
constexpr std::u16string_view kRowCountKey = u"max_cont=";
constexpr int kMaxColumns = 50;
constexpr size_t kPathCapacity = 260;


// "rrrr,cc=" in UTF-16 LE.
void appendCellKey(std::string& bytes, int row, int column) {
  char key[24];
  const int length = std::snprintf(key, sizeof(key), "%04d,%02d=", row, column);
  for (int i = 0; i < length; ++i) {
    bytes += key[i];
    bytes += '\0';
  }
}

void appendLine(std::string& bytes, std::u16string_view text) {
  appendUtf16Le(bytes, text);
  appendUtf16Le(bytes, u"\r\n");
}

int numberIn(std::u16string_view line, size_t first, size_t count) {
  return settingsNumber(line.substr(std::min(first, line.size()), count));
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The digits of a cell line's row number: four or more, then the comma; 0 for a line of
// another shape.
size_t rowDigits(std::u16string_view line) {
  size_t digits = 0;
  while (digits < line.size() && digits <= kMostRowNumberDigits && isDigit(line[digits])) ++digits;
  if (digits < kRowNumberDigits || digits > kMostRowNumberDigits) return 0;
  return digits < line.size() && line[digits] == u',' ? digits : 0;
}

}  // namespace

std::string listFileBytes(const DrawingList& list, int scriptSet) {
  std::string bytes("\xFF\xFE", 2);
  appendLine(bytes, std::u16string(kScriptSetKey) + decimalText(scriptSet));
  appendLine(bytes, std::u16string(kRowCountKey) + decimalText(list.rowCount()));
  // Columns past the list's own read as empty and write nothing.
  const int columns = std::min(list.columnCount(), kMaxColumns);
  for (int row = 0; row < list.rowCount(); ++row) {
    for (int column = 0; column < columns; ++column) {
      const std::u16string_view text = list.cell(row, column, kListFileCellCapacity);
      if (text.empty() && column != 0) continue;
      appendCellKey(bytes, row, column);
      appendLine(bytes, text);
    }
    // After the first row, room for all of them at about its size, so that a long list
    // is not copied again and again as it grows.
    if (row == 0) bytes.reserve(bytes.size() * static_cast<std::size_t>(list.rowCount()) * 9 / 8);
  }
  return bytes;
}

bool writeListFile(FileSystem& files, Messages& messages, const std::u16string& path,
                   const DrawingList& list, int scriptSet) {
  return writeSettingsBytes(files, messages, path, listFileBytes(list, scriptSet));
}

int readListFile(FileSystem& files, Messages& messages, const std::u16string& path,
                 ListPass pass, int32_t& scriptSet, DrawingList& list) {
  SettingsFileRules rules;
  rules.createIfMissing = true;
  rules.emptyFileReadsAsNothing = true;
  rules.lineLimit = kListFileLineLimit;
  CellPlacement placement;
  return readSettingsText(files, messages, path, rules, nullptr, [&](std::u16string_view line) {
    if (line.substr(0, kScriptSetKey.size()) == kScriptSetKey) {
      const int32_t set = settingsNumber(line.substr(kScriptSetKey.size()));
      if (set >= 0 && set < Settings::kScriptSetCount) scriptSet = set;
      return;
    }
    if (line.substr(0, kRowCountKey.size()) == kRowCountKey || pass != ListPass::kRows) return;
    const size_t digits = rowDigits(line);
    if (digits == 0) return;
    const int row = numberIn(line, 0, digits);
    const int column = numberIn(line, digits + 1, 2);
    const size_t textAt = digits + 4;
    if (line.size() > textAt) {
      const std::u16string_view text = line.substr(textAt);
      if (hasControlCharacters(text)) {
        placement.place(list, row, column, withoutControlCharacters(text));
      } else {
        placement.place(list, row, column, text);
      }
    } else if (line.size() == textAt && column == 0 && line[textAt - 1] == u'=') {
      // The empty column 0 line of a row whose first cell is empty.
      placement.place(list, row, 0, u"");
    }
  });
}

bool isListFilePath(std::u16string_view path) {
  if (path.size() >= kPathCapacity || path.size() < 4) return false;
  if (path.substr(path.size() - 4) != u".lst") return false;
  const size_t slash = path.rfind(u'\\');
  return slash != std::u16string_view::npos && slash >= 2;
}

UiPort::FileDialog listFileDialog(const std::u16string& settingsFolder, std::u16string title) {
  UiPort::FileDialog dialog;
  dialog.title = std::move(title);
  dialog.filters = {{u"IniFile(*.lst)", u"*.lst"}, {u"AllFile(*.*)", u"*.*"}};
  dialog.filterIndex = 1;
  dialog.initialPath = settingsFilePath(settingsFolder, u"*.lst");
  return dialog;
}

void saveListCommand(ListFileCommand& command) {
  std::u16string path;
  const UiPort::FileDialog dialog =
      listFileDialog(command.settingsFolder, command.messages.label(kLabelsC, kLabelCSaveAsTitle));
  if (!command.ui.chooseFileToSave(dialog, path)) return;
  if (!isListFilePath(path)) {
    command.messages.show(kMsgListPathNotLst);
    return;
  }
  writeListFile(command.files, command.messages, path, command.list, command.scriptSet);
}

bool loadListFile(FileSystem& files, Messages& messages, const std::u16string& path, int32_t& scriptSet,
                  DrawingList& list, const std::function<void()>& rebuildColumns) {
  if (readListFile(files, messages, path, ListPass::kScriptSetOnly, scriptSet, list) != 0) return false;
  rebuildColumns();
  readListFile(files, messages, path, ListPass::kRows, scriptSet, list);
  return true;
}

bool loadListCommand(ListFileCommand& command, const std::function<void()>& rebuildColumns) {
  std::u16string path;
  const UiPort::FileDialog dialog =
      listFileDialog(command.settingsFolder, command.messages.label(kLabelsC, kLabelCListLoadTitle));
  if (!command.ui.chooseFileToSave(dialog, path)) return false;
  command.rememberedPath = path;
  if (!isListFilePath(path)) {
    command.messages.show(kMsgListPathNotLst);
    return false;
  }
  command.list.deleteAllRows();
  return loadListFile(command.files, command.messages, path, command.scriptSet, command.list, rebuildColumns);
}

}  // namespace dovevar
