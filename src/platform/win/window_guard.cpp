#include "platform/win/window_guard.h"

#include <utility>

namespace dovevar::win {
namespace {

std::function<void()>& failureHandler() {
  static std::function<void()> handler;
  return handler;
}

}  // namespace

void setUnexpectedFailureHandler(std::function<void()> handler) { failureHandler() = std::move(handler); }

void reportUnexpectedFailure() noexcept {
  // The handler shows a box, whose loop dispatches further messages: a failure among
  // them must not open a second box over the first.
  static bool reporting = false;
  if (reporting || !failureHandler()) return;
  reporting = true;
  try {
    failureHandler()();
  } catch (...) {
    // Nothing more can be done for the user here; the procedure still returns normally.
  }
  reporting = false;
}

}  // namespace dovevar::win
