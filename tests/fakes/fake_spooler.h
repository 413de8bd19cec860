// A spooler for the unit tests: printers with their paper names, and switches for the
// ways a real spooler or driver lets the program down.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/spooler.h"

namespace dovevar {

class FakeSpooler : public Spooler {
 public:
  struct Printer {
    std::u16string name;
    std::u16string port;
    std::vector<std::u16string> papers;
    // What the first paper query answers when it differs from the names the second
    // one gives (a driver whose list changes between the two, or -1 for a failure).
    std::optional<int> firstCount;
    bool noMemory = false;  // no buffer for its names
  };
  std::vector<Printer> printers;
  bool listingFails = false;
  std::vector<std::u16string> paperQueries;  // printers asked for their paper count

  // A printer named `name` on port "CUPS:<name>".
  Printer& add(std::u16string name, std::vector<std::u16string> papers = {});

  bool listPrinters(std::vector<SpoolerPrinter>& list) override;
  int paperNameCount(const SpoolerPrinter& printer) override;
  bool readPaperNames(const SpoolerPrinter& printer, int expected,
                      std::vector<std::u16string>& names, int& reported) override;

 private:
  const Printer* find(const SpoolerPrinter& printer) const;
};

}  // namespace dovevar
