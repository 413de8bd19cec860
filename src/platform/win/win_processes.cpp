#include "platform/win/win_processes.h"

#include <windows.h>

#include <vector>

#include "platform/win/wide.h"
#include "platform/win/win_system_error.h"

namespace dovevar::win {
namespace {

// CreateProcessW may write into the command line, so it gets a buffer of its own.
std::vector<wchar_t> writableCommandLine(std::u16string_view text) {
  std::vector<wchar_t> buffer(text.begin(), text.end());
  buffer.push_back(L'\0');
  return buffer;
}

// Starts the process with the caller's environment and current directory, no inherited
// handles and a STARTUPINFOW with only its size set. With a job, the process joins it
// before it runs, so that every process it starts belongs to the job too; `joined` says
// whether it did (a system that refuses a job inside Dovevar's own lets it run alone).
// The thread handle is closed at once; the process handle is returned open.
HANDLE startProcess(const wchar_t* application, std::vector<wchar_t>& commandLine, HANDLE job = nullptr,
                    bool* joined = nullptr) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  const DWORD flags = NORMAL_PRIORITY_CLASS | (job != nullptr ? CREATE_SUSPENDED : 0);
  if (!CreateProcessW(application, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr,
                      &startup, &process)) {
    return nullptr;
  }
  if (job != nullptr) {
    const bool inJob = AssignProcessToJobObject(job, process.hProcess) != FALSE;
    if (joined != nullptr) *joined = inJob;
    ResumeThread(process.hThread);
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

// After the job was ended: until none of its processes is left, or the time has passed.
void waitUntilJobEmpty(HANDLE job, DWORD limitMs) {
  const ULONGLONG start = GetTickCount64();
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
  while (QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting, sizeof(accounting),
                                   nullptr) &&
         accounting.ActiveProcesses > 0 && GetTickCount64() - start < limitMs) {
    Sleep(10);
  }
}

}  // namespace

WinProcesses::~WinProcesses() {
  while (!watched_.empty()) endNow(watched_.back().id);
}

ProcessStart WinProcesses::start(const std::u16string& application, const std::u16string& commandLine) {
  // Without an application name CreateProcessW would run the command line's first word,
  // here "/b": an empty `autocad_file` must fail instead.
  if (application.empty()) return {};
  const std::wstring name = toWide(application);
  std::vector<wchar_t> line = writableCommandLine(commandLine);
  // The CAD application and whatever it starts share a job, so that ending a hung start
  // ends them all and none of them keeps the Run script or the drawing open.
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  bool inJob = false;
  const HANDLE process = startProcess(name.c_str(), line, job, &inJob);
  if (process == nullptr) {
    ProcessStart failed;
    failed.error = lastSystemError();
    if (job != nullptr) CloseHandle(job);
    return failed;
  }
  if (!inJob && job != nullptr) {
    CloseHandle(job);
    job = nullptr;
  }
  watched_.push_back({next_id_++, process, job});
  return {true, watched_.back().id, {}};
}

void WinProcesses::forget(std::size_t index) {
  CloseHandle(watched_[index].process);
  if (watched_[index].job != nullptr) CloseHandle(watched_[index].job);
  watched_.erase(watched_.begin() + static_cast<std::ptrdiff_t>(index));
}

// The window's own messages are handled only when it asks; otherwise what other programs
// send (a broadcast, the session's end) is still answered, so that none of them hangs on
// us, and posted messages stay queued for the message loop after the wait.
ProcessWait WinProcesses::waitForEnd(int milliseconds) {
  std::vector<HANDLE> handles;
  for (const Watched& w : watched_) handles.push_back(w.process);
  if (stop_event_ != nullptr) handles.push_back(stop_event_);
  const DWORD limit = milliseconds < 0 ? INFINITE : static_cast<DWORD>(milliseconds);
  const DWORD wake = handle_messages_ ? QS_ALLINPUT : QS_SENDMESSAGE;
  const DWORD count = static_cast<DWORD>(handles.size());
  const DWORD woke = MsgWaitForMultipleObjectsEx(count, handles.empty() ? nullptr : handles.data(), limit, wake,
                                                 handle_messages_ ? MWMO_INPUTAVAILABLE : 0);
  if (woke < WAIT_OBJECT_0 + watched_.size()) {
    const std::size_t index = woke - WAIT_OBJECT_0;
    DWORD code = 0;
    GetExitCodeProcess(watched_[index].process, &code);
    const ProcessWait ended{ProcessWait::Outcome::kEnded, watched_[index].id, code};
    forget(index);
    return ended;
  }
  if (stop_event_ != nullptr && woke == WAIT_OBJECT_0 + watched_.size()) return {ProcessWait::Outcome::kStopAsked};
  if (woke == WAIT_OBJECT_0 + count) {
    if (handle_messages_) {
      handle_messages_();
    } else {
      MSG message;
      PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
  }
  return {};
}

// Ended with all it started, and waited for, so that it lets go of the drawing and the
// Run script before anything else starts.
void WinProcesses::endNow(ProcessId id) {
  for (std::size_t i = 0; i < watched_.size(); ++i) {
    if (watched_[i].id != id) continue;
    if (watched_[i].job != nullptr) {
      TerminateJobObject(watched_[i].job, 1);
      waitUntilJobEmpty(watched_[i].job, 10000);
    } else {
      TerminateProcess(watched_[i].process, 1);
    }
    WaitForSingleObject(watched_[i].process, 10000);
    forget(i);
    return;
  }
}

PortResult WinProcesses::startWithoutWait(const std::u16string& program,
                                          const std::u16string& arguments) {
  if (program.empty()) return PortResult::failure({});
  // No application name: CreateProcessW finds the quoted first word in the program's
  // folder, the current folder, the system folders and the search path.
  std::u16string text = u"\"" + program + u"\"";
  if (!arguments.empty()) text += u" " + arguments;
  std::vector<wchar_t> line = writableCommandLine(text);
  const HANDLE process = startProcess(nullptr, line);
  if (process == nullptr) return PortResult::failure(lastSystemError());
  CloseHandle(process);
  return PortResult::success();
}

}  // namespace dovevar::win
