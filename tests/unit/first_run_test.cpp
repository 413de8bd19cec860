#include "config/first_run.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fakes/scripted_ui.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

using Steps = std::vector<std::u16string>;

// Every box and dialog of the set-up in the order shown: a box as its title, or as its
// text when the title is empty (the interface messages of the test have only texts).
struct ScriptedSetUp : SetUpDialogs {
  ScriptedUi& ui;
  Steps steps;
  std::size_t boxesSeen = 0;
  int32_t language = kEnglish;
  std::optional<std::u16string> picked;   // nothing: the picker is cancelled
  std::optional<std::u16string> browsed;  // nothing: the browser is cancelled
  std::vector<UiPort::FileDialog> pickers;
  std::vector<std::u16string> browserTitles;

  explicit ScriptedSetUp(ScriptedUi& shownUi) : ui(shownUi) {}

  void noteBoxes() {
    for (; boxesSeen < ui.boxes.size(); ++boxesSeen) {
      const ScriptedUi::Box& box = ui.boxes[boxesSeen];
      steps.push_back(box.title.empty() ? box.text : box.title);
    }
  }
  void chooseLanguage(int32_t& chosen) override {
    noteBoxes();
    steps.push_back(u"language dialog");
    chosen = language;
  }
  bool pickCadExecutable(const UiPort::FileDialog& picker, std::u16string& path) override {
    noteBoxes();
    steps.push_back(u"CAD picker");
    pickers.push_back(picker);
    if (picked) path = *picked;
    return picked.has_value();
  }
  bool browseForFolder(std::u16string_view title, std::u16string& folder) override {
    noteBoxes();
    steps.push_back(u"folder browser");
    browserTitles.emplace_back(title);
    if (browsed) folder = *browsed;
    return browsed.has_value();
  }
  void editEnvironment() override {
    noteBoxes();
    steps.push_back(u"environment dialog");
  }
};

struct FirstRun : ::testing::Test {
  ScriptedUi ui;
  TextTables texts;
  Settings settings;
  // The messages speak the language the set-up chooses.
  Messages messages{ui, texts, settings.moji_type};
  FakeFileSystem files;
  ScriptedSetUp dialogs{ui};
  const std::u16string folder = u"D:\\work";
  ScriptSetTable scriptSets;
  FirstRunSetUp setUp{files, messages, dialogs, folder, settings, scriptSets};

  FirstRun() {
    for (int number : {kMsgScriptSetFileNotRead, kMsgSetupBeforeCadPicker, kMsgSetupNoPlotStyleFolder,
                       kMsgSetupBeforeEnvironment}) {
      const std::string digits = "message " + std::to_string(number);
      texts.messages[number][kEnglish].text = std::u16string(digits.begin(), digits.end());
    }
    texts.labels[kLabelsC][kLabelCCadPickerTitle][kEnglish] = u"Select the CAD Application";
    texts.labels[kLabelsC][kLabelCChooseFolderTitle][kEnglish] = u"Select a folder";
    files.addFile(u"C:\\App\\CAD", u"cad.exe");
    files.addFolder(u"C:\\App\\CAD\\Fonts");
    files.addFile(u"C:\\App\\CAD\\Support\\Styles", u"monochrome.ctb");
  }

  void run() {
    setUp.run();
    dialogs.noteBoxes();
  }
};

TEST_F(FirstRun, WalksTheUserFromTheLanguageToTheEnvironmentDialog) {
  dialogs.picked = u"C:\\App\\CAD\\cad.exe";
  run();
  EXPECT_EQ(dialogs.steps, (Steps{u"SetUP", u"language dialog", u"ErrorFileRead", u"message 0",
                                  u"message 52", u"CAD picker", u"message 53", u"environment dialog"}));
  EXPECT_EQ(ui.boxes[0].text, u"文字の設定します。\r\nSet of characters.\r\n문자 설정합니다.\r\n一组字符。");
  EXPECT_EQ(ui.boxes[0].style, UiPort::BoxStyle::kPlain);
  // The picker and every message after the language dialog speak the chosen language.
  EXPECT_EQ(settings.moji_type, kEnglish);
  ASSERT_EQ(dialogs.pickers.size(), 1u);
  EXPECT_EQ(dialogs.pickers[0].title, u"Select the CAD Application");
  EXPECT_EQ(dialogs.pickers[0].initialPath, u"c:\\*.exe");
  EXPECT_EQ(dialogs.pickers[0].filters[0].first, u"Cad(*.exe)");
  EXPECT_EQ(settings.autocad_file, u"C:\\App\\CAD\\cad.exe");
  EXPECT_EQ(settings.ctb_file, u"C:\\App\\CAD\\Support\\Styles");
  EXPECT_EQ(settings.temp_file, u"D:\\work\\atcprint.scr");
  EXPECT_EQ(settings.end_file_dwg, u"D:\\work\\endfile.dwg");
}

TEST_F(FirstRun, TheScriptSetsOfTheChosenLanguageAreRead) {
  files.putText(u"D:\\work\\sprct_set_e.ini", u"T00=Plotting\r\n");
  run();
  EXPECT_EQ(scriptSets.sets[0].title, u"Plotting");
  EXPECT_EQ(dialogs.steps[2], u"message 52");
}

TEST_F(FirstRun, ACancelledCadPickerLooksInTheRootOfCThenAsksForTheFolder) {
  files.addFile(u"C:\\", u"readme.txt");
  dialogs.browsed = u"E:\\Styles";
  run();
  EXPECT_EQ(settings.autocad_file, u"c:\\*.exe");
  EXPECT_EQ(dialogs.steps, (Steps{u"SetUP", u"language dialog", u"ErrorFileRead", u"message 0",
                                  u"message 52", u"CAD picker", u"message 54", u"folder browser",
                                  u"message 53", u"environment dialog"}));
  EXPECT_EQ(dialogs.browserTitles, std::vector<std::u16string>{u"Select a folder"});
  EXPECT_EQ(settings.ctb_file, u"E:\\Styles");
}

TEST_F(FirstRun, ACancelledFolderBrowserLeavesThePlotStyleFolderAsItWas) {
  settings.ctb_file = u"F:\\old";
  run();
  EXPECT_EQ(settings.ctb_file, u"F:\\old");
}

TEST(FirstRunDefaults, ResetTheRulesPrintersAndRecentFoldersButKeepFavouritesAndLanguage) {
  Settings settings;
  settings.file_folder = u"C:\\plans";
  settings.file_folder_set[2][4] = u"C:\\favourite";
  settings.moji_type = kKorean;
  Settings expected = settings;
  expected.temp_file = u"C:\\settings\\atcprint.scr";
  expected.end_file_dwg = u"C:\\settings\\endfile.dwg";
  expected.print_paper_ab = 1;

  settings.scrpit_type = 7;
  settings.file_set.ps = 1;
  settings.file_set.chg_on = 1;
  settings.file_set.fp_ps[3].printer = u"Plotter";
  settings.file_set.search_s3 = u"DSP";
  settings.prohibition_print[15] = u"Fax";
  settings.prohibition_plmode = 1;
  settings.file_folder_tbl[3][19] = u"C:\\old";
  applyFirstRunDefaults(settings, u"C:\\settings");
  EXPECT_TRUE(settings == expected);
}

}  // namespace
}  // namespace dovevar
