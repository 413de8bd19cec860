// Files dropped onto a window: by OLE drag and drop, as Explorer drops them, and by
// WM_DROPFILES, as older programs drop them. Both give the paths in the order dropped.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace dovevar::win {

using DroppedPaths = std::vector<std::u16string>;

// The paths of a drop handle, in order.
DroppedPaths pathsOfDrop(HDROP drop);

// Takes file drops on one window while it lives. `accepts` says whether a drop is taken
// now (a refused drop shows the no-drop cursor). A drop taken is kept, and `message` is
// posted to `notify`: the dropping program (Explorer, say) goes on at once, and what the
// drop adds, and any box it shows, comes after.
class FileDropTarget {
 public:
  FileDropTarget(std::function<bool()> accepts, HWND notify, UINT message);
  ~FileDropTarget();
  FileDropTarget(const FileDropTarget&) = delete;
  FileDropTarget& operator=(const FileDropTarget&) = delete;

  // False when OLE refused the window (OleInitialize not called on this thread).
  bool attach(HWND window);
  void detach();

  // The drops taken since the last call, in order.
  std::vector<DroppedPaths> takeDrops();

 private:
  class Target;
  Target* target_ = nullptr;
  HWND window_ = nullptr;
};

}  // namespace dovevar::win
