// The painting primitives with random sections, masks and rectangles: a
// small master bitmap with clear pixels, a section whose every value comes
// from the input, border, texture and glyph masks whose rectangles, frame
// counts, mask types, draw modes and border widths may be anything, an own
// bitmap or a picture of any size, a target, a rectangle and a parent cache
// anywhere a control can be. Every primitive must stay inside its bitmaps (the sanitizers
// check), whatever it paints.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "skin/data/sSkinTables.h"
#include "skin/paint/sBlend.h"
#include "skin/paint/sBorderMask.h"
#include "skin/paint/sColorTools.h"
#include "skin/paint/sFocusRect.h"
#include "skin/paint/sGradient.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSectionBackground.h"
#include "skin/paint/sSkinPaintData.h"
#include "skin/paint/sTextureFill.h"
#include "skin/paint/sTransparentCorners.h"

namespace {

// Values taken from the input, zeros once it is used up.
class Input {
public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  bool Flag() { return Byte() & 1; }
  int In(int lo, int hi) {  // lo..hi, both included
    const unsigned span = static_cast<unsigned>(hi - lo) + 1;
    const unsigned v = static_cast<unsigned>(Byte()) | static_cast<unsigned>(Byte()) << 8;
    return lo + static_cast<int>(v % span);
  }
  // Where a caller paints: mostly near the bitmaps, now and then far off
  // (controls are never larger than the window system allows).
  int Place() { return Byte() % 8 == 0 ? In(-100000, 100000) : In(-40, 120); }
  // A field of a skin file's image value: anything at all.
  int Field() {
    switch (Byte() % 16) {
      case 0: return INT_MIN;
      case 1: return INT_MAX;
      case 2: return In(-100000, 100000);
      default: return In(-40, 120);
    }
  }
  // A percentage or transparency: mostly near 0..100, now and then any
  // integer a skin file can hold.
  int Share(int lo, int hi) { return Byte() % 8 == 0 ? Field() : In(lo, hi); }
  int Count() {
    switch (Byte() % 12) {
      case 0: return INT_MAX;
      case 1: return INT_MIN;
      default: return In(-2, 6);
    }
  }
  skin::TColor Color() {
    const int v = static_cast<int>(Byte()) | Byte() << 8 | Byte() << 16;
    return Byte() % 8 == 0 ? static_cast<skin::TColor>(0xFF000000u | (v & 0x1F)) : v;
  }

private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

std::unique_ptr<tk::Bitmap> Picture(Input& in) {
  const int w = in.In(0, 24), h = in.In(0, 20);
  auto b = std::make_unique<tk::Bitmap>(w, h, in.Flag() ? tk::PixelFormat::pf32bit : tk::PixelFormat::pf24bit);
  for (int y = 0; y < h; ++y)
    for (int i = 0; i < static_cast<int>(b->RowBytes()); ++i) b->ScanLine(y)[i] = in.Byte();
  return b;
}

skin::TsMaskData Mask(Input& in, const skin::TsSkinTables& t, const char* key) {
  skin::TsMaskData m;
  m.Manager = in.Byte() % 16 == 0 ? nullptr : &t;
  m.SectionName = "FUZZ";
  m.PropertyName = key;
  m.R = {in.Field(), in.Field(), in.Field(), in.Field()};
  m.ImageCount = in.Count();
  m.MaskType = in.Count();
  m.DrawMode = in.In(-1, 15);
  m.BorderWidth = in.Count();
  m.WL = in.Count(), m.WT = in.Count(), m.WR = in.Count(), m.WB = in.Count();
  m.ImgType = static_cast<skin::TvxImgType>(in.In(0, 2));
  if (in.Byte() % 4 == 0) m.Bmp = Picture(in);
  return m;
}

skin::TsGradArray Stops(Input& in) {
  skin::TsGradArray stops(static_cast<std::size_t>(in.In(0, 5)));
  for (skin::TsGradPie& s : stops) s = {in.Color(), in.Color(), in.Share(-60, 160), in.In(-1, 3)};
  return stops;
}

void Fill(skin::TsGeneralData& g, Input& in) {
  g.SectionName = in.Flag() ? "FUZZ" : "MENUITEM";
  g.Color = in.Color(), g.HotColor = in.Color();
  g.ImagePercent = in.Share(-10, 110), g.HotImagePercent = in.Share(-10, 110);
  g.GradientPercent = in.Share(-10, 110), g.HotGradientPercent = in.Share(-10, 110);
  g.Transparency = in.Share(-10, 110), g.HotTransparency = in.Share(-10, 110);
  g.GradientArray = Stops(in), g.HotGradientArray = Stops(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  skin::TsSkinTables t;
  t.MasterBitmap = tk::Bitmap(64, 48);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      std::uint8_t* p = t.MasterBitmap.ScanLine(y) + 3 * x;
      const bool clear = (x * 7 + y * 3) % 11 == 0;
      p[0] = clear ? 255 : static_cast<std::uint8_t>(x * 4), p[1] = clear ? 0 : static_cast<std::uint8_t>(y * 5),
      p[2] = clear ? 255 : static_cast<std::uint8_t>(x ^ y);
    }
  skin::TsGeneralData section;
  Fill(section, in);
  t.gd.push_back(section);
  for (const char* key : {"BORDERSMASK", "PATTERN", "HOTPATTERN", "IMGTOPLEFT", "IMGBTMRIGHT"}) t.ma.push_back(Mask(in, t, key));
  if (in.Flag()) t.pa.push_back({std::shared_ptr<const tk::Bitmap>(Picture(in)), "FUZZ", in.Flag() ? "PATTERN" : "HOTPATTERN"});

  tk::Bitmap target(in.In(0, 80), in.In(0, 60), in.Byte() % 8 == 0 ? tk::PixelFormat::pf32bit : tk::PixelFormat::pf24bit);
  tk::Bitmap parentBitmap(in.In(0, 60), in.In(0, 50), in.Flag() ? tk::PixelFormat::pf32bit : tk::PixelFormat::pf24bit);
  const tk::Bitmap* parentBits = in.Byte() % 6 == 0 ? &target : &parentBitmap;
  const skin::CacheInfo parent{parentBits, in.Place(), in.Place(), in.Flag()};
  const skin::TRect rect{in.Place(), in.Place(), in.Place(), in.Place()};
  const skin::TPoint at{in.Place(), in.Place()};
  const int state = in.In(-2, 6);
  skin::BackgroundColorReply = in.Flag() ? in.Color() : skin::clFuchsia;
  skin::MaskBackgroundColor = in.Flag() ? in.Color() : skin::clFuchsia;
  const skin::TsMaskData& border = t.ma[0];

  skin::PaintSectionByIndex(in.Flag() ? 0 : -1, "FUZZ", parent, in.In(-2, 6), in.In(-2, 6), &t, &target, at, rect, state,
                            in.Flag());
  skin::TsSkinPaintRecord record;
  record.tables = &t;
  record.sectionIndex = in.In(-1, 1);
  record.borderMaskIndex = in.In(-1, 5), record.patternIndex = in.In(-1, 5), record.hotPatternIndex = in.In(-1, 5);
  record.customColor = in.Flag() ? in.Color() : skin::clFuchsia;
  record.cache = &target;
  record.bounds = {in.Place(), in.Place(), in.Place(), in.Place()};
  record.hasParent = in.Flag(), record.parentCache = parent, record.parentVaries = in.Flag();
  record.dependsOnParent = in.Flag(), record.parentColor = in.Color(), record.parentBackground = in.Color();
  skin::PaintSection(record, parent, in.Flag(), in.Flag(), &target, at, rect, state);
  skin::RepaintCorners(record, state, in.In(0, 15));
  skin::DrawBorderMask(target, rect, in.Flag(), in.Flag(), state, border, parent);
  skin::DrawBorderMaskCorners(target, state, border);
  skin::DrawMaskGlyph(target, at, state, t.ma[1], in.In(0, 2));
  skin::FillRectByTexture(target, rect, t.ma[2].Bmp.get(), in.In(-1, 15), &t.ma[2]);
  skin::TileMaskedTexture(target, rect, parent, in.In(-1, 11), t.ma[3]);
  skin::PaintGradient(target, rect, Stops(in), in.In(-50, 50));
  skin::BlendBitmaps(target, parentBitmap, in.In(-10, 300), at, rect);
  skin::BlendBitmaps(target, target, in.In(0, 255), {in.In(-10, 10), in.In(-10, 10)}, rect);
  skin::BlendColorRect(target, rect, in.In(-20, 120), in.Color());
  skin::CopyTransparent(target, t.MasterBitmap, at.X, in.Flag(), parent, in.Flag() ? -1 : in.Color(), rect, at.Y);
  skin::BlendTransparent(target, at.X, at.Y, in.Flag() ? -1 : in.Color(), in.In(0, 100) / 100.0, rect, parentBitmap);
  skin::DrawSkinFocusRect(target, rect);
  skin::GrayscaleExceptColor(target, in.Color());
  skin::BackgroundColorReply = skin::MaskBackgroundColor = skin::clFuchsia;
  return 0;
}
