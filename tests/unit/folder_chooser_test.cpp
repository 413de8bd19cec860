#include "collect/folder_chooser.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "collect/recent_folders.h"

namespace dovevar {
namespace {

using Folders = std::vector<std::u16string>;

Folders recentOf(const Settings& settings, int kind) {
  Folders result;
  for (const std::u16string_view folder : usedRecentFolders(settings, kind)) result.emplace_back(folder);
  return result;
}

void setRecent(Settings& settings, int kind, const Folders& folders) {
  for (std::size_t i = 0; i < folders.size(); ++i) settings.file_folder_tbl[kind][i] = folders[i];
}

Folders twentyFolders() {
  Folders twenty;
  for (int i = 0; i < Settings::kRecentFolders; ++i)
    twenty.push_back(u"C:\\f" + std::u16string(1, static_cast<char16_t>(u'a' + i)));
  return twenty;
}

// ---- Recent folders ----------------------------------------------------------------------

TEST(RecentFolders, AFolderAlreadyThereMovesToTheTopAndBecomesCurrent) {
  Settings settings;
  settings.file_folder = u"C:\\before";
  setRecent(settings, kFolderCollection, {u"C:\\a", u"C:\\b", u"C:\\c", u"C:\\d"});

  updateRecentFolders(settings, kFolderCollection, u"C:\\c");

  EXPECT_EQ(recentOf(settings, kFolderCollection), (Folders{u"C:\\c", u"C:\\a", u"C:\\b", u"C:\\d"}));
  EXPECT_EQ(settings.file_folder, u"C:\\c");
}

// Compared with case: "C:\A" is another folder than "C:\a".
TEST(RecentFolders, ANewFolderGoesOnTopAndLeavesTheCurrentFolder) {
  Settings settings;
  settings.file_folder = u"C:\\before";
  setRecent(settings, kFolderCollection, {u"C:\\a", u"C:\\b"});

  updateRecentFolders(settings, kFolderCollection, u"C:\\A");

  EXPECT_EQ(recentOf(settings, kFolderCollection), (Folders{u"C:\\A", u"C:\\a", u"C:\\b"}));
  EXPECT_EQ(settings.file_folder, u"C:\\before");
}

TEST(RecentFolders, TheTwentiethFolderDropsOutAndOtherKindsStayAsTheyWere) {
  Settings settings;
  const Folders twenty = twentyFolders();
  setRecent(settings, kOneFilePicker, twenty);
  setRecent(settings, kFolderSelectDialog, {u"C:\\other"});

  updateRecentFolders(settings, kOneFilePicker, u"C:\\new");

  Folders expected{u"C:\\new"};
  expected.insert(expected.end(), twenty.begin(), twenty.end() - 1);
  EXPECT_EQ(recentOf(settings, kOneFilePicker), expected);
  EXPECT_EQ(recentOf(settings, kFolderSelectDialog), Folders{u"C:\\other"});
}

// The last folder found again moves from the last place to the top.
TEST(RecentFolders, TheLastFolderFoundAgainMovesUpWithoutLosingAny) {
  Settings settings;
  const Folders twenty = twentyFolders();
  setRecent(settings, kFolderTreeCollection, twenty);

  updateRecentFolders(settings, kFolderTreeCollection, twenty.back());

  Folders expected{twenty.back()};
  expected.insert(expected.end(), twenty.begin(), twenty.end() - 1);
  EXPECT_EQ(recentOf(settings, kFolderTreeCollection), expected);
}

// An empty path on top would hide every recent folder behind it.
TEST(RecentFolders, AnEmptyPathIsNotRemembered) {
  Settings settings;
  setRecent(settings, kOneFilePicker, {u"C:\\a"});

  updateRecentFolders(settings, kOneFilePicker, u"");

  EXPECT_EQ(recentOf(settings, kOneFilePicker), Folders{u"C:\\a"});
}

// ---- The chooser's last choice -----------------------------------------------------------

TEST(FolderChooser, EachChoiceTellsTheCollectionWhatComesNext) {
  using Next = ChosenFolder::Next;
  Settings settings;
  setRecent(settings, kFolderCollection, {u"C:\\recent0", u"C:\\recent1"});
  settings.file_folder_set[kFolderCollection][2] = u"C:\\fav2";
  settings.file_folder_set[kFolderTreeCollection][2] = u"C:\\other kind";
  struct Case {
    int choice;
    Next next;
    const char16_t* folder;
  };
  const Case cases[] = {
      {kChooserClosed, Next::kCancel, u""},
      {0, Next::kUseFolder, u"C:\\recent0"},
      {1, Next::kUseFolder, u"C:\\recent1"},
      {2, Next::kCancel, u""},  // an empty entry names no folder
      {kChooserAnotherFolder, Next::kBrowse, u"C:\\recent0"},
      {favouriteChoice(2), Next::kBrowse, u"C:\\fav2"},
      {favouriteChoice(0), Next::kBrowse, u""},  // nothing pre-selected
      {favouriteChoice(5), Next::kCancel, u""},
      {20, Next::kCancel, u""},
  };
  for (const Case& c : cases) {
    const ChosenFolder chosen = folderForChoice(settings, kFolderCollection, c.choice);
    EXPECT_EQ(chosen.next, c.next) << c.choice;
    EXPECT_EQ(chosen.folder, c.folder) << c.choice;
  }
}

TEST(FolderChooser, IsAsWideAsItsWidestFolderWithinThreeHundredAndTheScreen) {
  EXPECT_EQ(chooserWidth(500, 1920), 540);
  EXPECT_EQ(chooserWidth(100, 1920), 300);
  EXPECT_EQ(chooserWidth(3000, 1920), 1920);
  EXPECT_EQ(chooserWidth(0, 200), 300);
}

// A favourite too long for its buffer would be stored cut into another folder's path.
TEST(FolderChooser, AFavouriteIsSetWholeOrNotAtAll) {
  Settings settings;
  EXPECT_TRUE(setFavouriteFolder(settings, 2, 4, u"D:\\plans"));
  EXPECT_EQ(settings.file_folder_set[2][4], u"D:\\plans");
  EXPECT_TRUE(setFavouriteFolder(settings, 2, 4, u"C:\\" + std::u16string(256, u'x')));
  EXPECT_FALSE(setFavouriteFolder(settings, 2, 4, u"C:\\" + std::u16string(257, u'x')));
  EXPECT_FALSE(setFavouriteFolder(settings, 2, 4, u""));
  EXPECT_EQ(settings.file_folder_set[2][4].size(), 259u);
}

// Focus, selection change, double-click: whichever comes first only arms the list.
TEST(FolderChooser, TheListsSecondNotificationChoosesTheSelectionThen) {
  ChooserListArm arm;
  EXPECT_EQ(arm.notify(3), std::nullopt);
  EXPECT_EQ(arm.notify(5), 5);
  EXPECT_EQ(arm.notify(5), std::nullopt);
  EXPECT_EQ(arm.notify(-1), 0);
  EXPECT_EQ(arm.notify(7), std::nullopt);
  EXPECT_EQ(arm.notify(20), 0);
}

}  // namespace
}  // namespace dovevar
