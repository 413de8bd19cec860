// The printer spooler as the core sees it: the printers the system knows, and each
// printer's paper names as its driver reports them. The Win32 implementation is in
// platform/win/win_spooler.*, the test double in tests/fakes/fake_spooler.*.
#pragma once

#include <string>
#include <vector>

namespace dovevar {

struct SpoolerPrinter {
  std::u16string name;
  std::u16string port;
};

class Spooler {
 public:
  virtual ~Spooler() = default;

  // A driver writes each paper name into a field of this many code units; a name that
  // fills the field has no terminator.
  static constexpr size_t kPaperNameWidth = 64;

  // Every printer, local and connected, in the system's order. False when the system
  // cannot list them.
  virtual bool listPrinters(std::vector<SpoolerPrinter>& printers) = 0;

  // The first paper query: how many paper names the driver has; -1 when it cannot say.
  virtual int paperNameCount(const SpoolerPrinter& printer) = 0;

  // The second paper query, into a buffer made for `expected` names (with the slack
  // the platform adds). False when no buffer could be had. Otherwise `reported` is the
  // count the driver gives this time and `names` the names it wrote, at most
  // `expected`, each cut at its terminator.
  virtual bool readPaperNames(const SpoolerPrinter& printer, int expected,
                              std::vector<std::u16string>& names, int& reported) = 0;
};

}  // namespace dovevar
