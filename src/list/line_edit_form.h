// The line edit dialog's form: one control per editable column of the current script
// set's active run, laid out left to right in lines of about 700 pixels, each with the
// item's title above it; and the printer control that refills the paper control once its
// text has settled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "list/cell_choices.h"
#include "list/line_buffer.h"
#include "printers/printer_table.h"
#include "printers/printer_text_watch.h"
#include "script/script_sets.h"
#include "store/text_tables.h"

namespace dovevar {

struct LineEditField {
  int item = 0;  // the item's index in the set
  int cell = 0;  // its column, the line buffer cell it shows
  std::int32_t editMode = 0;
  int x = 0, y = 0, width = 0, height = 0;  // pixels in the dialog's client area
  int id = 0;                               // 500 + item for a text box, 2500 + item for a drop-down

  bool isTextBox() const { return editMode == EditMode::kText; }
  // The item's title is painted this far above the control.
  static constexpr int kTitleOffset = 16;
};

struct LineEditForm {
  std::vector<LineEditField> fields;
  // Indices into `fields`; the last printer (paper) drop-down counts. -1 when none.
  int printerField = -1;
  int paperField = -1;
};

// Walks the items up to the first one not in use. An item without a column is skipped;
// one with edit mode 0 takes a column but no control.
LineEditForm layOutLineEdit(const ScriptSet& set);

// The list of each field's drop-down (empty for a text box), in field order. A paper
// drop-down lists the papers of the printer named by the printer drop-down before it in
// the buffer (printer 0 without one).
std::vector<std::vector<std::u16string>> lineEditChoices(const ScriptSet& set, const LineEditForm& form,
                                                         const LineBuffer& buffer,
                                                         const ChoiceSources& sources);

// The dialog's title by its purpose: label C036, C037, or C038 with the set's title in
// place of its "%s".
std::u16string lineEditTitle(const TextTables& texts, int language, LineEditPurpose purpose,
                             std::u16string_view setTitle);

// The printer control's text settles before the paper control follows it (see
// PrinterTextWatch). The text seen last outlives the dialog.
class LinePrinterWatch {
 public:
  static constexpr int kTimerId = PrinterTextWatch::kTimerId;
  static constexpr unsigned kTimerMs = PrinterTextWatch::kTimerMs;
  static constexpr std::size_t kTextCapacity = 256;

  // The text the printer control opens with: only a change from it refills the papers.
  void remember(std::u16string_view text);
  // A notification from the printer control: true when it should start the timer.
  bool notify() { return watch_.notify(0); }
  bool pending() const { return watch_.pending() >= 0; }

  enum class Outcome {
    kNothing,     // same text as before, or a known printer and no paper control
    kShowPapers,  // fill the paper control with `printer`'s papers, its text the first
    kReset,       // unknown name: both controls show printer 0 and its first paper
  };
  struct Result {
    Outcome outcome = Outcome::kNothing;
    const PrinterRecord* printer = nullptr;  // the printer whose papers or name to show
  };
  // The timer, with the printer control's text. Nothing is pending afterwards.
  Result settle(std::u16string_view text, const PrinterTable& table, bool hasPaperControl);

 private:
  PrinterTextWatch watch_;
};

}  // namespace dovevar
