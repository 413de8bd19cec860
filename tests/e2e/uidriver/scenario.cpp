#include "scenario.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>
#include <functional>
#include <utility>

#include "store/text_codec.h"
#include "file_drop.h"
#include "target.h"

namespace uidriver {
namespace {

using Words = std::vector<std::wstring>;

constexpr DWORD kPollMs = 20;
constexpr DWORD kDefaultTimeoutMs = 5000;
constexpr DWORD kSettleMs = 500;  // how long an expected absence must last

std::wstring quoted(const std::wstring& text) {
  std::wstring out = L"\"";
  for (wchar_t c : text) {
    if (c == L'\n') out += L"\\n";
    else if (c == L'\r') out += L"\\r";
    else if (c == L'"') out += L"\\\"";
    else out += c;
  }
  return out + L"\"";
}

bool expandVariables(const std::wstring& word, const std::map<std::wstring, std::wstring>& variables,
                     std::wstring& out, std::wstring& error) {
  out.clear();
  for (size_t i = 0; i < word.size(); ++i) {
    if (word.compare(i, 2, L"${") != 0) {
      out += word[i];
      continue;
    }
    const size_t close = word.find(L'}', i);
    if (close == std::wstring::npos) {
      error = L"unclosed ${";
      return false;
    }
    const std::wstring name = word.substr(i + 2, close - i - 2);
    if (auto found = variables.find(name); found != variables.end()) {
      out += found->second;
    } else {
      wchar_t value[4096] = {};
      const DWORD length = GetEnvironmentVariableW(name.c_str(), value, 4096);
      if (length == 0 || length >= 4096) {
        error = L"unknown variable " + name;
        return false;
      }
      out += value;
    }
    i = close;
  }
  return true;
}

bool splitWords(const std::wstring& line, Words& words, std::wstring& error) {
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == L' ' || line[i] == L'\t') {
      ++i;
      continue;
    }
    std::wstring word;
    if (line[i] == L'"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const wchar_t c = line[i++];
        if (c == L'"') {
          closed = true;
          break;
        }
        // \" \\ \n \r \t are escapes; any other backslash stays, so paths read plainly.
        if (c == L'\\' && i < line.size() && wcschr(L"\"\\nrt", line[i]) != nullptr) {
          const wchar_t escaped = line[i++];
          word += escaped == L'n' ? L'\n' : escaped == L'r' ? L'\r' : escaped == L't' ? L'\t' : escaped;
        } else {
          word += c;
        }
      }
      if (!closed) {
        error = L"unclosed quote";
        return false;
      }
    } else {
      while (i < line.size() && line[i] != L' ' && line[i] != L'\t') word += line[i++];
    }
    words.push_back(word);
  }
  return true;
}

int toNumber(const std::wstring& word) { return static_cast<int>(std::wcstol(word.c_str(), nullptr, 0)); }

std::wstring readTextFile(const std::wstring& path, bool& found) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  found = file != INVALID_HANDLE_VALUE;
  if (!found) return {};
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  std::u16string units;
  if (bytes.size() >= 2 && bytes.compare(0, 2, "\xFF\xFE") == 0) {
    units = dovevar::fromUtf16LeBytes(std::string_view(bytes).substr(2));
  } else {
    units = dovevar::utf8ToUtf16(bytes);
  }
  return std::wstring(units.begin(), units.end());
}

Words textLines(const std::wstring& text) {
  Words lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// The first line, counted from 1, where the two differ, with both lines quoted ("(end)"
// past the last one); 0 when they are the same.
size_t firstDifferentLine(const Words& expected, const Words& actual, std::wstring& want, std::wstring& got) {
  for (size_t i = 0; i < expected.size() || i < actual.size(); ++i) {
    want = i < expected.size() ? quoted(expected[i]) : L"(end)";
    got = i < actual.size() ? quoted(actual[i]) : L"(end)";
    if (want != got) return i + 1;
  }
  return 0;
}

// A CSV text read the way a spreadsheet program reads it: records by CR LF or LF, fields
// by commas, a quoted field may hold commas, doubled quotes and line ends.
std::vector<Words> csvRecords(const std::wstring& text) {
  std::vector<Words> records;
  Words record;
  std::wstring field;
  bool quoted = false;
  bool any = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    any = true;
    if (quoted) {
      if (c == L'"' && i + 1 < text.size() && text[i + 1] == L'"') {
        field += L'"';
        ++i;
      } else if (c == L'"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == L'"') {
      quoted = true;
    } else if (c == L',') {
      record.push_back(field);
      field.clear();
    } else if (c == L'\r' || c == L'\n') {
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      record.push_back(field);
      records.push_back(record);
      record.clear();
      field.clear();
      any = false;
    } else {
      field += c;
    }
  }
  if (any) {
    record.push_back(field);
    records.push_back(record);
  }
  return records;
}

// Records against expected ones whose cells "*" match anything; `saw` tells the first
// difference.
bool sameRecords(const std::vector<Words>& expected, const std::vector<Words>& actual, std::wstring& saw) {
  for (size_t row = 0; row < expected.size() || row < actual.size(); ++row) {
    if (row >= expected.size() || row >= actual.size()) {
      saw = L"record " + std::to_wstring(row + 1) + L": " + (row < actual.size() ? L"one more" : L"none");
      return false;
    }
    for (size_t cell = 0; cell < expected[row].size() || cell < actual[row].size(); ++cell) {
      const std::wstring want = cell < expected[row].size() ? expected[row][cell] : L"(none)";
      const std::wstring got = cell < actual[row].size() ? actual[row][cell] : L"(none)";
      if (want != L"*" && want != got) {
        saw = L"record " + std::to_wstring(row + 1) + L" cell " + std::to_wstring(cell + 1) + L": " +
              quoted(got) + L" where " + quoted(want) + L" was due";
        return false;
      }
    }
  }
  return true;
}

WORD virtualKey(const std::wstring& name) {
  static const std::map<std::wstring, WORD> named = {
      {L"return", VK_RETURN}, {L"enter", VK_RETURN}, {L"escape", VK_ESCAPE}, {L"tab", VK_TAB},
      {L"space", VK_SPACE},   {L"back", VK_BACK},    {L"delete", VK_DELETE}, {L"insert", VK_INSERT},
      {L"up", VK_UP},         {L"down", VK_DOWN},    {L"left", VK_LEFT},     {L"right", VK_RIGHT},
      {L"home", VK_HOME},     {L"end", VK_END},      {L"pageup", VK_PRIOR},  {L"pagedown", VK_NEXT},
  };
  if (auto found = named.find(name); found != named.end()) return found->second;
  if (name.size() >= 2 && name[0] == L'f' && iswdigit(name[1])) {
    return static_cast<WORD>(VK_F1 + toNumber(name.substr(1)) - 1);
  }
  if (name.size() == 1) return static_cast<WORD>(LOBYTE(VkKeyScanW(name[0])));
  return 0;
}

// Where a click lands on a cell, a header or a list box item.
POINT centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

INPUT keyInput(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Makes every missing folder on the way to a file.
void makeParentFolders(const std::wstring& path) {
  for (size_t slash = path.find(L'\\', 3); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1)) {
    CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
  }
}

bool writeBytes(const std::wstring& path, const std::string& bytes, std::wstring& failure) {
  makeParentFolders(path);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  const bool ok = file != INVALID_HANDLE_VALUE &&
                  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (!ok) failure = L"cannot write " + path;
  return ok;
}

// The process handle of the started program, or null after the failure is said.
HANDLE startProgram(const std::wstring& application, const std::wstring& commandLine, const std::wstring& folder,
                    std::wstring& failure) {
  std::wstring line = commandLine;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    failure = L"cannot start " + application + L": error " + std::to_wstring(GetLastError());
    return nullptr;
  }
  CloseHandle(info.hThread);
  return info.hProcess;
}

// Waits up to 30 s for the program's end and closes its handle.
bool expectProgramExit(HANDLE process, int expectedExit, std::wstring& failure) {
  const bool ended = WaitForSingleObject(process, 30000) == WAIT_OBJECT_0;
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  if (!ended) TerminateProcess(process, 99);
  CloseHandle(process);
  if (ended && static_cast<int>(code) == expectedExit) return true;
  failure = L"expected exit code " + std::to_wstring(expectedExit) + L"\n     saw      " +
            (ended ? L"exit code " + std::to_wstring(code) : L"still running after 30 s");
  return false;
}

