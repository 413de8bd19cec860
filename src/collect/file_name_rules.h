// The file-name rules: short search texts looked for in a row's first cell (the file
// name in the usual layout) that fill the plotting columns: four rules give a printer
// and a paper, two an orientation, three a plot area. The columns are fixed positions
// over the list's columns, whatever items the current script set shows there; a column
// the set does not have is not written.
//
// Also the rules dialog's own rules: how its control texts are stored, which paper
// names a rule's paper box offers, and when that list follows the printer box.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "list/drawing_list.h"
#include "printers/printer_table.h"
#include "printers/printer_text_watch.h"
#include "store/fixed_text.h"
#include "store/settings.h"
#include "store/text_tables.h"

namespace dovevar {

// The rules write kPrinterColumn and kPaperColumn, and these two.
inline constexpr int kRuleOrientationColumn = 8;
inline constexpr int kRulePlotAreaColumn = 10;

inline constexpr int kPrinterRuleCount = 4;
static_assert(std::tuple_size_v<decltype(FileNameRules::fp_ps)> == kPrinterRuleCount);

// The cell texts of the orientation and plot-area rules: labels C000 to C004 of the
// language in use when the rules run.
struct RuleLabels {
  std::u16string_view portrait;
  std::u16string_view landscape;
  std::u16string_view layout;
  std::u16string_view extents;
  std::u16string_view display;
};
RuleLabels ruleLabels(const TextTables& texts, int language);

// Applies the rules that are on (a flag counts only when it is 1) to every row from
// `firstRow` to the end; a first row past the end does nothing. Within a group every
// rule is tried in order and the last match wins. A rule matches when its search text is
// not empty and occurs, case-sensitively, in the row's column 0 read up to 127
// characters.
void applyFileNameRules(DrawingList& list, const FileNameRules& rules, const RuleLabels& labels,
                        int firstRow);

// What a collection runs after adding rows: the rules from the first new row (the row
// count before the collection), only when `chg_on` is set.
void applyRulesAfterCollection(DrawingList& list, const FileNameRules& rules,
                               const RuleLabels& labels, int firstNewRow);

// ---- The rules dialog ------------------------------------------------------------------

// The most characters the dialog stores of each text.
inline constexpr std::size_t kRuleSearchLimit = 6;
inline constexpr std::size_t kRulePrinterLimit = 126;
inline constexpr std::size_t kRulePaperLimit = 62;

// The dialog's controls as read: whole texts, and whether each check box is checked.
struct RulesDialogValues {
  bool printerRulesOn = false;
  bool orientationRulesOn = false;
  bool plotAreaRulesOn = false;
  bool applyOnCollect = false;
  std::array<std::u16string, kPrinterRuleCount> search;
  std::array<std::u16string, kPrinterRuleCount> printer;
  std::array<std::u16string, kPrinterRuleCount> paper;
  std::u16string portrait, landscape;
  std::u16string layout, extents, display;
};

// The dialog's values as the rules hold them: each text cut to its limit, each check box
// as 1 or 0.
void storeRulesDialog(const RulesDialogValues& values, FileNameRules& rules);
// The rules as the dialog shows them: a flag that is not zero checks its box.
RulesDialogValues rulesDialogValues(const FileNameRules& rules);

// The printer whose papers a rule's paper box lists when the dialog opens: the one named,
// else the first of the table (nullptr when the table is empty).
const PrinterRecord* printerForOpening(const PrinterTable& table, std::u16string_view name);

// A change in a rule's printer box refreshes that rule's paper box once its text has
// settled (see PrinterTextWatch); the texts compare up to the rule's printer limit.
class PrinterBoxWatch {
 public:
  static constexpr int kTimerId = PrinterTextWatch::kTimerId;
  static constexpr unsigned kTimerMs = PrinterTextWatch::kTimerMs;

  void remember(int rule, std::u16string_view text);
  // A notification from the rule's printer box; true when it should start the timer.
  bool notify(int rule) { return watch_.notify(rule); }
  // The rule waiting for the timer, or -1.
  int pending() const { return watch_.pending(); }
  // The timer with the pending rule's printer box text: the printer whose papers the
  // rule's paper box takes now, or nullptr to leave it as it is. Nothing is pending
  // afterwards.
  const PrinterRecord* settle(std::u16string_view text, const PrinterTable& table);

 private:
  PrinterTextWatch watch_{kPrinterRuleCount};
};

}  // namespace dovevar
