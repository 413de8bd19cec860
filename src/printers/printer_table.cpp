#include "printers/printer_table.h"

#include <algorithm>

#include "store/fixed_text.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

// Only the first 63 code units of a paper name take part in the A/B size test.
constexpr size_t kAbTestLength = 63;

void clearPrinterTable(PrinterTable& table) {
  for (PrinterRecord& record : table.records) {
    record.name.clear();
    for (std::u16string& paper : record.papers) paper.clear();
  }
}

bool isProhibited(std::u16string_view name, const Settings& settings) {
  for (const std::u16string& prohibited : settings.prohibition_print) {
    if (!prohibited.empty() && prohibited == name) return true;
  }
  return false;
}

void readPaperNames(const SpoolerPrinter& printer, PrinterRecord& record, Spooler& spooler,
                    const Settings& settings, Messages& messages) {
  const int expected = spooler.paperNameCount(printer);
  // A driver that reports no names is not asked for them: there is nothing to size a
  // buffer for, and a second answer could not be held.
  std::vector<std::u16string> names;
  if (expected > 0) {
    int reported = 0;
    if (!spooler.readPaperNames(printer, expected, names, reported)) {
      record.papers[0] = kPaperCannotSearch;
      messages.show(kMsgNoMemoryForPaperNames);
      return;
    }
    // The first count stands; a driver that now writes fewer names leaves nothing
    // behind them to read, so `names` may be shorter.
    if (reported != expected) messages.show(kMsgPaperCountChanged);
  }
  int stored = 0;
  for (const std::u16string& name : names) {
    if (settings.print_paper_ab != 0 && !hasAbPaperSize(name)) continue;
    record.papers[stored++] = name;
    if (stored == PrinterRecord::kPaperSlots) {
      messages.show(kMsgPaperListFull);
      break;
    }
  }
  if (stored == 0) record.papers[0] = kPaperNoKind;
}

}  // namespace

void buildPrinterTable(PrinterTable& table, Spooler& spooler, const Settings& settings,
                       Messages& messages) {
  clearPrinterTable(table);
  std::vector<SpoolerPrinter> printers;
  if (!spooler.listPrinters(printers)) {
    messages.show(kMsgPrintersNotListed);
    return;
  }
  table.count = static_cast<int>(std::min<size_t>(printers.size(), PrinterTable::kMaxPrinters));
  for (int i = 0; i < table.count; ++i) {
    const SpoolerPrinter& printer = printers[i];
    PrinterRecord& record = table.records[i];
    if (printer.name.size() <= PrinterRecord::kNameLimit) record.name = printer.name;
    if (isProhibited(printer.name, settings)) {
      record.papers[0] = kPaperProhibition;
      if (settings.prohibition_plmode == 0) messages.show(kMsgProhibitedPrinterFound);
      continue;
    }
    readPaperNames(printer, record, spooler, settings, messages);
  }
  table.ready = true;
}

void printerCheck(PrinterTable& table, Spooler& spooler, const Settings& settings,
                  Messages& messages) {
  if (!table.ready) buildPrinterTable(table, spooler, settings, messages);
}

bool hasAbPaperSize(std::u16string_view paperName) {
  const std::u16string_view tested = paperName.substr(0, kAbTestLength);
  for (size_t i = 0; i + 1 < tested.size(); ++i) {
    const char16_t letter = tested[i];
    const char16_t digit = tested[i + 1];
    const bool sizeLetter = letter == u'A' || letter == u'a' || letter == u'B' || letter == u'b';
    if (sizeLetter && digit >= u'0' && digit <= u'9') return true;
  }
  return false;
}

std::vector<std::u16string_view> printerNames(const PrinterTable& table) {
  std::vector<std::u16string_view> names;
  for (int i = 0; i < table.count && i < PrinterTable::kMaxPrinters; ++i) {
    names.push_back(table.records[i].name);
  }
  return names;
}

const PrinterRecord* findPrinter(const PrinterTable& table, std::u16string_view name) {
  const PrinterRecord* found = nullptr;
  for (int i = 0; i < table.count && i < PrinterTable::kMaxPrinters; ++i) {
    if (table.records[i].name == name) found = &table.records[i];
  }
  return found;
}

const PrinterRecord& paperPrinter(const PrinterTable& table, std::u16string_view name) {
  const PrinterRecord* named = findPrinter(table, name);
  return named != nullptr ? *named : table.records[0];
}

std::vector<std::u16string_view> paperChoices(const PrinterRecord& printer) {
  return textsBeforeFirstEmpty(printer.papers);
}

}  // namespace dovevar
