// The CAD stand-in: takes the place of the CAD application in end-to-end tests.
//
// It accepts exactly the command line Dovevar passes, /b "<script path>", reads the
// UTF-16 script, and appends to the log named by DOVEVAR_CAD_LOG (UTF-8):
//   #run N "<script path>"          one per start, N counting the runs in the log
//   <each script line as it ran>
//   #open-ok "<path>" / #open-missing "<path>" after each open line
//   #end N exit C                   or #no-quit when the script never says quit
// DOVEVAR_CAD_MODE tells it to misbehave, in words joined by commas: "fail" (exit 1
// before running anything), "slow:<ms>" (take that long before ending), "hang" (never
// end), "hang:<N>" (run N of the log never ends, the others behave), "hang-child:<N>" (as
// hang:<N>, and a child process of its own holds the script open, as a CAD application's
// helper might; the child is the stand-in again, started with DOVEVAR_CAD_CHILD=1).
// Two words are flags beside the mode: "fail-missing" (exit 4 when a drawing it opened was
// missing, as a CAD application that could not plot it) and "at-once" (log "#at-once K"
// at the start, K the stand-ins running then, itself included).
#include <windows.h>

#include <cwctype>
#include <string>

#include "store/text_codec.h"

namespace {

using dovevar::utf16ToUtf8;

std::wstring environment(const wchar_t* name) {
  wchar_t buffer[1024] = {};
  const DWORD length = GetEnvironmentVariableW(name, buffer, 1024);
  return length > 0 && length < 1024 ? std::wstring(buffer, length) : std::wstring();
}

std::string utf8(const std::wstring& text) {
  return utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

bool readWholeFile(const std::wstring& path, std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char chunk[65536];
  DWORD got = 0;
  bytes.clear();
  while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return true;
}

void appendToLog(const std::wstring& logPath, const std::string& text) {
  HANDLE file = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                            OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

int runsAlreadyLogged(const std::wstring& logPath) {
  std::string log;
  if (!readWholeFile(logPath, log)) return 0;
  int runs = 0;
  for (size_t at = 0; (at = log.find("#run ", at)) != std::string::npos; at += 5) {
    if (at == 0 || log[at - 1] == '\n') ++runs;
  }
  return runs;
}

// " /b "<path>" " with nothing else; returns false for any other command line.
bool parseCommandLine(const std::wstring& raw, std::wstring& scriptPath) {
  size_t at = raw.find_first_not_of(L" \t");
  if (at == std::wstring::npos || raw.compare(at, 2, L"/b") != 0) return false;
  at += 2;
  const size_t quote = raw.find_first_not_of(L" \t", at);
  if (quote == at || quote == std::wstring::npos || raw[quote] != L'"') return false;
  const size_t close = raw.find(L'"', quote + 1);
  if (close == std::wstring::npos || close == quote + 1) return false;
  if (raw.find_first_not_of(L" \t", close + 1) != std::wstring::npos) return false;
  scriptPath = raw.substr(quote + 1, close - quote - 1);
  return true;
}

std::wstring lowerCase(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

std::wstring trimmed(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring::npos) return {};
  return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// Runs the script's lines into the log text; returns whether it met quit.
bool runScript(const std::u16string& script, std::string& log) {
  size_t start = 0;
  while (start < script.size()) {
    size_t end = script.find(u"\r\n", start);
    const bool lastLine = end == std::u16string::npos;
    if (lastLine) end = script.size();
    const std::wstring line(script.begin() + static_cast<std::ptrdiff_t>(start),
                            script.begin() + static_cast<std::ptrdiff_t>(end));
    start = lastLine ? script.size() : end + 2;
    if (line.empty() && lastLine) break;
    log += utf8(line) + "\n";
    if (line.find_first_of(L"\r\n") != std::wstring::npos) log += "#line-end-not-crlf\n";

    const std::wstring command = lowerCase(trimmed(line));
    if (command.rfind(L"open \"", 0) == 0) {
      const size_t open = line.find(L'"');
      const size_t close = line.find(L'"', open + 1);
      const std::wstring path =
          close == std::wstring::npos ? std::wstring() : line.substr(open + 1, close - open - 1);
      const bool exists = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
      log += std::string(exists ? "#open-ok \"" : "#open-missing \"") + utf8(path) + "\"\n";
    } else if (command == L"quit") {
      return true;
    }
  }
  return false;
}

}  // namespace

// The child of "hang-child": holds the script open, sharing nothing, until it is ended.
int holdScript(const std::wstring& scriptPath) {
  const HANDLE held = CreateFileW(scriptPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  for (;;) Sleep(INFINITE);
  CloseHandle(held);
}

void startScriptHolder() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring commandLine = GetCommandLineW();
  SetEnvironmentVariableW(L"DOVEVAR_CAD_CHILD", L"1");
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION child = {};
  if (CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child)) {
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
  }
}

int wmain() {
  if (!environment(L"DOVEVAR_CAD_CHILD").empty()) {
    std::wstring scriptPath;
    return parseCommandLine(GetCommandLineW(), scriptPath) ? holdScript(scriptPath) : 2;
  }
  const std::wstring logPath = environment(L"DOVEVAR_CAD_LOG");
  if (logPath.empty()) return 4;
  const int run = runsAlreadyLogged(logPath) + 1;
  const std::wstring rawCommandLine = GetCommandLineW();

  std::wstring scriptPath;
  if (!parseCommandLine(rawCommandLine, scriptPath)) {
    appendToLog(logPath, "#run " + std::to_string(run) + " bad-command-line [" +
                             utf8(rawCommandLine) + "]\n");
    return 2;
  }
  std::string log = "#run " + std::to_string(run) + " \"" + utf8(scriptPath) + "\"\n";

  const std::wstring modes = environment(L"DOVEVAR_CAD_MODE");
  std::wstring mode;   // the word that applies to this run
  std::wstring flags;  // ",fail-missing", ",at-once"
  for (size_t at = 0; at <= modes.size();) {
    size_t comma = modes.find(L',', at);
    if (comma == std::wstring::npos) comma = modes.size();
    const std::wstring word = modes.substr(at, comma - at);
    if (word == L"fail-missing" || word == L"at-once") {
      flags += L"," + word;
    } else if (word.rfind(L"hang:", 0) == 0) {
      if (std::wcstol(word.c_str() + 5, nullptr, 10) == run) mode = L"hang";
    } else if (word.rfind(L"hang-child:", 0) == 0) {
      if (std::wcstol(word.c_str() + 11, nullptr, 10) == run) mode = L"hang-child";
    } else if (mode.empty()) {
      mode = word;
    }
    at = comma + 1;
  }
  // A named semaphore counts the stand-ins that run: its count before this one's release.
  HANDLE running = nullptr;
  if (flags.find(L",at-once") != std::wstring::npos) {
    running = CreateSemaphoreW(nullptr, 0, 64, L"Local\\dovevar-cadstub-at-once");
    LONG before = 0;
    if (running != nullptr && ReleaseSemaphore(running, 1, &before)) {
      appendToLog(logPath, "#at-once " + std::to_string(before + 1) + "\n");
    }
  }
  if (mode == L"fail") {
    appendToLog(logPath, log + "#fail\n#end " + std::to_string(run) + " exit 1\n");
    return 1;
  }

  std::string bytes;
  if (!readWholeFile(scriptPath, bytes)) {
    appendToLog(logPath, log + "#script-unreadable\n#end " + std::to_string(run) + " exit 5\n");
    return 5;
  }
  if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0) log += "#no-byte-order-mark\n";
  const std::u16string script =
      dovevar::fromUtf16LeBytes(std::string_view(bytes).substr(bytes.size() >= 2 ? 2 : 0));

  const bool quit = runScript(script, log);
  const bool missing = flags.find(L",fail-missing") != std::wstring::npos && log.find("#open-missing") != std::string::npos;
  const int exitCode = !quit ? 3 : missing ? 4 : 0;
  if (!quit) log += "#no-quit\n";

  if (mode == L"hang" || mode == L"hang-child") {
    if (mode == L"hang-child") startScriptHolder();
    appendToLog(logPath, log + "#hang\n");
    for (;;) Sleep(INFINITE);
  }
  if (mode.rfind(L"slow:", 0) == 0) Sleep(static_cast<DWORD>(std::wcstoul(mode.c_str() + 5, nullptr, 10)));
  if (running != nullptr) WaitForSingleObject(running, 0);
  appendToLog(logPath, log + "#end " + std::to_string(run) + " exit " + std::to_string(exitCode) + "\n");
  return exitCode;
}
