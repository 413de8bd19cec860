#include "store/settings_text.h"

#include "store/text_codec.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

constexpr size_t kReadUnits = 144;  // one read of 288 bytes

bool isBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

}  // namespace

namespace {

// The lines of a text that comes in reads of kReadUnits units: `nextRead(buffer)` gives
// the next read (it may use `buffer` for its units), empty at the end.
template <typename NextRead>
void splitReads(NextRead&& nextRead, size_t lineLimit, const std::function<void(std::u16string_view)>& parseLine) {
  std::u16string held;
  std::u16string buffer;
  bool cutting = false;  // inside a line already cut at the limit
  for (;;) {
    const std::u16string_view chunk = nextRead(buffer);
    std::u16string_view fresh = chunk;
    if (const size_t zero = fresh.find(u'\0'); zero != std::u16string_view::npos) {
      fresh = fresh.substr(0, zero);
    }
    held.append(fresh);
    size_t lf;
    while ((lf = held.find(u'\n')) != std::u16string::npos) {
      if (!cutting) {
        const size_t length = lf == 0 ? 0 : lf - 1;
        parseLine(std::u16string_view(held).substr(0, std::min(length, lineLimit)));
      }
      cutting = false;
      held.erase(0, lf + 1);
    }
    if (!cutting && held.size() > lineLimit + 1) {
      // A line longer than any the formats write: hand over its first part now and
      // skip the rest up to its line end, so memory stays bounded.
      parseLine(std::u16string_view(held).substr(0, lineLimit));
      cutting = true;
    }
    if (cutting) held.clear();
    if (chunk.empty()) return;
  }
}

}  // namespace

void splitSettingsLines(std::u16string_view text, size_t lineLimit,
                        const std::function<void(std::u16string_view)>& parseLine) {
  size_t at = 0;
  splitReads(
      [&](std::u16string&) {
        const std::u16string_view chunk = text.substr(at, kReadUnits);
        at += chunk.size();
        return chunk;
      },
      lineLimit, parseLine);
}

int readSettingsText(FileSystem& files, Messages& messages, const std::u16string& path,
                     const SettingsFileRules& rules, const std::function<void()>& reset,
                     const std::function<void(std::u16string_view)>& parseLine) {
  std::string bytes;
  const FileSystem::ReadOutcome opened = files.readFile(path, rules.createIfMissing, bytes);
  if (opened != FileSystem::ReadResult::kRead) {
    if (rules.resetWhenNotOpened && reset) reset();
    if (!rules.silentWhenNotOpened) messages.showFailure(kMsgSettingsFileNotOpened, opened.error);
    return 1;
  }
  if (bytes.empty() && rules.emptyFileReadsAsNothing) return 0;
  if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') {
    messages.readFailure(path);
    return 1;
  }
  if (reset) reset();
  // The bytes are decoded read by read, so a long file is never held twice.
  const std::string_view units = std::string_view(bytes).substr(2);
  size_t at = 0;
  splitReads(
      [&](std::u16string& buffer) {
        buffer = fromUtf16LeBytes(units.substr(std::min(at, units.size()), 2 * kReadUnits));
        at += 2 * kReadUnits;
        return std::u16string_view(buffer);
      },
      rules.lineLimit, parseLine);
  return 0;
}

std::string settingsTextBytes(const std::vector<std::u16string>& lines) {
  size_t units = 0;
  for (const std::u16string& line : lines) units += line.size();
  std::string bytes;
  bytes.reserve(2 + units * 2);
  bytes += "\xFF\xFE";
  for (const std::u16string& line : lines) bytes += toUtf16LeBytes(line);
  return bytes;
}

bool writeSettingsText(FileSystem& files, Messages& messages, const std::u16string& path,
                       const std::vector<std::u16string>& lines) {
  return writeSettingsBytes(files, messages, path, settingsTextBytes(lines));
}

bool writeSettingsBytes(FileSystem& files, Messages& messages, const std::u16string& path,
                        std::string_view bytes) {
  const PortResult written = files.replaceFile(path, bytes);
  if (written) return true;
  messages.showFailure(kMsgSettingsFileNotOpened, written.error);
  return false;
}

int32_t settingsNumber(std::u16string_view value) {
  size_t i = 0;
  while (i < value.size() && isBlank(value[i])) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) negative = value[i++] == u'-';
  int64_t magnitude = 0;
  for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
    magnitude = magnitude * 10 + (value[i] - u'0');
    if (magnitude > int64_t{INT32_MAX} + 1) magnitude = int64_t{INT32_MAX} + 1;
  }
  const int64_t signed_value = negative ? -magnitude : magnitude;
  if (signed_value > INT32_MAX) return INT32_MAX;
  return static_cast<int32_t>(signed_value);
}

std::u16string decimalText(int32_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

std::u16string taggedFilePath(std::u16string_view path, std::u16string_view tag) {
  const std::size_t slash = path.rfind(u'\\');
  const std::size_t dot = path.rfind(u'.');
  const bool hasExtension = dot != std::u16string_view::npos && (slash == std::u16string_view::npos || dot > slash);
  std::u16string tagged(path.substr(0, hasExtension ? dot : path.size()));
  tagged += u'.';
  tagged += tag;
  if (hasExtension) tagged += path.substr(dot);
  return tagged;
}

std::u16string settingsFilePath(std::u16string_view folder, std::u16string_view name) {
  std::u16string path(folder);
  path += u'\\';
  path += name;
  return path;
}

}  // namespace dovevar
