// What the main window keeps between starts in the extras file: its place on the screen
// and the column widths the user dragged, per language and Script set. Widths are kept
// at 96 DPI, each beside the width its item had then, so that a width changed in the
// script details afterwards wins over the one dragged before.
#pragma once

#include <map>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace dovevar {

struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const ScreenRect&) const = default;
};

struct WindowPlace {
  ScreenRect normal;  // the place it has when neither maximized nor minimized
  bool maximized = false;

  bool operator==(const WindowPlace&) const = default;
};

struct DraggedWidth {
  int shown = 0;   // at 96 DPI
  int ofItem = 0;  // the item's own width when it was dragged

  bool operator==(const DraggedWidth&) const = default;
};

// By (UI language, Script set index).
using DraggedWidths = std::map<std::pair<int, int>, std::vector<DraggedWidth>>;

struct WindowMemory {
  std::optional<WindowPlace> place;
  DraggedWidths widths;

  bool operator==(const WindowMemory&) const = default;
};

// Where a stored place opens on the monitors there are now (their work areas, the
// primary one at `primary`): on the monitor that holds most of it, moved inside that
// monitor when it reaches past an edge; on the primary monitor, at its top left, when no
// monitor holds any of it; shrunk to the work area when it is larger.
ScreenRect placeOnMonitors(const ScreenRect& stored, const std::vector<ScreenRect>& workAreas, std::size_t primary);

// The width each column shows: the dragged one while its item still has the width it had
// then, else 0 (the item's own).
std::vector<int> widthsToShow(const std::vector<DraggedWidth>& dragged, const std::vector<int>& itemWidths);

// What to keep of the widths shown: nothing when every column shows its item's width.
std::vector<DraggedWidth> widthsToKeep(const std::vector<int>& shown, const std::vector<int>& itemWidths);

// The extras file's lines of the memory ("window=", "column_widths=") and one line read
// back into it; false for a line of something else. A damaged value is left out.
std::vector<std::u16string> windowMemoryLines(const WindowMemory& memory);
bool readWindowMemoryLine(std::u16string_view line, WindowMemory& memory);

}  // namespace dovevar
