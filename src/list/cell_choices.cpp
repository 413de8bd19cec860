#include "list/cell_choices.h"

#include "store/fixed_text.h"

namespace dovevar {
namespace {

constexpr std::size_t kShortestPlotStyleName = 5;  // "x.ctb"
constexpr std::size_t kPlotStyleNameCapacity = 256;

std::vector<std::u16string> owned(const std::vector<std::u16string_view>& texts) {
  return {texts.begin(), texts.end()};
}

}  // namespace

std::vector<std::u16string> plotStyleNames(FileSystem& files, std::u16string_view folder) {
  std::vector<std::u16string> names;
  std::u16string pattern(folder);
  pattern += u"\\*.ctb";
  files.listFolder(pattern, [&](const FolderEntry& entry) {
    if (entry.name.size() >= kShortestPlotStyleName) {
      names.emplace_back(cutAtCharacter(entry.name, kPlotStyleNameCapacity));
    }
    return names.size() < kPlotStyleLimit;
  });
  return names;
}

std::vector<std::u16string> editChoices(const ScriptItem& item, std::u16string_view printerName,
                                        const ChoiceSources& sources) {
  switch (item.edit_mode) {
    case EditMode::kSelectText:
      return owned(textsBeforeFirstEmpty(item.select_text));
    case EditMode::kPrinter:
      return owned(printerNames(sources.printers));
    case EditMode::kPaper:
      return owned(paperChoices(paperPrinter(sources.printers, printerName)));
    case EditMode::kPlotStyle:
      return plotStyleNames(sources.files, sources.plotStyleFolder);
    default:
      return {};
  }
}

}  // namespace dovevar