// Texts joined by "|", or "-" for none.
std::wstring joinedOrDash(const std::vector<std::wstring>& texts) {
  std::wstring joined;
  for (const std::wstring& text : texts) joined += (joined.empty() ? L"" : L"|") + text;
  return joined.empty() ? L"-" : joined;
}

std::wstring folderFiles(const std::wstring& folder) {
  Words names;
  WIN32_FIND_DATAW found = {};
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return L"no folder " + folder;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return joinedOrDash(names);
}

// A menu as lines: popup captions flush left, entries indented by two, separators "-";
// the tab before an entry's key as "\t".
void appendMenuLines(HMENU menu, const std::wstring& indent, Words& lines) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t caption[256] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = caption;
    info.cch = 255;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
      lines.push_back(indent + L"-");
    } else if (info.hSubMenu != nullptr) {
      lines.push_back(indent + caption);
      appendMenuLines(info.hSubMenu, indent + L"  ", lines);
    } else {
      // The key after the tab reads "\t" in the expected file.
      std::wstring text = caption;
      const size_t tab = text.find(L'\t');
      if (tab != std::wstring::npos) text.replace(tab, 1, L"\\t");
      lines.push_back(indent + text + L" (" + std::to_wstring(info.wID) + L")");
    }
  }
}

Words menuLines(const std::wstring& exe, int id) {
  Words lines;
  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module == nullptr) return {L"cannot load " + exe};
  HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(id));
  if (menu == nullptr) {
    lines.push_back(L"no menu " + std::to_wstring(id));
  } else {
    appendMenuLines(menu, L"", lines);
    DestroyMenu(menu);
  }
  FreeLibrary(module);
  return lines;
}

std::wstring toUnixPath(const std::wstring& path) {
  if (path.size() < 2 || (path[0] != L'Z' && path[0] != L'z') || path[1] != L':') return path;
  std::wstring out = path.substr(2);
  for (wchar_t& c : out) {
    if (c == L'\\') c = L'/';
  }
  return out;
}

// Wine starts Unix programs, so the bench's own tools (ImageMagick's import, unzip) do
// what Windows has no program for; elsewhere there is no such bench. Wine does not hand
// back a Unix program's exit code: the caller checks what the program left.
bool runUnixProgram(const std::wstring& program, const std::wstring& arguments, std::wstring& failure) {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr) {
    failure = L"Unix programs run on the Wine bench only";
    return false;
  }
  std::wstring line = program + L" " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW((L"Z:\\usr\\bin\\" + program).c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &info)) {
    failure = L"cannot start " + program;
    return false;
  }
  CloseHandle(info.hThread);
  WaitForSingleObject(info.hProcess, 30000);
  CloseHandle(info.hProcess);
  return true;
}

bool fileExists(const std::wstring& path) {
  return GetFileAttributesW(toWindowsPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The virtual display as the user would see it: all of it, or the part a window covers.
constexpr DWORD kScreenshotSettleMs = 250;

bool screenshot(const std::wstring& path, const RECT* part, std::wstring& failure) {
  std::wstring arguments = L"-window root ";
  if (part != nullptr) {
    arguments += L"-crop " + std::to_wstring(part->right - part->left) + L"x" +
                 std::to_wstring(part->bottom - part->top) + L"+" + std::to_wstring(part->left) + L"+" +
                 std::to_wstring(part->top) + L" +repage ";
  }
  if (!runUnixProgram(L"import", arguments + L"\"" + toUnixPath(toWindowsPath(path)) + L"\"", failure)) return false;
  for (int i = 0; i < 50 && !fileExists(path); ++i) Sleep(20);
  if (fileExists(path)) return true;
  failure = L"no screenshot at " + path;
  return false;
}

// A shortcut's target and working folder, as the shell would start it.
bool readShortcut(const std::wstring& path, std::wstring& target, std::wstring& folder, std::wstring& failure) {
  CoInitialize(nullptr);
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  wchar_t text[MAX_PATH] = {};
  bool read = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                         reinterpret_cast<void**>(&link))) &&
              SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
              SUCCEEDED(file->Load(toWindowsPath(path).c_str(), STGM_READ)) &&
              SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0));
  if (read) {
    target = text;
    read = SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH));
    folder = text;
  }
  if (file != nullptr) file->Release();
  if (link != nullptr) link->Release();
  if (!read) failure = L"cannot read the shortcut " + path;
  return read;
}

bool anyWindowTitled(const std::wstring& part) {
  struct Search {
    const std::wstring* part;
    bool found;
  } search{&part, false};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* state = reinterpret_cast<Search*>(param);
        if (IsWindowVisible(window) && Target::windowText(window).find(*state->part) != std::wstring::npos) {
          state->found = true;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::u16string utf16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

// A List file's text: "sprct_set=", "max_cont=" and every cell of every row.
std::u16string generatedListFile(int scriptSet, int rows, int columns) {
  std::u16string text = u"sprct_set=" + utf16(std::to_wstring(scriptSet)) + u"\r\nmax_cont=" +
                        utf16(std::to_wstring(rows)) + u"\r\n";
  wchar_t key[16] = {};
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      swprintf(key, 16, L"%04d,%02d=", row, column);
      std::wstring cell;
      if (column == 0) {
        wchar_t name[32] = {};
        // 7919 is a prime, so the names are a shuffle of 1 to ROWS when ROWS is not its multiple.
        swprintf(name, 32, L"drawing%05d.dwg", static_cast<int>(row * 7919LL % rows) + 1);
        cell = name;
      } else if (column == 1) {
        cell = L"C:\\drawings";
      } else if (column == 3) {
        cell = std::to_wstring(row * 31LL % rows);
      } else {
        cell = L"r" + std::to_wstring(row) + L"c" + std::to_wstring(column);
      }
      text += utf16(key) + utf16(cell) + u"\r\n";
    }
  }
  return text;
}

class Runner {
 public:
  explicit Runner(const std::map<std::wstring, std::wstring>& variables) : variables_(variables) {}

  ~Runner() {
    target_.terminate();
    for (auto& held : held_) CloseHandle(held.second);
  }

  bool run(const std::vector<Step>& steps, std::wstring& report) {
    for (const Step& step : steps) {
      std::wstring failure;
      const bool ok = runStep(step.words, failure);
      std::wstring line;
      for (const std::wstring& word : step.words) {
        const bool plain = !word.empty() && word.find_first_of(L" \t\r\n\"") == std::wstring::npos;
        line += (line.empty() ? L"" : L" ") + (plain ? word : quoted(word));
      }
      if (!ok) {
        report += L"FAIL line " + std::to_wstring(step.line) + L": " + line + L"\n     " + failure;
        // The screen as it was when the step failed, before the program is ended.
        if (auto shot = variables_.find(L"FAILURE_SHOT"); shot != variables_.end()) {
          std::wstring problem;
          report += screenshot(shot->second, nullptr, problem) ? L"\n     screenshot " + shot->second
                                                      : L"\n     " + problem;
        }
        return false;
      }
      report += L"ok   " + std::to_wstring(step.line) + L": " + line;
      if (!note_.empty()) report += L"   (" + note_ + L")";
      report += L"\n";
      note_.clear();
    }
    report += L"PASS";
    return true;
  }

