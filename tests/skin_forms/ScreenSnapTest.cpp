// Snapping a window to the work area's edges, and the maximized placement.
#include <gtest/gtest.h>

#include "skin/forms/sScreenSnap.h"

namespace {

constexpr skin::TRect kWork{0, 0, 1280, 1000};

struct SnapCase {
  const char* what;
  int x, y;           // proposed place of a 300 x 200 window
  bool atOrigin;      // the monitor's top-left corner is (0, 0)
  int expectedX, expectedY;
};

TEST(ScreenSnap, EdgesCloserThanTheBufferCatchTheWindow) {
  const SnapCase cases[] = {
      {"9 pixels from the right edge", 1280 - 300 - 9, 400, true, 980, 400},
      {"10 pixels from the right edge", 1280 - 300 - 10, 400, true, 970, 400},
      {"beyond the right edge by 9", 1280 - 300 + 9, 400, true, 980, 400},
      {"9 pixels above the bottom", 500, 1000 - 200 - 9, true, 500, 800},
      {"10 pixels above the bottom", 500, 1000 - 200 - 10, true, 500, 790},
      {"9 pixels from the left", 9, 400, true, 0, 400},
      {"10 pixels from the left", 10, 400, true, 10, 400},
      {"9 from the top", 500, 9, true, 500, 0},
      {"left and top not on a monitor off the origin", 5, 5, false, 5, 5},
      {"into a corner", 1280 - 300 - 3, 1000 - 200 + 4, true, 980, 800},
  };
  for (const SnapCase& c : cases) {
    const skin::TsSnapPlacement p = skin::SnapToWorkArea(c.x, c.y, 300, 200, kWork, 10, c.atOrigin);
    EXPECT_EQ(p.x, c.expectedX) << c.what;
    EXPECT_EQ(p.y, c.expectedY) << c.what;
  }
}

TEST(ScreenSnap, ALaterRuleWinsForAWindowWiderThanTheWorkArea) {
  // Both the right and the left rule hold; the left one comes last.
  const skin::TsSnapPlacement p = skin::SnapToWorkArea(3, 300, 1275, 200, kWork, 10, true);
  EXPECT_EQ(p.x, 0);
}

TEST(ScreenSnap, TheMaximizedFrameHangsOutsideTheWorkArea) {
  const skin::TsMaximizedPlacement p = skin::MaximizedPlacement(kWork, 3);
  EXPECT_EQ(p.left, -3);
  EXPECT_EQ(p.top, -3);
  EXPECT_EQ(p.width, 1286);
  EXPECT_EQ(p.height, 1006);
}

}  // namespace
