// The settings of Dovevar's own extensions, kept apart from Dovevar.ini in a file of
// their own beside it, in the same UTF-16 key=value form. Every option is off unless the
// file turns it on, so a missing, unreadable or damaged file changes nothing.
#pragma once

#include <string>
#include <string_view>

#include "extras/window_memory.h"
#include "platform/file_system.h"
#include "store/messages.h"

namespace dovevar {

inline constexpr std::u16string_view kExtrasFileName = u"Dovevar-extras.ini";
// The longest time limit a step can have: one day.
inline constexpr int kMaxWatchdogSeconds = 86400;

struct ExtrasSettings {
  bool checkBeforeRun = false;  // "check_before_run=1": the whole-list and per-row runs check first
  int watchdogSeconds = 0;      // "watchdog_seconds=N": a per-row step's time limit; 0 waits forever
  int cadAtOnce = 1;            // "cad_at_once=N": CAD processes of the per-row runs at once, 1 to 8
  WindowMemory window;          // "window=" and "column_widths=", written only once there is some

  bool operator==(const ExtrasSettings&) const = default;
};

// A time limit as typed or stored: a whole number of seconds from 1 to one day; any
// other text gives 0, no limit.
int watchdogSecondsFromText(std::u16string_view text);

// A count of CAD processes as typed or stored: 1 to 8; any other text gives 1.
int cadAtOnceFromText(std::u16string_view text);

// The settings in a file's bytes. Text without the byte-order mark reads as all off; a
// value that is not a number in range leaves its option off.
ExtrasSettings parseExtrasSettings(std::string_view bytes);

// The extras file of the settings folder; all off when it is missing or cannot be read.
// Nothing is shown to the user.
ExtrasSettings readExtrasSettings(FileSystem& files, std::u16string_view folder);

// Writes the file whole, keeping the old one when that fails (message 18). The count of
// CAD processes is written only when it is not 1, so that files without it stay as they were.
bool writeExtrasSettings(FileSystem& files, Messages& messages, std::u16string_view folder,
                         const ExtrasSettings& settings);

}  // namespace dovevar
