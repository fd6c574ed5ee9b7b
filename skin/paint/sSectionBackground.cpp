#include "sSectionBackground.h"

#include <algorithm>

#include "sBitmapOps.h"
#include "sBlend.h"
#include "sColorTools.h"
#include "sDefaultTables.h"
#include "sGradient.h"
#include "sPaintGlobals.h"
#include "sSkinPaintData.h"
#include "sTextureFill.h"
#include "skin/data/sSkinTables.h"
#include "skin/data/sSysColors.h"

namespace skin {

namespace {

// The section's values for one state.
struct TsSectionLook {
  TColor color = clWhite;
  int image = 0;
  int gradient = 0;
  int transparency = 0;
  const TsGradArray* stops = nullptr;
};

TsSectionLook LookOf(const TsGeneralData& s, bool hot, TColor customColor) {
  TsSectionLook look;
  look.color = ColorToRGB(customColor != clFuchsia ? customColor : hot ? s.HotColor : s.Color);
  look.image = hot ? s.HotImagePercent : s.ImagePercent;
  look.gradient = hot ? s.HotGradientPercent : s.GradientPercent;
  look.transparency = std::clamp(hot ? s.HotTransparency : s.Transparency, 0, 100);
  look.stops = hot ? &s.HotGradientArray : &s.GradientArray;
  return look;
}

// A texture: a mask or a JPEG pattern.
struct TsTexture {
  const TsMaskData* mask = nullptr;
  const tk::Bitmap* pattern = nullptr;
  bool Found() const { return mask || pattern; }
};

TsTexture ChooseTexture(const TsSkinTables& t, int section, int given, bool hot) {
  const std::string& name = t.gd[static_cast<std::size_t>(section)].SectionName;
  const char* key = hot ? "HOTPATTERN" : "PATTERN";
  int index = given;
  if (index == -1)
    index = t.IndexOfMask(section, name, key);
  else if (t.IsValidImgIndex(index) && t.ma[static_cast<std::size_t>(index)].MaskType != 0)
    index = -1;  // a given mask with a mask half is laid over the finished background instead
  TsTexture tex;
  if (t.IsValidImgIndex(index)) {
    tex.mask = &t.ma[static_cast<std::size_t>(index)];
  } else {
    const int p = t.IndexOfPattern(section, name, key);
    if (p >= 0 && t.pa[static_cast<std::size_t>(p)].Img && !t.pa[static_cast<std::size_t>(p)].Img->Empty())
      tex.pattern = t.pa[static_cast<std::size_t>(p)].Img.get();
  }
  return tex;
}

// The texture into rect; true when something was drawn.
bool PaintTexture(tk::Bitmap& dst, const TRect& rect, const CacheInfo& parent, const TsTexture& tex, TColor color) {
  TRect rest = rect;
  if (tex.pattern) {
    rest = FillRectByTexture(dst, rect, tex.pattern, 0, nullptr);
  } else if (tex.mask->MaskType != 0) {
    TileMaskedTexture(dst, rect, parent, tex.mask->DrawMode, *tex.mask);
    rest = kRectCovered;
  } else {
    rest = FillRectByTexture(dst, rect, tex.mask->Bmp.get(), tex.mask->DrawMode, tex.mask);
  }
  if (rest != kRectCovered) FillRectBitmap(dst, rest, color);
  return true;
}

void PaintGradientOrColor(tk::Bitmap& dst, const TRect& rect, const TsSectionLook& look) {
  if (look.stops->empty())
    FillRectBitmap(dst, rect, look.color);
  else
    PaintGradient(dst, rect, *look.stops);
}

// Texture, gradient and colour into rect of dst; parent maps dst's pixels.
void PaintLayers(tk::Bitmap& dst, const TRect& rect, const CacheInfo& parent, const TsSectionLook& look,
                 const TsTexture& tex) {
  const bool textured = look.image > 0 && tex.Found() && PaintTexture(dst, rect, parent, tex, look.color);
  const int image = textured ? look.image : 0;
  if (look.gradient > 0) {
    if (textured) {
      const TRect visible = IntersectRect(rect, {0, 0, dst.Width(), dst.Height()});
      if (!RectEmpty(visible)) {
        tk::Bitmap layer = NewBitmap24(visible.Width(), visible.Height());
        PaintGradientOrColor(layer, OffsetRect(rect, -visible.Left, -visible.Top), look);
        BlendBitmaps(dst, layer, std::clamp(image, 0, 100) * 255 / 100, {visible.Left, visible.Top},
                     {0, 0, visible.Width(), visible.Height()});
      }
    } else {
      PaintGradientOrColor(dst, rect, look);
    }
  }
  // Each share is held to 0..100 before they are added: two skin values may
  // not sum within an int, and the sum counts exactly only below 100.
  const int painted = std::clamp(image, 0, 100) + std::clamp(look.gradient, 0, 100);
  if (painted <= 0)
    FillRectBitmap(dst, rect, BackgroundColorReply != clFuchsia && look.transparency != 0 ? BackgroundColorReply
                                                                                          : look.color);
  else if (painted < 100)
    BlendColorRect(dst, rect, painted, look.color);
}

// The parent's pixels under the rectangle, or the background colour
// standing for them.
void PutParentUnder(tk::Bitmap& target, const TRect& visible, const CacheInfo& parent) {
  if (BackgroundColorReply != clFuchsia) {
    FillRectBitmap(target, visible, BackgroundColorReply);
  } else if (parent.bitmap != &target) {
    const TsPixels to = TargetPixels(target);
    CopyBits(to, visible, visible.Left, visible.Top, TsPixels(*parent.bitmap),
             OffsetRect(visible, parent.offsetX, parent.offsetY));
  }
}

// A given texture with a mask half and DrawMode 10 lies over the finished
// normal look.
void LayMaskedTexture(const TsSkinTables& t, tk::Bitmap& target, const TRect& rect, const CacheInfo& parent,
                      int textureIndex, int hotTextureIndex) {
  auto overlay = [&](int index) {
    if (!t.IsValidImgIndex(index)) return false;
    const TsMaskData& m = t.ma[static_cast<std::size_t>(index)];
    return m.MaskType != 0 && m.DrawMode == 10;
  };
  const bool ownHasHalf = t.IsValidImgIndex(textureIndex) && t.ma[static_cast<std::size_t>(textureIndex)].MaskType != 0;
  if (overlay(textureIndex))
    TileMaskedTexture(target, rect, parent, 10, t.ma[static_cast<std::size_t>(textureIndex)]);
  else if ((textureIndex == -1 || !ownHasHalf) && overlay(hotTextureIndex))
    TileMaskedTexture(target, rect, parent, 10, t.ma[static_cast<std::size_t>(hotTextureIndex)]);
}

}  // namespace

void PaintSectionBackgroundByIndex(int sectionIndex, std::string_view sectionName, const CacheInfo& parentCache,
                                   TColor customColor, int hotTextureIndex, int textureIndex,
                                   const TsSkinTables* manager, tk::Bitmap& target, TPoint position, const TRect& rect,
                                   int state) {
  const TsSkinTables* t = manager ? manager : DefaultPaintTables();
  if (!t) return;
  if (sectionIndex == -1) sectionIndex = t->IndexOfSection(sectionName);
  if (!t->IsValidSkinIndex(sectionIndex) || target.Format() != tk::PixelFormat::pf24bit) return;
  const TRect visible = IntersectRect(rect, {0, 0, target.Width(), target.Height()});
  if (RectEmpty(visible)) return;

  const bool hot = state != 0;
  const TsSectionLook look = LookOf(t->gd[static_cast<std::size_t>(sectionIndex)], hot, customColor);
  const TsTexture tex = look.image > 0 ? ChooseTexture(*t, sectionIndex, hot ? hotTextureIndex : textureIndex, hot)
                                       : TsTexture{};
  // The parent as the target's pixels see it.
  const CacheInfo parent = parentCache.MovedBy(position.X - rect.Left, position.Y - rect.Top);

  if (!parent.Usable() || look.transparency == 0) {
    PaintLayers(target, rect, parent, look, tex);
  } else if (look.transparency == 100) {
    PutParentUnder(target, visible, parent);
  } else {
    tk::Bitmap layer = NewBitmap24(visible.Width(), visible.Height());
    PaintLayers(layer, OffsetRect(rect, -visible.Left, -visible.Top), parent.MovedBy(visible.Left, visible.Top), look,
                tex);
    PutParentUnder(target, visible, parent);
    BlendBitmaps(target, layer, look.transparency * 255 / 100, {visible.Left, visible.Top},
                 {0, 0, visible.Width(), visible.Height()});
  }
  if (!hot) LayMaskedTexture(*t, target, rect, parent, textureIndex, hotTextureIndex);
}

void PaintSectionBackground(const TsSkinPaintData& data, const CacheInfo& parentCache, int state, tk::Bitmap& target,
                            TPoint position, const TRect& rect) {
  const TsSkinTables* t = data.PaintTables();
  if (!t || !t->IsValidSkinIndex(data.SectionIndex())) return;
  PaintSectionBackgroundByIndex(data.SectionIndex(), t->gd[static_cast<std::size_t>(data.SectionIndex())].SectionName,
                                parentCache, data.CustomColor(), data.HotPatternIndex(), data.PatternIndex(), t, target,
                                position, rect, state);
}

}  // namespace skin
