#pragma once

#include "platform/spooler.h"

namespace dovevar::win {

// The spooler through winspool: EnumPrintersW (local and connected printers, level 2)
// and DeviceCapabilitiesW (DC_PAPERNAMES). Every buffer lives only for its call.
class WinSpooler : public Spooler {
 public:
  bool listPrinters(std::vector<SpoolerPrinter>& printers) override;
  int paperNameCount(const SpoolerPrinter& printer) override;
  bool readPaperNames(const SpoolerPrinter& printer, int expected,
                      std::vector<std::u16string>& names, int& reported) override;
};

}  // namespace dovevar::win
