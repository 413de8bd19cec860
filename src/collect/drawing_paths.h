// Paths as the collections form them. Every path is held in a buffer of
// Settings::kPathCapacity code units with its terminating zero; a path that would not
// fit is refused whole, never cut into the name of some other folder or file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "store/settings.h"

namespace dovevar {

inline constexpr std::size_t kMaxPathLength = Settings::kPathCapacity - 1;  // 259

inline bool fitsPathBuffer(std::u16string_view path) { return path.size() <= kMaxPathLength; }

// The folder, a backslash and the name; no backslash is added after an empty folder or
// one that already ends in one ("c:\" and "x.dwg" give "c:\x.dwg").
std::u16string joinPath(std::u16string_view folder, std::u16string_view name);

// True when `text` ends in `ending`, the letters A to Z compared without case.
bool endsWithIgnoringCase(std::u16string_view text, std::u16string_view ending);

}  // namespace dovevar
