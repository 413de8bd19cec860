#include "list/list_steps.h"

#include <algorithm>

namespace dovevar {
namespace {

bool cellBefore(const CellText& a, const CellText& b) {
  return a.row != b.row ? a.row < b.row : a.column < b.column;
}

// One note per cell, the first (the text the step found), in row order.
void keepFirstNoteOfEachCell(std::vector<CellText>& cells) {
  if (std::adjacent_find(cells.begin(), cells.end(), [](const CellText& a, const CellText& b) {
        return !cellBefore(a, b);
      }) == cells.end()) {
    return;
  }
  std::stable_sort(cells.begin(), cells.end(), cellBefore);
  cells.erase(std::unique(cells.begin(), cells.end(),
                          [](const CellText& a, const CellText& b) { return !cellBefore(a, b); }),
              cells.end());
}

// What the step did, without what it undid itself: a cell edit that was cancelled or a
// value written over the same value is no change.
void tidy(ListChanges& changes, const DrawingList& list) {
  for (ListChange& change : changes) {
    if (change.kind == ListChange::Kind::kCells) keepFirstNoteOfEachCell(change.cells);
  }
  // The cells of the last note are as the step left them.
  if (!changes.empty() && changes.back().kind == ListChange::Kind::kCells) {
    std::vector<CellText>& cells = changes.back().cells;
    cells.erase(std::remove_if(cells.begin(), cells.end(),
                               [&list](const CellText& note) {
                                 return list.cell(note.row, note.column) == note.text;
                               }),
                cells.end());
  }
  changes.erase(std::remove_if(changes.begin(), changes.end(),
                               [](const ListChange& change) {
                                 switch (change.kind) {
                                   case ListChange::Kind::kCells: return change.cells.empty();
                                   case ListChange::Kind::kRowsIn:
                                   case ListChange::Kind::kRowsOut: return change.places.empty();
                                   case ListChange::Kind::kOrder: return change.order.empty();
                                 }
                                 return true;
                               }),
                changes.end());
}

// The rows put in, the rows taken out, the rows of one note of cells or the rows
// ordered, whichever are most: a moved row counts once.
int rowsOf(const ListChanges& changes) {
  std::size_t in = 0;
  std::size_t out = 0;
  std::size_t most = 0;
  for (const ListChange& change : changes) {
    switch (change.kind) {
      case ListChange::Kind::kCells: {
        std::size_t rows = 0;
        for (std::size_t i = 0; i < change.cells.size(); ++i) {
          if (i == 0 || change.cells[i].row != change.cells[i - 1].row) ++rows;
        }
        most = std::max(most, rows);
        break;
      }
      case ListChange::Kind::kRowsIn: in += change.places.size(); break;
      case ListChange::Kind::kRowsOut: out += change.places.size(); break;
      case ListChange::Kind::kOrder: most = std::max(most, change.order.size()); break;
    }
  }
  return static_cast<int>(std::max({in, out, most}));
}

}  // namespace

void ListSteps::begin(DrawingList& list, StepKind kind) {
  if (depth_++ > 0) return;
  forgetIfListChangedUnseen(list);
  open_ = Step{kind, 0, {}, 0};
  list.noteChangesIn(&open_.changes);
}

void ListSteps::end(DrawingList& list) {
  if (depth_ == 0 || --depth_ > 0) return;
  list.noteChangesIn(nullptr);
  unnotedSeen_ = list.unnotedChanges();
  tidy(open_.changes, list);
  if (open_.changes.empty()) return;
  open_.rows = rowsOf(open_.changes);
  while (steps_.size() > done_) {
    bytes_ -= steps_.back().bytes;
    steps_.pop_back();
  }
  steps_.push_back(std::move(open_));
  open_ = {};
  weigh(steps_.back());
  done_ = steps_.size();
  keepWithinCaps();
}

std::optional<StepSummary> ListSteps::undo(DrawingList& list) { return take(list, true); }

std::optional<StepSummary> ListSteps::redo(DrawingList& list) { return take(list, false); }

std::optional<StepSummary> ListSteps::take(DrawingList& list, bool back) {
  if (depth_ > 0) {
    depth_ = 1;
    end(list);
  }
  forgetIfListChangedUnseen(list);
  if (back ? !canUndo() : !canRedo()) return std::nullopt;
  if (back) --done_;
  const StepSummary summary = putBack(list, steps_[done_]);
  if (!back) ++done_;
  keepWithinCaps();
  return summary;
}

bool ListSteps::noteColumns(int language, int set, const std::vector<ListColumn>& columns) {
  ColumnsKey key{language, set, {}};
  for (const ListColumn& column : columns) key.items.push_back(column.item);
  const bool changed = columns_.has_value() && *columns_ != key;
  columns_ = std::move(key);
  if (!changed) return false;
  const bool hadSteps = !steps_.empty() || !open_.changes.empty();
  clear();
  return hadSteps;
}

void ListSteps::clear() {
  steps_.clear();
  done_ = 0;
  bytes_ = 0;
  open_.changes.clear();
}

void ListSteps::forgetIfListChangedUnseen(const DrawingList& list) {
  if (list.unnotedChanges() == unnotedSeen_) return;
  unnotedSeen_ = list.unnotedChanges();
  clear();
}

// The notes go back last first; each then notes the way forward, so the reversed list
// redoes the step, and putting that back undoes it again.
StepSummary ListSteps::putBack(DrawingList& list, Step& step) {
  const bool orderOnly = std::all_of(step.changes.begin(), step.changes.end(), [](const ListChange& change) {
    return change.kind == ListChange::Kind::kOrder;
  });
  if (!orderOnly) list.selectNone();
  for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change) list.putBack(*change);
  std::reverse(step.changes.begin(), step.changes.end());
  weigh(step);
  unnotedSeen_ = list.unnotedChanges();
  StepSummary summary{step.kind, step.rows, -1};
  if (!orderOnly) {
    summary.firstRow = list.nextSelectedRow(-1);
    if (summary.firstRow >= 0) list.selectRow(summary.firstRow);  // the focus too
  }
  return summary;
}

void ListSteps::weigh(Step& step) {
  bytes_ -= step.bytes;
  step.bytes = sizeof step;
  for (const ListChange& change : step.changes) step.bytes += dovevar::heldBytes(change);
  bytes_ += step.bytes;
}

// The oldest step that can be undone goes first; the newest is kept whatever it holds.
void ListSteps::keepWithinCaps() {
  while ((steps_.size() > maxSteps_ || bytes_ > maxBytes_) && done_ > 0 && steps_.size() > 1) {
    bytes_ -= steps_.front().bytes;
    steps_.pop_front();
    --done_;
  }
}

}  // namespace dovevar
