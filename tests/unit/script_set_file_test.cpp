#include "script/script_set_file.h"

#include <gtest/gtest.h>

#include <memory>

#include "fakes/fake_file_system.h"
#include "fakes/scripted_messages.h"
#include "fakes/scripted_ui.h"
#include "store/settings_text.h"
#include "store/text_codec.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

ScriptItem plotItem() {
  ScriptItem item;
  item.in_use = 1;
  item.title = u"用紙";
  item.output_mode = 4;
  item.display_mode = 4;
  item.edit_mode = 2;
  item.width = 120;
  item.select_text = {u"A3", u"A4", u"", u"", u"B4"};
  item.initial_value = u"A3";
  item.command = u"-plot";
  return item;
}

class ScriptSetFile : public ::testing::Test, protected ScriptedMessages {
 protected:
  ScriptSetFile() : ScriptedMessages(kJapanese) {}

  const std::u16string folder = u"C:\\work";
  const std::u16string path = u"C:\\work\\sprct_set_j.ini";
  FakeFileSystem files;
  // The table is about 300 KB; keep it off the stack.
  std::unique_ptr<ScriptSetTable> table = std::make_unique<ScriptSetTable>();

  void SetUp() override {
    for (const int number : {kMsgSettingsFileNotOpened, kMsgImportNotDone, kMsgExportNotDone,
                             kMsgAskReplaceExportFile, kMsgTransferFinished}) {
      texts.messages[number][kJapanese] = {u"M" + utf8ToUtf16(std::to_string(number)), u"Dovevar"};
    }
    texts.labels[kLabelsC][kLabelCImportTitle][kJapanese] = u"読み込み";
    texts.labels[kLabelsC][kLabelCExportTitle][kJapanese] = u"書き出し";
  }

  // The texts of the boxes shown so far, in order.
  std::vector<std::u16string> shown() const {
    std::vector<std::u16string> boxes;
    for (const ScriptedUi::Box& box : ui.boxes) boxes.push_back(box.text);
    return boxes;
  }

  ScriptSetTable& readText(std::u16string_view text) {
    files.putText(path, text);
    EXPECT_EQ(readScriptSets(files, messages, folder, kJapanese, *table), 0);
    return *table;
  }
};

// ---- The Script set file -------------------------------------------------------------

TEST_F(ScriptSetFile, IsWrittenAsTitleLinesThenThirteenLinesPerItemInUse) {
  table->sets[0].in_use = 1;
  table->sets[0].title = u"A3 plot";
  table->sets[0].items[0] = plotItem();
  table->sets[0].items[1].title = u"not in use";  // not written
  table->sets[12].in_use = 1;                    // written with its empty title
  table->sets[12].items[3].in_use = -2;
  table->sets[12].items[3].width = -1;
  table->sets[4].title = u"flag not set";  // no title line
  ASSERT_TRUE(writeScriptSets(files, messages, folder, kJapanese, *table));

  const std::u16string expected =
      u"T00=A3 plot\r\nT12=\r\n"
      u"00,00.m=1\r\n00,00.t=用紙\r\n00,00.o=4\r\n00,00.p=4\r\n00,00.e=2\r\n00,00.w=120\r\n"
      u"00,00.s0=A3\r\n00,00.s1=A4\r\n00,00.s2=\r\n00,00.s3=\r\n00,00.s4=B4\r\n"
      u"00,00.f=A3\r\n00,00.k=-plot\r\n"
      u"12,03.m=-2\r\n12,03.t=\r\n12,03.o=0\r\n12,03.p=0\r\n12,03.e=0\r\n12,03.w=-1\r\n"
      u"12,03.s0=\r\n12,03.s1=\r\n12,03.s2=\r\n12,03.s3=\r\n12,03.s4=\r\n12,03.f=\r\n12,03.k=\r\n";
  EXPECT_EQ(files.files[path], "\xFF\xFE" + toUtf16LeBytes(expected));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ScriptSetFile, ReadsBackEveryFieldAtFullLength) {
  ScriptSet& set = table->sets[19];
  set.in_use = 1;
  set.title = std::u16string(63, u'題');
  for (int i = 0; i < kScriptItemCount; ++i) {
    ScriptItem& item = set.items[i];
    item = plotItem();
    item.in_use = i + 1;
    item.title = std::u16string(15, u't');
    item.select_text[4] = std::u16string(15, u's');
    item.initial_value = std::u16string(127, u'=');  // an "=" in a value is just text
    item.command = std::u16string(15, u'k');
    item.width = -2147483647 - 1;
  }
  table->sets[7].items[49] = plotItem();
  ASSERT_TRUE(writeScriptSets(files, messages, folder, kJapanese, *table));

  auto read = std::make_unique<ScriptSetTable>();
  ASSERT_EQ(readScriptSets(files, messages, folder, kJapanese, *read), 0);
  EXPECT_EQ(read->sets, table->sets);
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ScriptSetFile, EachLanguageHasItsOwnFileAndOthersFailAsAnOpenFailure) {
  EXPECT_EQ(scriptSetFileName(kJapanese), u"sprct_set_j.ini");
  EXPECT_EQ(scriptSetFileName(kEnglish), u"sprct_set_e.ini");
  EXPECT_EQ(scriptSetFileName(kKorean), u"sprct_set_k.ini");
  EXPECT_EQ(scriptSetFileName(kChinese), u"sprct_set_c.ini");

  table->sets[0].in_use = 1;
  ASSERT_TRUE(writeScriptSets(files, messages, folder, kKorean, *table));
  EXPECT_EQ(files.text(u"C:\\work\\sprct_set_k.ini"), u"T00=\r\n");

  for (const int outside : {-1, 4}) {
    EXPECT_EQ(readScriptSets(files, messages, folder, outside, *table), 1);
    EXPECT_FALSE(writeScriptSets(files, messages, folder, outside, *table));
  }
  EXPECT_EQ(shown(), std::vector<std::u16string>(4, u"M18"));
  EXPECT_EQ(files.files.size(), 1u);
}

