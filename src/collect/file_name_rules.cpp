#include "collect/file_name_rules.h"

#include "store/text_ids.h"

namespace dovevar {
namespace {

bool occursIn(std::u16string_view search, std::u16string_view name) {
  return !search.empty() && name.find(search) != std::u16string_view::npos;
}

void applyToRow(DrawingList& list, int row, std::u16string_view name, const FileNameRules& rules,
                const RuleLabels& labels) {
  if (rules.ps == 1) {
    for (const PrinterPaperRule& rule : rules.fp_ps) {
      if (!occursIn(rule.search, name)) continue;
      list.setCell(row, kPrinterColumn, rule.printer);
      list.setCell(row, kPaperColumn, rule.paper);
    }
  }
  if (rules.ds == 1) {
    const std::array<std::pair<std::u16string_view, std::u16string_view>, 2> orientations = {{
        {rules.search_d1, labels.portrait},
        {rules.search_d2, labels.landscape},
    }};
    for (const auto& [search, label] : orientations) {
      if (occursIn(search, name)) list.setCell(row, kRuleOrientationColumn, label);
    }
  }
  if (rules.ss == 1) {
    const std::array<std::pair<std::u16string_view, std::u16string_view>, 3> areas = {{
        {rules.search_s1, labels.layout},
        {rules.search_s2, labels.extents},
        {rules.search_s3, labels.display},
    }};
    for (const auto& [search, label] : areas) {
      if (occursIn(search, name)) list.setCell(row, kRulePlotAreaColumn, label);
    }
  }
}

std::u16string cut(std::u16string_view text, std::size_t limit) {
  return std::u16string(firstCharacters(text, limit));
}

}  // namespace

RuleLabels ruleLabels(const TextTables& texts, int language) {
  return {texts.label(kLabelsC, kLabelCPortrait, language),
          texts.label(kLabelsC, kLabelCLandscape, language),
          texts.label(kLabelsC, kLabelCPlotAreaLayout, language),
          texts.label(kLabelsC, kLabelCPlotAreaExtents, language),
          texts.label(kLabelsC, kLabelCPlotAreaDisplay, language)};
}

void applyFileNameRules(DrawingList& list, const FileNameRules& rules, const RuleLabels& labels,
                        int firstRow) {
  for (int row = firstRow < 0 ? 0 : firstRow; row < list.rowCount(); ++row) {
    // A copy: the cell view would not outlive the writes into the same row.
    const std::u16string name(list.cell(row, 0, kLineBufferCellCapacity));
    applyToRow(list, row, name, rules, labels);
  }
}

void applyRulesAfterCollection(DrawingList& list, const FileNameRules& rules,
                               const RuleLabels& labels, int firstNewRow) {
  if (rules.chg_on != 0) applyFileNameRules(list, rules, labels, firstNewRow);
}

void storeRulesDialog(const RulesDialogValues& values, FileNameRules& rules) {
  rules.ps = values.printerRulesOn ? 1 : 0;
  rules.ds = values.orientationRulesOn ? 1 : 0;
  rules.ss = values.plotAreaRulesOn ? 1 : 0;
  rules.chg_on = values.applyOnCollect ? 1 : 0;
  for (int i = 0; i < kPrinterRuleCount; ++i) {
    rules.fp_ps[i].search = cut(values.search[i], kRuleSearchLimit);
    rules.fp_ps[i].printer = cut(values.printer[i], kRulePrinterLimit);
    rules.fp_ps[i].paper = cut(values.paper[i], kRulePaperLimit);
  }
  rules.search_d1 = cut(values.portrait, kRuleSearchLimit);
  rules.search_d2 = cut(values.landscape, kRuleSearchLimit);
  rules.search_s1 = cut(values.layout, kRuleSearchLimit);
  rules.search_s2 = cut(values.extents, kRuleSearchLimit);
  rules.search_s3 = cut(values.display, kRuleSearchLimit);
}

RulesDialogValues rulesDialogValues(const FileNameRules& rules) {
  RulesDialogValues values;
  values.printerRulesOn = rules.ps != 0;
  values.orientationRulesOn = rules.ds != 0;
  values.plotAreaRulesOn = rules.ss != 0;
  values.applyOnCollect = rules.chg_on != 0;
  for (int i = 0; i < kPrinterRuleCount; ++i) {
    values.search[i] = rules.fp_ps[i].search;
    values.printer[i] = rules.fp_ps[i].printer;
    values.paper[i] = rules.fp_ps[i].paper;
  }
  values.portrait = rules.search_d1;
  values.landscape = rules.search_d2;
  values.layout = rules.search_s1;
  values.extents = rules.search_s2;
  values.display = rules.search_s3;
  return values;
}

const PrinterRecord* printerForOpening(const PrinterTable& table, std::u16string_view name) {
  const PrinterRecord* named = findPrinter(table, name);
  if (named != nullptr) return named;
  return table.count > 0 ? &table.records[0] : nullptr;
}

void PrinterBoxWatch::remember(int rule, std::u16string_view text) {
  watch_.remember(rule, firstCharacters(text, kRulePrinterLimit));
}

const PrinterRecord* PrinterBoxWatch::settle(std::u16string_view text, const PrinterTable& table) {
  const std::u16string_view settled = firstCharacters(text, kRulePrinterLimit);
  return watch_.settleChanged(settled) ? findPrinter(table, settled) : nullptr;
}

}  // namespace dovevar
