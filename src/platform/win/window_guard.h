// No exception may unwind through a window procedure or another callback of the system:
// on 64-bit Windows what happens then is undefined. Every procedure of the program runs
// its body through guarded(), which catches what escaped, lets the program save what the
// user built and say that something went wrong, and gives the system a plain answer.
#pragma once

#include <functional>

namespace dovevar::win {

// What the program does when an exception reached a window procedure: set once by the
// main window (save the list, tell the user). While it runs, a second failure is only
// caught.
void setUnexpectedFailureHandler(std::function<void()> handler);
void reportUnexpectedFailure() noexcept;

// The body's result, or `fallback` after an exception was caught and reported.
template <typename Result, typename Body>
Result guarded(Result fallback, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    reportUnexpectedFailure();
    return fallback;
  }
}

}  // namespace dovevar::win
