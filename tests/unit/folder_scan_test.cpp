#include "collect/folder_scan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collect/folder_tree.h"
#include "unit/collected_rows.h"

namespace dovevar {
namespace {

using Rows = std::vector<std::u16string>;
constexpr LocalTime kNoon{2024, 3, 7, 12, 5};

struct FolderScan : CollectedRows, ::testing::Test {
  int scan(std::u16string_view folder, DrawingType type, int position) {
    return scanFolder(files, list, *set, folder, type, position);
  }
};

// ---- One folder ------------------------------------------------------------------------

TEST_F(FolderScan, TakesEveryDrawingOfTheTypeInListingOrderWhateverItsCase) {
  files.addFile(u"C:\\plans", u"A.DWG", kNoon);
  files.addFile(u"C:\\plans", u"notes.txt");
  files.addFile(u"C:\\plans", u"b.Dwg", {1999, 12, 31, 23, 59});
  files.addFile(u"C:\\plans", u"c.dxf");

  EXPECT_EQ(scan(u"C:\\plans", DrawingType::kDwg, 0), 2);
  EXPECT_EQ(files.listedPatterns, Rows{u"C:\\plans\\*.dwg"});
  EXPECT_EQ(rows(), (Rows{u"A.DWG|C:\\plans|2024/03/07 12:05|1",
                          u"b.Dwg|C:\\plans|1999/12/31 23:59|1"}));
}

TEST_F(FolderScan, DxfRowsGetImageZero) {
  files.addFile(u"C:\\plans", u"a.DWG");
  files.addFile(u"C:\\plans", u"site.DXF", kNoon);

  EXPECT_EQ(scan(u"C:\\plans", DrawingType::kDxf, 0), 1);
  EXPECT_EQ(rows(), Rows{u"site.DXF|C:\\plans|2024/03/07 12:05|0"});
}

TEST_F(FolderScan, RowsGoFromTheGivenPositionAndTheSameFolderTwiceAddsItTwice) {
  list.addDrawingRow(*set, u"old.dwg", u"D:", u"", 1, 0);
  files.addFile(u"C:\\p", u"a.dwg");
  files.addFile(u"C:\\p", u"b.dwg");

  EXPECT_EQ(scan(u"C:\\p", DrawingType::kDwg, 1), 3);
  EXPECT_EQ(scan(u"C:\\p", DrawingType::kDwg, 3), 5);
  EXPECT_EQ(names(), (Rows{u"old.dwg", u"a.dwg", u"b.dwg", u"a.dwg", u"b.dwg"}));
  EXPECT_EQ(list.rowKey(4), 4);
}

// The listing also matches short names: "x.dwgx" is listed as X~1.DWG but is no drawing.
// Neither is a folder whose name looks like one.
TEST_F(FolderScan, TakesOnlyFilesWhoseOwnNameEndsInTheExtension) {
  files.addFile(u"C:\\p", u"x.dwgx", {}, FileAttributes::kArchive, u"X~1.DWG");
  files.addFolder(u"C:\\p\\old.dwg");
  files.addFile(u"C:\\p", u"Long Name.dwg", {}, FileAttributes::kArchive, u"LONGNA~1.DWG");

  EXPECT_EQ(scan(u"C:\\p", DrawingType::kDwg, 0), 1);
  EXPECT_EQ(names(), Rows{u"Long Name.dwg"});
}

TEST_F(FolderScan, FolderWithoutDrawingsGivesZero) {
  files.addFile(u"C:\\p", u"a.dxf");
  files.addFile(u"C:\\locked", u"a.dwg");
  files.makeUnlistable(u"C:\\locked");

  EXPECT_EQ(scan(u"C:\\p", DrawingType::kDwg, 7), 0);
  EXPECT_EQ(scan(u"C:\\locked", DrawingType::kDwg, 7), 0);
  EXPECT_EQ(scan(u"C:\\missing", DrawingType::kDwg, 7), 0);
  EXPECT_EQ(list.rowCount(), 0);
}

// ---- Paths that do not fit 259 characters ------------------------------------------------

// "\*.dwg" is 6 characters: a folder of 253 fits, one of 254 is not listed at all, and
// an empty folder (which would list the current drive's root) is not either.
TEST_F(FolderScan, AFolderWhosePatternWouldPassTheBufferIsNotListed) {
  const std::u16string fits = u"C:\\" + std::u16string(250, u'f');
  const std::u16string tooLong = fits + u'g';
  files.addFile(fits, u"a.dwg");
  files.addFile(tooLong, u"a.dwg");

  EXPECT_EQ(scan(fits, DrawingType::kDwg, 0), 1);
  EXPECT_EQ(scan(tooLong, DrawingType::kDwg, 1), 0);
  EXPECT_EQ(scan(u"", DrawingType::kDwg, 1), 0);
  EXPECT_EQ(files.listedPatterns, Rows{fits + u"\\*.dwg"});
}

// A drive root gets no second backslash: "C:\*.dwg", and the rows keep "C:\".
TEST_F(FolderScan, ADriveRootIsListedWithOneBackslash) {
  files.addFile(u"C:\\", u"a.dwg");

  EXPECT_EQ(scan(u"C:\\", DrawingType::kDwg, 0), 1);
  EXPECT_EQ(files.listedPatterns, Rows{u"C:\\*.dwg"});
  EXPECT_EQ(rows(), Rows{u"a.dwg|C:\\|00/00/00 00:00|1"});
}

// ---- Folder trees ----------------------------------------------------------------------

struct FolderTree : FolderScan {
  std::vector<std::u16string> paths(const std::vector<TreeFolder>& table, TreeFolderState state) {
    std::vector<std::u16string> result;
    for (const TreeFolder& folder : table)
      if (folder.state == state) result.push_back(folder.path);
    return result;
  }
  int collect(std::u16string_view root, int position) {
    std::vector<TreeFolder> table = walkFolderTree(files, root);
    return scanFolderTree(files, list, *set, table, DrawingType::kDwg, position);
  }
};

TEST_F(FolderTree, WalksBreadthFirstAndScansInTableOrder) {
  files.addFolder(u"C:\\r\\a");
  files.addFolder(u"C:\\r\\a\\deep");
  files.addFolder(u"C:\\r\\b");
  files.addFile(u"C:\\r", u"root.dwg");
  files.addFile(u"C:\\r\\a\\deep", u"deep.dwg");
  files.addFile(u"C:\\r\\b", u"b.dwg");

  std::vector<TreeFolder> table = walkFolderTree(files, u"C:\\r");
  EXPECT_EQ(paths(table, TreeFolderState::kListed),
            (Rows{u"C:\\r", u"C:\\r\\a", u"C:\\r\\b", u"C:\\r\\a\\deep"}));
  EXPECT_EQ(scanFolderTree(files, list, *set, table, DrawingType::kDwg, 0), 3);
  EXPECT_EQ(paths(table, TreeFolderState::kScanned).size(), 4u);
  EXPECT_EQ(names(), (Rows{u"root.dwg", u"b.dwg", u"deep.dwg"}));
}

// The first subfolder holds no drawing: the position stays and later ones follow on.
TEST_F(FolderTree, AFolderWithoutDrawingsLeavesThePositionWhereItWas) {
  list.addDrawingRow(*set, u"old.dwg", u"D:", u"", 1, 0);
  files.addFolder(u"C:\\r\\empty");
  files.addFolder(u"C:\\r\\one");
  files.addFolder(u"C:\\r\\two");
  files.addFile(u"C:\\r\\one", u"1.dwg");
  files.addFile(u"C:\\r\\two", u"2.dwg");

  EXPECT_EQ(collect(u"C:\\r", 1), 3);
  EXPECT_EQ(rows(), (Rows{u"old.dwg|D:||1", u"1.dwg|C:\\r\\one|00/00/00 00:00|1",
                          u"2.dwg|C:\\r\\two|00/00/00 00:00|1"}));
}

// 40 subfolders: the root's listing fills the table with 31 of them and stops there,
// so only the root itself has been listed and is scanned.
TEST_F(FolderTree, AFullTableStopsListingAndScansOnlyWhatWasListed) {
  files.addFile(u"C:\\r", u"root.dwg");
  for (int i = 10; i < 50; ++i) {
    const std::string digits = std::to_string(i);
    files.addFile(u"C:\\r\\s" + std::u16string(digits.begin(), digits.end()), u"sub.dwg");
  }

  std::vector<TreeFolder> table = walkFolderTree(files, u"C:\\r");
  ASSERT_EQ(table.size(), kFolderTreeCapacity);
  EXPECT_EQ(table[31].path, u"C:\\r\\s40");
  EXPECT_EQ(paths(table, TreeFolderState::kListed), Rows{u"C:\\r"});
  EXPECT_EQ(scanFolderTree(files, list, *set, table, DrawingType::kDwg, 0), 1);
  EXPECT_EQ(names(), Rows{u"root.dwg"});
}

// Only folders whose attributes are exactly the directory attribute are entered.
TEST_F(FolderTree, EntersOnlyPlainFoldersNotNamedWithADot) {
  struct Case {
    const char16_t* name;
    std::uint32_t attributes;
    bool entered;
  };
  const Case cases[] = {
      {u"plain", FileAttributes::kDirectory, true},
      {u"readonly", FileAttributes::kDirectory | FileAttributes::kReadOnly, false},
      {u"hidden", FileAttributes::kDirectory | FileAttributes::kHidden, false},
      {u"archived", FileAttributes::kDirectory | FileAttributes::kArchive, false},
      {u".git", FileAttributes::kDirectory, false},
      {u"file", FileAttributes::kArchive, false},
  };
  Rows expected{u"C:\\r"};
  for (const Case& c : cases) {
    if (c.attributes & FileAttributes::kDirectory) {
      files.addFolder(u"C:\\r\\" + std::u16string(c.name), c.attributes);
    } else {
      files.addFile(u"C:\\r", c.name);
    }
    if (c.entered) expected.push_back(u"C:\\r\\" + std::u16string(c.name));
  }
  EXPECT_EQ(paths(walkFolderTree(files, u"C:\\r"), TreeFolderState::kListed), expected);
}

// A drive root lists no "." first: its first entry is a real folder and is entered.
TEST_F(FolderTree, ADriveRootsFirstEntryIsExamined) {
  files.addFolder(u"D:\\first");
  files.addFolder(u"D:\\second");
  files.addFile(u"D:\\first", u"a.dwg");

  EXPECT_EQ(collect(u"D:\\", 0), 1);
  EXPECT_EQ(rows(), Rows{u"a.dwg|D:\\first|00/00/00 00:00|1"});
}

TEST_F(FolderTree, AFolderThatCannotBeListedCountsAsListedWithoutSubfolders) {
  files.addFolder(u"C:\\r\\locked\\below");
  files.addFile(u"C:\\r\\locked\\below", u"x.dwg");
  files.addFile(u"C:\\r\\open", u"a.dwg");
  files.makeUnlistable(u"C:\\r\\locked");

  std::vector<TreeFolder> table = walkFolderTree(files, u"C:\\r");
  EXPECT_EQ(paths(table, TreeFolderState::kListed), (Rows{u"C:\\r", u"C:\\r\\locked", u"C:\\r\\open"}));
}

// A subfolder whose path would pass 259 characters is not entered; one whose path fits
// but whose drawing pattern would not is entered (and listed) but holds no drawings.
TEST_F(FolderTree, ASubfolderWhosePathWouldPassTheBufferIsNotEntered) {
  const std::u16string root = u"C:\\" + std::u16string(240, u'r');  // 243 characters
  files.addFolder(root + u"\\" + std::u16string(15, u'a'));          // 259: entered
  files.addFolder(root + u"\\" + std::u16string(16, u'b'));          // 260: not
  files.addFile(root + u"\\" + std::u16string(15, u'a'), u"a.dwg");

  std::vector<TreeFolder> table = walkFolderTree(files, root);
  EXPECT_EQ(paths(table, TreeFolderState::kListed), (Rows{root, root + u"\\" + std::u16string(15, u'a')}));
  EXPECT_EQ(scanFolderTree(files, list, *set, table, DrawingType::kDwg, 0), 0);
  EXPECT_EQ(list.rowCount(), 0);
}

}  // namespace
}  // namespace dovevar
