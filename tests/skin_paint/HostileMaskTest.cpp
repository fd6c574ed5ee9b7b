// Masks that a damaged or hostile skin can hold: empty, inverted or huge
// rectangles, rectangles outside the master bitmap, frame counts and mask
// types of any value, absurd border widths, tiny own bitmaps, no manager.
// Every primitive paints nothing or a sound fallback, only inside its
// rectangle, and never reads outside a bitmap (the sanitizer build checks
// the reads).
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "PaintSkins.h"
#include "skin/paint/sBorderMask.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSkinPaintData.h"
#include "skin/paint/sTextureFill.h"
#include "skin/paint/sTransparentCorners.h"
#include "skin/data/sSkinTables.h"

namespace {

using namespace paintfix;
using skin::TColor;

constexpr TColor kSentinel = 0x5A5A5A;
constexpr skin::TRect kRect{5, 4, 35, 24};

struct Hostile {
  const char* name;
  std::function<void(skin::TsMaskData&)> change;
};

skin::TsMaskData Sane(const skin::TsSkinTables& t) {
  skin::TsMaskData m;
  m.Manager = &t;
  m.R = {0, 0, 18, 12};
  m.ImageCount = 3;
  m.MaskType = 1;
  m.WL = m.WT = m.WR = m.WB = 2;
  m.SectionName = "HOSTILE";
  m.PropertyName = "BORDERSMASK";
  return m;
}

std::unique_ptr<tk::Bitmap> OwnBitmap(int w, int h, tk::PixelFormat f = tk::PixelFormat::pf24bit) {
  auto b = std::make_unique<tk::Bitmap>(w, h, f);
  if (w > 0 && h > 0) b->Fill(0xFF00FF);
  return b;
}

const Hostile kHostile[] = {
    {"sane", [](skin::TsMaskData&) {}},
    {"empty rectangle", [](skin::TsMaskData& m) { m.R = {0, 0, 0, 0}; }},
    {"inverted rectangle", [](skin::TsMaskData& m) { m.R = {15, 10, 2, 1}; }},
    {"larger than the master", [](skin::TsMaskData& m) { m.R = {0, 0, 600, 500}; }},
    {"far outside the master", [](skin::TsMaskData& m) { m.R = {1000, 1000, 1030, 1020}; }},
    {"partly outside the master", [](skin::TsMaskData& m) { m.R = {12, 8, 40, 30}; }},
    {"negative rectangle", [](skin::TsMaskData& m) { m.R = {-30, -20, 6, 4}; }},
    {"extreme rectangle", [](skin::TsMaskData& m) { m.R = {INT_MIN, INT_MIN, INT_MAX, INT_MAX}; }},
    {"no frames", [](skin::TsMaskData& m) { m.ImageCount = 0; }},
    {"negative frames", [](skin::TsMaskData& m) { m.ImageCount = -3; }},
    {"huge frame count", [](skin::TsMaskData& m) { m.ImageCount = INT_MAX; }},
    {"negative mask type", [](skin::TsMaskData& m) { m.MaskType = -1; }},
    {"mask type 7", [](skin::TsMaskData& m) { m.MaskType = 7; }},
    {"huge mask type", [](skin::TsMaskData& m) { m.MaskType = INT_MAX; }},
    {"no mask half", [](skin::TsMaskData& m) { m.MaskType = 0; }},
    {"huge borders", [](skin::TsMaskData& m) { m.WL = m.WT = m.WR = m.WB = INT_MAX; }},
    {"negative borders", [](skin::TsMaskData& m) { m.WL = m.WT = m.WR = m.WB = -7; }},
    {"huge border width", [](skin::TsMaskData& m) { m.WL = m.WT = m.WR = m.WB = 0, m.BorderWidth = INT_MAX; }},
    {"stretched, no mask half", [](skin::TsMaskData& m) { m.MaskType = 0, m.DrawMode = 1; }},
    {"unknown draw mode", [](skin::TsMaskData& m) { m.DrawMode = -9; }},
    {"own bitmap 1 x 1", [](skin::TsMaskData& m) { m.Bmp = OwnBitmap(1, 1), m.R = {0, 0, 1, 1}; }},
    {"own bitmap empty", [](skin::TsMaskData& m) { m.Bmp = OwnBitmap(0, 0), m.R = {0, 0, 30, 30}; }},
    {"own bitmap smaller than R", [](skin::TsMaskData& m) { m.Bmp = OwnBitmap(4, 3), m.R = {0, 0, 90, 60}; }},
    {"own bitmap of 32 bits", [](skin::TsMaskData& m) { m.Bmp = OwnBitmap(9, 6, tk::PixelFormat::pf32bit), m.R = {0, 0, 9, 6}; }},
    {"no manager", [](skin::TsMaskData& m) { m.Manager = nullptr; }},
};

class HostileMask : public ::testing::TestWithParam<Hostile> {
protected:
  void SetUp() override {
    tables.MasterBitmap = Checkerboard(20, 14, skin::clFuchsia, 0x204080, 3);
    mask = Sane(tables);
    GetParam().change(mask);
  }
  // Paints into the rectangle of a sentinel target; true when nothing
  // outside the rectangle changed.
  bool OnlyInside(const std::function<void(tk::Bitmap&)>& paint) {
    tk::Bitmap target = Filled(40, 30, kSentinel);
    paint(target);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) {
        const bool inside = x >= kRect.Left && x < kRect.Right && y >= kRect.Top && y < kRect.Bottom;
        if (!inside && PixelAt(target, x, y) != kSentinel) return false;
      }
    return true;
  }
  skin::TsSkinTables tables;
  skin::TsMaskData mask;
  tk::Bitmap parent = Checkerboard(6, 5, 0x112233, 0x445566, 2);
};

