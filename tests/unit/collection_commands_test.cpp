#include "collect/collection_commands.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "collect/folder_chooser.h"
#include "collect/recent_folders.h"
#include "fakes/scripted_messages.h"
#include "store/text_ids.h"
#include "unit/collected_rows.h"

namespace dovevar {
namespace {

using Texts = std::vector<std::u16string>;
using namespace std::string_literals;

// Answers the chooser with `choice`, the browser with `browsed` (nothing: cancel), the
// picker with `picked` and its offset (nothing: cancel); records what was asked.
struct ScriptedCollectionDialogs : CollectionDialogs {
  int choice = kChooserClosed;
  std::optional<std::u16string> browsed;
  std::optional<std::pair<std::u16string, std::size_t>> picked;
  bool pickOverflows = false;  // more names picked than the picker could hand over
  std::vector<int> chooserKinds;
  std::vector<std::pair<std::u16string, std::u16string>> browsers;  // title, pre-selection
  std::vector<DrawingPicker> pickers;

  int chooseFolder(int kind) override {
    chooserKinds.push_back(kind);
    return choice;
  }
  bool browseForFolder(std::u16string_view title, std::u16string_view preselected,
                       std::u16string& folder) override {
    browsers.emplace_back(title, preselected);
    if (browsed) folder = *browsed;
    return browsed.has_value();
  }
  PickResult pickDrawings(const DrawingPicker& picker, std::u16string& result, std::size_t& offset) override {
    pickers.push_back(picker);
    if (pickOverflows) return PickResult::kNotTaken;
    if (!picked) return PickResult::kCancelled;
    std::tie(result, offset) = *picked;
    return PickResult::kPicked;
  }
};

struct Collection : CollectedRows, ScriptedMessages, ::testing::Test {
  Settings settings;
  ScriptedCollectionDialogs dialogs;
  DrawingCollection collection{files, dialogs, messages, settings, list};

  Collection() {
    texts.messages[kMsgFolderHasNoDrawings][kEnglish].text = u"no drawings";
    texts.labels[kLabelsC][kLabelCDwgFolderTitle][kEnglish] = u"DWG folder";
    texts.labels[kLabelsC][kLabelCDxfFolderTitle][kEnglish] = u"DXF folder";
    texts.labels[kLabelsC][kLabelCDrawingPickerTitle][kEnglish] = u"Pick drawings";
    list.addDrawingRow(*set, u"old.dwg", u"D:", u"", 1, 0);
    settings.file_folder = u"C:\\current";
    files.addFile(u"C:\\plans", u"a.dwg");
    files.addFile(u"C:\\plans", u"b.dxf");
    files.addFile(u"C:\\plans\\sub", u"c.dwg");
  }

