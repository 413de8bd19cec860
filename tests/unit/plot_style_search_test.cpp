#include "config/plot_style_search.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_file_system.h"
#include "fakes/scripted_ui.h"

namespace dovevar {
namespace {

struct PlotStyleSearch : ::testing::Test {
  FakeFileSystem files;
  ScriptedUi ui;
  Settings settings;

  PlotStyleSearch() {
    settings.autocad_file = u"C:\\App\\CAD\\cad.exe";
    settings.ctb_file = u"D:\\before";
    files.addFile(u"C:\\App\\CAD", u"cad.exe");
  }

  bool search() { return findPlotStyleFolder(files, ui, settings); }
};

TEST_F(PlotStyleSearch, FindsTheStylesFolderDeepBelowTheCadFolder) {
  files.addFolder(u"C:\\App\\CAD\\Fonts");
  files.addFile(u"C:\\App\\CAD\\Support\\Styles", u"monochrome.ctb");
  EXPECT_TRUE(search());
  EXPECT_EQ(settings.ctb_file, u"C:\\App\\CAD\\Support\\Styles");
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(PlotStyleSearch, AnEarlierFolderInBreadthFirstOrderWins) {
  files.addFile(u"C:\\App\\CAD\\Support\\Styles", u"monochrome.ctb");
  // A sibling listed after Support, but one level up from Styles.
  files.addFile(u"C:\\App\\CAD\\Templates", u"grey.CTB");
  EXPECT_TRUE(search());
  EXPECT_EQ(settings.ctb_file, u"C:\\App\\CAD\\Templates");

  files.addFile(u"C:\\App\\CAD", u"acad.ctb");
  EXPECT_TRUE(search());
  EXPECT_EQ(settings.ctb_file, u"C:\\App\\CAD");
}

TEST_F(PlotStyleSearch, OnlyFilesWhoseWholeNameEndsInCtbCount) {
  files.addFile(u"C:\\App\\CAD\\A", u"x.ctbx", {}, FileAttributes::kArchive, u"X~1.CTB");
  files.addFolder(u"C:\\App\\CAD\\B\\folder.ctb");
  files.addFile(u"C:\\App\\CAD\\C", u"real.ctb");
  EXPECT_TRUE(search());
  EXPECT_EQ(settings.ctb_file, u"C:\\App\\CAD\\C");
}

TEST_F(PlotStyleSearch, NothingFoundLeavesTheFolderAsItWas) {
  files.addFile(u"C:\\App\\CAD\\Support", u"styles.stb");
  EXPECT_FALSE(search());
  EXPECT_EQ(settings.ctb_file, u"D:\\before");
}

TEST_F(PlotStyleSearch, ThePlaceholderLooksInTheRootOfCOnly) {
  settings.autocad_file = u"c:\\*.exe";
  files.addFile(u"C:\\App\\CAD\\Support", u"monochrome.ctb");
  EXPECT_FALSE(search());
  EXPECT_EQ(files.listedPatterns, std::vector<std::u16string>{u"c:\\*.ctb"});

  files.addFile(u"C:\\", u"root.ctb");
  EXPECT_TRUE(search());
  EXPECT_EQ(settings.ctb_file, u"c:");
}

TEST_F(PlotStyleSearch, ADriveRootsFirstEntryIsExaminedToo) {
  settings.autocad_file = u"D:\\cad.exe";
  files.addFile(u"D:\\Styles", u"a.ctb");  // the root's only, and so first, entry
  EXPECT_TRUE(search());
  EXPECT_EQ(settings.ctb_file, u"D:\\Styles");
}

TEST_F(PlotStyleSearch, FiveHundredFoldersAreListedWithOneBoxAndAllOfThemSearched) {
  // 20 groups of 25 folders: 521 folders with the CAD folder. Breadth first, the leaves
  // of group g are entries 21 + 25g to 45 + 25g, so the 500th entry (499) is leaf "fd"
  // of the last group "gt", and its leaves "fe" to "fy" are never listed.
  for (char16_t group = u'a'; group < u'a' + 20; ++group) {
    for (char16_t leaf = u'a'; leaf < u'a' + 25; ++leaf) {
      files.addFolder(u"C:\\App\\CAD\\g" + std::u16string(1, group) + u"\\f" + std::u16string(1, leaf));
    }
  }
  files.addFile(u"C:\\App\\CAD\\gt\\fe", u"late.ctb");
  EXPECT_FALSE(search());
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].title, u"エラー");
  EXPECT_EQ(ui.boxes[0].text, u"指定のテーブル量を超えました。");
  EXPECT_EQ(ui.boxes[0].style, UiPort::BoxStyle::kExclamation);

  files.addFile(u"C:\\App\\CAD\\gt\\fd", u"last.ctb");
  EXPECT_TRUE(search());
  EXPECT_EQ(settings.ctb_file, u"C:\\App\\CAD\\gt\\fd");
  EXPECT_EQ(ui.boxes.size(), 2u);
}

TEST_F(PlotStyleSearch, AFolderWhosePathWouldNotFitIsNotEntered) {
  const std::u16string longName(259 - std::u16string(u"C:\\App\\CAD\\").size() + 1, u'x');
  files.addFile(u"C:\\App\\CAD\\" + longName, u"a.ctb");
  EXPECT_FALSE(search());
  EXPECT_EQ(settings.ctb_file, u"D:\\before");
}

}  // namespace
}  // namespace dovevar
