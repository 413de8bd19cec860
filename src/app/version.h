// The program's version, shown in the title bar and the version dialog.
#pragma once

#include <string>

namespace dovevar {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 3;

// "Dovevar 1.03"
std::u16string windowTitle();
// "Dovevar, Version 1.03"
std::u16string versionText();

}  // namespace dovevar
