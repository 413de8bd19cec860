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

// Waits for the process; what other programs send to this thread's windows meanwhile (a
// broadcast, the session's end) is answered, so that none of them hangs on us. Posted
// messages (clicks, commands) stay queued for the message loop after the wait.
DWORD waitAnsweringSentMessages(HANDLE process, DWORD limitMs) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    DWORD remaining = INFINITE;
    if (limitMs != INFINITE) {
      const ULONGLONG elapsed = GetTickCount64() - start;
      if (elapsed >= limitMs) return WAIT_TIMEOUT;
      remaining = static_cast<DWORD>(limitMs - elapsed);
    }
    const DWORD woke = MsgWaitForMultipleObjects(1, &process, FALSE, remaining, QS_SENDMESSAGE);
    if (woke != WAIT_OBJECT_0 + 1) return woke;
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
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

ProcessRun WinProcesses::startAndWait(const std::u16string& application,
                                      const std::u16string& commandLine, int timeLimitSeconds) {
  ProcessRun run;
  // Without an application name CreateProcessW would run the command line's first word,
  // here "/b": an empty `autocad_file` must fail instead.
  if (application.empty()) return run;
  const std::wstring name = toWide(application);
  std::vector<wchar_t> line = writableCommandLine(commandLine);
  // The CAD application and whatever it starts share a job, so that ending a hung start
  // ends them all and none of them keeps the Run script or the drawing open.
  const HANDLE job = CreateJobObjectW(nullptr, nullptr);
  bool inJob = false;
  const HANDLE process = startProcess(name.c_str(), line, job, &inJob);
  if (process == nullptr) {
    run.error = lastSystemError();
    if (job != nullptr) CloseHandle(job);
    return run;
  }
  run.started = true;
  const DWORD limit =
      timeLimitSeconds > 0 ? static_cast<DWORD>(timeLimitSeconds) * 1000u : INFINITE;
  if (waitAnsweringSentMessages(process, limit) == WAIT_TIMEOUT) {
    // A hung CAD process would hold every later row: it is ended with all it started,
    // and waited for so that it lets go of the drawing and the Run script first.
    if (inJob) {
      TerminateJobObject(job, 1);
      waitUntilJobEmpty(job, 10000);
    } else {
      TerminateProcess(process, 1);
    }
    WaitForSingleObject(process, 10000);
    run.timedOut = true;
  } else {
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    run.exitCode = code;
  }
  CloseHandle(process);
  if (job != nullptr) CloseHandle(job);
  return run;
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

void WinProcesses::pause(int milliseconds) {
  Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0);
}

}  // namespace dovevar::win
