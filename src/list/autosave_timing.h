// When the automatic list file is written besides the exit: a short while after the last
// change to the rows or their cells, so that a crash or an End task loses at most that
// while, and not while changes keep coming (a collection, an edit of many rows).
#pragma once

#include <cstdint>

namespace dovevar {

class AutosaveTiming {
 public:
  static constexpr std::int64_t kQuietMs = 2000;

  // The list as it is on disk now: its revision (start-up has just read it, or it was
  // just written).
  void written(std::uint64_t revision) { written_ = seen_ = revision; }
  // A look at the list's revision at `nowMs`: true when it differs from what is on disk
  // and has not changed for kQuietMs.
  bool due(std::uint64_t revision, std::int64_t nowMs) {
    if (revision != seen_) {
      seen_ = revision;
      changedAt_ = nowMs;
    }
    return revision != written_ && nowMs - changedAt_ >= kQuietMs;
  }
  bool unwritten(std::uint64_t revision) const { return revision != written_; }

 private:
  std::uint64_t written_ = 0;
  std::uint64_t seen_ = 0;
  std::int64_t changedAt_ = 0;
};

}  // namespace dovevar
