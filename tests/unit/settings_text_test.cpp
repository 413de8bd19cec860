#include "store/settings_text.h"

#include <gtest/gtest.h>

#include "platform/read_whole.h"
#include "platform/retry.h"
#include "store/path_key.h"

#include "fakes/fake_file_system.h"
#include "fakes/scripted_messages.h"
#include "fakes/scripted_ui.h"

namespace dovevar {
namespace {

std::vector<std::u16string> splitAll(std::u16string_view text, size_t limit = kSettingsLineLimit) {
  std::vector<std::u16string> lines;
  splitSettingsLines(text, limit, [&](std::u16string_view line) { lines.emplace_back(line); });
  return lines;
}

TEST(SettingsTextLines, LinesEndAtCrLfAndTheLastLineWithoutLineEndIsNeverParsed) {
  EXPECT_EQ(splitAll(u"a=1\r\n\r\nb=2\r\nc=3"), (std::vector<std::u16string>{u"a=1", u"", u"b=2"}));
  // The code unit before a bare LF is taken for the CR.
  EXPECT_EQ(splitAll(u"key=value\nx\n"), (std::vector<std::u16string>{u"key=valu", u""}));
  EXPECT_TRUE(splitAll(u"").empty());
}

TEST(SettingsTextLines, LinesAcrossManyReadsComeOutWhole) {
  std::u16string text;
  std::vector<std::u16string> expected;
  for (int i = 0; i < 200; ++i) {
    expected.push_back(u"file_folder_tbl00-00=C:\\drawings\\" + std::u16string(static_cast<size_t>(i % 97), u'x'));
    text += expected.back() + u"\r\n";
  }
  EXPECT_EQ(splitAll(text), expected);
}

TEST(SettingsTextLines, AnOverlongLineIsCutAndTheReadingGoesOn) {
  const std::u16string huge(100000, u'v');
  const auto lines = splitAll(u"a=" + huge + u"\r\nb=2\r\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], u"a=" + std::u16string(kSettingsLineLimit - 2, u'v'));
  EXPECT_EQ(lines[1], u"b=2");
  // A longer limit, as the List files use, keeps longer lines whole.
  EXPECT_EQ(splitAll(u"a=" + std::u16string(500, u'v') + u"\r\n", 511)[0].size(), 502u);
}

TEST(SettingsTextLines, AZeroCodeUnitEndsTheTextOfItsRead) {
  std::u16string text = u"a=1\r\nb=2";
  text += u'\0';
  text += u"junk\r\n";
  // The rest of the read after the zero is gone; "b=2" waits for a line end that a
  // later read would have to bring.
  EXPECT_EQ(splitAll(text), (std::vector<std::u16string>{u"a=1"}));
}

// A file read chunk by chunk is the whole file or a failure: a read that fails part of
// the way through never passes for a shorter file.
TEST(ReadWhole, AReadThatFailsHalfwayGivesNothing) {
  struct Case {
    std::vector<std::string> chunks;
    bool failsAfterThem;
    bool read;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {{"ab", "cd"}, false, true, "abcd"},
      {{}, false, true, ""},
      {{"ab", "cd"}, true, false, ""},
      {{}, true, false, ""},
  };
  for (const Case& c : cases) {
    std::size_t next = 0;
    std::string bytes = "stale";
    const bool read = readWhole(
        [&](char* buffer, std::size_t capacity, std::size_t& got) {
          got = 0;
          if (next == c.chunks.size()) return !c.failsAfterThem;
          got = c.chunks[next].copy(buffer, capacity);
          ++next;
          return true;
        },
        bytes);
    EXPECT_EQ(read, c.read) << c.chunks.size() << " chunks";
    EXPECT_EQ(bytes, c.bytes) << c.chunks.size() << " chunks";
  }
}

// A replace another program holds up for a moment is tried again; a failure for good,
// or one that lasts, counts after as many tries as it takes.
TEST(RetryTransient, TriesAgainOnlyWhatMayPassAndOnlySoOften) {
  struct Case {
    int failuresBeforeSuccess;
    bool transient;
    bool done;
    int attempts;
  };
  for (const Case& c : {Case{0, true, true, 1}, Case{3, true, true, 4}, Case{9, true, true, 10},
                        Case{10, true, false, 10}, Case{3, false, false, 1}}) {
    int attempts = 0;
    int pauses = 0;
    const bool done = retryTransient([&] { return ++attempts > c.failuresBeforeSuccess; },
                                     [&](bool) { return c.transient; }, [&] { ++pauses; }, 10);
    EXPECT_EQ(done, c.done) << c.failuresBeforeSuccess;
    EXPECT_EQ(attempts, c.attempts) << c.failuresBeforeSuccess;
    EXPECT_EQ(pauses, attempts - 1) << c.failuresBeforeSuccess;
  }
}

// One settings folder, one name for the objects that guard it, however it is written.
TEST(PathKey, TheSameFolderInAnyLetterCaseGivesTheSameKey) {
  EXPECT_EQ(pathKey(u"C:\\Plans\\Night"), pathKey(u"c:\\PLANS\\night\\"));
  EXPECT_NE(pathKey(u"C:\\Plans\\Night"), pathKey(u"C:\\Plans\\Day"));
  EXPECT_EQ(pathKey(u"C:\\Plans").size(), 16u);
  EXPECT_EQ(pathKey(u"C:\\Plans").find_first_not_of(u"0123456789abcdef"), std::u16string::npos);
}

TEST(SettingsNumber, ConvertsLikeADecimalTextToIntegerAndClampsBeyond32Bits) {
  EXPECT_EQ(settingsNumber(u"42"), 42);
  EXPECT_EQ(settingsNumber(u"  -12abc"), -12);
  EXPECT_EQ(settingsNumber(u"+7"), 7);
  EXPECT_EQ(settingsNumber(u"abc"), 0);
  EXPECT_EQ(settingsNumber(u"- 5"), 0);
  EXPECT_EQ(settingsNumber(u"3 Value"), 3);
  EXPECT_EQ(settingsNumber(u""), 0);
  EXPECT_EQ(settingsNumber(u"2147483647"), 2147483647);
  EXPECT_EQ(settingsNumber(u"2147483648"), 2147483647);
  EXPECT_EQ(settingsNumber(u"-2147483648"), -2147483647 - 1);
  EXPECT_EQ(settingsNumber(u"-99999999999999999999999"), -2147483647 - 1);
}

class SettingsTextFile : public ::testing::Test, protected ScriptedMessages {
 protected:
  const std::u16string path = u"C:\\work\\file.ini";
  FakeFileSystem files;
  std::vector<std::u16string> parsed;
  int resets = 0;

  void SetUp() override {
    texts.labels[kLabelsC][78][kEnglish] = u"could not be read";
    texts.messages[18][kEnglish] = {u"cannot open", u"File"};
  }

  int read(SettingsFileRules rules) {
    return readSettingsText(files, messages, path, rules, [&] { ++resets; },
                            [&](std::u16string_view line) { parsed.emplace_back(line); });
  }
};

TEST_F(SettingsTextFile, AFileWithoutByteOrderMarkIsReportedAndLeavesTheRecordsAlone) {
  const std::string wrongForms[] = {"key=value\r\n", "\xFE\xFFk\0=\0", "", "\xFF"};
  for (const std::string& bytes : wrongForms) {
    files.files[path] = bytes;
    ui.boxes.clear();
    EXPECT_EQ(read({}), 1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, u"C:\\work\\file.ini,could not be read");
    EXPECT_EQ(ui.boxes[0].title, u"ErrorFileRead");
    EXPECT_EQ(ui.boxes[0].style, UiPort::BoxStyle::kExclamation);
  }
  EXPECT_EQ(resets, 0);
  EXPECT_TRUE(parsed.empty());
}

TEST_F(SettingsTextFile, OpeningRulesDecideWhatAMissingOrLockedFileDoes) {
  // Must exist and silent: the Main settings file resets and says nothing.
  SettingsFileRules mainSettings;
  mainSettings.silentWhenNotOpened = true;
  mainSettings.resetWhenNotOpened = true;
  EXPECT_EQ(read(mainSettings), 1);
  EXPECT_EQ(resets, 1);
  EXPECT_TRUE(ui.boxes.empty());

  // Create if missing: the file is made empty, then rejected as having no mark...
  SettingsFileRules created;
  created.createIfMissing = true;
  EXPECT_EQ(read(created), 1);
  EXPECT_EQ(files.files.count(path), 1u);
  EXPECT_EQ(ui.boxes.back().title, u"ErrorFileRead");
  // ...unless an empty file is an empty list.
  created.emptyFileReadsAsNothing = true;
  ui.boxes.clear();
  EXPECT_EQ(read(created), 0);
  EXPECT_TRUE(ui.boxes.empty());

  // A file another process holds: interface message 18.
  files.unopenable.insert(path);
  EXPECT_EQ(read(created), 1);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, u"cannot open");
  EXPECT_EQ(ui.boxes[0].style, UiPort::BoxStyle::kPlain);
}

TEST_F(SettingsTextFile, AGoodFileIsResetThenParsedLineByLine) {
  files.putText(path, u"a=1\r\nb= 2\r\n");
  EXPECT_EQ(read({}), 0);
  EXPECT_EQ(resets, 1);
  EXPECT_EQ(parsed, (std::vector<std::u16string>{u"a=1", u"b= 2"}));
}

TEST_F(SettingsTextFile, WritingGivesTheMarkAndTheLinesAndAFailureKeepsTheOldFile) {
  EXPECT_TRUE(writeSettingsText(files, messages, path, {u"a=1\r\n", u"b=\r\n"}));
  EXPECT_EQ(files.files[path], std::string("\xFF\xFE" "a\0=\0" "1\0\r\0\n\0" "b\0=\0\r\0\n\0", 20));

  files.unwritable.insert(path);
  EXPECT_FALSE(writeSettingsText(files, messages, path, {u"c=3\r\n"}));
  EXPECT_EQ(files.text(path), u"a=1\r\nb=\r\n");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, u"cannot open");
}

}  // namespace
}  // namespace dovevar