TEST_F(ScriptSetFile, TitlesLongerThan63AndTextsLongerThanTheirFieldAreIgnored) {
  table->sets[5].in_use = 0;
  const ScriptSetTable& read = readText(
      u"T05=" + std::u16string(64, u'x') + u"\r\n"
      u"T06=" + std::u16string(63, u'y') + u"\r\n"
      u"01,02.t=" + std::u16string(16, u't') + u"\r\n"
      u"01,03.t=fits in fifteen\r\n"
      u"01,03.t=" + std::u16string(16, u'u') + u"\r\n"
      u"01,04.f=" + std::u16string(128, u'f') + u"\r\n"
      u"01,04.k=" + std::u16string(16, u'k') + u"\r\n"
      u"01,04.s2=" + std::u16string(16, u's') + u"\r\n");
  EXPECT_EQ(read.sets[5].title, u"");
  EXPECT_EQ(read.sets[5].in_use, 0) << "an ignored title line does not set the flag";
  EXPECT_EQ(read.sets[6].title, std::u16string(63, u'y'));
  EXPECT_EQ(read.sets[6].in_use, 1);
  EXPECT_EQ(read.sets[1].items[2].title, u"");
  EXPECT_EQ(read.sets[1].items[3].title, u"fits in fifteen") << "the earlier value stays";
  EXPECT_EQ(read.sets[1].items[4], ScriptItem{});
}

TEST_F(ScriptSetFile, ItemLinesAreReadByFixedPositionsWithoutATitleLineOrInUseItem) {
  table->sets[3].in_use = 0;
  table->sets[8].in_use = 1;  // left from the previous language's file
  table->sets[8].title = u"old";
  const ScriptSetTable& read = readText(
      u"03,01.w= 120px\r\n"   // blanks before and text after the digits
      u"03,01.s4=last\r\n"
      u"03;01:m=7\r\n"        // the separators are not checked
      u"03,02.t=x\r\n"        // item 2 is not in use; the line still counts
      u"3,01.t=unpadded\r\n"  // shifted: "3," is set 3 but "1." item 1 has key letter "="
      u"3,01.m=1\r\n");
  EXPECT_EQ(read.sets[3].items[1].width, 120);
  EXPECT_EQ(read.sets[3].items[1].select_text[4], u"last");
  EXPECT_EQ(read.sets[3].items[1].in_use, 7);
  EXPECT_EQ(read.sets[3].items[1].title, u"");
  EXPECT_EQ(read.sets[3].items[2].title, u"x");
  EXPECT_EQ(read.sets[3].in_use, 0);
  EXPECT_EQ(read.sets[3].title, u"");
  EXPECT_EQ(read.sets[8].in_use, 1) << "the reset clears titles, not the flags";
  EXPECT_EQ(read.sets[8].title, u"");
}

