#include "fakes/fake_spooler.h"

#include <algorithm>

namespace dovevar {

FakeSpooler::Printer& FakeSpooler::add(std::u16string name, std::vector<std::u16string> papers) {
  Printer printer;
  printer.port = u"CUPS:" + name;
  printer.name = std::move(name);
  printer.papers = std::move(papers);
  printers.push_back(std::move(printer));
  return printers.back();
}

bool FakeSpooler::listPrinters(std::vector<SpoolerPrinter>& list) {
  list.clear();
  if (listingFails) return false;
  for (const Printer& printer : printers) list.push_back({printer.name, printer.port});
  return true;
}

int FakeSpooler::paperNameCount(const SpoolerPrinter& printer) {
  paperQueries.push_back(printer.name);
  const Printer* found = find(printer);
  if (found == nullptr) return -1;
  return found->firstCount.value_or(static_cast<int>(found->papers.size()));
}

bool FakeSpooler::readPaperNames(const SpoolerPrinter& printer, int expected,
                                 std::vector<std::u16string>& names, int& reported) {
  names.clear();
  const Printer* found = find(printer);
  if (found == nullptr) {
    reported = -1;
    return true;
  }
  if (found->noMemory) return false;
  reported = static_cast<int>(found->papers.size());
  const size_t written = std::min(found->papers.size(), static_cast<size_t>(std::max(expected, 0)));
  names.assign(found->papers.begin(), found->papers.begin() + written);
  return true;
}

const FakeSpooler::Printer* FakeSpooler::find(const SpoolerPrinter& printer) const {
  for (const Printer& candidate : printers) {
    if (candidate.name == printer.name && candidate.port == printer.port) return &candidate;
  }
  return nullptr;
}

}  // namespace dovevar
