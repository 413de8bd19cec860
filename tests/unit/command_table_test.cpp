#include "app/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "store/text_ids.h"

namespace dovevar {
namespace {

// Writes down everything the dispatch asks for, in order.
class RecordingHost : public CommandHost {
 public:
  int rows = 0;
  std::vector<std::string> calls;

  int rowCount() const override { return rows; }
  void showMessage(int number) override { calls.push_back("message " + std::to_string(number)); }
  void printerCheck() override { calls.push_back("printer check"); }
  void rememberFirstNewRow(int row) override { calls.push_back("first new row " + std::to_string(row)); }
  void run(Operation operation) override {
    calls.push_back("run " + std::to_string(static_cast<int>(operation)));
  }
  void showRows() override { calls.push_back("rows"); }
  void refreshStatus() override { calls.push_back("status"); }
  void rebuildColumns() override { calls.push_back("columns"); }
  void replaceMenu() override { calls.push_back("menu"); }
  void repaint() override { calls.push_back("repaint"); }
};

std::string ran(Operation operation) { return "run " + std::to_string(static_cast<int>(operation)); }

TEST(CommandTable, CommandsThatNeedAnEmptyListOnlyTellWhenItHoldsRows) {
  for (int id : {55, 37843, 37850}) {
    RecordingHost host;
    host.rows = 1;
    EXPECT_TRUE(dispatchCommand(id, host));
    EXPECT_EQ(host.calls, std::vector<std::string>{"message 16"}) << id;
  }
  RecordingHost host;
  dispatchCommand(55, host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{ran(Operation::kChangeLanguage), "status", "columns", "menu"}));
}

TEST(CommandTable, EditingCommandsBuildThePrinterTableFirst) {
  for (int id : {37826, 37833, 37834, 338, 339, 342}) {
    RecordingHost host;
    dispatchCommand(id, host);
    ASSERT_EQ(host.calls.size(), 3u) << id;
    EXPECT_EQ(host.calls[0], "printer check") << id;
    EXPECT_EQ(host.calls[2], "rows") << id;
  }
  RecordingHost host;
  dispatchCommand(37830, host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{ran(Operation::kRunSelectedRows), "rows"}));
}

TEST(CommandTable, RefreshesFollowTheOperationInTheirOrder) {
  RecordingHost environment;
  dispatchCommand(41, environment);
  EXPECT_EQ(environment.calls, (std::vector<std::string>{ran(Operation::kEnvironmentDialog), "status", "repaint"}));
  RecordingHost printers;
  dispatchCommand(337, printers);
  EXPECT_EQ(printers.calls, (std::vector<std::string>{ran(Operation::kPrinterListDialog), "repaint"}));
  RecordingHost folderSelect;
  folderSelect.rows = 7;
  dispatchCommand(37842, folderSelect);
  EXPECT_EQ(folderSelect.calls,
            (std::vector<std::string>{"first new row 7", ran(Operation::kFolderSelectDialog), "rows", "status"}));
}

TEST(CommandTable, ToolbarTwinsDifferWhereTheMenuAsksAndTheButtonActs) {
  EXPECT_EQ(findCommand(32)->operation, Operation::kDeleteSelectedRows);
  EXPECT_EQ(findCommand(335)->operation, Operation::kDeleteSelectedOrAll);
  EXPECT_EQ(findCommand(37830)->operation, Operation::kRunSelectedRows);
  EXPECT_EQ(findCommand(336)->operation, Operation::kRunSelectedOrAllRows);
  EXPECT_EQ(findCommand(346)->operation, findCommand(105)->operation);
  EXPECT_EQ(findCommand(330)->operation, findCommand(37842)->operation);
}