 private:
  // Polls `check` until it holds or the time-out passes; `saw` tells the last state.
  bool poll(const std::function<bool(std::wstring& saw)>& check, std::wstring& failure,
            const std::wstring& expected) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs_;
    std::wstring saw;
    for (;;) {
      if (check(saw)) return true;
      if (GetTickCount64() >= deadline) break;
      Sleep(kPollMs);
    }
    failure = L"expected " + expected + L"\n     saw      " + saw;
    return false;
  }

  // Holds when `check` stays true for the settle time: for things that must not appear.
  bool stays(const std::function<bool(std::wstring& saw)>& check, std::wstring& failure,
             const std::wstring& expected) {
    const ULONGLONG deadline = GetTickCount64() + kSettleMs;
    std::wstring saw;
    do {
      if (!check(saw)) {
        failure = L"expected " + expected + L"\n     saw      " + saw;
        return false;
      }
      Sleep(kPollMs);
    } while (GetTickCount64() < deadline);
    return true;
  }

  bool needArguments(const Words& words, size_t count, std::wstring& failure) {
    if (words.size() - 1 >= count) return true;
    failure = words[0] + L" needs " + std::to_wstring(count) + L" argument(s)";
    return false;
  }

  HWND mainWindow() const { return target_.mainWindow(L"DOVEVAR"); }

  HWND mainWindowChild(const wchar_t* className) const {
    HWND main = mainWindow();
    return main != nullptr ? findChildByClass(main, className) : nullptr;
  }

  // The Drawing list, or the list view of the current dialog after "use-list ID".
  HWND listView() const {
    if (dialogListId_ != 0) return dialog_ != nullptr ? GetDlgItem(dialog_, dialogListId_) : nullptr;
    return mainWindowChild(WC_LISTVIEWW);
  }

  std::wstring describeWindows() const {
    std::wstring out;
    for (const WindowInfo& window : target_.topWindows()) {
      out += L"[" + window.className + L" " + quoted(window.title);
      if (window.className == L"#32770") {
        if (HWND text = GetDlgItem(window.handle, 0xFFFF)) out += L" text " + quoted(Target::windowText(text));
      }
      out += L"] ";
    }
    return out.empty() ? L"no window" : out;
  }

  std::wstring listSummary() const {
    HWND list = listView();
    if (list == nullptr) return L"no list view";
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    return std::to_wstring(rows) + L" rows";
  }

  // A modal box or dialog of the process matched by title (and the static text of a
  // message box when given); "*" matches anything.
  bool findDialog(const std::wstring& title, const std::wstring* text, HWND& found) {
    for (const WindowInfo& window : target_.topWindows()) {
      if (window.className != L"#32770") continue;
      if (window.handle == leaving_ && GetTickCount64() - leftAt_ < 1000) continue;
      if (title != L"*" && window.title != title) continue;
      if (text != nullptr && *text != L"*") {
        HWND label = GetDlgItem(window.handle, 0xFFFF);
        if (label == nullptr || Target::windowText(label) != *text) continue;
      }
      found = window.handle;
      return true;
    }
    return false;
  }

  // For the steps that act on the current dialog itself rather than on one of its controls.
  bool haveDialog(std::wstring& failure) const {
    if (dialog_ != nullptr && IsWindow(dialog_)) return true;
    failure = L"no current dialog";
    return false;
  }

  HWND dialogControl(const std::wstring& id, std::wstring& failure) {
    if (dialog_ == nullptr || !IsWindow(dialog_)) {
      failure = L"no current dialog (use expect-box or expect-dialog first)";
      return nullptr;
    }
    HWND control = GetDlgItem(dialog_, toNumber(id));
    if (control == nullptr) failure = L"the dialog has no control " + id;
    return control;
  }

  void postClick(HWND window, POINT point, const std::wstring& how) {
    POINT screen = point;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    const LPARAM at = MAKELPARAM(point.x, point.y);
    if (how == L"right") {
      PostMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, at);
      PostMessageW(window, WM_RBUTTONUP, 0, at);
      return;
    }
    const WPARAM keys = how == L"ctrl" ? MK_CONTROL : 0;
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    PostMessageW(window, WM_LBUTTONUP, keys, at);
    if (how == L"double") {
      PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      PostMessageW(window, WM_LBUTTONUP, 0, at);
    }
  }

  bool sendKeys(const std::wstring& keys, std::wstring& failure) {
    std::vector<WORD> modifiers;
    std::wstring rest = keys;
    for (;;) {
      const size_t plus = rest.find(L'+');
      if (plus == std::wstring::npos || plus == 0 || plus + 1 >= rest.size()) break;
      const std::wstring modifier = rest.substr(0, plus);
      if (modifier == L"ctrl") modifiers.push_back(VK_CONTROL);
      else if (modifier == L"alt") modifiers.push_back(VK_MENU);
      else if (modifier == L"shift") modifiers.push_back(VK_SHIFT);
      else break;
      rest = rest.substr(plus + 1);
    }
    const WORD key = virtualKey(rest);
    if (key == 0) {
      failure = L"unknown key " + rest;
      return false;
    }
    // A character typed with shift on this keyboard ("?" for one) brings shift along.
    if (rest.size() == 1 && (HIBYTE(VkKeyScanW(rest[0])) & 1) != 0) modifiers.push_back(VK_SHIFT);
    HWND foreground = dialog_ != nullptr && IsWindow(dialog_) ? dialog_ : mainWindow();
    if (foreground != nullptr) SetForegroundWindow(foreground);
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) inputs.push_back(keyInput(modifier, false));
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) inputs.push_back(keyInput(*it, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return true;
  }

  // A step's verb: how many words must follow it, and the member that runs it. Verbs
  // that share their code (expect-box and expect-dialog, say) share a member, which
  // tells them apart by w[0].
  struct Verb {
    size_t arguments;
    bool (Runner::*run)(const Words& w, std::wstring& failure);
  };

  bool runStep(const Words& w, std::wstring& failure) {
    static const std::map<std::wstring, Verb> verbs = {
        {L"timeout", {1, &Runner::setTimeout}},
        {L"needs-printers", {0, &Runner::checkedBeforeStart}},
        {L"env", {2, &Runner::setEnvironment}},
        {L"start", {0, &Runner::start}},
        {L"expect-main-window", {0, &Runner::expectMainWindow}},
        {L"command", {1, &Runner::postCommand}},
        {L"key", {1, &Runner::pressKey}},
        {L"expect-box", {1, &Runner::expectDialog}},
        {L"expect-dialog", {1, &Runner::expectDialog}},
        {L"expect-no-box", {0, &Runner::expectNoBox}},
        {L"use-main-window", {0, &Runner::useMainWindow}},
        {L"expect-control", {1, &Runner::expectControl}},
        {L"expect-no-control", {1, &Runner::expectControl}},
        {L"expect-text", {2, &Runner::expectText}},
        {L"press", {1, &Runner::pressButton}},
        {L"close-dialog", {0, &Runner::closeDialog}},
        {L"set-edit", {2, &Runner::setEdit}},
        {L"select-combo", {2, &Runner::selectCombo}},
        {L"use-list", {1, &Runner::useList}},
        {L"expect-headers", {1, &Runner::expectHeaders}},
        {L"expect-rows", {1, &Runner::expectRows}},
        {L"expect-cell", {3, &Runner::expectCell}},
        {L"expect-selected", {1, &Runner::expectSelected}},
        {L"click-cell", {2, &Runner::clickCell}},
        {L"click-list-item", {2, &Runner::clickListItem}},
        {L"expect-list-box", {2, &Runner::expectListBox}},
        {L"expect-checked", {2, &Runner::expectChecked}},
        {L"browse-select", {1, &Runner::browseSelect}},
        {L"click-header", {1, &Runner::clickHeader}},
        {L"resize", {2, &Runner::resize}},
        {L"drop-files", {1, &Runner::dropOntoList}},
        {L"dpi", {1, &Runner::expectScreenDpi}},
        {L"move-to-dpi", {1, &Runner::moveToDpi}},
        {L"place", {4, &Runner::placeMainWindow}},
        {L"expect-window-place", {5, &Runner::expectWindowPlace}},
        {L"set-column-width", {2, &Runner::setColumnWidth}},
        {L"maximize", {0, &Runner::maximizeMainWindow}},
        {L"expect-column-widths", {1, &Runner::expectColumnWidths}},
        {L"expect-control-rect", {5, &Runner::expectControlRect}},
        {L"expect-no-overlap", {0, &Runner::expectNoOverlap}},
        {L"drop-refused", {1, &Runner::dropOntoList}},
        {L"expect-list-layout", {4, &Runner::expectListLayout}},
        {L"expect-toolbar-button", {1, &Runner::expectToolbarButton}},
        {L"expect-status", {2, &Runner::expectStatus}},
        {L"close", {0, &Runner::closeMainWindow}},
        {L"end-session", {0, &Runner::endSession}},
        {L"end-task", {0, &Runner::endTask}},
        {L"expect-exit", {1, &Runner::expectExit}},
        {L"expect-file", {1, &Runner::expectFile}},
        {L"expect-no-file", {1, &Runner::expectFile}},
        {L"expect-gone", {1, &Runner::expectGone}},
        {L"expect-file-text", {2, &Runner::expectFileText}},
        {L"expect-csv", {2, &Runner::expectCsv}},
        {L"expect-other-window", {1, &Runner::expectOtherWindow}},
        {L"end-process", {1, &Runner::endProcess}},
        {L"write-file", {2, &Runner::writeFile}},
        {L"write-drawings", {3, &Runner::writeDrawings}},
        {L"set-edit-names", {3, &Runner::setEditNames}},
        {L"set-file-time", {2, &Runner::setFileTime}},
        {L"make-folder", {1, &Runner::makeFolder}},
        {L"remove-folder", {1, &Runner::removeFolder}},
        {L"copy-file", {2, &Runner::copyFile}},
        {L"copy-files", {3, &Runner::copyFiles}},
        {L"expect-menu", {2, &Runner::expectMenu}},
        {L"expect-file-line", {2, &Runner::expectFileLine}},
        {L"expect-no-file-line", {2, &Runner::expectNoFileLine}},
        {L"hold-file", {1, &Runner::holdFile}},
        {L"release-file", {1, &Runner::releaseFile}},
        {L"run", {3, &Runner::runAndExpectExit}},
        {L"run-later", {2, &Runner::runLater}},
        {L"expect-later-exit", {1, &Runner::expectLaterExit}},
        {L"expect-folder-files", {2, &Runner::expectFolderFiles}},
        {L"write-list-file", {4, &Runner::writeListFile}},
        {L"mark", {0, &Runner::setMark}},
        {L"wait-until", {1, &Runner::waitUntil}},
        {L"expect-elapsed", {1, &Runner::expectElapsed}},
        {L"expect-responsive", {1, &Runner::expectResponsive}},
        {L"screenshot", {1, &Runner::takeScreenshot}},
        {L"unzip", {2, &Runner::unzipArchive}},
        {L"start-shortcut", {1, &Runner::startShortcut}},
    };
    const auto verb = verbs.find(w[0]);
    if (verb == verbs.end()) {
      failure = L"unknown step " + w[0];
      return false;
    }
    return needArguments(w, verb->second.arguments, failure) && (this->*verb->second.run)(w, failure);
  }

  bool setTimeout(const Words& w, std::wstring&) {
    timeoutMs_ = static_cast<DWORD>(toNumber(w[1]));
    return true;
  }

  // run-scenario.sh reads this step before the driver starts: a bench without printers
  // of its own does not run the scenario at all.
  bool checkedBeforeStart(const Words&, std::wstring&) { return true; }

  bool setEnvironment(const Words& w, std::wstring&) {
    SetEnvironmentVariableW(w[1].c_str(), w[2].c_str());
    return true;
  }

  bool start(const Words& w, std::wstring& failure) {
    mark_ = GetTickCount64();
    const std::wstring folder = w.size() > 1 ? toWindowsPath(w[1]) : variables_.at(L"WORK");
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring exe = w.size() > 2 ? toWindowsPath(w[2]) : variables_.at(L"EXE");
    return target_.start(exe, folder, failure);
  }

  bool expectMainWindow(const Words& w, std::wstring& failure) {
    const std::wstring* title = w.size() > 1 ? &w[1] : nullptr;
    return poll(
        [&](std::wstring& saw) {
          HWND main = mainWindow();
          saw = describeWindows();
          return main != nullptr && (title == nullptr || Target::windowText(main) == *title);
        },
        failure, L"a visible DOVEVAR window" + (title ? L" titled " + quoted(*title) : L""));
  }

  bool postCommand(const Words& w, std::wstring& failure) {
    HWND main = mainWindow();
    if (main == nullptr) {
      failure = L"no main window to send the command to";
      return false;
    }
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(toNumber(w[1]), 0), 0);
    return true;
  }

  bool pressKey(const Words& w, std::wstring& failure) {
    return sendKeys(w[1], failure);
  }

  bool expectDialog(const Words& w, std::wstring& failure) {
    const std::wstring* text = w[0] == L"expect-box" && w.size() > 2 ? &w[2] : nullptr;
    return poll(
        [&](std::wstring& saw) {
          saw = describeWindows();
          return findDialog(w[1], text, dialog_);
        },
        failure, L"a box titled " + quoted(w[1]) + (text ? L" saying " + quoted(*text) : L""));
  }

  // Nothing but the current dialog, while it is open.
  bool expectNoBox(const Words&, std::wstring& failure) {
    return stays(
        [&](std::wstring& saw) {
          saw = describeWindows();
          for (const WindowInfo& window : target_.topWindows()) {
            if (window.className == L"#32770" && window.handle != dialog_) return false;
          }
          return true;
        },
        failure, L"no box or dialog but the current one");
  }

  // The main window's own controls (the cell editors) become the current dialog's.
  bool useMainWindow(const Words&, std::wstring& failure) {
    dialog_ = mainWindow();
    if (dialog_ == nullptr) failure = L"no main window";
    return dialog_ != nullptr;
  }

  // expect-control ID [TEXT]: the current dialog has the control (showing TEXT);
  // expect-no-control ID: it has none (any more).
  bool expectControl(const Words& w, std::wstring& failure) {
    if (!haveDialog(failure)) return false;
    const bool wanted = w[0] == L"expect-control";
    return poll(
        [&](std::wstring& saw) {
          HWND control = GetDlgItem(dialog_, toNumber(w[1]));
          if (control == nullptr) return (saw = L"no control " + w[1]), !wanted;
          saw = L"control " + w[1] + L" showing " + quoted(Target::windowText(control));
          return wanted && (w.size() < 3 || Target::windowText(control) == w[2]);
        },
        failure, wanted ? L"control " + w[1] + (w.size() > 2 ? L" showing " + quoted(w[2]) : L"")
                        : L"no control " + w[1]);
  }

  bool expectText(const Words& w, std::wstring& failure) {
    HWND control = dialogControl(w[1], failure);
    return control != nullptr &&
           poll([&](std::wstring& saw) { return (saw = quoted(Target::windowText(control))) == quoted(w[2]); },
                failure, quoted(w[2]));
  }

  bool pressButton(const Words& w, std::wstring& failure) {
    static const std::map<std::wstring, int> named = {
        {L"ok", IDOK}, {L"cancel", IDCANCEL}, {L"yes", IDYES}, {L"no", IDNO},
        {L"abort", IDABORT}, {L"retry", IDRETRY}, {L"ignore", IDIGNORE}};
    const auto found = named.find(w[1]);
    HWND button = dialogControl(found != named.end() ? std::to_wstring(found->second) : w[1], failure);
    if (button == nullptr) return false;
    PostMessageW(button, BM_CLICK, 0, 0);
    leaving(dialog_);
    return true;
  }

  bool closeDialog(const Words&, std::wstring& failure) {
    if (!haveDialog(failure)) return false;
    PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
    leaving(dialog_);
    return true;
  }

  // The dialog a press or close was posted to may still be on screen for a moment: the
  // next expect-box or expect-dialog passes it over for a second, so that it finds the
  // box that comes next, not the one that is going.
  void leaving(HWND dialog) {
    leaving_ = dialog;
    leftAt_ = GetTickCount64();
  }

  bool setEdit(const Words& w, std::wstring& failure) {
    HWND edit = dialogControl(w[1], failure);
    if (edit == nullptr || !Target::setWindowText(edit, w[2])) return false;
    // A combo box tells its owner of typing, which setting its text does not.
    wchar_t className[32] = {};
    GetClassNameW(edit, className, 32);
    if (_wcsicmp(className, L"ComboBox") == 0) {
      PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(toNumber(w[1]), CBN_EDITCHANGE), reinterpret_cast<LPARAM>(edit));
    }
    return true;
  }

  bool selectCombo(const Words& w, std::wstring& failure) {
    HWND combo = dialogControl(w[1], failure);
    if (combo == nullptr) return false;
    DWORD_PTR index = 0;
    SendMessageTimeoutW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(w[2].c_str()), SMTO_ABORTIFHUNG, 3000, &index);
    if (static_cast<LRESULT>(index) == CB_ERR) {
      failure = L"the combo box has no item " + quoted(w[2]);
      return false;
    }
    SendMessageTimeoutW(combo, CB_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 3000, nullptr);
    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(toNumber(w[1]), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    return true;
  }

  bool useList(const Words& w, std::wstring&) {
    dialogListId_ = w[1] == L"main" ? 0 : toNumber(w[1]);
    return true;
  }

  bool expectHeaders(const Words& w, std::wstring& failure) {
    return poll(
        [&](std::wstring& saw) {
          HWND list = listView();
          saw.clear();
          if (list == nullptr) return (saw = L"no list view"), false;
          const int count = target_.columnCount(list);
          for (int c = 0; c < count; ++c) saw += (c ? L"|" : L"") + target_.columnText(list, c);
          return saw == w[1];
        },
        failure, w[1]);
  }

  bool expectRows(const Words& w, std::wstring& failure) {
    return poll(
        [&](std::wstring& saw) {
          saw = listSummary();
          return saw == w[1] + L" rows";
        },
        failure, w[1] + L" rows");
  }

  bool expectCell(const Words& w, std::wstring& failure) {
    return poll(
        [&](std::wstring& saw) {
          HWND list = listView();
          if (list == nullptr) return (saw = L"no list view"), false;
          saw = quoted(target_.cellText(list, toNumber(w[1]), toNumber(w[2])));
          return saw == quoted(w[3]);
        },
        failure, quoted(w[3]));
  }

  bool expectSelected(const Words& w, std::wstring& failure) {
    return poll(
        [&](std::wstring& saw) {
          HWND list = listView();
          if (list == nullptr) return (saw = L"no list view"), false;
          saw.clear();
          int row = -1;
          while ((row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                                      LVNI_SELECTED))) >= 0) {
            saw += (saw.empty() ? L"" : L",") + std::to_wstring(row);
          }
          if (saw.empty()) saw = L"-";
          return saw == w[1];
        },
        failure, L"selected rows " + w[1]);
  }

  bool clickCell(const Words& w, std::wstring& failure) {
    HWND list = listView();
    RECT rect = {};
    if (list == nullptr || !target_.cellRect(list, toNumber(w[1]), toNumber(w[2]), rect)) {
      failure = L"no cell " + w[1] + L"," + w[2] + L" (" + listSummary() + L")";
      return false;
    }
    postClick(list, centre(rect), w.size() > 3 ? w[3] : L"left");
    return true;
  }

  // click-list-item ID INDEX: a click on an item of a list box of the current dialog.
  bool clickListItem(const Words& w, std::wstring& failure) {
    HWND listBox = dialogControl(w[1], failure);
    RECT rect = {};
    if (listBox == nullptr) return false;
    if (!target_.listBoxItemRect(listBox, toNumber(w[2]), rect)) {
      failure = L"no item " + w[2] + L" in list box " + w[1];
      return false;
    }
    postClick(listBox, centre(rect), L"left");
    return true;
  }

  // expect-list-box ID A|B|C: the items of a list box of the current dialog ("-": none).
  bool expectListBox(const Words& w, std::wstring& failure) {
    HWND listBox = dialogControl(w[1], failure);
    auto items = [&](std::wstring& saw) {
      const std::vector<std::wstring> texts = target_.listBoxItems(listBox);
      saw.clear();
      for (size_t i = 0; i < texts.size(); ++i) saw += (i ? L"|" : L"") + texts[i];
      if (texts.empty()) saw = L"-";
      return saw == w[2];
    };
    return listBox != nullptr && poll(items, failure, w[2]);
  }

  // expect-checked ID 0|1: a check box of the current dialog.
  bool expectChecked(const Words& w, std::wstring& failure) {
    HWND box = dialogControl(w[1], failure);
    return box != nullptr && poll(
                                 [&](std::wstring& saw) {
                                   DWORD_PTR state = 0;
                                   SendMessageTimeoutW(box, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 3000, &state);
                                   saw = std::to_wstring(state);
                                   return saw == w[2];
                                 },
                                 failure, L"check state " + w[2]);
  }

  // browse-select PATH: the folder browser of the current dialog selects PATH, as its
  // owner may ask it to; the user then confirms with `press ok`.
  bool browseSelect(const Words& w, std::wstring& failure) {
    if (!haveDialog(failure)) return false;
    // The browser may still be filling its tree when it shows, and then forgets a
    // selection made too early: ask until its tree shows the folder selected.
    const std::wstring path = toWindowsPath(w[1]);
    const std::wstring leaf = path.substr(path.find_last_of(L'\\') + 1);
    HWND tree = findChildByClass(dialog_, WC_TREEVIEWW);
    return poll(
        [&](std::wstring& saw) {
          target_.sendText(dialog_, BFFM_SETSELECTIONW, TRUE, path);
          saw = tree != nullptr ? L"selected: " + target_.treeSelectionText(tree) : L"no folder tree";
          return tree != nullptr && _wcsicmp(target_.treeSelectionText(tree).c_str(), leaf.c_str()) == 0;
        },
        failure, L"the folder " + path + L" selected");
  }

  bool clickHeader(const Words& w, std::wstring& failure) {
    HWND list = listView();
    RECT rect = {};
    if (list == nullptr || !target_.headerRect(list, toNumber(w[1]), rect)) {
      failure = L"no column header " + w[1];
      return false;
    }
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    postClick(header, centre(rect), L"left");
    return true;
  }

  // drop-files PATH...: the paths dragged from this process and dropped onto the Drawing
  // list, taken as a copy; drop-refused PATH...: the same drop, which the list refuses.
  bool dropOntoList(const Words& w, std::wstring& failure) {
    HWND list = listView();
    DWORD effect = DROPEFFECT_NONE;
    if (list == nullptr) {
      failure = L"no Drawing list";
      return false;
    }
    if (!dropFiles(list, Words(w.begin() + 1, w.end()), effect, failure)) return false;
    const bool wanted = w[0] == L"drop-files" ? effect == DROPEFFECT_COPY : effect == DROPEFFECT_NONE;
    if (!wanted) failure = L"the list answered the drop with effect " + std::to_wstring(effect);
    return wanted;
  }

  // resize WIDTH HEIGHT: the main window's outer size, as a user drags it.
  bool resize(const Words& w, std::wstring& failure) {
    HWND main = mainWindow();
    if (main == nullptr || !SetWindowPos(main, nullptr, 0, 0, toNumber(w[1]), toNumber(w[2]),
                                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)) {
      failure = L"cannot resize the main window";
      return false;
    }
    return true;
  }

  // expect-list-layout X Y RIGHT-MARGIN BOTTOM-MARGIN: the Drawing list's place in
  // the main window's client area.
  bool expectListLayout(const Words& w, std::wstring& failure) {
    const std::wstring expected = w[1] + L"," + w[2] + L" to client width - " + w[3] +
                                  L", client height - " + w[4];
    return poll(
        [&](std::wstring& saw) {
          HWND main = mainWindow();
          HWND list = listView();
          if (main == nullptr || list == nullptr) return (saw = L"no list view"), false;
          RECT client = {};
          RECT place = {};
          GetClientRect(main, &client);
          GetWindowRect(list, &place);
          MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&place), 2);
          saw = std::to_wstring(place.left) + L"," + std::to_wstring(place.top) + L" to client width - " +
                std::to_wstring(client.right - place.right) + L", client height - " +
                std::to_wstring(client.bottom - place.bottom);
          return saw == expected;
        },
        failure, expected);
  }

  // dpi N: the screen is at N DPI (run-scenario.sh set it before the driver started).
  bool expectScreenDpi(const Words& w, std::wstring& failure) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (dpi == toNumber(w[1])) return true;
    failure = L"the screen is at " + std::to_wstring(dpi) + L" DPI";
    return false;
  }

  // place X Y WIDTH HEIGHT: the main window moved and sized, as a user drags it.
  bool placeMainWindow(const Words& w, std::wstring& failure) {
    HWND main = mainWindow();
    if (main == nullptr || !SetWindowPos(main, nullptr, toNumber(w[1]), toNumber(w[2]), toNumber(w[3]),
                                         toNumber(w[4]), SWP_NOZORDER | SWP_NOACTIVATE)) {
      failure = L"cannot place the main window";
      return false;
    }
    return true;
  }

  // expect-window-place X Y WIDTH HEIGHT normal|maximized: the main window's place when
  // not maximized, and whether it is; X "*" for any place (Wine gives a maximized
  // window's own rectangle as its normal place).
  bool expectWindowPlace(const Words& w, std::wstring& failure) {
    const bool anyPlace = w[1] == L"*";
    const std::wstring expected = anyPlace ? w[5] : w[1] + L"," + w[2] + L" " + w[3] + L"x" + w[4] + L" " + w[5];
    return poll(
        [&](std::wstring& saw) {
          HWND main = mainWindow();
          WINDOWPLACEMENT placement = {};
          placement.length = sizeof(placement);
          if (main == nullptr || !GetWindowPlacement(main, &placement)) return (saw = L"no main window"), false;
          const RECT& r = placement.rcNormalPosition;
          const std::wstring state = IsZoomed(main) ? L"maximized" : L"normal";
          const std::wstring place = std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L" " +
                                     std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top);
          saw = anyPlace ? state : place + L" " + state;
          return saw == expected;
        },
        failure, expected);
  }

  // maximize: the main window's maximize box.
  bool maximizeMainWindow(const Words&, std::wstring& failure) {
    HWND main = mainWindow();
    if (main == nullptr) return (failure = L"no main window"), false;
    PostMessageW(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    return true;
  }

  // set-column-width COL WIDTH: a column of the list sized, as a drag of its header's edge ends.
  bool setColumnWidth(const Words& w, std::wstring& failure) {
    HWND list = listView();
    if (list == nullptr || !SendMessageW(list, LVM_SETCOLUMNWIDTH, toNumber(w[1]), MAKELPARAM(toNumber(w[2]), 0))) {
      failure = L"cannot size column " + w[1];
      return false;
    }
    return true;
  }

  // move-to-dpi N: what Windows tells the main window when it moves onto a monitor of N
  // DPI, with its size at N DPI as the place offered.
  bool moveToDpi(const Words& w, std::wstring& failure) {
    HWND main = mainWindow();
    RECT place = {};
    if (main == nullptr || !GetWindowRect(main, &place)) return (failure = L"no main window"), false;
    const int dpi = toNumber(w[1]);
    HDC screen = GetDC(nullptr);
    const int now = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    place.right = place.left + MulDiv(place.right - place.left, dpi, now);
    place.bottom = place.top + MulDiv(place.bottom - place.top, dpi, now);
    target_.sendRect(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), place);
    return true;
  }

  // expect-column-widths A|B|C: the widths of the list's columns, in pixels as shown.
  bool expectColumnWidths(const Words& w, std::wstring& failure) {
    return poll(
        [&](std::wstring& saw) {
          HWND list = listView();
          if (list == nullptr) return (saw = L"no list view"), false;
          std::vector<std::wstring> widths;
          for (int column = 0; column < target_.columnCount(list); ++column) {
            widths.push_back(std::to_wstring(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)));
          }
          saw = joinedOrDash(widths);
          return saw == w[1];
        },
        failure, w[1]);
  }

  // expect-control-rect ID X Y WIDTH HEIGHT: a control's place in its dialog's client area.
  bool expectControlRect(const Words& w, std::wstring& failure) {
    const std::wstring expected = w[2] + L"," + w[3] + L" " + w[4] + L"x" + w[5];
    return poll(
        [&](std::wstring& saw) {
          HWND control = dialog_ != nullptr ? GetDlgItem(dialog_, toNumber(w[1])) : nullptr;
          if (control == nullptr) return (saw = L"no control " + w[1]), false;
          const RECT place = rectInDialog(control);
          saw = std::to_wstring(place.left) + L"," + std::to_wstring(place.top) + L" " +
                std::to_wstring(place.right - place.left) + L"x" + std::to_wstring(place.bottom - place.top);
          return saw == expected;
        },
        failure, expected);
  }

  // expect-no-overlap: no two visible controls of the current dialog overlap, but where
  // one holds the other whole (a group box and its buttons).
  bool expectNoOverlap(const Words&, std::wstring& failure) {
    if (!haveDialog(failure)) return false;
    std::vector<std::pair<HWND, RECT>> controls;
    for (HWND child = GetWindow(dialog_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      if (IsWindowVisible(child)) controls.emplace_back(child, rectInDialog(child));
    }
    const auto holds = [](const RECT& outer, const RECT& inner) {
      return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
             inner.bottom <= outer.bottom;
    };
    for (size_t i = 0; i < controls.size(); ++i) {
      for (size_t j = i + 1; j < controls.size(); ++j) {
        RECT common = {};
        const RECT& a = controls[i].second;
        const RECT& b = controls[j].second;
        if (!IntersectRect(&common, &a, &b) || holds(a, b) || holds(b, a)) continue;
        failure = L"controls " + std::to_wstring(GetDlgCtrlID(controls[i].first)) + L" and " +
                  std::to_wstring(GetDlgCtrlID(controls[j].first)) + L" overlap";
        return false;
      }
    }
    return true;
  }

  RECT rectInDialog(HWND control) const {
    RECT place = {};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&place), 2);
    return place;
  }

  bool expectToolbarButton(const Words& w, std::wstring& failure) {
    return poll(
        [&](std::wstring& saw) {
          HWND toolbar = mainWindowChild(TOOLBARCLASSNAMEW);
          if (toolbar == nullptr) return (saw = L"no toolbar"), false;
          const LRESULT index = SendMessageW(toolbar, TB_COMMANDTOINDEX, toNumber(w[1]), 0);
          saw = index < 0 ? L"no such button" : L"button at index " + std::to_wstring(index);
          return index >= 0;
        },
        failure, L"a toolbar button with command " + w[1]);
  }

  bool expectStatus(const Words& w, std::wstring& failure) {
    return poll(
        [&](std::wstring& saw) {
          HWND status = mainWindowChild(STATUSCLASSNAMEW);
          if (status == nullptr) return (saw = L"no status bar"), false;
          saw = quoted(target_.statusText(status, toNumber(w[1])));
          return saw == quoted(w[2]);
        },
        failure, quoted(w[2]));
  }

  bool closeMainWindow(const Words&, std::wstring& failure) {
    HWND main = mainWindow();
    if (main == nullptr) {
      failure = L"no main window to close; " + describeWindows();
      return false;
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    return true;
  }

  // What Windows does at log-off or restart: the query, the notice, and the end of the
  // process right after. Each must be answered within five seconds.
  bool endSession(const Words&, std::wstring& failure) {
    HWND main = mainWindow();
    if (main == nullptr) {
      failure = L"no main window to end the session of; " + describeWindows();
      return false;
    }
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer)) {
      failure = L"the session-end query was not answered";
      return false;
    }
    if (answer == FALSE) {
      failure = L"the session-end query was refused";
      return false;
    }
    if (!SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer)) {
      failure = L"the session-end notice was not answered";
      return false;
    }
    target_.terminate();
    return true;
  }

  // Task Manager's End task, or a crash: the process ends without a word to its windows.
  bool endTask(const Words&, std::wstring& failure) {
    if (!target_.running()) {
      failure = L"no program to end";
      return false;
    }
    target_.terminate();
    return true;
  }

  bool expectExit(const Words& w, std::wstring& failure) {
    return poll(
        [&](std::wstring& saw) {
          DWORD code = 0;
          if (!target_.exitCode(code)) return (saw = L"still running; " + describeWindows()), false;
          saw = L"exit code " + std::to_wstring(code);
          return static_cast<int>(code) == toNumber(w[1]);
        },
        failure, L"exit code " + w[1]);
  }

  bool expectFile(const Words& w, std::wstring& failure) {
    const bool wanted = w[0] == L"expect-file";
    const std::wstring path = toWindowsPath(w[1]);
    auto exists = [&](std::wstring& saw) {
      const bool there = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
      saw = there ? L"it exists" : L"no such file";
      return there == wanted;
    };
    const std::wstring expected = (wanted ? L"a file " : L"no file ") + path;
    return wanted ? poll(exists, failure, expected) : stays(exists, failure, expected);
  }

  // expect-gone PATH: a file or folder that another program removes (an uninstaller
  // that finishes after its first process has ended) is gone within the time-out.
  bool expectGone(const Words& w, std::wstring& failure) {
    return poll(
        [&](std::wstring& saw) {
          saw = fileExists(w[1]) ? L"it is still there" : L"gone";
          return !fileExists(w[1]);
        },
        failure, w[1] + L" gone");
  }

  // The file (UTF-16 with byte-order mark, or UTF-8) against the lines of an expected
  // file, whose ${NAME}s are expanded too.
  bool expectFileText(const Words& w, std::wstring& failure) {
    const std::wstring path = toWindowsPath(w[1]);
    bool found = false;
    const std::wstring expectedText = readTextFile(toWindowsPath(w[2]), found);
    if (!found) {
      failure = L"cannot read the expected file " + w[2];
      return false;
    }
    Words expected = textLines(expectedText);
    for (std::wstring& line : expected) {
      std::wstring expanded;
      if (!expandVariables(line, variables_, expanded, failure)) return false;
      line = expanded;
    }
    return poll(
        [&](std::wstring& saw) {
          bool exists = false;
          const Words actual = textLines(readTextFile(path, exists));
          if (!exists) return (saw = L"no file " + path), false;
          std::wstring want, got;
          const size_t line = firstDifferentLine(expected, actual, want, got);
          if (line != 0) saw = L"line " + std::to_wstring(line) + L": " + got + L" where " + want + L" was due";
          return line == 0;
        },
        failure, L"the lines of " + w[2] + L" in " + path);
  }

  // expect-csv PATH EXPECTED: a UTF-8 CSV file with byte-order mark, read as a
  // spreadsheet reads it, against an expected CSV whose cells "*" match anything.
  bool expectCsv(const Words& w, std::wstring& failure) {
    const std::wstring path = toWindowsPath(w[1]);
    bool found = false;
    const std::wstring expectedText = readTextFile(toWindowsPath(w[2]), found);
    std::wstring expanded;
    if (!found || !expandVariables(expectedText, variables_, expanded, failure)) {
      if (failure.empty()) failure = L"cannot read the expected file " + w[2];
      return false;
    }
    const std::vector<Words> expected = csvRecords(expanded);
    return poll(
        [&](std::wstring& saw) {
          bool exists = false;
          const std::wstring text = readTextFile(path, exists);
          if (!exists) return (saw = L"no file " + path), false;
          if (text.empty() || text[0] != 0xFEFF) return (saw = L"no UTF-8 byte-order mark"), false;
          return sameRecords(expected, csvRecords(text.substr(1)), saw);
        },
        failure, L"the records of " + w[2] + L" in " + path);
  }

  // A visible window of any process whose title holds the text (Notepad, say).
  bool expectOtherWindow(const Words& w, std::wstring& failure) {
    return poll(
        [&](std::wstring& saw) {
          saw = L"no such window";
          return anyWindowTitled(w[1]);
        },
        failure, L"a window titled with " + quoted(w[1]));
  }

  // Ends every process of the job with the given image name (a CAD stand-in that
  // was told never to end).
  bool endProcess(const Words& w, std::wstring& failure) {
    return target_.endProcessesNamed(w[1], failure);
  }

  // A fixture: UTF-16 with byte-order mark, as Dovevar writes its files, or the
  // forms it must refuse: utf8, or utf16-without-mark.
  bool writeFile(const Words& w, std::wstring& failure) {
    const std::u16string text(w[2].begin(), w[2].end());
    const std::wstring form = w.size() > 3 ? w[3] : L"utf16";
    std::string bytes;
    if (form == L"utf8") bytes = dovevar::utf16ToUtf8(text);
    else if (form == L"utf16-without-mark") bytes = dovevar::toUtf16LeBytes(text);
    else bytes = "\xFF\xFE" + dovevar::toUtf16LeBytes(text);
    return writeBytes(toWindowsPath(w[1]), bytes, failure);
  }

  // The names PREFIX001.dwg to PREFIX<COUNT>.dwg, for many drawings at once.
  static std::vector<std::wstring> numberedDrawings(const std::wstring& prefix, const std::wstring& count) {
    std::vector<std::wstring> names;
    wchar_t number[16] = {};
    for (int i = 1; i <= toNumber(count); ++i) {
      swprintf(number, 16, L"%03d", i);
      names.push_back(prefix + number + L".dwg");
    }
    return names;
  }

  // write-drawings FOLDER PREFIX COUNT: empty drawings to pick or collect.
  bool writeDrawings(const Words& w, std::wstring& failure) {
    for (const std::wstring& name : numberedDrawings(w[2], w[3])) {
      if (!writeBytes(toWindowsPath(w[1]) + L"\\" + name, "", failure)) return false;
    }
    return true;
  }

  // set-edit-names ID PREFIX COUNT: the names quoted one after another, as a user types
  // many names into the file picker.
  bool setEditNames(const Words& w, std::wstring& failure) {
    std::wstring text;
    for (const std::wstring& name : numberedDrawings(w[2], w[3])) text += (text.empty() ? L"\"" : L" \"") + name + L"\"";
    return setEdit({w[0], w[1], text}, failure);
  }

  // set-file-time PATH "YYYY/MM/DD HH:MM": the file's last write, in local time.
  bool setFileTime(const Words& w, std::wstring& failure) {
    SYSTEMTIME local = {};
    if (swscanf(w[2].c_str(), L"%hu/%hu/%hu %hu:%hu", &local.wYear, &local.wMonth, &local.wDay,
                &local.wHour, &local.wMinute) != 5) {
      failure = L"not a time: " + w[2];
      return false;
    }
    SYSTEMTIME universal = {};
    FILETIME time = {};
    HANDLE file = CreateFileW(toWindowsPath(w[1]).c_str(), FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const bool set = file != INVALID_HANDLE_VALUE &&
                     TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal) &&
                     SystemTimeToFileTime(&universal, &time) &&
                     SetFileTime(file, nullptr, nullptr, &time);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!set) failure = L"cannot set the time of " + w[1];
    return set;
  }

  // make-folder PATH: the folder and the folders above it.
  bool makeFolder(const Words& w, std::wstring& failure) {
    const std::wstring path = toWindowsPath(w[1]);
    for (size_t slash = path.find(L'\\', 3); ; slash = path.find(L'\\', slash + 1)) {
      CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
      if (slash == std::wstring::npos) break;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
    failure = L"cannot make the folder " + w[1];
    return false;
  }

  // remove-folder PATH: a folder and all it holds, gone (or never there).
  bool removeFolder(const Words& w, std::wstring& failure) {
    std::wstring from = toWindowsPath(w[1]) + L'\0' + L'\0';  // a list of one, ended twice
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
    if (GetFileAttributesW(toWindowsPath(w[1]).c_str()) == INVALID_FILE_ATTRIBUTES) return true;
    failure = L"cannot remove the folder " + w[1];
    return false;
  }

  bool copyFile(const Words& w, std::wstring& failure) {
    if (CopyFileW(toWindowsPath(w[1]).c_str(), toWindowsPath(w[2]).c_str(), FALSE)) return true;
    failure = L"cannot copy " + w[1] + L" to " + w[2];
    return false;
  }

  // copy-files FROM TO PATTERN: every file of FROM matching PATTERN (e.g. the UI
  // text file and the starter script sets beside the program).
  bool copyFiles(const Words& w, std::wstring& failure) {
    const std::wstring from = toWindowsPath(w[1]);
    const std::wstring to = toWindowsPath(w[2]);
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((from + L"\\" + w[3]).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
      failure = L"no file " + w[3] + L" in " + from;
      return false;
    }
    bool copied = true;
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      copied = copied && CopyFileW((from + L"\\" + found.cFileName).c_str(),
                                   (to + L"\\" + found.cFileName).c_str(), FALSE);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    if (!copied) failure = L"cannot copy " + w[3] + L" from " + from + L" to " + to;
    return copied;
  }

  // expect-menu ID EXPECTED: menu resource ID of the exe, one line per entry
  // (popups flush left, their entries indented, "-" for a separator, ids in
  // brackets), against the lines of an expected file.
  bool expectMenu(const Words& w, std::wstring& failure) {
    bool found = false;
    const Words expected = textLines(readTextFile(toWindowsPath(w[2]), found));
    if (!found) {
      failure = L"cannot read the expected file " + w[2];
      return false;
    }
    const Words actual = menuLines(variables_.at(L"EXE"), toNumber(w[1]));
    std::wstring want, got;
    const size_t line = firstDifferentLine(expected, actual, want, got);
    if (line == 0) return true;
    failure = L"expected line " + std::to_wstring(line) + L" " + want + L"\n     saw      " + got;
    return false;
  }

  // Some line of the file (UTF-16 or UTF-8) is exactly this text.
  static bool fileHasLine(const std::wstring& path, const std::wstring& line, std::wstring& saw) {
    bool exists = false;
    const Words lines = textLines(readTextFile(path, exists));
    const bool found = std::find(lines.begin(), lines.end(), line) != lines.end();
    saw = found ? L"the line" : exists ? std::to_wstring(lines.size()) + L" lines without it" : L"no file " + path;
    return found;
  }

  bool expectFileLine(const Words& w, std::wstring& failure) {
    const std::wstring path = toWindowsPath(w[1]);
    return poll([&](std::wstring& saw) { return fileHasLine(path, w[2], saw); }, failure,
                L"a line " + quoted(w[2]) + L" in " + path);
  }

  bool expectNoFileLine(const Words& w, std::wstring& failure) {
    const std::wstring path = toWindowsPath(w[1]);
    return stays([&](std::wstring& saw) { return !fileHasLine(path, w[2], saw); }, failure,
                 L"no line " + quoted(w[2]) + L" in " + path);
  }

  // Opens the file without sharing and keeps it open, as another program may.
  bool holdFile(const Words& w, std::wstring& failure) {
    HANDLE file = CreateFileW(toWindowsPath(w[1]).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      failure = L"cannot open " + w[1];
      return false;
    }
    held_[w[1]] = file;
    return true;
  }

  bool releaseFile(const Words& w, std::wstring& failure) {
    auto found = held_.find(w[1]);
    if (found == held_.end()) {
      failure = L"not held: " + w[1];
      return false;
    }
    CloseHandle(found->second);
    held_.erase(found);
    return true;
  }

  // run EXIT APPLICATION COMMAND-LINE [FOLDER]: starts a program the way Dovevar starts
  // the CAD application (application name plus a raw command line), in FOLDER when
  // given, and waits for it.
  bool runAndExpectExit(const Words& w, std::wstring& failure) {
    const HANDLE process =
        startProgram(toWindowsPath(w[2]), w[3], w.size() > 4 ? toWindowsPath(w[4]) : L"", failure);
    return process != nullptr && expectProgramExit(process, toNumber(w[1]), failure);
  }

  // run-later APP CMDLINE [FOLDER]: as run, but its exit is expected by expect-later-exit.
  bool runLater(const Words& w, std::wstring& failure) {
    later_ = startProgram(toWindowsPath(w[1]), w[2], w.size() > 3 ? toWindowsPath(w[3]) : L"", failure);
    return later_ != nullptr;
  }

  bool expectLaterExit(const Words& w, std::wstring& failure) {
    if (later_ == nullptr) {
      failure = L"no program started by run-later";
      return false;
    }
    const HANDLE process = std::exchange(later_, nullptr);
    return expectProgramExit(process, toNumber(w[1]), failure);
  }

  // Exactly these file names, sorted and joined by |, "-" for none.
  bool expectFolderFiles(const Words& w, std::wstring& failure) {
    return poll(
        [&](std::wstring& saw) {
          saw = folderFiles(toWindowsPath(w[1]));
          return saw == w[2];
        },
        failure, w[2]);
  }

  // write-list-file PATH SET ROWS COLUMNS: a List file of ROWS full rows, its file
  // names and numbers shuffled so that sorting them has work to do.
  bool writeListFile(const Words& w, std::wstring& failure) {
    return writeBytes(toWindowsPath(w[1]),
                      "\xFF\xFE" + dovevar::toUtf16LeBytes(generatedListFile(toNumber(w[2]), toNumber(w[3]),
                                                                             toNumber(w[4]))),
                      failure);
  }

  bool setMark(const Words&, std::wstring&) {
    mark_ = GetTickCount64();
    return true;
  }

  // wait-until MS: MS after the last start or mark, for the phases of an animation
  // that runs on its own clock.
  bool waitUntil(const Words& w, std::wstring&) {
    const ULONGLONG until = mark_ + static_cast<ULONGLONG>(toNumber(w[1]));
    const ULONGLONG now = GetTickCount64();
    if (until > now) Sleep(static_cast<DWORD>(until - now));
    return true;
  }

  // expect-elapsed MS: no more than MS since the last start or mark; the figure is logged.
  bool expectElapsed(const Words& w, std::wstring& failure) {
    const ULONGLONG took = GetTickCount64() - mark_;
    note_ = L"took " + std::to_wstring(took) + L" ms";
    if (took <= static_cast<ULONGLONG>(toNumber(w[1]))) return true;
    failure = L"expected at most " + w[1] + L" ms since the mark\n     saw      " + note_;
    return false;
  }

  // expect-responsive MS: the main window answers a message within MS.
  bool expectResponsive(const Words& w, std::wstring& failure) {
    HWND main = mainWindow();
    const ULONGLONG began = GetTickCount64();
    DWORD_PTR answer = 0;
    const bool answered =
        main != nullptr && SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL,
                                               static_cast<UINT>(toNumber(w[1])), &answer) != 0;
    note_ = L"answered in " + std::to_wstring(GetTickCount64() - began) + L" ms";
    if (answered) return true;
    failure = L"expected an answer within " + w[1] + L" ms\n     saw      no answer";
    return false;
  }

  // screenshot PATH [window]: the whole display, or only the current dialog (the main
  // window when there is none), for the manual.
  bool takeScreenshot(const Words& w, std::wstring& failure) {
    // A window that has just opened may still be painting its controls; the picture
    // is for people, no check depends on it, so it may wait a moment for them.
    target_.waitIdle();
    Sleep(kScreenshotSettleMs);
    if (w.size() < 3) return screenshot(w[1], nullptr, failure);
    HWND window = dialog_ != nullptr && IsWindow(dialog_) ? dialog_ : mainWindow();
    RECT part = {};
    if (window == nullptr || !GetWindowRect(window, &part)) {
      failure = L"no window to take";
      return false;
    }
    return screenshot(w[1], &part, failure);
  }

  // unzip ZIP FOLDER: a downloaded archive unpacked into a folder, as a user would.
  bool unzipArchive(const Words& w, std::wstring& failure) {
    return runUnixProgram(L"unzip", L"-q -o \"" + toUnixPath(toWindowsPath(w[1])) + L"\" -d \"" +
                                        toUnixPath(toWindowsPath(w[2])) + L"\"",
                          failure);
  }

  // start-shortcut LNK: starts the shortcut's target in its working folder.
  bool startShortcut(const Words& w, std::wstring& failure) {
    std::wstring exe, folder;
    if (!readShortcut(w[1], exe, folder, failure)) return false;
    note_ = L"target " + exe + L", folder " + folder;
    mark_ = GetTickCount64();
    return target_.start(exe, folder, failure);
  }

  const std::map<std::wstring, std::wstring>& variables_;
  Target target_;
  HWND dialog_ = nullptr;
  std::map<std::wstring, HANDLE> held_;
  HANDLE later_ = nullptr;  // the program of run-later
  HWND leaving_ = nullptr;  // the dialog the last press or close was posted to
  ULONGLONG leftAt_ = 0;
  int dialogListId_ = 0;
  DWORD timeoutMs_ = kDefaultTimeoutMs;
  ULONGLONG mark_ = 0;
  std::wstring note_;  // a figure the step measured, logged beside it
};

}  // namespace

