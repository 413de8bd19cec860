#include "store/ui_text_check.h"

#include <map>

#include "store/text_codec.h"

namespace dovevar {
namespace {

// The reader's limits: entries 0 to 99, texts of at most 63 code units.
constexpr int kEntryCount = 100;
constexpr size_t kMaxTextUnits = 63;

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isLanguageLetter(char16_t c) { return c == u'J' || c == u'E' || c == u'K' || c == u'C'; }

// The key of a well-formed entry: the table letter, the number, the language letter and,
// for a message, its part letter; two lines with the same key would overwrite each other.
std::u16string_view keyOf(std::u16string_view line) {
  return line.substr(0, line[0] == u'M' ? 6 : 5);
}

std::string keyProblem(std::u16string_view line) {
  if (line.empty() || (line[0] != u'C' && line[0] != u'D' && line[0] != u'M')) {
    return "an entry starts with C, D or M";
  }
  const bool message = line[0] == u'M';
  const size_t textStart = message ? 7 : 6;
  if (line.size() < textStart) return "the key is cut short";
  if (!isDigit(line[1]) || !isDigit(line[2]) || !isDigit(line[3])) {
    return "the entry number must be three digits";
  }
  const int number = (line[1] - u'0') * 100 + (line[2] - u'0') * 10 + (line[3] - u'0');
  if (number >= kEntryCount) return "entry number " + std::to_string(number) + " is above 99";
  if (!isLanguageLetter(line[4])) return "the language letter must be J, E, K or C";
  if (message && line[5] != u'A' && line[5] != u'B') {
    return "a message part must be A (text) or B (title)";
  }
  if (line[textStart - 1] != u'=') return "the key must end with '='";
  return {};
}

std::string textProblem(std::u16string_view text) {
  if (text.size() > kMaxTextUnits) {
    return "the text has " + std::to_string(text.size()) +
           " UTF-16 code units; at most 63 fit";
  }
  for (const char16_t c : text) {
    if (c == 0xFFFD) return "the text is not valid UTF-8";
    if (c < 0x20 || c == 0x7F) return "the text holds a control character";
  }
  return {};
}

bool isBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::string uiTextEntryProblem(std::u16string_view line) {
  std::string problem = keyProblem(line);
  if (!problem.empty()) return problem;
  return textProblem(line.substr(line[0] == u'M' ? 7 : 6));
}

UiTextCompilation compileUiTextSource(std::string_view utf8Source) {
  constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
  if (utf8Source.substr(0, kUtf8Bom.size()) == kUtf8Bom) utf8Source.remove_prefix(kUtf8Bom.size());

  UiTextCompilation result;
  std::u16string file = u"\xFEFF";
  std::map<std::u16string, int, std::less<>> firstLineOfKey;
  int lineNumber = 0;
  while (!utf8Source.empty()) {
    ++lineNumber;
    const size_t end = utf8Source.find('\n');
    std::string_view line = utf8Source.substr(0, end);
    utf8Source.remove_prefix(end == std::string_view::npos ? utf8Source.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (isBlank(line) || line.front() == ';') continue;

    const std::u16string entry = utf8ToUtf16(line);
    std::string problem = uiTextEntryProblem(entry);
    if (problem.empty()) {
      const auto [known, inserted] =
          firstLineOfKey.emplace(std::u16string(keyOf(entry)), lineNumber);
      if (!inserted) problem = "the key was already given on line " + std::to_string(known->second);
    }
    if (!problem.empty()) {
      result.problems.push_back({lineNumber, std::move(problem)});
      continue;
    }
    file += entry;
    file += u"\r\n";
  }
  result.bytes = toUtf16LeBytes(file);
  return result;
}

}  // namespace dovevar
