// Any bytes, read as the extras file, must neither fault nor turn on a time limit outside
// the range the watchdog accepts; the same bytes without their byte-order mark turn
// everything off.
#include <cstdlib>
#include <string>

#include "extras/extras_settings.h"

namespace {

void check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
  const std::string raw(reinterpret_cast<const char*>(data), size);
  const dovevar::ExtrasSettings read = dovevar::parseExtrasSettings("\xFF\xFE" + raw);
  check(read.watchdogSeconds >= 0 && read.watchdogSeconds <= dovevar::kMaxWatchdogSeconds);
  if (!raw.starts_with("\xFF\xFE")) check(dovevar::parseExtrasSettings(raw) == dovevar::ExtrasSettings{});
  return 0;
}
