#include "collect/folder_select.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collect/folder_chooser.h"
#include "collect/recent_folders.h"
#include "unit/collected_rows.h"

namespace dovevar {
namespace {

using Texts = std::vector<std::u16string>;

// ---- Where the dialog starts -------------------------------------------------------------

TEST(FolderSelectStart, TheChooserChoiceGivesTheFolder) {
  Settings settings;
  settings.file_folder_tbl[kFolderSelectDialog][0] = u"C:\\recent0";
  settings.file_folder_tbl[kFolderSelectDialog][1] = u"C:\\recent1";
  settings.file_folder_set[kFolderSelectDialog][0] = u"C:\\fav0";
  settings.file_folder_set[kFolderSelectDialog][3] = u"C:\\fav3";
  struct Case {
    int choice;
    std::optional<std::u16string> folder;
  };
  const Case cases[] = {
      {kChooserClosed, std::nullopt},
      {1, u"C:\\recent1"},
      {favouriteChoice(3), u"C:\\fav3"},
      {kChooserAnotherFolder, u"C:\\fav0"},
      {favouriteChoice(4), u"c:\\"},  // empty: where "another folder" falls back to
      {5, u"c:\\"},
      {favouriteChoice(5), std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(folderSelectStartFolder(settings, c.choice), c.folder) << c.choice;

  settings.file_folder_set[kFolderSelectDialog][0].clear();
  EXPECT_EQ(folderSelectStartFolder(settings, kChooserAnotherFolder), u"c:\\");
}

// ---- The folder list ---------------------------------------------------------------------

struct FolderList : CollectedRows, ::testing::Test {
  Texts shown(std::u16string_view current) {
    Texts result;
    for (const FolderListRow& row : folderListRows(files, current))
      result.push_back(row.name + u'|' + row.date + u'|' + static_cast<char16_t>(u'0' + row.image));
    return result;
  }
};

// At "C:\" the other drives come first, with an image per kind, then the root's plain
// folders; the root's first entry (no "." there) is examined like the others.
TEST_F(FolderList, AtADriveRootTheOtherDrivesComeFirst) {
  files.drives = {{u'a', DriveType::kRemovable}, {u'c', DriveType::kFixed}, {u'd', DriveType::kCdRom},
                  {u'e', DriveType::kNone},      {u'm', DriveType::kNetwork}, {u'r', DriveType::kRamDisk},
                  {u'z', DriveType::kFixed}};
  files.addFile(u"C:\\", u"pagefile.sys");
  files.addFolder(u"C:\\Plans", FileAttributes::kDirectory, {2024, 1, 2, 3, 4});
  files.addFolder(u"C:\\Windows", FileAttributes::kDirectory | FileAttributes::kSystem);

  EXPECT_EQ(shown(u"C:\\"), (Texts{u"a:\\||4", u"d:\\||3", u"m:\\||5", u"r:\\||6", u"z:\\||2",
                                   u"Plans|2024/01/02 03:04|1"}));
}

// Elsewhere "." comes first as it is and ".." and the folders follow when plain.
TEST_F(FolderList, ElsewhereDotEntriesAndPlainFoldersAreListed) {
  files.drives = {{u'd', DriveType::kFixed}};
  files.addFolder(u"C:\\p", FileAttributes::kDirectory | FileAttributes::kReadOnly, {2024, 5, 6, 7, 8});
  files.addFolder(u"C:\\p\\sub");
  files.addFile(u"C:\\p", u"a.dwg");
  files.addFolder(u"C:\\p\\hidden", FileAttributes::kDirectory | FileAttributes::kHidden);

  EXPECT_EQ(shown(u"C:\\p"), (Texts{u".|2024/05/06 07:08|0", u"..|00/00/00 00:00|0",
                                    u"sub|00/00/00 00:00|1"}));
}

TEST_F(FolderList, AFolderThatCannotBeListedShowsOnlyTheDrives) {
  files.drives = {{u'c', DriveType::kFixed}, {u'd', DriveType::kFixed}};
  files.addFolder(u"C:\\p");
  files.makeUnlistable(u"C:\\");
  files.makeUnlistable(u"C:\\p");

  EXPECT_EQ(shown(u"c:\\"), Texts{u"d:\\||2"});
  EXPECT_EQ(shown(u"C:\\p"), Texts{});
}

// ---- Double-click ------------------------------------------------------------------------

TEST(FolderSelectNavigation, ADoubleClickedRowGivesTheNextFolder) {
  struct Case {
    const char16_t* current;
    const char16_t* name;
    const char16_t* next;
  };
  const Case cases[] = {
      {u"C:\\p\\q", u"d:\\", u"d:\\"},  // a drive root
      {u"C:\\p\\q", u"..", u"C:\\p"},
      {u"C:\\p\\q", u".", u"C:\\p"},      // "." goes up too
      {u"C:\\p", u"..", u"C:\\"},         // "C:" gets its backslash back
      {u"C:\\", u"..", u"C:\\"},
      {u"\\p", u"..", u"\\p"},            // the first character is never cut
      {u"C:\\p", u"sub", u"C:\\p\\sub"},
      {u"C:\\", u"sub", u"C:\\sub"},
      {u"C:", u"sub", u"C:\\sub"},
      {u"C", u"sub", u"C:\\sub"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(folderAfterDoubleClick(c.current, c.name), c.next) 
        << ::testing::PrintToString(std::u16string(c.current) + u" " + c.name);
}

TEST(FolderSelectNavigation, AFolderLongerThan259IsNotEntered) {
  const std::u16string current = u"C:\\" + std::u16string(250, u'p');  // 253
  EXPECT_EQ(folderAfterDoubleClick(current, u"12345"), current + u"\\12345");
  EXPECT_EQ(folderAfterDoubleClick(current, u"123456"), current);
}

// ---- Reading the selected folders --------------------------------------------------------

struct FolderRead : CollectedRows, ::testing::Test {
  Settings settings;
  FolderRead() {
    files.addFile(u"C:\\p", u"parent.dwg");
    files.addFile(u"C:\\p\\q", u"here.dwg");
    files.addFile(u"C:\\p\\q", u"here.dxf");
    files.addFile(u"C:\\p\\q\\r", u"sub.dwg");
    settings.file_folder = u"C:\\p\\q";
  }
  FolderReadResult read(const Texts& names, FolderSelectTypes types) {
    return readSelectedFolders(files, list, *set, settings, names, types);
  }
};

// New rows go after the rows already in the list.
TEST_F(FolderRead, DotReadsTheCurrentFolderAndDotDotItsParent) {
  list.addDrawingRow(*set, u"old.dwg", u"D:", u"", 1, 0);
  EXPECT_EQ(read({u".", u".."}, FolderSelectTypes::kDwg), FolderReadResult::kRead);
  EXPECT_EQ(rows(), (Texts{u"old.dwg|D:||1", u"here.dwg|C:\\p\\q\\.|00/00/00 00:00|1",
                           u"parent.dwg|C:\\p\\q\\..|00/00/00 00:00|1"}));
  EXPECT_EQ(settings.file_folder_tbl[kFolderSelectDialog][0], u"C:\\p\\q");
}

TEST_F(FolderRead, EachModeScansItsTypesFolderByFolder) {
  struct Case {
    FolderSelectTypes types;
    Texts names;
  };
  const Case cases[] = {
      {FolderSelectTypes::kDwg, {u"here.dwg", u"sub.dwg"}},
      {FolderSelectTypes::kDxf, {u"here.dxf"}},
      {FolderSelectTypes::kBoth, {u"here.dwg", u"here.dxf", u"sub.dwg"}},
  };
  for (const Case& c : cases) {
    list.deleteAllRows();
    EXPECT_EQ(read({u".", u"r"}, c.types), FolderReadResult::kRead);
    EXPECT_EQ(names(), c.names);
  }
}

TEST_F(FolderRead, NothingSelectedOrNothingFoundStaysOpenWithoutRemembering) {
  list.addDrawingRow(*set, u"old.dwg", u"D:", u"", 1, 0);
  EXPECT_EQ(read({}, FolderSelectTypes::kBoth), FolderReadResult::kNoneSelected);
  EXPECT_EQ(read({u"r", u"d:\\"}, FolderSelectTypes::kDxf), FolderReadResult::kNothingFound);
  EXPECT_EQ(list.rowCount(), 1);
  EXPECT_EQ(settings.file_folder_tbl[kFolderSelectDialog][0], u"");
}

}  // namespace
}  // namespace dovevar
