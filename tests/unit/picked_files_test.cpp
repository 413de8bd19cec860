#include "collect/picked_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "unit/collected_rows.h"

namespace dovevar {
namespace {

using Texts = std::vector<std::u16string>;
using namespace std::string_literals;

// ---- Reading the picker's result ---------------------------------------------------------

TEST(PickerResult, OneFileOrSeveralGiveTheFolderAndTheNames) {
  struct Case {
    std::u16string result;
    std::size_t offset;
    const char16_t* folder;
    Texts names;
  };
  const Case cases[] = {
      {u"C:\\x\\a.dxf\0\0"s, 5, u"C:\\x", {u"a.dxf"}},
      {u"C:\\x\0a.dwg\0b.dwg\0c.dxf\0\0"s, 5, u"C:\\x", {u"a.dwg", u"b.dwg", u"c.dxf"}},
      {u"C:\\a.dwg\0\0"s, 3, u"C:", {u"a.dwg"}},          // a drive root loses its backslash
      {u"C:\\\0a.dwg\0b.dwg\0\0"s, 4, u"C:", {u"a.dwg", u"b.dwg"}},
      {u"C:\\x\0a.dwg"s, 5, u"C:\\x", {u"a.dwg"}},          // the buffer's end ends the list
      {u"\\a.dwg\0\0"s, 1, u"\\", {u"a.dwg"}},              // one character keeps it
  };
  for (const Case& c : cases) {
    const std::optional<PickedFiles> picked = parsePickerResult(c.result, c.offset);
    ASSERT_TRUE(picked.has_value()) << c.offset;
    EXPECT_EQ(picked->folder, c.folder);
    EXPECT_EQ(picked->names, c.names);
  }
}

TEST(PickerResult, AFirstNameAtOffset260OrBeyondGivesNothing) {
  const std::u16string folder258 = u"C:\\" + std::u16string(255, u'f');
  const std::optional<PickedFiles> fits = parsePickerResult(folder258 + u"\\a.dwg\0\0"s, 259);
  ASSERT_TRUE(fits.has_value());
  EXPECT_EQ(fits->folder, folder258);
  EXPECT_FALSE(parsePickerResult(folder258 + u"f\\a.dwg\0\0"s, 260).has_value());
  EXPECT_FALSE(parsePickerResult(folder258 + u"ff\\a.dwg\0\0"s, 261).has_value());
  EXPECT_FALSE(parsePickerResult(u"C:\\x\\a.dwg"s, 40).has_value());
}

TEST(PickerResult, ImageIndexOneOnlyForXfOrXFAtTheEnd) {
  EXPECT_EQ(drawingImageIndex(u"a.dxf"), 1);
  EXPECT_EQ(drawingImageIndex(u"A.DXF"), 1);
  EXPECT_EQ(drawingImageIndex(u"a.Dxf"), 1);
  EXPECT_EQ(drawingImageIndex(u"a.dXF"), 1);
  EXPECT_EQ(drawingImageIndex(u"a.dxF"), 0);
  EXPECT_EQ(drawingImageIndex(u"a.dwg"), 0);
  EXPECT_EQ(drawingImageIndex(u"f"), 0);
}

// ---- Rows of the picked files ------------------------------------------------------------

struct PickedRows : CollectedRows, ::testing::Test {};

// The row takes the name as stored on disk; the image index comes from the name picked.
TEST_F(PickedRows, EachPickedFileThatStillExistsMakesARow) {
  files.addFile(u"C:\\x", u"Plan.DWG", {2023, 1, 2, 3, 4});
  files.addFile(u"C:\\x", u"Site.dxf", {2023, 5, 6, 7, 8});
  list.addDrawingRow(*set, u"old.dwg", u"D:", u"", 1, 0);

  const PickedFiles picked{u"C:\\x", {u"plan.dwg", u"gone.dwg", u"SITE.DXF"}};
  EXPECT_EQ(addPickedFiles(files, list, *set, picked, 1), 3);
  EXPECT_EQ(rows(), (Texts{u"old.dwg|D:||1", u"Plan.DWG|C:\\x|2023/01/02 03:04|0",
                           u"Site.dxf|C:\\x|2023/05/06 07:08|1"}));
}

TEST_F(PickedRows, AtADriveRootThePathGetsItsBackslashBack) {
  files.addFile(u"C:\\", u"a.dxf");

  EXPECT_EQ(addPickedFiles(files, list, *set, {u"C:", {u"a.dxf"}}, 0), 1);
  EXPECT_EQ(files.listedPatterns, Texts{u"C:\\a.dxf"});
  EXPECT_EQ(rows(), Texts{u"a.dxf|C:|00/00/00 00:00|1"});
}

// A folder of 250 and a name of 8 make 259 characters: taken. A name of 9: passed over.
TEST_F(PickedRows, ANameThatMakesAPathLongerThan259IsPassedOver) {
  const std::u16string folder = u"C:\\" + std::u16string(247, u'f');
  files.addFile(folder, u"1234.dwg");
  files.addFile(folder, u"12345.dwg");

  EXPECT_EQ(addPickedFiles(files, list, *set, {folder, {u"12345.dwg", u"1234.dwg"}}, 0), 1);
  EXPECT_EQ(names(), Texts{u"1234.dwg"});
}

}  // namespace
}  // namespace dovevar
