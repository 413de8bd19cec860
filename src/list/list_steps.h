// Undo and redo over the Drawing list. A step is what one command, one cell edit or one
// sort changed in the rows and cells, noted by the list itself (list_change.h) while the
// step is open. Steps are kept up to a count and a memory cap, the oldest going first,
// and go all at once when the list's columns change under them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "list/drawing_list.h"

namespace dovevar {

enum class StepKind : std::uint8_t {
  kCollection,  // folders, folder trees, picked and dropped files, the folder-select dialog
  kFileNameRules,
  kCellEdit,
  kLineEdit,
  kColumnEdit,
  kPaste,
  kAddRows,
  kMoveRow,
  kLayoutNumbers,
  kDelete,
  kSort,
  kListLoad,
};

struct StepSummary {
  StepKind kind = StepKind::kCollection;
  int rows = 0;       // the rows the step put in, took out, changed or ordered
  int firstRow = -1;  // the first row it left selected, or -1
};

class ListSteps {
 public:
  static constexpr std::size_t kMaxSteps = 100;
  static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

  explicit ListSteps(std::size_t maxSteps = kMaxSteps, std::size_t maxBytes = kMaxBytes)
      : maxSteps_(maxSteps), maxBytes_(maxBytes) {}

  // From the first begin to its end, the list's changes make one step of that kind; a
  // begin inside an open step adds to it. A step that changed nothing is no step. A new
  // step drops the steps undone before it, then the oldest steps while there are more
  // or they hold more than the caps allow; the newest step is always kept.
  void begin(DrawingList& list, StepKind kind);
  void end(DrawingList& list);

  bool canUndo() const { return done_ > 0; }
  bool canRedo() const { return done_ < steps_.size(); }
  // Puts the last step back, or does again the last one put back. The rows it put in or
  // changed are then the selection, the first with the focus; a sort leaves the selection
  // alone. Nothing when there is no such step. An open step is ended first.
  std::optional<StepSummary> undo(DrawingList& list);
  std::optional<StepSummary> redo(DrawingList& list);

  // The list's columns are now those of `columns` in UI language `language` and Script set
  // `set`. When they are not those the steps were made with, every step goes, with what
  // an open step noted so far. True when there was a step to drop.
  bool noteColumns(int language, int set, const std::vector<ListColumn>& columns);

  std::size_t stepCount() const { return steps_.size(); }
  std::size_t heldBytes() const { return bytes_; }

 private:
  struct Step {
    StepKind kind = StepKind::kCollection;
    int rows = 0;
    ListChanges changes;
    std::size_t bytes = 0;
  };
  struct ColumnsKey {
    int language = -1;
    int set = -1;
    std::vector<int> items;
    bool operator==(const ColumnsKey&) const = default;
  };

  // Undo (`back`) or redo, an open step ended first.
  std::optional<StepSummary> take(DrawingList& list, bool back);
  void clear();
  // Changes the steps did not see make them wrong: they go.
  void forgetIfListChangedUnseen(const DrawingList& list);
  StepSummary putBack(DrawingList& list, Step& step);
  void weigh(Step& step);
  void keepWithinCaps();

  std::size_t maxSteps_;
  std::size_t maxBytes_;
  std::deque<Step> steps_;
  std::size_t done_ = 0;  // steps_[0, done_) can be undone, the rest redone
  std::size_t bytes_ = 0;
  Step open_;
  int depth_ = 0;
  std::uint64_t unnotedSeen_ = 0;
  std::optional<ColumnsKey> columns_;
};

// Notes the list's changes as a step of `kind` for as long as it lives.
class ListStep {
 public:
  ListStep(ListSteps& steps, DrawingList& list, StepKind kind) : steps_(steps), list_(list) {
    steps_.begin(list_, kind);
  }
  ~ListStep() { steps_.end(list_); }
  ListStep(const ListStep&) = delete;
  ListStep& operator=(const ListStep&) = delete;

 private:
  ListSteps& steps_;
  DrawingList& list_;
};

}  // namespace dovevar