// Every command that changes rows or cells is one undo step; Undo and Redo themselves,
// the dialogs that change no row and the selection are none.
TEST(CommandTable, CommandsThatChangeTheListAreUndoStepsOfTheirKind) {
  const std::map<int, std::optional<StepKind>> steps = {
      {32, StepKind::kDelete},        {335, StepKind::kDelete},         {34, StepKind::kDelete},
      {37829, StepKind::kCollection}, {331, StepKind::kCollection},     {37844, StepKind::kCollection},
      {330, StepKind::kCollection},   {37847, StepKind::kFileNameRules}, {339, StepKind::kLineEdit},
      {342, StepKind::kColumnEdit},   {341, StepKind::kPaste},          {37864, StepKind::kAddRows},
      {343, StepKind::kMoveRow},      {37866, StepKind::kLayoutNumbers}, {37850, StepKind::kListLoad},
      {37826, std::nullopt},          {37836, std::nullopt},            {37857, std::nullopt},
      {340, std::nullopt},            {37848, std::nullopt},            {37843, std::nullopt},
      {kUndoCommandId, std::nullopt}, {kRedoCommandId, std::nullopt},   {37874, std::nullopt},
  };
  for (const auto& [id, step] : steps) EXPECT_EQ(listStepOf(findCommand(id)->operation), step) << id;
  EXPECT_FALSE(allowedDuringRun(Operation::kUndo));
  EXPECT_FALSE(allowedDuringRun(Operation::kRedo));
}

TEST(CommandTable, UnknownIdsAreLeftToTheDefaultHandling) {
  RecordingHost host;
  EXPECT_FALSE(dispatchCommand(0, host));
  EXPECT_FALSE(dispatchCommand(37839, host));
  EXPECT_FALSE(dispatchCommand(329, host));
  EXPECT_TRUE(host.calls.empty());
}

TEST(CommandTable, EveryIdIsListedOnceAndEveryToolbarButtonHasItsTooltip) {
  std::set<int> ids;
  for (const Command& command : commandTable()) EXPECT_TRUE(ids.insert(command.id).second) << command.id;
  // 60 of the program's own, the extensions' five at the end of the Start menu, Undo and Redo.
  EXPECT_EQ(ids.size(), 67u);
  EXPECT_EQ(findCommand(kStopRunCommandId)->operation, Operation::kStopRun);
  EXPECT_EQ(findCommand(37874)->operation, Operation::kSelectFailedRows);
  EXPECT_EQ(findCommand(37870)->operation, Operation::kCheckList);
  EXPECT_EQ(findCommand(37870)->check, Check::kPrinterCheck) << "the check compares with the printer table";
  EXPECT_EQ(findCommand(37871)->operation, Operation::kOpenRunReport);
  for (int button = 330; button <= 346; ++button) {
    EXPECT_NE(findCommand(button), nullptr) << button;
    EXPECT_EQ(toolTipLabel(button), kLabelCFirstToolTip + button - 330);
  }
  EXPECT_EQ(toolTipLabel(346), 26);
  EXPECT_EQ(toolTipLabel(329), -1);
  EXPECT_EQ(toolTipLabel(347), -1);
}

// During a run nothing may change the rows, the Script set or the settings, or start
// another run; looking, the selection, stopping and closing (which asks) may.
TEST(CommandTable, DuringARunOnlyWhatLeavesTheListAndTheSettingsAloneIsAllowed) {
  const std::map<int, bool> allowed = {
      {37873, true}, {105, true},   {51, true},    {37871, true},  {37835, true},  {37836, true},
      {37828, true}, {104, true},   {37832, false}, {37846, false}, {37851, false}, {336, false},
      {335, false},  {37842, false}, {37850, false}, {37849, false}, {41, false},    {37872, false},
      {37874, false}, {37857, false}, {343, false},  {37843, false}, {55, false},    {37870, false},
  };
  for (const auto& [id, expected] : allowed) {
    EXPECT_EQ(allowedDuringRun(findCommand(id)->operation), expected) << id;
  }
}

}  // namespace
}  // namespace dovevar
