#include "target.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstring>

namespace uidriver {
namespace {

constexpr UINT kSendTimeoutMs = 3000;
constexpr size_t kTextCapacity = 4096;  // characters read back from a control

std::wstring classOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

struct EnumState {
  DWORD processId;
  std::vector<WindowInfo>* windows;
};

BOOL CALLBACK collectTopWindow(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<EnumState*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == state->processId && IsWindowVisible(window)) {
    state->windows->push_back({window, classOf(window), Target::windowText(window)});
  }
  return TRUE;
}

}  // namespace

Target::~Target() {
  if (job_ != nullptr) CloseHandle(job_);
  if (process_ != nullptr) CloseHandle(process_);
}

bool Target::start(const std::wstring& exe, const std::wstring& folder, std::wstring& error) {
  job_ = CreateJobObjectW(nullptr, nullptr);
  if (job_ != nullptr) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
  }
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                      nullptr, folder.c_str(), &startup, &info)) {
    error = L"CreateProcessW failed with error " + std::to_wstring(GetLastError());
    return false;
  }
  if (job_ != nullptr) AssignProcessToJobObject(job_, info.hProcess);
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
  WaitForInputIdle(process_, 10000);
  return true;
}

bool Target::running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Target::exitCode(DWORD& code) const {
  if (process_ == nullptr || running()) return false;
  return GetExitCodeProcess(process_, &code) != 0;
}

void Target::terminate() {
  if (job_ != nullptr) TerminateJobObject(job_, 99);
  if (process_ != nullptr) TerminateProcess(process_, 99);
}

bool Target::endProcessesNamed(const std::wstring& imageName, std::wstring& error) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) {
    error = L"cannot list the processes";
    return false;
  }
  int ended = 0;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, imageName.c_str()) != 0) continue;
    HANDLE process = OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                 entry.th32ProcessID);
    if (process == nullptr) continue;
    // Started by the program: inside its job, or at least its child.
    BOOL inJob = FALSE;
    const bool ours = (job_ != nullptr && IsProcessInJob(process, job_, &inJob) && inJob) ||
                      entry.th32ParentProcessID == processId_;
    if (ours && TerminateProcess(process, 99)) ++ended;
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  if (ended == 0) error = L"no running process " + imageName + L" of the program";
  return ended > 0;
}

std::vector<WindowInfo> Target::topWindows() const {
  std::vector<WindowInfo> windows;
  EnumState state{processId_, &windows};
  EnumWindows(collectTopWindow, reinterpret_cast<LPARAM>(&state));
  return windows;
}

HWND Target::mainWindow(const std::wstring& className) const {
  for (const WindowInfo& window : topWindows()) {
    if (window.className == className) return window.handle;
  }
  return nullptr;
}

std::wstring Target::windowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &length)) {
    return L"<no answer>";
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
  text.resize(copied);
  return text;
}

bool Target::setWindowText(HWND window, const std::wstring& text) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0;
}

LRESULT Target::sendWithRemoteBuffer(HWND window, UINT message, WPARAM wParam, const void* in,
                                     size_t inSize, void* out, size_t outSize,
                                     size_t textOffset) const {
  const size_t size = (inSize > outSize ? inSize : outSize) + kTextCapacity * sizeof(wchar_t);
  void* remote = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (remote == nullptr) return -1;
  std::vector<char> local(in != nullptr ? static_cast<const char*>(in) : nullptr,
                          in != nullptr ? static_cast<const char*>(in) + inSize : nullptr);
  if (textOffset != 0) {
    // The struct's text pointer must point into the target, just behind the struct.
    auto* textPointer = reinterpret_cast<wchar_t**>(local.data() + textOffset);
    *textPointer = reinterpret_cast<wchar_t*>(static_cast<char*>(remote) + inSize);
  }
  SIZE_T moved = 0;
  if (!local.empty()) WriteProcessMemory(process_, remote, local.data(), local.size(), &moved);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, reinterpret_cast<LPARAM>(remote),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
    result = static_cast<DWORD_PTR>(-1);
  }
  if (out != nullptr) ReadProcessMemory(process_, remote, out, outSize, &moved);
  VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
  return static_cast<LRESULT>(result);
}

int Target::columnCount(HWND list) const {
  DWORD_PTR header = 0;
  SendMessageTimeoutW(list, LVM_GETHEADER, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &header);
  if (header == 0) return 0;
  DWORD_PTR count = 0;
  SendMessageTimeoutW(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG,
                      kSendTimeoutMs, &count);
  return static_cast<int>(count);
}

