// The environment dialog's rules, apart from its window: what it shows when it opens,
// what "register" adds to the prohibited-printer list, and what OK stores.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui_port.h"
#include "store/messages.h"
#include "store/settings.h"

namespace dovevar {

// The four path edits, in the order OK stores them.
enum class PathField { kCadExecutable, kPlotStyleFolder, kRunScript, kEndDrawing };
inline constexpr std::size_t kPathFieldCount = 4;

// The most characters taken from a path edit, and from the printer-name edit.
inline constexpr std::size_t kPathEditLimit = Settings::kPathCapacity - 2;            // 258
inline constexpr std::size_t kPrinterNameEditLimit = Settings::kPrinterNameCapacity - 2;  // 62

// The dialog's controls as plain values.
struct EnvironmentValues {
  std::array<std::u16string, kPathFieldCount> paths;  // by PathField
  std::vector<std::u16string> prohibitedPrinters;     // the list box, in its order
  bool paperAbOnly = false;                           // `print_paper_ab`
  bool noProhibitedWarning = false;                   // `prohibition_plmode`
};

// The values the dialog opens with. Every stored prohibited printer is listed, an
// empty slot passed over: a name stored after one stays prohibited, so it is shown.
EnvironmentValues environmentValues(const Settings& settings);

// The name "register" adds for the edit's `typed` text (its first 62 characters), or
// nothing for an empty text: an empty entry would become an empty slot.
std::optional<std::u16string> printerNameToRegister(std::u16string_view typed);

// The first path too long to be stored whole, if any. OK refuses it with a message
// rather than cutting it into some other path.
std::optional<PathField> overLongPath(const EnvironmentValues& values);

// OK: the paths, the first 16 names of the list (the slots after the last one emptied)
// and the two check boxes. The paths must have passed overLongPath().
void storeEnvironment(const EnvironmentValues& values, Settings& settings);

// The file picker of a path edit holding `editText` (not the plot-style folder, which
// has a folder browser): its title, filters and starting file name.
UiPort::FileDialog pathPicker(PathField field, std::u16string_view editText, const Messages& messages);

}  // namespace dovevar
