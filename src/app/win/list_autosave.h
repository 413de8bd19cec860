// The automatic list file written while Dovevar runs, so that a crash or an End task
// loses at most the last two seconds: a copy of the list is taken on the window's thread
// and written on a thread of its own, so that a long list never holds the window up.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "list/autosave_timing.h"
#include "list/drawing_list.h"
#include "platform/file_system.h"

namespace dovevar::win {

class ListAutosave {
 public:
  static constexpr unsigned kTimerId = 3;
  static constexpr unsigned kTimerMs = 500;

  explicit ListAutosave(FileSystem& files) : files_(files) {}
  ~ListAutosave() { finish(); }
  ListAutosave(const ListAutosave&) = delete;
  ListAutosave& operator=(const ListAutosave&) = delete;

  // The file and the list as start-up read it.
  void begin(std::u16string path, const DrawingList& list);
  // The timer: writes the list in the background once it has been quiet for a while.
  void tick(const DrawingList& list, int scriptSet, std::int64_t nowMs);
  // Before a run: the list as it is, written now if it is not on disk yet.
  void writeNow(const DrawingList& list, int scriptSet);
  // Waits for a write in progress; the exit's own write comes after it.
  void finish();

 private:
  FileSystem& files_;
  std::u16string path_;
  AutosaveTiming timing_;
  std::thread writer_;
  std::atomic<bool> writing_{false};
};

}  // namespace dovevar::win
