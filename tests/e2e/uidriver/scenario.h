// A scenario is a text file of steps, one per line: words separated by spaces, texts
// with spaces in double quotes (\" \\ \n \r \t inside them; other backslashes
// stay), ${NAME} replaced by a driver variable or an environment variable, '#'
// starting a comment line. Every expect- step polls until it holds or the time-out
// passes, so posted commands may take their time. The steps are listed in README.md
// beside this file.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace uidriver {

struct Step {
  int line = 0;
  std::vector<std::wstring> words;
};

// Fails with a message naming the line for an unclosed quote or an unknown variable.
bool parseScenario(const std::wstring& text, const std::map<std::wstring, std::wstring>& variables,
                   std::vector<Step>& steps, std::wstring& error);

// Runs the steps; on failure `report` says what was expected and what was seen.
bool runScenario(const std::vector<Step>& steps, const std::map<std::wstring, std::wstring>& variables,
                 std::wstring& report);

// Unix paths (from the test scripts) become Wine's Z: drive paths; others stay.
std::wstring toWindowsPath(const std::wstring& path);

}  // namespace uidriver