TEST_F(ScriptSetFile, LinesOutOfRangeOrWithUnknownKeysChangeNothing) {
  const ScriptSetTable& read = readText(
      u"T20=set twenty\r\nT-1=minus\r\n"
      u"20,00.m=1\r\n00,50.m=1\r\n-1,00.m=1\r\n"
      u"00,00.s5=five\r\n00,00.s=none\r\n00,00.x=9\r\n00,00.M=1\r\n"
      u"\r\n00\r\n");
  auto empty = std::make_unique<ScriptSetTable>();
  EXPECT_EQ(read.sets, empty->sets);
}

TEST_F(ScriptSetFile, AFileThatCannotBeReadLeavesTheSetsAsTheyWere) {
  table->sets[2].title = u"kept";
  table->sets[2].items[0] = plotItem();
  const auto before = table->sets;

  // A missing file is created empty and then rejected.
  EXPECT_EQ(readScriptSets(files, messages, folder, kJapanese, *table), 1);
  EXPECT_EQ(files.files.at(path), "");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].title, u"ErrorFileRead");

  files.files[path] = "T00=ansi\r\n";
  EXPECT_EQ(readScriptSets(files, messages, folder, kJapanese, *table), 1);
  EXPECT_EQ(ui.boxes.size(), 2u);

  files.unopenable.insert(path);
  EXPECT_EQ(readScriptSets(files, messages, folder, kJapanese, *table), 1);
  EXPECT_EQ(ui.boxes.back().text, u"M18");
  EXPECT_EQ(table->sets, before);
}

// ---- Export ---------------------------------------------------------------------------

class ScriptSetExport : public ScriptSetFile {
 protected:
  const std::u16string datPath = u"D:\\exchange\\plot.dat";

  void SetUp() override {
    ScriptSetFile::SetUp();
    table->edited_set = 4;
    table->sets[4].title = u"Plot A3";
  }
};

TEST_F(ScriptSetExport, ProposesTheSetTitleInTheSettingsFolderAndCancelWritesNothing) {
  EXPECT_EQ(exportScriptSetCommand(files, messages, folder, *table), 1);
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  const UiPort::FileDialog& dialog = ui.fileDialogs[0];
  EXPECT_EQ(dialog.title, u"書き出し");
  EXPECT_EQ(dialog.initialPath, u"C:\\work\\Plot A3.dat");
  const std::vector<std::pair<std::u16string, std::u16string>> filters = {
      {u"DatFile(*.dat)", u"*.dat"}, {u"ALLFile(*.*)", u"*.*"}};
  EXPECT_EQ(dialog.filters, filters);
  EXPECT_EQ(dialog.filterIndex, 1);
  EXPECT_TRUE(files.files.empty());
  EXPECT_EQ(shown(), std::vector<std::u16string>{u"M48"});
}

TEST_F(ScriptSetExport, WritesTheItemsInUseWithUnpaddedNumbers) {
  table->sets[4].items[0] = plotItem();
  table->sets[4].items[0].select_text = {};
  table->sets[4].items[11].in_use = 1;
  table->sets[4].items[11].command = u"close";
  table->sets[4].items[12].title = u"not in use";
  ui.chosenPaths.push_back(datPath);
  EXPECT_EQ(exportScriptSetCommand(files, messages, folder, *table), 0);

  const std::u16string expected =
      u"0.m=1\r\n0.t=用紙\r\n0.o=4\r\n0.p=4\r\n0.e=2\r\n0.w=120\r\n"
      u"0.s0=\r\n0.s1=\r\n0.s2=\r\n0.s3=\r\n0.s4=\r\n0.f=A3\r\n0.k=-plot\r\n"
      u"11.m=1\r\n11.t=\r\n11.o=0\r\n11.p=0\r\n11.e=0\r\n11.w=0\r\n"
      u"11.s0=\r\n11.s1=\r\n11.s2=\r\n11.s3=\r\n11.s4=\r\n11.f=\r\n11.k=close\r\n";
  EXPECT_EQ(files.files[datPath], "\xFF\xFE" + toUtf16LeBytes(expected));
  EXPECT_EQ(shown(), std::vector<std::u16string>{u"M51"});
}

