#include "sSkinTextColors.h"

#include "sColorTools.h"
#include "sSkinPaintData.h"
#include "skin/data/sSkinTables.h"
#include "skin/data/sSysColors.h"

namespace skin {

TsTextColors SectionTextColors(const TsSkinTables& tables, int sectionIndex, bool enabled, bool hot) {
  TsTextColors colors;
  if (!tables.IsValidSkinIndex(sectionIndex)) return colors;
  const TsGeneralData& s = tables.gd[static_cast<std::size_t>(sectionIndex)];
  colors.underline = hot && s.SectionName == "WEBBUTTON";
  if (!enabled) {
    colors.color = MixColors(s.FontColor[0], s.Color, 0.4);
    return colors;
  }
  const TsFontColors& f = hot ? s.HotFontColor : s.FontColor;
  for (std::size_t i = 0; i < 4; ++i) colors.contour[i] = f[i + 1] == -1 ? -1 : ColorToRGB(f[i + 1]);
  colors.color = ColorToRGB(f[0]);
  return colors;
}

TsTextColors SkinTextColors(const TsSkinPaintData& data, bool enabled, bool hot) {
  const TsSkinTables* t = data.PaintTables();
  if (!t || !t->IsValidSkinIndex(data.SectionIndex())) {
    TsTextColors plain;
    plain.color = data.OwnerFontColor();
    return plain;
  }
  TsTextColors colors = SectionTextColors(*t, data.SectionIndex(), enabled, hot);
  if (enabled && data.CustomFont()) {
    colors.contour = {-1, -1, -1, -1};
    colors.color = data.OwnerFontColor();
  }
  return colors;
}

}  // namespace skin
