#include "app/dpi_scale.h"

#include <gtest/gtest.h>

namespace dovevar {
namespace {

TEST(DpiScale, DesignLengthsGrowWithTheDpiToTheNearestPixel) {
  struct Case {
    int design, dpi, shown;
  };
  const Case cases[] = {
      {100, 96, 100}, {100, 144, 150}, {100, 192, 200}, {40, 120, 50},
      {33, 144, 50},   // 49.5 rounds up
      {1, 120, 1},     // 1.25 rounds down
      {-33, 144, -50}, // halves away from zero on both sides
      {12, 0, 12},     // no DPI known: 100 %
      {790, 168, 1383},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scaledToDpi(c.design, c.dpi), c.shown) << c.design << " at " << c.dpi;
  }
  EXPECT_EQ(designPixels(150, 144), 100);
  EXPECT_EQ(designPixels(151, 144), 101);
  EXPECT_EQ(designPixels(20, -1), 20);
}

// A column stored, shown and stored again keeps its width, whatever the DPI from 100 %.
TEST(DpiScale, EveryDesignLengthComesBackFromItsScaledLength) {
  for (const int dpi : {96, 110, 120, 144, 168, 192, 240, 288}) {
    for (int design = 0; design <= 3000; ++design) {
      ASSERT_EQ(designPixels(scaledToDpi(design, dpi), dpi), design) << design << " at " << dpi;
    }
  }
}

}  // namespace
}  // namespace dovevar
