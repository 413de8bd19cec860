#include "app/win/window_place.h"

#include <vector>

#include "extras/extras_settings.h"
#include "script/script_sets.h"

namespace dovevar::win {
namespace {

struct Monitors {
  std::vector<ScreenRect> workAreas;
  std::size_t primary = 0;
};

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  auto& monitors = *reinterpret_cast<Monitors*>(data);
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) monitors.primary = monitors.workAreas.size();
  const RECT& area = info.rcWork;
  monitors.workAreas.push_back({area.left, area.top, area.right, area.bottom});
  return TRUE;
}

std::optional<WindowPlace> placeOf(HWND window) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof(placement);
  if (!GetWindowPlacement(window, &placement)) return std::nullopt;
  const RECT& r = placement.rcNormalPosition;
  return WindowPlace{{r.left, r.top, r.right, r.bottom}, IsZoomed(window) != FALSE};
}

// A maximized window keeps the place it had last when it was not: some systems (Wine)
// give its maximized rectangle as its normal place.
std::optional<WindowPlace> currentPlace(const AppState& app) {
  std::optional<WindowPlace> place = placeOf(app.mainWindow);
  if (place && place->maximized && app.normalPlace) place->normal = *app.normalPlace;
  return place;
}

std::vector<int> itemWidths(const AppState& app) {
  std::vector<int> widths;
  for (const ListColumn& column : app.list.columns()) widths.push_back(column.width);
  return widths;
}

}  // namespace

void recallWindowMemory(AppState& app) {
  app.windowMemory = readExtrasSettings(app.files, app.settingsFolder).window;
  app.windowMemoryAtStart = app.windowMemory;
}

void showMainWindow(AppState& app, int showCommand) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof(placement);
  if (!app.windowMemory.place || !GetWindowPlacement(app.mainWindow, &placement)) {
    ShowWindow(app.mainWindow, showCommand);
  } else {
    Monitors monitors;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
    const ScreenRect r = placeOnMonitors(app.windowMemory.place->normal, monitors.workAreas, monitors.primary);
    placement.rcNormalPosition = {r.left, r.top, r.right, r.bottom};
    const bool asUsual = showCommand == SW_SHOWNORMAL || showCommand == SW_SHOWDEFAULT;
    placement.showCmd = app.windowMemory.place->maximized && asUsual ? SW_SHOWMAXIMIZED : showCommand;
    placement.flags = 0;
    SetWindowPlacement(app.mainWindow, &placement);
  }
  noteNormalPlace(app);
  app.placeAtStart = currentPlace(app);
}

void noteNormalPlace(AppState& app) {
  if (IsZoomed(app.mainWindow) || IsIconic(app.mainWindow)) return;
  if (const std::optional<WindowPlace> place = placeOf(app.mainWindow)) app.normalPlace = place->normal;
}

void showColumnsOfCurrentSet(AppState& app) {
  const std::pair<int, int> shown{app.settings.moji_type, app.settings.scrpit_type};
  const auto found = app.windowMemory.widths.find(shown);
  app.listView.showColumns(found == app.windowMemory.widths.end() ? std::vector<int>{}
                                                                    : widthsToShow(found->second, itemWidths(app)));
  app.shownColumnsOf = shown;
}

void keepShownWidths(AppState& app) {
  if (app.shownColumnsOf.first < 0 || app.listView.window() == nullptr) return;
  const std::vector<DraggedWidth> kept = widthsToKeep(app.listView.designWidths(), itemWidths(app));
  if (kept.empty()) app.windowMemory.widths.erase(app.shownColumnsOf);
  else app.windowMemory.widths[app.shownColumnsOf] = kept;
}

void saveWindowMemory(AppState& app) {
  keepShownWidths(app);
  // A window the user neither moved nor sized keeps the place it was given, stored or not.
  if (const std::optional<WindowPlace> place = currentPlace(app); place && place != app.placeAtStart) {
    app.windowMemory.place = place;
  }
  if (app.windowMemory == app.windowMemoryAtStart) return;
  ExtrasSettings extras = readExtrasSettings(app.files, app.settingsFolder);
  extras.window = app.windowMemory;
  if (writeExtrasSettings(app.files, app.messages, app.settingsFolder, extras)) {
    app.windowMemoryAtStart = app.windowMemory;
  }
}

}  // namespace dovevar::win
