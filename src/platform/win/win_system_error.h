// The system's error as the ports report it: the code and Windows' own text for it.
#pragma once

#include <windows.h>

#include "platform/system_error.h"

namespace dovevar::win {

// The text FormatMessageW gives for the code, without its line end; "error N" when the
// system has no text for it.
SystemError systemError(DWORD code);
// The calling thread's last error.
inline SystemError lastSystemError() { return systemError(GetLastError()); }

}  // namespace dovevar::win
