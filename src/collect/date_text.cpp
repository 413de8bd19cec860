#include "collect/date_text.h"

#include <cstdio>

namespace dovevar {

std::u16string dateText(const LocalTime& time) {
  char text[64];
  const int length = std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d", time.year,
                                   time.month, time.day, time.hour, time.minute);
  return std::u16string(text, text + (length > 0 ? length : 0));
}

}  // namespace dovevar
