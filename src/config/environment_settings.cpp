#include "config/environment_settings.h"

#include <algorithm>

#include "store/text_ids.h"

namespace dovevar {
namespace {

// The Settings field of each path edit, in PathField order.
constexpr std::array<std::u16string Settings::*, kPathFieldCount> kPathSettings = {
    &Settings::autocad_file, &Settings::ctb_file, &Settings::temp_file, &Settings::end_file_dwg};

}  // namespace

EnvironmentValues environmentValues(const Settings& settings) {
  EnvironmentValues values;
  for (std::size_t field = 0; field < kPathFieldCount; ++field) {
    values.paths[field] = settings.*kPathSettings[field];
  }
  for (const std::u16string& name : settings.prohibition_print) {
    if (!name.empty()) values.prohibitedPrinters.push_back(name);
  }
  values.paperAbOnly = settings.print_paper_ab != 0;
  values.noProhibitedWarning = settings.prohibition_plmode != 0;
  return values;
}

std::optional<std::u16string> printerNameToRegister(std::u16string_view typed) {
  if (typed.empty()) return std::nullopt;
  return std::u16string(typed.substr(0, kPrinterNameEditLimit));
}

std::optional<PathField> overLongPath(const EnvironmentValues& values) {
  for (std::size_t field = 0; field < kPathFieldCount; ++field) {
    if (values.paths[field].size() > kPathEditLimit) return static_cast<PathField>(field);
  }
  return std::nullopt;
}

void storeEnvironment(const EnvironmentValues& values, Settings& settings) {
  for (std::size_t field = 0; field < kPathFieldCount; ++field) {
    settings.*kPathSettings[field] = values.paths[field];
  }
  for (std::size_t slot = 0; slot < settings.prohibition_print.size(); ++slot) {
    settings.prohibition_print[slot] =
        slot < values.prohibitedPrinters.size() ? values.prohibitedPrinters[slot] : std::u16string();
  }
  settings.print_paper_ab = values.paperAbOnly ? 1 : 0;
  settings.prohibition_plmode = values.noProhibitedWarning ? 1 : 0;
}

UiPort::FileDialog pathPicker(PathField field, std::u16string_view editText, const Messages& messages) {
  struct Picker {
    PathField field;
    int titleLabel;
    std::u16string_view filterName;
    std::u16string_view pattern;
  };
  // The plot-style folder has a folder browser instead.
  static constexpr std::array<Picker, 3> kPickers = {{
      {PathField::kCadExecutable, kLabelCCadPickerTitle, u"Cad(*.exe)", u"*.exe"},
      {PathField::kRunScript, kLabelCRunScriptPickerTitle, u"Temp(*.scr)", u"*.scr"},
      {PathField::kEndDrawing, kLabelCEndDrawingPickerTitle, u"EndFile(*.dwg)", u"*.dwg"},
  }};
  UiPort::FileDialog dialog;
  dialog.initialPath = std::u16string(editText.substr(0, kPathEditLimit));
  const auto picker = std::find_if(kPickers.begin(), kPickers.end(),
                                   [field](const Picker& p) { return p.field == field; });
  if (picker != kPickers.end()) {
    dialog.title = messages.label(kLabelsC, picker->titleLabel);
    dialog.filters.emplace_back(picker->filterName, picker->pattern);
  }
  dialog.filters.emplace_back(u"ALLFile(*.*)", u"*.*");
  return dialog;
}

}  // namespace dovevar
