// uidriver SCENARIO EXE WORK [FAILURE_SHOT]
// Runs a scenario against EXE started in the settings folder WORK and prints one line
// per step (UTF-8). Exit code 0 when every step held, 1 when one failed, 2 for bad use.
#include <windows.h>

#include <cstdio>
#include <string>

#include "scenario.h"
#include "store/text_codec.h"

namespace {

// The report goes to standard output and, when the environment names one, to a log
// file of its own.
void print(const std::wstring& text) {
  const std::string bytes = dovevar::utf16ToUtf8(std::u16string(text.begin(), text.end())) + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
  wchar_t log[1024] = {};
  if (GetEnvironmentVariableW(L"UIDRIVER_LOG", log, 1024) == 0) return;
  HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

bool readUtf8File(const std::wstring& path, std::wstring& text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  const std::u16string units = dovevar::utf8ToUtf16(bytes);
  text.assign(units.begin(), units.end());
  return true;
}

std::wstring folderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4 && argc != 5) {
    print(L"usage: uidriver SCENARIO EXE WORK [FAILURE_SHOT]");
    return 2;
  }
  const std::wstring scenarioPath = uidriver::toWindowsPath(argv[1]);
  const std::wstring exe = uidriver::toWindowsPath(argv[2]);
  std::map<std::wstring, std::wstring> variables = {
      {L"SCENARIO_DIR", folderOf(scenarioPath)},
      {L"EXE", exe},
      {L"EXE_DIR", folderOf(exe)},
      {L"WORK", uidriver::toWindowsPath(argv[3])},
  };
  if (argc == 5) variables[L"FAILURE_SHOT"] = uidriver::toWindowsPath(argv[4]);

  std::wstring text;
  if (!readUtf8File(scenarioPath, text)) {
    print(L"FAIL cannot read the scenario " + scenarioPath);
    return 2;
  }
  std::vector<uidriver::Step> steps;
  std::wstring report;
  if (!uidriver::parseScenario(text, variables, steps, report)) {
    print(L"FAIL " + report);
    return 2;
  }
  const bool passed = uidriver::runScenario(steps, variables, report);
  print(report);
  return passed ? 0 : 1;
}
