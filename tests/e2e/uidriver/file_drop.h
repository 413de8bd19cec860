// A file drop from this process onto a window of another, by OLE drag and drop as
// Explorer makes it: the cursor over the window, the paths as CF_HDROP, the drop.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uidriver {

// Drags the paths onto the middle of `onto` and drops them there. Gives the effect the
// target answered (DROPEFFECT_NONE when it refused), or false when no drag could start.
bool dropFiles(HWND onto, const std::vector<std::wstring>& paths, DWORD& effect, std::wstring& failure);

}  // namespace uidriver
