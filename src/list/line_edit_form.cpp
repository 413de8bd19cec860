#include "list/line_edit_form.h"

#include "store/fixed_text.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

constexpr int kLeft = 5;
constexpr int kTop = 30;
constexpr int kWrapAfter = 700;
constexpr int kLineHeight = 50;
constexpr int kTextBoxHeight = 18;
constexpr int kTextBoxGap = 2;
constexpr int kDropDownExtraWidth = 10;
constexpr int kDropDownHeight = 160;  // with its list dropped
constexpr int kDropDownGap = 12;
constexpr int kFirstTextBoxId = 500;
constexpr int kFirstDropDownId = 2500;

}  // namespace

LineEditForm layOutLineEdit(const ScriptSet& set) {
  LineEditForm form;
  int x = kLeft;
  int y = kTop;
  int cell = 0;
  for (int k = 0; k < kScriptItemCount && set.items[k].in_use != 0; ++k) {
    const ScriptItem& item = set.items[k];
    if (item.display_mode == DisplayMode::kNoColumn) continue;
    if (item.edit_mode != EditMode::kNone) {
      LineEditField field;
      field.item = k;
      field.cell = cell;
      field.editMode = item.edit_mode;
      field.x = x;
      field.y = y;
      if (field.isTextBox()) {
        field.width = item.width;
        field.height = kTextBoxHeight;
        field.id = kFirstTextBoxId + k;
        x += item.width + kTextBoxGap;
      } else {
        field.width = item.width + kDropDownExtraWidth;
        field.height = kDropDownHeight;
        field.id = kFirstDropDownId + k;
        x += item.width + kDropDownGap;
        const int index = static_cast<int>(form.fields.size());
        if (item.edit_mode == EditMode::kPrinter) form.printerField = index;
        if (item.edit_mode == EditMode::kPaper) form.paperField = index;
      }
      form.fields.push_back(field);
      if (x > kWrapAfter) {
        x = kLeft;
        y += kLineHeight;
      }
    }
    ++cell;
  }
  return form;
}

std::vector<std::vector<std::u16string>> lineEditChoices(const ScriptSet& set, const LineEditForm& form,
                                                         const LineBuffer& buffer,
                                                         const ChoiceSources& sources) {
  std::vector<std::vector<std::u16string>> lists;
  std::u16string_view printer;
  for (const LineEditField& field : form.fields) {
    if (field.editMode == EditMode::kPrinter) printer = buffer.at(field.cell);
    lists.push_back(field.isTextBox() ? std::vector<std::u16string>{}
                                      : editChoices(set.items[field.item], printer, sources));
  }
  return lists;
}

std::u16string lineEditTitle(const TextTables& texts, int language, LineEditPurpose purpose,
                             std::u16string_view setTitle) {
  switch (purpose) {
    case LineEditPurpose::kEditRow:
      return texts.label(kLabelsC, kLabelCEditRowsTitle, language);
    case LineEditPurpose::kEditColumn:
      return texts.label(kLabelsC, kLabelCEditColumnsTitle, language);
    case LineEditPurpose::kInitialValues:
      break;
  }
  std::u16string title = texts.label(kLabelsC, kLabelCInitialValuesTitle, language);
  if (const std::size_t at = title.find(u"%s"); at != std::u16string::npos) title.replace(at, 2, setTitle);
  return title;
}

void LinePrinterWatch::remember(std::u16string_view text) { watch_.remember(0, cutAtCharacter(text, kTextCapacity)); }

LinePrinterWatch::Result LinePrinterWatch::settle(std::u16string_view text, const PrinterTable& table,
                                                  bool hasPaperControl) {
  text = cutAtCharacter(text, kTextCapacity);
  if (!watch_.settleChanged(text)) return {};
  if (const PrinterRecord* printer = findPrinter(table, text)) {
    if (!hasPaperControl) return {};
    return {Outcome::kShowPapers, printer};
  }
  return {Outcome::kReset, &table.records[0]};
}

}  // namespace dovevar
