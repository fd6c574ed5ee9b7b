// The pixels a skinned window's region loses: the clear pixels of the
// corner areas of the frame's border masks, placed at the window's corners.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "PaintSkins.h"
#include "skin/data/sSkinTables.h"
#include "skin/forms/sFrameRegion.h"

namespace {

using skin::TRect;
constexpr skin::TColor F = skin::clFuchsia;
constexpr skin::TColor W = skin::clWhite;

// A mask with its own bitmap: two frames of 5 x 4 side by side, the first
// one's corners drawn from the rows given (top to bottom).
skin::TsMaskData OwnMask(const std::vector<std::vector<skin::TColor>>& firstFrame, int wl, int wt, int wr, int wb) {
  skin::TsMaskData m;
  const int h = static_cast<int>(firstFrame.size()), w = static_cast<int>(firstFrame[0].size());
  m.Bmp = std::make_unique<tk::Bitmap>(2 * w, h);
  m.Bmp->Fill(0x00FF00);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) paintfix::SetPixelAt(*m.Bmp, x, y, firstFrame[y][x]);
  m.R = {0, 0, 2 * w, h};
  m.ImageCount = 2;
  m.WL = wl;
  m.WT = wt;
  m.WR = wr;
  m.WB = wb;
  return m;
}

std::vector<TRect> Sorted(std::vector<TRect> v) {
  std::sort(v.begin(), v.end(), [](const TRect& a, const TRect& b) {
    return a.Top != b.Top ? a.Top < b.Top : a.Left < b.Left;
  });
  return v;
}

TEST(FrameRegion, ClearRunsOfEachCornerRowBecomeOnePixelHighRectangles) {
  // Rounded corners: two clear pixels in the first row, one in the second.
  const skin::TsMaskData m = OwnMask({{F, F, W, F, F},
                                      {F, W, W, W, F},
                                      {W, W, W, W, W},
                                      {F, W, W, W, F}},
                                     2, 2, 2, 1);
  const std::vector<TRect> cuts = Sorted(skin::MaskCornerCuts(m, 100, true, 0, true, 60));
  const std::vector<TRect> expected = {
      {0, 0, 2, 1}, {98, 0, 100, 1},  // top row: runs of two at both corners
      {0, 1, 1, 2}, {99, 1, 100, 2},  // second row: one pixel each
      {0, 60, 1, 61}, {99, 60, 100, 61},  // the bottom corner row at its base
  };
  EXPECT_EQ(cuts, expected);
}

TEST(FrameRegion, OnlyTheCornerAreasCountAndMasksWithoutWidthsCutNothing) {
  // Clear pixels in the middle of the top edge are not a corner's.
  const std::vector<std::vector<skin::TColor>> frame = {{W, W, F, W, W}, {W, W, F, W, W}, {W, W, W, W, W}, {W, W, W, W, W}};
  EXPECT_TRUE(skin::MaskCornerCuts(OwnMask(frame, 2, 2, 2, 2), 50, true, 0, true, 40).empty());
  const std::vector<std::vector<skin::TColor>> clear(4, std::vector<skin::TColor>(5, F));
  EXPECT_TRUE(skin::MaskCornerCuts(OwnMask(clear, 0, 0, 0, 0), 50, true, 0, true, 40).empty());
  // The same clear frame with widths cuts whole corner rows, top only when asked.
  const std::vector<TRect> top = Sorted(skin::MaskCornerCuts(OwnMask(clear, 1, 1, 1, 1), 50, true, 0, false, 0));
  EXPECT_EQ(top, (std::vector<TRect>{{0, 0, 1, 1}, {49, 0, 50, 1}}));
}

TEST(FrameRegion, TheInternalSkinsCutTheWindowsCornersAlone) {
  for (paintfix::Skin s : paintfix::kSkins) {
    SCOPED_TRACE(paintfix::SkinName(s));
    const skin::TsSkinTables& t = paintfix::Tables(s);
    const int form = paintfix::Mask(t, "FORM", "BORDERSMASK");
    const int title = paintfix::Mask(t, "FORMTITLE", "BORDERSMASK");
    ASSERT_GE(title, 0);
    const std::vector<TRect> cuts = skin::FrameRegionCuts(t, form, title, 512, 319);
    ASSERT_FALSE(cuts.empty());
    const skin::TsMaskData& titleMask = t.ma[static_cast<std::size_t>(title)];
    const skin::TsMaskData& formMask = t.ma[static_cast<std::size_t>(form)];
    for (const TRect& r : cuts) {
      EXPECT_EQ(r.Height(), 1);
      // Every cut lies in a corner: the title's at the top, the frame's at
      // the top and at the bottom.
      const bool top = r.Top < std::max(titleMask.WT, formMask.WT);
      const bool bottom = r.Top >= 319 - formMask.WB;
      EXPECT_TRUE(top || bottom) << r.Left << "," << r.Top;
      const int wl = std::max(titleMask.WL, formMask.WL), wr = std::max(titleMask.WR, formMask.WR);
      EXPECT_TRUE(r.Right <= wl || r.Left >= 512 - wr) << r.Left << "," << r.Top;
    }
    // Both top corners are cut the same, mirrored.
    const auto left = std::count_if(cuts.begin(), cuts.end(), [](const TRect& r) { return r.Left == 0; });
    const auto right = std::count_if(cuts.begin(), cuts.end(), [](const TRect& r) { return r.Right == 512; });
    EXPECT_EQ(left, right);
  }
}

}  // namespace
