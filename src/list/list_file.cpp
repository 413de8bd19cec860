#include "list/list_file.h"

#include <cstdio>

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


std::u16string cellKey(int row, int column) {
  char key[16];
  std::snprintf(key, sizeof(key), "%04d,%02d=", row, column);
  return utf8ToUtf16(key);
}

int numberIn(std::u16string_view line, size_t first, size_t count) {
  return settingsNumber(line.substr(std::min(first, line.size()), count));
}

}  // namespace

std::vector<std::u16string> listFileLines(const DrawingList& list, int scriptSet) {
  std::vector<std::u16string> lines;
  lines.push_back(std::u16string(kScriptSetKey) + decimalText(scriptSet) + u"\r\n");
  lines.push_back(std::u16string(kRowCountKey) + decimalText(list.rowCount()) + u"\r\n");
  const int rows = std::min(list.rowCount(), kListFileRowLimit);
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < kMaxColumns; ++column) {
      const std::u16string_view text = list.cell(row, column, kListFileCellCapacity);
      if (text.empty() && column != 0) continue;
      lines.push_back(cellKey(row, column) + std::u16string(text) + u"\r\n");
    }
  }
  return lines;
}

bool writeListFile(FileSystem& files, Messages& messages, const std::u16string& path,
                   const DrawingList& list, int scriptSet) {
  return writeSettingsText(files, messages, path, listFileLines(list, scriptSet));
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
    const int row = numberIn(line, 0, 4);
    const int column = numberIn(line, 5, 2);
    if (line.size() > 8) {
      placement.place(list, row, column, line.substr(8));
    } else if (line.size() == 8 && column == 0 && line[4] == u',' && line[7] == u'=') {
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