TEST_P(HostileMask, BorderMasksStayInsideTheirRectangle) {
  for (int state : {-1, 0, 2, 9})
    for (bool centre : {false, true}) {
      EXPECT_TRUE(OnlyInside([&](tk::Bitmap& t) {
        skin::DrawBorderMask(t, kRect, centre, true, state, mask, {&parent, -3, 20, true});
      }));
      EXPECT_TRUE(OnlyInside([&](tk::Bitmap& t) { skin::DrawBorderMask(t, kRect, centre, false, state, mask, {}); }));
    }
  tk::Bitmap whole = Filled(7, 5, kSentinel);
  for (const skin::TRect& run : skin::DrawBorderMaskCorners(whole, 1, mask)) {
    EXPECT_EQ(run.Height(), 1);
    EXPECT_GT(run.Width(), 0);
    EXPECT_TRUE(run.Left >= 0 && run.Top >= 0 && run.Right <= 7 && run.Bottom <= 5);
  }
  tk::Bitmap tiny = Filled(1, 1, kSentinel);
  skin::DrawBorderMaskCorners(tiny, 0, mask);
  EXPECT_EQ(PixelAt(tiny, 0, 0), kSentinel);
}

TEST_P(HostileMask, TexturesStayInsideTheirRectangle) {
  for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 14, -1}) {
    skin::TRect rest{};
    EXPECT_TRUE(OnlyInside([&](tk::Bitmap& t) { rest = skin::FillRectByTexture(t, kRect, mask.Bmp.get(), mode, &mask); }))
        << mode;
    if (rest != skin::kRectCovered) {
      EXPECT_GE(rest.Left, kRect.Left);
      EXPECT_LE(rest.Right, kRect.Right);
      EXPECT_GE(rest.Top, kRect.Top);
      EXPECT_LE(rest.Bottom, kRect.Bottom);
    }
    EXPECT_TRUE(OnlyInside([&](tk::Bitmap& t) { skin::TileMaskedTexture(t, kRect, {&parent, 30, -2, true}, mode, mask); }))
        << mode;
  }
}

TEST_P(HostileMask, GlyphsAnywhereNearTheTarget) {
  for (skin::TPoint at : {skin::TPoint{-100, -100}, skin::TPoint{-5, -3}, skin::TPoint{3, 3}, skin::TPoint{38, 28},
                          skin::TPoint{INT_MAX - 5, INT_MIN + 5}})
    for (int mode : {1, 2}) {
      tk::Bitmap t = Filled(40, 30, kSentinel);
      skin::DrawMaskGlyph(t, at, 1, mask, mode);
    }
}

TEST_P(HostileMask, SectionsAndCornersUseItOrNothing) {
  skin::TsGeneralData section;
  section.SectionName = "HOSTILE";
  section.ImagePercent = 100;
  section.Transparency = 50;
  tables.gd.push_back(section);
  skin::TsMaskData pattern = Sane(tables);
  GetParam().change(pattern);
  pattern.PropertyName = "PATTERN";
  pattern.ImgType = skin::TvxImgType::itisaTexture;
  tables.ma.push_back(std::move(mask));
  tables.ma.push_back(std::move(pattern));
  for (int state : {0, 1})
    EXPECT_TRUE(OnlyInside([&](tk::Bitmap& t) {
      skin::PaintSectionByIndex(0, "HOSTILE", {&parent, 1, 1, true}, -1, -1, &tables, &t, {2, 2}, kRect, state, true);
    }));
  skin::TsSkinPaintRecord data;
  data.ResolveSection(tables, "HOSTILE");
  data.hasParent = true;
  data.parentCache = {&parent, 0, 0, true};
  for (int size : {1, 2, 3, 40}) {
    tk::Bitmap cache = Filled(size, size, kSentinel);
    data.cache = &cache;
    data.bounds = {-4, 2, -4 + size, 2 + size};
    skin::FillTransparentCorners(data, 2);
    skin::RepaintCorners(data, 0, 15);
    EXPECT_EQ(skin::BackgroundColorReply, skin::clFuchsia);
  }
}

INSTANTIATE_TEST_SUITE_P(Masks, HostileMask, ::testing::ValuesIn(kHostile), NamedCases());

}  // namespace
