#include "printers/printer_text_watch.h"

namespace dovevar {

void PrinterTextWatch::remember(int box, std::u16string_view text) {
  if (isBox(box)) seen_[box].assign(text);
}

bool PrinterTextWatch::notify(int box) {
  if (pending_ >= 0 || !isBox(box)) return false;
  pending_ = box;
  return true;
}

bool PrinterTextWatch::settleChanged(std::u16string_view text) {
  const int box = pending_;
  pending_ = -1;
  if (box < 0 || text == seen_[box]) return false;
  seen_[box].assign(text);
  return true;
}

}  // namespace dovevar
