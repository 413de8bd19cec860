#include "config/environment_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_spooler.h"
#include "fakes/scripted_messages.h"
#include "printers/printer_table.h"
#include "store/text_ids.h"

namespace dovevar {
namespace {

using Names = std::vector<std::u16string>;

std::u16string numbered(int i) {
  const std::string digits = std::to_string(i);
  return u"Printer " + std::u16string(digits.begin(), digits.end());
}

// The user's steps in the dialog: registering typed names one by one.
void registerNames(EnvironmentValues& values, const Names& typed) {
  for (const std::u16string& text : typed) {
    if (auto name = printerNameToRegister(text)) values.prohibitedPrinters.push_back(*name);
  }
}

struct EnvironmentDialog : ::testing::Test {
  Settings settings;

  EnvironmentDialog() {
    settings.autocad_file = u"C:\\CAD\\cad.exe";
    settings.ctb_file = u"C:\\CAD\\Styles";
    settings.temp_file = u"C:\\work\\atcprint.scr";
    settings.end_file_dwg = u"C:\\work\\endfile.dwg";
    settings.prohibition_print[0] = u"Fax";
    settings.print_paper_ab = 1;
  }
};

TEST_F(EnvironmentDialog, OpensWithTheSettingsAndStoresThemBackUnchanged) {
  const Settings before = settings;
  const EnvironmentValues values = environmentValues(settings);
  EXPECT_EQ(values.paths[static_cast<int>(PathField::kPlotStyleFolder)], u"C:\\CAD\\Styles");
  EXPECT_EQ(values.prohibitedPrinters, Names{u"Fax"});
  EXPECT_TRUE(values.paperAbOnly);
  EXPECT_FALSE(values.noProhibitedWarning);
  storeEnvironment(values, settings);
  EXPECT_TRUE(settings == before);
}

TEST_F(EnvironmentDialog, EighteenRegisteredNamesKeepTheFirstSixteen) {
  EnvironmentValues values = environmentValues(settings);
  Names typed;
  for (int i = 1; i <= 17; ++i) typed.push_back(numbered(i));
  registerNames(values, typed);
  storeEnvironment(values, settings);
  EXPECT_EQ(settings.prohibition_print[0], u"Fax");
  EXPECT_EQ(settings.prohibition_print[15], numbered(15));
  EXPECT_EQ(environmentValues(settings).prohibitedPrinters.size(), 16u);
}

TEST_F(EnvironmentDialog, DeletingNamesEmptiesTheSlotsAfterTheLastOne) {
  settings.prohibition_print[1] = u"Plotter";
  settings.prohibition_print[2] = u"Draft";
  EnvironmentValues values = environmentValues(settings);
  values.prohibitedPrinters.erase(values.prohibitedPrinters.begin());
  storeEnvironment(values, settings);
  EXPECT_EQ(settings.prohibition_print[0], u"Plotter");
  EXPECT_EQ(settings.prohibition_print[1], u"Draft");
  EXPECT_EQ(settings.prohibition_print[2], u"");
}

TEST_F(EnvironmentDialog, AnEmptyNameAddsNothingSoNoNameHidesBehindAnEmptySlot) {
  EnvironmentValues values = environmentValues(settings);
  registerNames(values, {u"", u"Plotter"});
  EXPECT_EQ(values.prohibitedPrinters, (Names{u"Fax", u"Plotter"}));

  // A file written elsewhere may still hold an empty slot: the names after it are
  // prohibited, so they are shown, and OK closes the gap.
  settings.prohibition_print[1] = u"";
  settings.prohibition_print[2] = u"Plotter";
  values = environmentValues(settings);
  EXPECT_EQ(values.prohibitedPrinters, (Names{u"Fax", u"Plotter"}));
  storeEnvironment(values, settings);
  EXPECT_EQ(settings.prohibition_print[1], u"Plotter");
}

TEST_F(EnvironmentDialog, ARegisteredNameIsTakenAsTypedUpToSixtyTwoCharacters) {
  EXPECT_EQ(printerNameToRegister(u" Fax "), u" Fax ");
  EXPECT_EQ(printerNameToRegister(std::u16string(70, u'p')), std::u16string(62, u'p'));
  EnvironmentValues values = environmentValues(settings);
  registerNames(values, {u"Fax"});  // a name already listed is added again
  EXPECT_EQ(values.prohibitedPrinters, (Names{u"Fax", u"Fax"}));
}

TEST_F(EnvironmentDialog, APathTooLongForItsFieldIsRefusedRatherThanCut) {
  EnvironmentValues values = environmentValues(settings);
  EXPECT_EQ(overLongPath(values), std::nullopt);
  values.paths[static_cast<int>(PathField::kEndDrawing)] = u"C:\\" + std::u16string(255, u'e');  // 258
  EXPECT_EQ(overLongPath(values), std::nullopt);
  values.paths[static_cast<int>(PathField::kRunScript)] = u"C:\\" + std::u16string(256, u'r');  // 259
  EXPECT_EQ(overLongPath(values), PathField::kRunScript);
  values.paths[static_cast<int>(PathField::kCadExecutable)] = std::u16string(300, u'c');
  EXPECT_EQ(overLongPath(values), PathField::kCadExecutable);
}

TEST_F(EnvironmentDialog, ANameInOtherCaseProhibitsNothing) {
  EnvironmentValues values = environmentValues(settings);
  registerNames(values, {u"dovevar_mixed_papers"});
  storeEnvironment(values, settings);
  FakeSpooler spooler;
  spooler.add(u"Dovevar_Mixed_Papers", {u"A4"});
  ScriptedMessages shown;
  PrinterTable table;
  buildPrinterTable(table, spooler, settings, shown.messages);
  EXPECT_EQ(table.records[0].papers[0], u"A4");
  EXPECT_TRUE(shown.ui.boxes.empty());
}

TEST(EnvironmentPickers, StartFromTheEditsTextWithTheirOwnFilterFirst) {
  ScriptedMessages shown;
  shown.texts.labels[kLabelsC][kLabelCRunScriptPickerTitle][kEnglish] = u"Run script";
  const UiPort::FileDialog picker =
      pathPicker(PathField::kRunScript, u"C:\\" + std::u16string(300, u's'), shown.messages);
  EXPECT_EQ(picker.title, u"Run script");
  using Filters = std::vector<std::pair<std::u16string, std::u16string>>;
  EXPECT_EQ(picker.filters, (Filters{{u"Temp(*.scr)", u"*.scr"}, {u"ALLFile(*.*)", u"*.*"}}));
  EXPECT_EQ(picker.filterIndex, 1);
  EXPECT_EQ(picker.initialPath.size(), 258u);
  EXPECT_EQ(pathPicker(PathField::kEndDrawing, u"", shown.messages).filters[0].second, u"*.dwg");
}

}  // namespace
}  // namespace dovevar
