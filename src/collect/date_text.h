// The date text of a drawing or folder: its last write in local time as
// "yyyy/mm/dd hh:mm" (the year in full, every other field two digits).
#pragma once

#include <string>

#include "platform/file_system.h"

namespace dovevar {

std::u16string dateText(const LocalTime& time);

}  // namespace dovevar
