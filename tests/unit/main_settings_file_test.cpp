#include "store/main_settings_file.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/scripted_messages.h"
#include "fakes/scripted_ui.h"
#include "store/settings_text.h"

namespace dovevar {
namespace {

class MainSettingsFile : public ::testing::Test, protected ScriptedMessages {
 protected:
  MainSettingsFile() : ScriptedMessages(kJapanese) {}

  const std::u16string folder = u"C:\\work";
  const std::u16string path = u"C:\\work\\Dovevar.ini";
  FakeFileSystem files;
  Settings settings;

  Settings readText(std::u16string_view text) {
    files.putText(path, text);
    Settings read;
    read.autocad_file = u"left from before";
    EXPECT_EQ(readMainSettings(files, messages, folder, read), 0);
    return read;
  }
};

TEST_F(MainSettingsFile, TheDefaultsAreWrittenAsAll146LinesInTheirOrder) {
  const auto lines = mainSettingsLines(settings);
  ASSERT_EQ(lines.size(), 146u);
  EXPECT_EQ(lines[0], u"file_folder=\r\n");
  EXPECT_EQ(lines[5], u"scrpit_type=0\r\n");
  EXPECT_EQ(lines[7], u"file_set.fp_ps[0].search=\r\n");
  EXPECT_EQ(lines[18], u"file_set.fp_ps[3].paper=\r\n");
  EXPECT_EQ(lines[27], u"prohibition_print0=\r\n");
  EXPECT_EQ(lines[42], u"prohibition_print15=\r\n");
  EXPECT_EQ(lines[43], u"print_paper_ab=0\r\n");
  EXPECT_EQ(lines[46], u"file_folder_tbl00-00=\r\n");
  EXPECT_EQ(lines[66], u"file_folder_set00-00=\r\n");
  EXPECT_EQ(lines[71], u"file_folder_tbl01-00=\r\n");
  EXPECT_EQ(lines[145], u"file_folder_set03-04=\r\n");
}

TEST_F(MainSettingsFile, EverySettingSurvivesARestart) {
  settings.file_folder = u"D:\\図面\\2026";
  settings.autocad_file = u"C:\\CAD\\cad.exe";
  settings.ctb_file = u"C:\\CAD\\Plot Styles";
  settings.temp_file = u"C:\\work\\atcprint.scr";
  settings.end_file_dwg = u"C:\\work\\endfile.dwg";
  settings.scrpit_type = 19;
  settings.file_set.ps = 1;
  settings.file_set.fp_ps[2] = {u"A3", u"Printer \"B\"", u"ISO A3 (297 x 420 mm)"};
  settings.file_set.ds = 1;
  settings.file_set.search_d1 = u"縦";
  settings.file_set.search_d2 = u"yoko";
  settings.file_set.ss = 65535;
  settings.file_set.search_s3 = u"= x =";
  settings.file_set.chg_on = 1;
  settings.prohibition_print[15] = u"Fax";
  settings.print_paper_ab = -1;
  settings.moji_type = kKorean;
  settings.prohibition_plmode = 1;
  settings.file_folder_tbl[3][19] = u"\\\\server\\share";
  settings.file_folder_set[1][4] = u"C:\\fav";
  ASSERT_TRUE(writeMainSettings(files, messages, folder, settings));

  Settings read;
  ASSERT_EQ(readMainSettings(files, messages, folder, read), 0);
  EXPECT_EQ(mainSettingsLines(read), mainSettingsLines(settings));
  EXPECT_EQ(read.file_set.fp_ps[2].paper, u"ISO A3 (297 x 420 mm)");
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(MainSettingsFile, TextsLongerThanTheirFieldLeaveItEmpty) {
  const Settings read = readText(
      u"file_set.search_d1=12345678\r\n"
      u"file_set.search_d2=1234567\r\n"
      u"file_folder=first\r\n"
      u"file_folder=" + std::u16string(260, u'x') + u"\r\n"
      u"autocad_file=" + std::u16string(259, u'y') + u"\r\n");
  EXPECT_EQ(read.file_set.search_d1, u"");
  EXPECT_EQ(read.file_set.search_d2, u"1234567");
  EXPECT_EQ(read.file_folder, u"");
  EXPECT_EQ(read.autocad_file.size(), 259u);
}

TEST_F(MainSettingsFile, NumbersKeepTheLowBitsOfTheirWidth) {
  const Settings read = readText(
      u"print_paper_ab=300\r\nfile_set.ps=65537\r\nfile_set.chg_on=-1\r\nprohibition_plmode=2147483648\r\n");
  EXPECT_EQ(read.print_paper_ab, 44);
  EXPECT_EQ(read.file_set.ps, 1);
  EXPECT_EQ(read.file_set.chg_on, 65535);
  EXPECT_EQ(read.prohibition_plmode, 2147483647);

  Settings negative = readText(u"print_paper_ab=255\r\n");
  EXPECT_EQ(mainSettingsLines(negative)[43], u"print_paper_ab=-1\r\n");
}

TEST_F(MainSettingsFile, AnOverlongNumberTextKeepsTheEarlierValue) {
  const Settings read = readText(u"file_set.ps=5\r\nfile_set.ps=" + std::u16string(288, u'7') + u"\r\n");
  EXPECT_EQ(read.file_set.ps, 5);
  // One character less is converted.
  EXPECT_EQ(readText(u"file_set.ps=" + std::u16string(286, u'0') + u"7\r\n").file_set.ps, 7);
}

TEST_F(MainSettingsFile, OnlyTheExactKeysAreRecognisedAndTheLastOneWins) {
  const Settings read = readText(
      u"prohibition_print16=sixteen\r\n"
      u"file_folder_tbl04-00=kind four\r\n"
      u"file_folder_tbl00-20=slot twenty\r\n"
      u"File_folder=case\r\n"
      u"ctb_file =blank\r\n"
      u"temp_file= spaced\r\n"
      u"end_file_dwg=one\r\nend_file_dwg=two\r\n"
      u"prohibition_print1=kept\r\n");
  Settings expected;
  expected.temp_file = u" spaced";
  expected.end_file_dwg = u"two";
  expected.prohibition_print[1] = u"kept";
  EXPECT_EQ(mainSettingsLines(read), mainSettingsLines(expected));
}

TEST_F(MainSettingsFile, AFileWithOnlyTheLanguageGivesEnglishAndDefaultsForTheRest) {
  const Settings read = readText(u"moji_type=1\r\n");
  Settings expected;
  expected.moji_type = kEnglish;
  EXPECT_EQ(mainSettingsLines(read), mainSettingsLines(expected));
}

TEST_F(MainSettingsFile, ASetOrLanguageOutOfRangeIsTakenAsTheFirst) {
  for (const char16_t* text : {u"scrpit_type=20\r\nmoji_type=4\r\n", u"scrpit_type=-1\r\nmoji_type=-3\r\n"}) {
    const Settings read = readText(text);
    EXPECT_EQ(read.scrpit_type, 0);
    EXPECT_EQ(read.moji_type, 0);
  }
  EXPECT_EQ(readText(u"scrpit_type=19\r\nmoji_type=3\r\n").scrpit_type, 19);
}

TEST_F(MainSettingsFile, AMissingFileResetsSilentlyAndAnUnreadableOneChangesNothing) {
  settings.autocad_file = u"C:\\CAD\\cad.exe";
  EXPECT_EQ(readMainSettings(files, messages, folder, settings), 1);
  EXPECT_EQ(settings.autocad_file, u"");
  EXPECT_TRUE(ui.boxes.empty());

  settings.autocad_file = u"C:\\CAD\\cad.exe";
  files.files[path] = "autocad_file=C:\\other.exe\r\n";  // saved as 8-bit text
  EXPECT_EQ(readMainSettings(files, messages, folder, settings), 1);
  EXPECT_EQ(settings.autocad_file, u"C:\\CAD\\cad.exe");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].title, u"ErrorFileRead");
}

TEST_F(MainSettingsFile, AFailedWriteIsReportedAndTheOldFileStays) {
  files.putText(path, u"moji_type=2\r\n");
  files.unwritable.insert(path);
  texts.messages[18][kJapanese] = {u"書けません", u"Dovevar"};
  EXPECT_FALSE(writeMainSettings(files, messages, folder, settings));
  EXPECT_EQ(files.text(path), u"moji_type=2\r\n");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, u"書けません");
}

}  // namespace
}  // namespace dovevar
