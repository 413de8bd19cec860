#include "extras/window_memory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dovevar {
namespace {

using Rects = std::vector<ScreenRect>;

// A laptop at 1920 x 1040 (taskbar below) and a monitor to its right.
const Rects kTwoMonitors = {{0, 0, 1920, 1040}, {1920, 0, 4480, 1400}};

TEST(WindowPlacement, TheWindowOpensWhereItWasOrOnThePrimaryMonitor) {
  struct Case {
    const char* story;
    ScreenRect stored;
    Rects monitors;
    ScreenRect opens;
  };
  const Case cases[] = {
      {"on the laptop, as it was", {100, 80, 1100, 780}, kTwoMonitors, {100, 80, 1100, 780}},
      {"on the second monitor, as it was", {2500, 200, 3700, 1100}, kTwoMonitors, {2500, 200, 3700, 1100}},
      {"the second monitor is gone: the primary's top left", {2500, 200, 3700, 1100}, {kTwoMonitors[0]},
       {0, 0, 1200, 900}},
      {"across both: the one that holds most", {1500, 100, 2700, 900}, kTwoMonitors, {1920, 100, 3120, 900}},
      {"larger than the screen: shrunk to it", {-50, -20, 2500, 1300}, {kTwoMonitors[0]}, {0, 0, 1920, 1040}},
      {"past the bottom edge: moved up", {300, 700, 1300, 1400}, {kTwoMonitors[0]}, {300, 340, 1300, 1040}},
      {"no monitor known: as stored", {10, 10, 20, 20}, {}, {10, 10, 20, 20}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(placeOnMonitors(c.stored, c.monitors, 0), c.opens) << c.story;
  }
}

TEST(WindowPlacement, DraggedWidthsShowWhileTheirItemsKeepTheirWidths) {
  const std::vector<DraggedWidth> dragged = {{250, 200}, {40, 40}, {90, 80}};
  EXPECT_EQ(widthsToShow(dragged, {200, 40, 80}), (std::vector<int>{250, 40, 90}));
  // The third item was given 120 in the script details since: its own width wins.
  EXPECT_EQ(widthsToShow(dragged, {200, 40, 120}), (std::vector<int>{250, 40, 0}));
  // A set with a column more: the new one shows its own.
  EXPECT_EQ(widthsToShow(dragged, {200, 40, 80, 60}), (std::vector<int>{250, 40, 90, 0}));

  EXPECT_EQ(widthsToKeep({250, 40}, {200, 40}), (std::vector<DraggedWidth>{{250, 200}, {40, 40}}));
  EXPECT_TRUE(widthsToKeep({200, 40}, {200, 40}).empty());
}

TEST(WindowPlacement, TheMemoryReadsBackWhatItWroteAndLeavesDamageOut) {
  WindowMemory memory;
  memory.place = WindowPlace{{-1200, 40, -100, 900}, true};
  memory.widths[{1, 3}] = {{250, 200}, {40, 40}};
  const std::vector<std::u16string> lines = windowMemoryLines(memory);
  ASSERT_EQ(lines, (std::vector<std::u16string>{u"window=-1200,40,-100,900,1\r\n",
                                                u"column_widths=1,3,250/200,40/40\r\n"}));
  WindowMemory read;
  for (const std::u16string& line : lines) EXPECT_TRUE(readWindowMemoryLine(line.substr(0, line.size() - 2), read));
  EXPECT_EQ(read, memory);

  for (const std::u16string_view damaged :
       {u"window=1,2,3", u"window=10,10,5,5,0", u"window=0,0,100,100,2", u"window=a,0,100,100,0",
        u"column_widths=1,3", u"column_widths=1,3,0/200", u"column_widths=1,3,250", u"column_widths=x,3,250/200"}) {
    WindowMemory none;
    EXPECT_TRUE(readWindowMemoryLine(damaged, none));
    EXPECT_EQ(none, WindowMemory{}) << std::string(damaged.begin(), damaged.end());
  }
  WindowMemory none;
  EXPECT_FALSE(readWindowMemoryLine(u"check_before_run=1", none));
}

}  // namespace
}  // namespace dovevar
