#include "sPaintSection.h"

#include "sBorderMask.h"
#include "sDefaultTables.h"
#include "sMaskGlyph.h"
#include "sPaintGlobals.h"
#include "sSectionBackground.h"
#include "sSkinPaintData.h"
#include "skin/data/sSkinTables.h"

namespace skin {

namespace {

bool RectInside(const tk::Bitmap* target, const TRect& rect) {
  return target && !RectEmpty(rect) && !RectEmpty(IntersectRect(rect, {0, 0, target->Width(), target->Height()}));
}

// The corner images, each frame drawn at its corner of the rectangle.
void PaintCornerImages(const TsSkinTables& t, int section, tk::Bitmap& target, const TRect& r, int state) {
  const std::string& name = t.gd[static_cast<std::size_t>(section)].SectionName;
  const char* keys[4] = {"IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT", "IMGBTMRIGHT"};
  for (int corner = 0; corner < 4; ++corner) {
    const int index = t.IndexOfMask(section, name, keys[corner]);
    if (!t.IsValidImgIndex(index)) continue;
    const TsMaskData& m = t.ma[static_cast<std::size_t>(index)];
    const long long fw = (static_cast<long long>(m.R.Right) - m.R.Left) / (m.ImageCount > 0 ? m.ImageCount : 1);
    const long long fh = (static_cast<long long>(m.R.Bottom) - m.R.Top) / (m.MaskType > 0 ? m.MaskType + 1LL : 1);
    const bool right = corner == 1 || corner == 3, bottom = corner >= 2;
    const TPoint at{right ? static_cast<int>(r.Right - fw) : r.Left, bottom ? static_cast<int>(r.Bottom - fh) : r.Top};
    DrawMaskGlyph(target, at, state, m, 1);
  }
}

}  // namespace

void PaintSectionByIndex(int sectionIndex, std::string_view sectionName, const CacheInfo& parentCache,
                         int hotTextureIndex, int textureIndex, const TsSkinTables* manager, tk::Bitmap* target,
                         TPoint position, const TRect& rect, int state, bool fillCentre) {
  const TsSkinTables* t = manager ? manager : DefaultPaintTables();
  if (!t || !RectInside(target, rect)) return;
  if (sectionIndex == -1) sectionIndex = t->IndexOfSection(sectionName);
  if (!t->IsValidSkinIndex(sectionIndex)) return;
  PaintSectionBackgroundByIndex(sectionIndex, sectionName, parentCache, clFuchsia, hotTextureIndex, textureIndex, t,
                                *target, position, rect, state);
  const int mask = t->IndexOfMask(sectionIndex, t->gd[static_cast<std::size_t>(sectionIndex)].SectionName, "BORDERSMASK");
  if (t->IsValidImgIndex(mask))
    DrawBorderMask(*target, rect, fillCentre, true, state, t->ma[static_cast<std::size_t>(mask)],
                   parentCache.MovedBy(position.X - rect.Left, position.Y - rect.Top));
}

void PaintSection(TsSkinPaintData& data, const CacheInfo& parentCache, bool fillCentre, bool parentCorners,
                  tk::Bitmap* target, TPoint position, const TRect& rect, int state) {
  const TsSkinTables* t = data.PaintTables();
  const int section = data.SectionIndex();
  if (!t || !RectInside(target, rect) || !t->IsValidSkinIndex(section)) return;
  const TsPaintColorsReset reset;
  BackgroundColorReply = clFuchsia;
  if (!parentCache.Usable() && data.HasParent())
    MaskBackgroundColor = BackgroundColorReply = data.ParentColor();
  else if (parentCache.Usable() && !data.DependsOnParentBackground() && BackgroundColorReply == clFuchsia)
    BackgroundColorReply = data.ParentBackgroundColor();

  PaintSectionBackground(data, parentCache, state, *target, position, rect);
  const bool plainMenuItem = state == 0 && t->gd[static_cast<std::size_t>(section)].SectionName == "MENUITEM";
  if (t->IsValidImgIndex(data.BorderMaskIndex()) && !plainMenuItem)
    DrawBorderMask(*target, rect, fillCentre, parentCorners, state, t->ma[static_cast<std::size_t>(data.BorderMaskIndex())],
                   parentCache.MovedBy(position.X - rect.Left, position.Y - rect.Top));
  BackgroundColorReply = MaskBackgroundColor = clFuchsia;
  PaintCornerImages(*t, section, *target, rect, state);
}

}  // namespace skin
