// The printer table: the system's printers with the paper names their drivers report,
// kept for the cell editor's drop-downs, the file-name rules and the listing dialog.
// Prohibited printers are listed without papers; the A/B filter keeps only paper
// names with an ISO A or B size number.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/spooler.h"
#include "store/messages.h"
#include "store/settings.h"

namespace dovevar {

// Texts put in paper slot 0 in place of paper names.
inline constexpr std::u16string_view kPaperProhibition = u"Prohibition";
inline constexpr std::u16string_view kPaperNoKind = u"There is no kind";
inline constexpr std::u16string_view kPaperCannotSearch = u"Cannot search";

struct PrinterRecord {
  static constexpr int kPaperSlots = 63;
  // A name of 128 code units or more does not fit and leaves the record's name empty.
  static constexpr size_t kNameLimit = 127;

  std::u16string name;
  // Kept paper names in driver order, each as the driver wrote it; then empty slots.
  std::array<std::u16string, kPaperSlots> papers;
};

struct PrinterTable {
  static constexpr int kMaxPrinters = 30;

  int count = 0;  // valid records, in the system's order
  std::array<PrinterRecord, kMaxPrinters> records;
  // Set by every completed build. Start-up clears it after its own build so that the
  // first command needing printers builds the table again.
  bool ready = false;
};

// Empties every record, then fills the table from the spooler and sets it ready. Its
// messages go through `messages`, whose port owns them (the main window, or a dialog
// that is open). When the printers cannot be listed it shows message 28 and leaves the
// records empty but the count and the ready flag as they were.
void buildPrinterTable(PrinterTable& table, Spooler& spooler, const Settings& settings,
                       Messages& messages);

// What a command that needs printers runs first: build unless the table is ready.
void printerCheck(PrinterTable& table, Spooler& spooler, const Settings& settings,
                  Messages& messages);

// True when the name holds "A0".."A9" or "B0".."B9" in either case within its first
// 63 code units.
bool hasAbPaperSize(std::u16string_view paperName);

// What a printer drop-down lists: the names of the table, in its order. Drop-downs,
// paper lookups and the table agree on one set of printers, so a chosen printer always
// finds its own papers.
std::vector<std::u16string_view> printerNames(const PrinterTable& table);

// The printer whose name equals `name` exactly (case counts); when several do, the last
// one. Null when none does.
const PrinterRecord* findPrinter(const PrinterTable& table, std::u16string_view name);
// The printer whose papers a paper drop-down lists for `name`: the one named, else
// record 0 (empty when the table is).
const PrinterRecord& paperPrinter(const PrinterTable& table, std::u16string_view name);
// The paper names of a printer in order, up to the first empty one.
std::vector<std::u16string_view> paperChoices(const PrinterRecord& printer);

}  // namespace dovevar
