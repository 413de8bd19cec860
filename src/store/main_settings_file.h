// The Main settings file "Dovevar.ini": the Settings record, one line per field, always
// all 146 lines in a fixed order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "store/messages.h"
#include "store/settings.h"

namespace dovevar {

inline constexpr char16_t kMainSettingsFileName[] = u"Dovevar.ini";

// The file's lines in write order, each ended by CR LF.
std::vector<std::u16string> mainSettingsLines(const Settings& settings);

// A current script set outside 0 to 19 or a UI language outside 0 to 3 would index
// tables out of range: such values are taken as 0.
void keepSettingsInRange(Settings& settings);

// Each line read: a text longer than its field leaves the field empty; a number text
// of 288 characters or more leaves the field as it was; the low 16, 8 or 32 bits of a
// number are stored by the field's width; unknown keys are ignored.
// Gives 0 when the file was read; 1 when it is missing (record reset, no message) or
// unreadable (read-failure report, record unchanged).
int readMainSettings(FileSystem& files, Messages& messages, const std::u16string& folder,
                     Settings& settings);

// Gives true when written; a failure is reported and the previous file stays.
bool writeMainSettings(FileSystem& files, Messages& messages, const std::u16string& folder,
                       const Settings& settings);

}  // namespace dovevar