// Reads the text that a message writes behind the request struct it was given.
template <typename Request>
std::wstring Target::remoteText(HWND window, UINT message, WPARAM wParam,
                                const Request& request) const {
  std::vector<char> back(sizeof(Request) + kTextCapacity * sizeof(wchar_t));
  sendWithRemoteBuffer(window, message, wParam, &request, sizeof(Request), back.data(),
                       back.size(), offsetof(Request, pszText));
  const auto* text = reinterpret_cast<const wchar_t*>(back.data() + sizeof(Request));
  return std::wstring(text, wcsnlen(text, kTextCapacity - 1));
}

std::wstring Target::columnText(HWND list, int column) const {
  LVCOLUMNW request = {};
  request.mask = LVCF_TEXT;
  request.cchTextMax = static_cast<int>(kTextCapacity);
  return remoteText(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), request);
}

std::wstring Target::cellText(HWND list, int row, int column) const {
  LVITEMW request = {};
  request.mask = LVIF_TEXT;
  request.iItem = row;
  request.iSubItem = column;
  request.cchTextMax = static_cast<int>(kTextCapacity);
  return remoteText(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), request);
}

bool Target::cellRect(HWND list, int row, int column, RECT& rect) const {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE, SMTO_ABORTIFHUNG,
                      kSendTimeoutMs, &ignored);
  RECT request = {};
  request.top = column;
  request.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
  return sendWithRemoteBuffer(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), &request,
                              sizeof(request), &rect, sizeof(rect)) == TRUE;
}

bool Target::headerRect(HWND list, int column, RECT& rect) const {
  DWORD_PTR header = 0;
  SendMessageTimeoutW(list, LVM_GETHEADER, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &header);
  if (header == 0) return false;
  RECT request = {};
  return sendWithRemoteBuffer(reinterpret_cast<HWND>(header), HDM_GETITEMRECT,
                              static_cast<WPARAM>(column), &request, sizeof(request), &rect,
                              sizeof(rect)) == TRUE;
}

std::wstring Target::statusText(HWND statusBar, int pane) const {
  std::vector<wchar_t> back(kTextCapacity, L'\0');
  sendWithRemoteBuffer(statusBar, SB_GETTEXTW, static_cast<WPARAM>(pane), nullptr, 0, back.data(),
                       back.size() * sizeof(wchar_t));
  back.back() = L'\0';
  return back.data();
}

HWND findChildByClass(HWND parent, const wchar_t* className) {
  struct Search {
    const wchar_t* className;
    HWND found;
  } search{className, nullptr};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM param) -> BOOL {
        auto* state = reinterpret_cast<Search*>(param);
        if (classOf(child) == state->className) {
          state->found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace uidriver

namespace uidriver {

// The window manager carries a list box's rectangle across processes itself.
bool Target::listBoxItemRect(HWND listBox, int index, RECT& rect) const {
  DWORD_PTR result = static_cast<DWORD_PTR>(LB_ERR);
  SendMessageTimeoutW(listBox, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect),
                      SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result) != LB_ERR;
}

// The items of a list box; the window manager carries LB_GETTEXT's text across.
std::vector<std::wstring> Target::listBoxItems(HWND listBox) const {
  std::vector<std::wstring> items;
  DWORD_PTR count = 0;
  SendMessageTimeoutW(listBox, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &count);
  for (int i = 0; i < static_cast<int>(count); ++i) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                        &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(listBox, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
    text.resize(static_cast<LRESULT>(copied) == LB_ERR ? 0 : copied);
    items.push_back(text);
  }
  return items;
}

void Target::waitIdle() const {
  if (process_ != nullptr) WaitForInputIdle(process_, 2000);
}

std::wstring Target::treeSelectionText(HWND tree) const {
  DWORD_PTR selected = 0;
  SendMessageTimeoutW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &selected);
  if (selected == 0) return L"";
  TVITEMW request = {};
  request.mask = TVIF_TEXT;
  request.hItem = reinterpret_cast<HTREEITEM>(selected);
  request.cchTextMax = static_cast<int>(kTextCapacity);
  return remoteText(tree, TVM_GETITEMW, 0, request);
}

LRESULT Target::sendText(HWND window, UINT message, WPARAM wParam, const std::wstring& text) const {
  return sendWithRemoteBuffer(window, message, wParam, text.c_str(), (text.size() + 1) * sizeof(wchar_t),
                              nullptr, 0);
}

LRESULT Target::sendRect(HWND window, UINT message, WPARAM wParam, const RECT& rect) const {
  return sendWithRemoteBuffer(window, message, wParam, &rect, sizeof(rect), nullptr, 0);
}

}  // namespace uidriver
