#include "collect/dropped_paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "unit/collected_rows.h"

namespace dovevar {
namespace {

using Texts = std::vector<std::u16string>;
constexpr LocalTime kNoon{2024, 3, 7, 12, 5};

struct DroppedPaths : CollectedRows, ::testing::Test {
  DroppedPaths() {
    files.addFile(u"C:\\Users\\ken\\Desktop", u"A-101.DWG", kNoon);
    files.addFile(u"C:\\Users\\ken\\Desktop", u"site.dxf", kNoon);
    files.addFile(u"C:\\Users\\ken\\Desktop", u"notes.txt");
    files.addFile(u"C:\\jobs\\tower", u"t2.dxf", kNoon);
    files.addFile(u"C:\\jobs\\tower", u"t1.dwg", kNoon);
    files.addFile(u"C:\\jobs\\tower\\level1", u"l1.dwg", kNoon);
    files.addFolder(u"C:\\jobs\\tower\\empty");
  }
};

// Rows come in the order dropped; each folder of a dropped tree gives its DWG drawings,
// then its DXF ones; a dropped file gets the picker's image index (1 for DXF), a
// scanned one the folder scan's (1 for DWG).
TEST_F(DroppedPaths, DrawingsAndFoldersAreAddedInTheOrderDropped) {
  list.addDrawingRow(*set, u"old.dwg", u"C:\\", u"", 0, 0);
  const DropOutcome outcome = addDroppedPaths(
      files, list, *set,
      {u"C:\\Users\\ken\\Desktop\\site.dxf", u"C:\\jobs\\tower\\", u"C:\\Users\\ken\\Desktop\\a-101.dwg"});
  EXPECT_EQ(outcome.firstNewRow, 1);
  EXPECT_EQ(outcome.added, 5);
  EXPECT_EQ(outcome.passedOver, 0);
  EXPECT_EQ(rows(), (Texts{u"old.dwg|C:\\||0",
                           u"site.dxf|C:\\Users\\ken\\Desktop|2024/03/07 12:05|1",
                           u"t1.dwg|C:\\jobs\\tower|2024/03/07 12:05|1",
                           u"t2.dxf|C:\\jobs\\tower|2024/03/07 12:05|0",
                           u"l1.dwg|C:\\jobs\\tower\\level1|2024/03/07 12:05|1",
                           u"A-101.DWG|C:\\Users\\ken\\Desktop|2024/03/07 12:05|0"}));
}

TEST_F(DroppedPaths, WhatIsNeitherDrawingNorFolderIsCountedAndPassedOver) {
  struct Case {
    Texts dropped;
    int added;
    int passedOver;
  };
  const Case cases[] = {
      {{u"C:\\Users\\ken\\Desktop\\notes.txt", u"C:\\Users\\ken\\Desktop\\site.dxf"}, 1, 1},
      {{u"C:\\Users\\ken\\Desktop\\gone.dwg"}, 0, 1},            // removed since it was dragged
      {{u"C:\\Users\\ken\\Desktop\\*.dwg", u""}, 0, 2},           // no pattern reaches the listing
      {{u"C:\\" + std::u16string(260, u'x') + u".dwg"}, 0, 1},   // too long for a path buffer
      {{u"C:\\jobs\\tower\\empty"}, 0, 0},                       // a folder without drawings says nothing
  };
  int index = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(index++);
    DrawingList fresh;
    fresh.rebuildColumns(*set);
    const DropOutcome outcome = addDroppedPaths(files, fresh, *set, c.dropped);
    EXPECT_EQ(outcome.added, c.added);
    EXPECT_EQ(fresh.rowCount(), c.added);
    EXPECT_EQ(outcome.passedOver, c.passedOver);
  }
}

TEST_F(DroppedPaths, ADroppedDriveRootIsWalkedFromTheRoot) {
  files.addFile(u"D:\\", u"root.dwg", kNoon);
  files.addFile(u"D:\\plans", u"p.dxf", kNoon);
  const DropOutcome outcome = addDroppedPaths(files, list, *set, {u"D:\\"});
  EXPECT_EQ(outcome.added, 2);
  EXPECT_EQ(names(), (Texts{u"root.dwg", u"p.dxf"}));
}

}  // namespace
}  // namespace dovevar
