#include "extras/window_memory.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "store/settings_text.h"

namespace dovevar {
namespace {

constexpr std::u16string_view kWindowKey = u"window=";
constexpr std::u16string_view kWidthsKey = u"column_widths=";
constexpr int kLongestSide = 100000;  // no screen has a side this long; anything past it is damage

int overlap(const ScreenRect& a, const ScreenRect& b) {
  const int width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const int height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

// Whole numbers, each ended by a comma or a slash (or the text's end); nothing when a part
// is not a number.
std::optional<std::vector<int>> numbers(std::u16string_view text) {
  std::vector<int> values;
  for (;;) {
    const std::size_t end = text.find_first_of(u",/");
    const std::u16string_view part = text.substr(0, end);
    const bool negative = part.starts_with(u'-');
    const std::u16string_view digits = part.substr(negative ? 1 : 0);
    const bool number = !digits.empty() && digits.size() <= 6 &&
                        std::all_of(digits.begin(), digits.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    if (!number) return std::nullopt;
    values.push_back(negative ? -settingsNumber(digits) : settingsNumber(digits));
    if (end == std::u16string_view::npos) return values;
    text.remove_prefix(end + 1);
  }
}

std::u16string joined(std::initializer_list<int> values, char16_t separator) {
  std::u16string text;
  for (const int value : values) text += (text.empty() ? u"" : std::u16string(1, separator)) + decimalText(value);
  return text;
}

}  // namespace

ScreenRect placeOnMonitors(const ScreenRect& stored, const std::vector<ScreenRect>& workAreas, std::size_t primary) {
  if (workAreas.empty()) return stored;
  std::size_t best = primary < workAreas.size() ? primary : 0;
  int most = 0;
  for (std::size_t i = 0; i < workAreas.size(); ++i) {
    if (const int shared = overlap(stored, workAreas[i]); shared > most) {
      most = shared;
      best = i;
    }
  }
  const ScreenRect& area = workAreas[best];
  const int width = std::min(stored.width(), area.width());
  const int height = std::min(stored.height(), area.height());
  int left = most == 0 ? area.left : std::clamp(stored.left, area.left, area.right - width);
  int top = most == 0 ? area.top : std::clamp(stored.top, area.top, area.bottom - height);
  return {left, top, left + width, top + height};
}

std::vector<int> widthsToShow(const std::vector<DraggedWidth>& dragged, const std::vector<int>& itemWidths) {
  std::vector<int> shown(itemWidths.size(), 0);
  for (std::size_t i = 0; i < shown.size() && i < dragged.size(); ++i) {
    if (dragged[i].ofItem == itemWidths[i]) shown[i] = dragged[i].shown;
  }
  return shown;
}

std::vector<DraggedWidth> widthsToKeep(const std::vector<int>& shown, const std::vector<int>& itemWidths) {
  if (shown.size() != itemWidths.size() || shown == itemWidths) return {};
  std::vector<DraggedWidth> kept;
  for (std::size_t i = 0; i < shown.size(); ++i) kept.push_back({shown[i], itemWidths[i]});
  return kept;
}

std::vector<std::u16string> windowMemoryLines(const WindowMemory& memory) {
  std::vector<std::u16string> lines;
  if (memory.place) {
    const ScreenRect& r = memory.place->normal;
    lines.push_back(std::u16string(kWindowKey) +
                    joined({r.left, r.top, r.right, r.bottom, memory.place->maximized ? 1 : 0}, u',') + u"\r\n");
  }
  for (const auto& [key, widths] : memory.widths) {
    std::u16string line = std::u16string(kWidthsKey) + joined({key.first, key.second}, u',');
    for (const DraggedWidth& width : widths) line += u',' + joined({width.shown, width.ofItem}, u'/');
    lines.push_back(line + u"\r\n");
  }
  return lines;
}

bool readWindowMemoryLine(std::u16string_view line, WindowMemory& memory) {
  if (line.starts_with(kWindowKey)) {
    const auto values = numbers(line.substr(kWindowKey.size()));
    if (!values || values->size() != 5) return true;
    const ScreenRect rect{(*values)[0], (*values)[1], (*values)[2], (*values)[3]};
    const bool sane = rect.width() > 0 && rect.height() > 0 && rect.width() < kLongestSide &&
                      rect.height() < kLongestSide && ((*values)[4] == 0 || (*values)[4] == 1);
    if (sane) memory.place = WindowPlace{rect, (*values)[4] == 1};
    return true;
  }
  if (!line.starts_with(kWidthsKey)) return false;
  // The language, the set, then a shown width and its item's width for each column.
  const auto values = numbers(line.substr(kWidthsKey.size()));
  if (!values || values->size() < 4 || values->size() % 2 != 0) return true;
  std::vector<DraggedWidth> widths;
  for (std::size_t i = 2; i < values->size(); i += 2) {
    const int shown = (*values)[i];
    if (shown <= 0 || shown >= kLongestSide) return true;
    widths.push_back({shown, (*values)[i + 1]});
  }
  memory.widths[{(*values)[0], (*values)[1]}] = std::move(widths);
  return true;
}

}  // namespace dovevar