TEST_F(ScriptSetExport, ASetWithNoItemInUseGivesOnlyTheByteOrderMark) {
  table->sets[4].items[1] = plotItem();  // filled in but not in use
  table->sets[4].items[1].in_use = 0;
  ui.chosenPaths.push_back(datPath);
  EXPECT_EQ(exportScriptSet(files, messages, folder, *table), 0);
  EXPECT_EQ(files.files[datPath], "\xFF\xFE");
}

TEST_F(ScriptSetExport, AnExistingFileIsReplacedOnlyAfterYes) {
  table->sets[4].items[0] = plotItem();
  files.putText(datPath, u"0.m=1\r\n0.t=old\r\n");
  ui.chosenPaths.push_back(datPath);
  ui.answers.push_back(UiPort::kNo);
  EXPECT_EQ(exportScriptSetCommand(files, messages, folder, *table), 1);
  EXPECT_EQ(files.text(datPath), u"0.m=1\r\n0.t=old\r\n");
  EXPECT_EQ(files.replaceCalls, 0);
  EXPECT_EQ(shown(), (std::vector<std::u16string>{u"M50", u"M48"}));
  EXPECT_EQ(ui.boxes[0].style, UiPort::BoxStyle::kYesNo);

  ui.boxes.clear();
  ui.chosenPaths.push_back(datPath);
  ui.answers.push_back(UiPort::kYes);
  EXPECT_EQ(exportScriptSetCommand(files, messages, folder, *table), 0);
  EXPECT_EQ(files.files[datPath], settingsTextBytes(scriptSetExportLines(table->sets[4].items)));
  EXPECT_EQ(shown(), (std::vector<std::u16string>{u"M50", u"M51"}));
}

TEST_F(ScriptSetExport, AFileThatCannotBeWrittenIsReportedAndGivesOne) {
  files.unwritable.insert(datPath);
  ui.chosenPaths.push_back(datPath);
  EXPECT_EQ(exportScriptSetCommand(files, messages, folder, *table), 1);
  EXPECT_EQ(shown(), (std::vector<std::u16string>{u"M18", u"M48"}));
  EXPECT_EQ(files.files.count(datPath), 0u);
}

// ---- Import ---------------------------------------------------------------------------

class ScriptSetImport : public ScriptSetExport {
 protected:
  std::u16string lastImported = u"C:\\earlier.dat";

  int importText(std::u16string_view text) {
    files.putText(datPath, text);
    ui.chosenPaths.push_back(datPath);
    return importScriptSet(files, messages, folder, *table, lastImported);
  }
};

TEST_F(ScriptSetImport, StartsAtTheSettingsFolderAndCancelChangesNothing) {
  table->sets[4].items[0] = plotItem();
  EXPECT_EQ(importScriptSetCommand(files, messages, folder, *table, lastImported), 1);
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].title, u"読み込み");
  EXPECT_EQ(ui.fileDialogs[0].initialPath, u"C:\\work\\*.dat");
  EXPECT_EQ(ui.fileDialogs[0].filters.size(), 2u);
  EXPECT_EQ(table->sets[4].items[0], plotItem());
  EXPECT_EQ(lastImported, u"C:\\earlier.dat");
  EXPECT_EQ(shown(), std::vector<std::u16string>{u"M45"});
}

TEST_F(ScriptSetImport, AnExportedSetComesBackIntoAnotherSetKeepingItsTitleAndFlag) {
  for (const int i : {0, 1, 2, 30}) table->sets[4].items[i] = plotItem();
  table->sets[4].items[2].title = std::u16string(15, u'x');
  table->sets[4].items[2].initial_value = std::u16string(127, u'v');
  table->sets[4].items[30].width = -7;
  ui.chosenPaths.push_back(datPath);
  ASSERT_EQ(exportScriptSet(files, messages, folder, *table), 0);

  table->edited_set = 9;
  table->sets[9].in_use = 1;
  table->sets[9].title = u"target";
  table->sets[9].items[40] = plotItem();  // cleared by the import
  ui.chosenPaths.push_back(datPath);
  ui.boxes.clear();
  EXPECT_EQ(importScriptSetCommand(files, messages, folder, *table, lastImported), 0);
  EXPECT_EQ(table->sets[9].items, table->sets[4].items);
  EXPECT_EQ(table->sets[9].title, u"target");
  EXPECT_EQ(table->sets[9].in_use, 1);
  EXPECT_EQ(lastImported, datPath);
  EXPECT_EQ(shown(), std::vector<std::u16string>{u"M51"});
}