std::wstring toWindowsPath(const std::wstring& path) {
  if (path.empty() || path[0] != L'/') return path;
  std::wstring out = L"Z:" + path;
  for (wchar_t& c : out) {
    if (c == L'/') c = L'\\';
  }
  return out;
}

bool parseScenario(const std::wstring& text, const std::map<std::wstring, std::wstring>& variables,
                   std::vector<Step>& steps, std::wstring& error) {
  const Words lines = textLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    Step step;
    step.line = static_cast<int>(i + 1);
    std::wstring problem;
    Words raw;
    if (!splitWords(lines[i], raw, problem)) {
      error = L"line " + std::to_wstring(step.line) + L": " + problem;
      return false;
    }
    if (raw.empty() || raw[0][0] == L'#') continue;
    for (const std::wstring& word : raw) {
      std::wstring expanded;
      if (!expandVariables(word, variables, expanded, problem)) {
        error = L"line " + std::to_wstring(step.line) + L": " + problem;
        return false;
      }
      step.words.push_back(expanded);
    }
    steps.push_back(step);
  }
  return true;
}

bool runScenario(const std::vector<Step>& steps, const std::map<std::wstring, std::wstring>& variables,
                 std::wstring& report) {
  Runner runner(variables);
  return runner.run(steps, report);
}

}  // namespace uidriver
