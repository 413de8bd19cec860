// Program entry: resources, the main window, the message loop.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/win/app_state.h"
#include "app/win/main_window.h"
#include "app/win/message_loop.h"
#include "app/win/night_run_stop.h"
#include "app/win/one_window_per_folder.h"
#include "resource.h"
#include "app/win/startup.h"
#include "app/win/window_place.h"
#include "extras/unattended_run.h"
#include "platform/win/wide.h"

namespace {

constexpr int kWindowNotMade = 1;

std::wstring loadString(HINSTANCE instance, UINT id) {
  wchar_t buffer[100] = {};  // titles and class names hold at most 99 characters
  const int length = LoadStringW(instance, id, buffer, 100);
  return std::wstring(buffer, static_cast<size_t>(length > 0 ? length : 0));
}

// The program's arguments without its own name.
std::vector<std::u16string> startArguments() {
  std::vector<std::u16string> arguments;
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(dovevar::win::fromWide(words[i]));
  LocalFree(words);
  return arguments;
}

// "/run LIST [/perrow] [/part K/N]": no window, the exit code for the task scheduler.
int runFromCommandLine(const dovevar::StartRequest& request) {
  dovevar::win::WinFileSystem files;
  dovevar::win::WinProcesses processes;
  const dovevar::win::NightRunStop stop(dovevar::win::currentDirectory());
  processes.setStopEvent(stop.event());
  dovevar::win::WinSpooler spooler;
  dovevar::win::WinClock clock;
  return dovevar::runUnattended({files, processes, spooler, clock}, dovevar::win::currentDirectory(), request);
}

// The main window from its creation to the end of its message loop.
int runMainWindow(HINSTANCE instance, int showCommand, dovevar::win::OneWindowPerFolder& oneWindow) {
  dovevar::win::AppState app;
  app.oneWindow = &oneWindow;
  app.instance = instance;
  app.windowTitle = loadString(instance, IDS_APP_TITLE);
  app.className = loadString(instance, IDS_CLASS_NAME);

  // Without its window the program has not run: the exit code says so.
  if (!dovevar::win::registerMainWindowClass(app)) return kWindowNotMade;
  HWND window = dovevar::win::createMainWindow(app);
  if (window == nullptr) return kWindowNotMade;
  oneWindow.mark(window);
  dovevar::win::showMainWindow(app, showCommand);
  UpdateWindow(window);

  app.accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
  app.listKeys = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_LIST_KEYS));
  app.processes.setMessageHandler([&app] { dovevar::win::handleWaitingMessages(app); });
  const int exitCode = dovevar::win::runMessageLoop(app);
  dovevar::win::saveSettingsAtExit(app);
  return exitCode;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const dovevar::StartRequest request = dovevar::parseStartArguments(startArguments());
  if (request.kind == dovevar::StartRequest::Kind::kBadArguments) return dovevar::kUnattendedBadArguments;
  if (request.kind == dovevar::StartRequest::Kind::kUnattended) return runFromCommandLine(request);
  if (request.kind == dovevar::StartRequest::Kind::kStop) {
    return dovevar::win::askNightRunToStop(dovevar::win::currentDirectory()) ? dovevar::kUnattendedDone
                                                                            : dovevar::kUnattendedFailed;
  }

  dovevar::win::OneWindowPerFolder oneWindow(dovevar::win::currentDirectory());
  if (oneWindow.alreadyOpen()) return 0;

  // Drag and drop needs OLE on this thread for as long as the window lives.
  const bool ole = SUCCEEDED(OleInitialize(nullptr));
  const int exitCode = runMainWindow(instance, showCommand, oneWindow);
  if (ole) OleUninitialize();
  return exitCode;
}
