// A control's picture blended with its parent's cache under it (the
// disabled look over a parent with a cache): the 60 / 40 weights with their
// rounding, the parent offset, and the pixels the parent does not cover.
#include <gtest/gtest.h>

#include "PaintSkins.h"
#include "skin/paint/sParentBlend.h"

namespace {

using namespace paintfix;
using skin::TColor;

TEST(BlendWithParentCache, SixtyPercentParentAtTheControlsPlace) {
  tk::Bitmap parent = Filled(20, 10, 0x0000FF);
  SetPixelAt(parent, 7, 4, 0x0A0B0C);  // under the control's (2, 1)
  tk::Bitmap control = Filled(6, 4, 0x123456);
  const skin::CacheInfo cache{&parent, 1, 1, true};
  skin::BlendWithParentCache(control, cache, {4, 2}, 60);
  // 0.6 * parent + 0.4 * control per channel, rounded.
  EXPECT_EQ(PixelAt(control, 0, 0), 0x0715BB);
  EXPECT_EQ(PixelAt(control, 2, 1), 0x0D1B2A);  // red 0.6 * 0x0C + 0.4 * 0x56 = 41.6: 42
  EXPECT_EQ(PixelAt(control, 5, 3), 0x0715BB);
}

TEST(BlendWithParentCache, EdgesAndWeights) {
  const tk::Bitmap parent = Filled(10, 10, 0xFFFFFF);
  const struct {
    int x, y, percent;
    TColor inside, outside;
  } cases[] = {
      {8, 8, 60, 0x999999, 0x000000},   // only the 2 x 2 pixels over the parent change
      {-3, -3, 60, 0x999999, 0x000000}, // the same at the other corner
      {0, 0, 100, 0xFFFFFF, 0xFFFFFF},  // all parent
      {0, 0, 0, 0x000000, 0x000000},    // all control
      {0, 0, 150, 0xFFFFFF, 0xFFFFFF},  // held to 100
      {0, 0, 50, 0x808080, 0x808080},   // 127.5 to even: 128
  };
  for (const auto& k : cases) {
    tk::Bitmap control = Filled(5, 5, 0x000000);
    skin::BlendWithParentCache(control, {&parent, 0, 0, true}, {k.x, k.y}, k.percent);
    const int ix = k.x < 0 ? 4 : 0, iy = k.y < 0 ? 4 : 0;   // a pixel over the parent
    const int ox = k.x < 0 ? 0 : 4, oy = k.y < 0 ? 0 : 4;   // one that may not be
    EXPECT_EQ(PixelAt(control, ix, iy), k.inside) << k.x << "," << k.y << " " << k.percent;
    EXPECT_EQ(PixelAt(control, ox, oy), k.outside) << k.x << "," << k.y << " " << k.percent;
  }
  // A cache that is not ready changes nothing.
  tk::Bitmap control = Filled(5, 5, 0x123456);
  skin::BlendWithParentCache(control, {&parent, 0, 0, false}, {0, 0}, 60);
  EXPECT_EQ(PixelAt(control, 2, 2), 0x123456);
}

}  // namespace
