// What the system said when a call of a port failed: its error code and its own text for
// it, so that a log line or a report can say why and not only that.
#pragma once

#include <cstdint>
#include <string>

namespace dovevar {

struct SystemError {
  std::uint32_t code = 0;  // 0: the system gave no code
  std::u16string reason;   // the system's text for the code, in the system's language

  bool operator==(const SystemError&) const = default;
};

// A port call that either did what it was asked or failed with the system's error.
struct PortResult {
  bool done = false;
  SystemError error;

  explicit operator bool() const { return done; }
  static PortResult success() { return {true, {}}; }
  static PortResult failure(SystemError error) { return {false, std::move(error)}; }
};

}  // namespace dovevar