  Texts shownTexts() const {
    Texts result;
    for (const auto& box : ui.boxes) result.push_back(box.text);
    return result;
  }
  const std::u16string& recent(int kind, int i) const { return settings.file_folder_tbl[kind][i]; }
};

// ---- Folder collection -------------------------------------------------------------------

TEST_F(Collection, ARecentFolderIsCollectedWithoutTheBrowser) {
  settings.file_folder_tbl[kFolderCollection][0] = u"C:\\x";
  settings.file_folder_tbl[kFolderCollection][1] = u"C:\\plans";
  dialogs.choice = 1;

  EXPECT_EQ(collection.collectFolder(*set, DrawingType::kDwg), 1);
  EXPECT_EQ(dialogs.chooserKinds, std::vector{int{kFolderCollection}});
  EXPECT_TRUE(dialogs.browsers.empty());
  EXPECT_EQ(names(), (Texts{u"old.dwg", u"a.dwg"}));
  EXPECT_EQ(recent(kFolderCollection, 0), u"C:\\plans");
  EXPECT_EQ(settings.file_folder, u"C:\\plans");  // it was in the list already
}

// A favourite opens the browser on itself, "another folder" on recent folder 0; the
// title says the type. A folder new to the list leaves the current folder.
TEST_F(Collection, AFavouriteOrAnotherFolderGoesThroughTheBrowser) {
  settings.file_folder_set[kFolderCollection][1] = u"C:\\fav";
  settings.file_folder_tbl[kFolderCollection][0] = u"C:\\x";
  dialogs.browsed = u"C:\\plans";

  dialogs.choice = favouriteChoice(1);
  EXPECT_EQ(collection.collectFolder(*set, DrawingType::kDxf), 1);
  dialogs.choice = kChooserAnotherFolder;
  EXPECT_EQ(collection.collectFolder(*set, DrawingType::kDwg), 2);

  using Browser = std::pair<std::u16string, std::u16string>;
  EXPECT_EQ(dialogs.browsers, (std::vector<Browser>{{u"DXF folder", u"C:\\fav"}, {u"DWG folder", u"C:\\plans"}}));
  EXPECT_EQ(names(), (Texts{u"old.dwg", u"b.dxf", u"a.dwg"}));
  EXPECT_EQ(settings.file_folder, u"C:\\plans");  // the second time it was there
}

TEST_F(Collection, NothingFoundShowsMessage2AndRemembersNothing) {
  dialogs.choice = kChooserAnotherFolder;
  dialogs.browsed = u"C:\\plans\\sub";

  EXPECT_EQ(collection.collectFolder(*set, DrawingType::kDxf), 1);
  EXPECT_EQ(shownTexts(), Texts{u"no drawings"});
  EXPECT_EQ(recent(kFolderCollection, 0), u"");
  EXPECT_EQ(list.rowCount(), 1);
}

// Closed chooser, cancelled browser, a browser that gives no path: nothing happens.
TEST_F(Collection, ACancelledDialogEndsTheCommandWithoutChange) {
  EXPECT_EQ(collection.collectFolder(*set, DrawingType::kDwg), std::nullopt);
  dialogs.choice = kChooserAnotherFolder;
  EXPECT_EQ(collection.collectFolderTree(*set, DrawingType::kDwg), std::nullopt);
  dialogs.browsed = u"";
  EXPECT_EQ(collection.collectFolderTree(*set, DrawingType::kDwg), std::nullopt);
  EXPECT_EQ(collection.pickDrawings(*set, PickerFirstFilter::kDwg), std::nullopt);

  EXPECT_EQ(list.rowCount(), 1);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(settings.file_folder, u"C:\\current");
  EXPECT_EQ(recent(kFolderTreeCollection, 0), u"");
}

// ---- Folder-tree collection --------------------------------------------------------------

TEST_F(Collection, ATreeRootFromTheBrowserBecomesTheCurrentFolder) {
  dialogs.choice = favouriteChoice(0);
  dialogs.browsed = u"C:\\plans";

  EXPECT_EQ(collection.collectFolderTree(*set, DrawingType::kDwg), 1);
  EXPECT_EQ(names(), (Texts{u"old.dwg", u"a.dwg", u"c.dwg"}));
  EXPECT_EQ(settings.file_folder, u"C:\\plans");
  EXPECT_EQ(recent(kFolderTreeCollection, 0), u"C:\\plans");
}

// A tree without drawings shows nothing and is remembered all the same; a recent root
// leaves the current folder alone unless it was already in the list.
TEST_F(Collection, ATreeWithoutDrawingsIsRememberedSilently) {
  files.addFolder(u"C:\\empty\\below");
  settings.file_folder_tbl[kFolderTreeCollection][0] = u"C:\\x";
  settings.file_folder_tbl[kFolderTreeCollection][1] = u"C:\\empty";
  dialogs.choice = 1;

  EXPECT_EQ(collection.collectFolderTree(*set, DrawingType::kDxf), 1);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(list.rowCount(), 1);
  EXPECT_EQ(recent(kFolderTreeCollection, 0), u"C:\\empty");
  EXPECT_EQ(recent(kFolderTreeCollection, 1), u"C:\\x");
}

// ---- One-file picker ---------------------------------------------------------------------

TEST_F(Collection, ThePickerStartsInTheChosenFolderWithTheTypeFirst) {
  settings.file_folder_tbl[kOneFilePicker][0] = u"C:\\plans";
  settings.file_folder_set[kOneFilePicker][2] = u"C:\\";
  using Filter = std::pair<std::u16string, std::u16string>;
  const Filter dwg{u"DwgFile(*.dwg)", u"*.dwg"};
  const Filter dxf{u"DxfFile(*.dxf)", u"*.dxf"};

  dialogs.choice = kChooserAnotherFolder;
  collection.pickDrawings(*set, PickerFirstFilter::kDwg);
  dialogs.choice = favouriteChoice(2);
  collection.pickDrawings(*set, PickerFirstFilter::kDxf);

  ASSERT_EQ(dialogs.pickers.size(), 2u);
  EXPECT_EQ(dialogs.pickers[0].title, u"Pick drawings");
  EXPECT_EQ(dialogs.pickers[0].initialText, u"C:\\plans\\*.dwg");
  EXPECT_EQ(dialogs.pickers[0].filters, (std::vector<Filter>{dwg, dxf}));
  EXPECT_EQ(dialogs.pickers[1].initialText, u"C:\\*.dxf");
  EXPECT_EQ(dialogs.pickers[1].filters, (std::vector<Filter>{dxf, dwg}));
  EXPECT_EQ(dialogs.chooserKinds, (std::vector<int>{kOneFilePicker, kOneFilePicker}));
}

TEST_F(Collection, PickedDrawingsAreAddedAndTheirFolderRemembered) {
  dialogs.choice = kChooserAnotherFolder;
  dialogs.picked = {{u"C:\\plans\0b.dxf\0gone.dwg\0a.dwg\0\0"s, 9}};

  EXPECT_EQ(collection.pickDrawings(*set, PickerFirstFilter::kDwg), 1);
  EXPECT_EQ(rows(), (Texts{u"old.dwg|D:||1", u"b.dxf|C:\\plans|00/00/00 00:00|1",
                           u"a.dwg|C:\\plans|00/00/00 00:00|0"}));
  EXPECT_EQ(recent(kOneFilePicker, 0), u"C:\\plans");
}

// A pick the picker could not hand over is said, not taken for a cancel.
TEST_F(Collection, APickTooLargeToBeTakenIsSaidAndAddsNothing) {
  dialogs.choice = kChooserAnotherFolder;
  dialogs.pickOverflows = true;
  EXPECT_EQ(collection.pickDrawings(*set, PickerFirstFilter::kDwg), std::nullopt);
  EXPECT_EQ(list.rowCount(), 1);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].style, UiPort::BoxStyle::kExclamation);
}

TEST_F(Collection, APickerResultWithItsFirstNameAt260AddsNothing) {
  const std::u16string folder = u"C:\\" + std::u16string(256, u'f');
  dialogs.choice = kChooserAnotherFolder;
  dialogs.picked = {{folder + u"\\a.dwg\0\0"s, 260}};

  EXPECT_EQ(collection.pickDrawings(*set, PickerFirstFilter::kDwg), std::nullopt);
  EXPECT_EQ(list.rowCount(), 1);
  EXPECT_EQ(recent(kOneFilePicker, 0), u"");
}

}  // namespace
}  // namespace dovevar