TEST_F(ScriptSetImport, AnItemsLinesCountOnlyAfterItsInUseLine) {
  ASSERT_EQ(importText(u"7.t=before\r\n7.w=5\r\n7.m=1\r\n7.t=after\r\n7.s4=five\r\n"
                       u"8.m=0\r\n8.t=ignored\r\n"
                       u"9.m=1\r\n9.t=kept\r\n9.m=0\r\n9.t=not taken\r\n"),
            0);
  const ScriptItems& items = table->sets[4].items;
  EXPECT_EQ(items[7].title, u"after");
  EXPECT_EQ(items[7].width, 0);
  EXPECT_EQ(items[7].select_text[4], u"five");
  EXPECT_EQ(items[8], ScriptItem{});
  EXPECT_EQ(items[9].in_use, 0);
  EXPECT_EQ(items[9].title, u"kept");
}

TEST_F(ScriptSetImport, KeysAreExactAndOverlongValuesLeaveTheFieldEmpty) {
  ASSERT_EQ(importText(u"0.m=1\r\n1.m=1\r\n10.m=1\r\n"
                       u"0.t=fits\r\n0.t=" + std::u16string(16, u't') + u"\r\n"
                       u"0.f=" + std::u16string(127, u'f') + u"\r\n"
                       u"0.k=" + std::u16string(16, u'k') + u"\r\n"
                       u"0.w=12\r\n0.w=" + std::u16string(287, u'9') + u"\r\n"
                       u"1.w=3\r\n1.w=" + std::u16string(288, u'1') + u"\r\n"
                       u"01.t=leading zero\r\n0.T=case\r\n0.t =blank\r\n1.s5=five\r\n50.m=1\r\n100.m=1\r\n"
                       u"10.e= -4x\r\n"),
            0);
  const ScriptItems& items = table->sets[4].items;
  EXPECT_EQ(items[0].title, u"");
  EXPECT_EQ(items[0].initial_value, std::u16string(127, u'f'));
  EXPECT_EQ(items[0].command, u"");
  EXPECT_EQ(items[0].width, 2147483647) << "the number clamps";
  EXPECT_EQ(items[1].width, 3) << "a number text of 288 characters is not converted";
  EXPECT_EQ(items[1].select_text, ScriptItem{}.select_text);
  EXPECT_EQ(items[1].title, u"");
  EXPECT_EQ(items[10].edit_mode, -4);
  EXPECT_EQ(items[11], ScriptItem{});
}

TEST_F(ScriptSetImport, AFileThatCannotBeReadKeepsTheItemsAndTheLastPath) {
  table->sets[4].items[0] = plotItem();
  ui.chosenPaths.push_back(u"D:\\missing.dat");
  EXPECT_EQ(importScriptSetCommand(files, messages, folder, *table, lastImported), 1);
  EXPECT_EQ(shown(), (std::vector<std::u16string>{u"M18", u"M45"}));
  EXPECT_EQ(files.files.count(u"D:\\missing.dat"), 0u) << "an import never creates the file";

  for (const std::string& bytes : {std::string(), std::string("0.m=1\r\n"), std::string("\xFE\xFF")}) {
    files.files[datPath] = bytes;
    ui.chosenPaths.push_back(datPath);
    ui.boxes.clear();
    EXPECT_EQ(importScriptSetCommand(files, messages, folder, *table, lastImported), 1);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].title, u"ErrorFileRead");
    EXPECT_EQ(ui.boxes[1].text, u"M45");
  }
  EXPECT_EQ(table->sets[4].items[0], plotItem());
  EXPECT_EQ(lastImported, u"C:\\earlier.dat");
}

TEST(ImportedSetTitle, IsTheFileNameUpToItsLastPoint) {
  EXPECT_EQ(importedSetTitle(u"C:\\plans\\plans.old.dat"), u"plans.old");
  EXPECT_EQ(importedSetTitle(u"C:\\v1.2\\readme"), u"readme");
  EXPECT_EQ(importedSetTitle(u"name.dat"), u"name");
}

}  // namespace
}  // namespace dovevar
