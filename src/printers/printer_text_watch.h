// A printer box's text settles before the paper box beside it follows: the first change
// notification starts the dialog's 500 ms timer and later ones wait for it; the timer
// then compares the box's text with the one seen last, and only a change counts. A
// dialog with several printer boxes has one timer for them all: while one box waits, the
// others' notifications are passed over.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dovevar {

class PrinterTextWatch {
 public:
  static constexpr int kTimerId = 1;
  static constexpr unsigned kTimerMs = 500;

  explicit PrinterTextWatch(std::size_t boxes = 1) : seen_(boxes) {}

  // The text a box shows when the dialog opens: only a change from it counts.
  void remember(int box, std::u16string_view text);
  // A notification from the box; true when it should start the timer.
  bool notify(int box);
  // The box waiting for the timer, or -1.
  int pending() const { return pending_; }
  // The timer, with the pending box's text: true when it differs from the text seen last,
  // which it then becomes. Nothing is pending afterwards.
  bool settleChanged(std::u16string_view text);

 private:
  bool isBox(int box) const { return box >= 0 && static_cast<std::size_t>(box) < seen_.size(); }

  std::vector<std::u16string> seen_;
  int pending_ = -1;
};

}  // namespace dovevar
