#include "extras/extras_settings.h"

#include <vector>

#include "script/cad_workers.h"
#include "store/settings_text.h"
#include "store/text_codec.h"

namespace dovevar {
namespace {

constexpr std::u16string_view kCheckBeforeRunKey = u"check_before_run=";
constexpr std::u16string_view kWatchdogSecondsKey = u"watchdog_seconds=";
constexpr std::u16string_view kCadAtOnceKey = u"cad_at_once=";

std::u16string extrasPath(std::u16string_view folder) {
  return settingsFilePath(folder, kExtrasFileName);
}

}  // namespace

int watchdogSecondsFromText(std::u16string_view text) {
  const int seconds = settingsNumber(text);
  return seconds > 0 && seconds <= kMaxWatchdogSeconds ? seconds : 0;
}

int cadAtOnceFromText(std::u16string_view text) {
  const int count = settingsNumber(text);
  return count >= 1 && count <= kMaxCadAtOnce ? count : 1;
}

ExtrasSettings parseExtrasSettings(std::string_view bytes) {
  ExtrasSettings settings;
  if (bytes.size() < 2 || bytes.substr(0, 2) != "\xFF\xFE") return settings;
  const std::u16string text = fromUtf16LeBytes(bytes.substr(2));
  // The last occurrence of a key wins, as in every stored file.
  splitSettingsLines(text, kSettingsLineLimit, [&settings](std::u16string_view line) {
    if (line.starts_with(kCheckBeforeRunKey)) {
      settings.checkBeforeRun = settingsNumber(line.substr(kCheckBeforeRunKey.size())) == 1;
    } else if (line.starts_with(kWatchdogSecondsKey)) {
      settings.watchdogSeconds = watchdogSecondsFromText(line.substr(kWatchdogSecondsKey.size()));
    } else if (line.starts_with(kCadAtOnceKey)) {
      settings.cadAtOnce = cadAtOnceFromText(line.substr(kCadAtOnceKey.size()));
    } else {
      readWindowMemoryLine(line, settings.window);
    }
  });
  return settings;
}

ExtrasSettings readExtrasSettings(FileSystem& files, std::u16string_view folder) {
  std::string bytes;
  if (files.readFile(extrasPath(folder), false, bytes) != FileSystem::ReadResult::kRead) return {};
  return parseExtrasSettings(bytes);
}

bool writeExtrasSettings(FileSystem& files, Messages& messages, std::u16string_view folder,
                         const ExtrasSettings& settings) {
  std::vector<std::u16string> lines = {
      std::u16string(kCheckBeforeRunKey) + (settings.checkBeforeRun ? u"1" : u"0") + u"\r\n",
      std::u16string(kWatchdogSecondsKey) + decimalText(settings.watchdogSeconds) + u"\r\n",
  };
  if (settings.cadAtOnce != 1) lines.push_back(std::u16string(kCadAtOnceKey) + decimalText(settings.cadAtOnce) + u"\r\n");
  for (std::u16string& line : windowMemoryLines(settings.window)) lines.push_back(std::move(line));
  return writeSettingsText(files, messages, extrasPath(folder), lines);
}

}  // namespace dovevar
