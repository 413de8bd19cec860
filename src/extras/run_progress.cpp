#include "extras/run_progress.h"

#include "extras/extras_texts.h"
#include "script/batch_runner.h"
#include "store/settings_text.h"

namespace dovevar {
namespace {

std::u16string twoDigits(std::int64_t value) {
  return (value < 10 ? u"0" : u"") + decimalText(static_cast<std::int32_t>(value));
}

std::u16string count(int value) { return decimalText(value); }

}  // namespace

std::u16string durationText(std::int64_t milliseconds) {
  const std::int64_t seconds = milliseconds > 0 ? milliseconds / 1000 : 0;
  const std::int64_t hours = seconds / 3600;
  const std::int64_t minutes = seconds / 60 % 60;
  if (hours == 0) return decimalText(static_cast<std::int32_t>(minutes)) + u":" + twoDigits(seconds % 60);
  return decimalText(static_cast<std::int32_t>(hours)) + u":" + twoDigits(minutes) + u":" +
         twoDigits(seconds % 60);
}

std::int64_t remainingEstimate(std::int64_t elapsedMilliseconds, int endedRows, int totalRows) {
  if (endedRows <= 0) return -1;
  const int left = totalRows > endedRows ? totalRows - endedRows : 0;
  return elapsedMilliseconds / endedRows * left;
}

std::u16string progressLine(int language, int ordinal, int total, std::u16string_view fileName,
                            std::int64_t elapsedMilliseconds, std::int64_t remainingMilliseconds) {
  if (remainingMilliseconds < 0) return progressText(ordinal, total, fileName);
  return fillText(extrasText(language, ExtrasText::kProgress),
                  {count(ordinal), count(total), fileName, durationText(elapsedMilliseconds),
                   durationText(remainingMilliseconds)});
}

std::u16string wholeListLine(int language, int rows) {
  return fillText(extrasText(language, ExtrasText::kWholeListRunning), {count(rows)});
}

std::u16string summaryLine(int language, int done, int failed) {
  return fillText(extrasText(language, ExtrasText::kSummary), {count(done), count(failed)});
}

std::u16string stoppedLine(int language, int done, int notDone) {
  return fillText(extrasText(language, ExtrasText::kStoppedSummary), {count(done), count(notDone)});
}

std::u16string rowsAtOnceLine(int language, int done, int running, int left, std::int64_t elapsedMilliseconds,
                              std::int64_t remainingMilliseconds) {
  if (remainingMilliseconds < 0) {
    return fillText(extrasText(language, ExtrasText::kRowsAtOnceStarting), {count(done), count(running), count(left)});
  }
  return fillText(extrasText(language, ExtrasText::kRowsAtOnce),
                  {count(done), count(running), count(left), durationText(elapsedMilliseconds),
                   durationText(remainingMilliseconds)});
}

}  // namespace dovevar
