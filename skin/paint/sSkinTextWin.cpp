#include "sSkinTextWin.h"

#include "sDefaultTables.h"
#include "sSkinPaintData.h"
#include "sSkinTextColors.h"
#include "toolkit/win/Canvas.h"

namespace skin {

namespace {

void DrawContoured(tk::TCanvas& canvas, std::string_view text, const TsTextColors& colors, UINT format, const RECT& r) {
  canvas.Brush().SetStyle(tk::bsClear);
  for (std::size_t i = 0; i < 4; ++i) {
    if (colors.contour[i] == -1) continue;
    RECT moved = r;
    OffsetRect(&moved, kContourOffsets[i].X, kContourOffsets[i].Y);
    canvas.Font().SetColor(colors.contour[i]);
    canvas.DrawText(text, moved, format | DT_NOCLIP);
  }
  canvas.Font().SetColor(colors.color);
  RECT place = r;
  canvas.DrawText(text, place, format | DT_NOCLIP);
  // The pixel work that follows reads the bitmap under the canvas directly.
  GdiFlush();
}

}  // namespace

void WriteSkinText(tk::TCanvas& canvas, std::string_view text, bool enabled, bool hot, const TsSkinPaintData& data,
                   UINT format, const RECT& r) {
  if (const tk::TFont* font = data.OwnerFont()) canvas.Font().Assign(*font);
  const TsTextColors colors = SkinTextColors(data, enabled, hot);
  if (colors.underline) canvas.Font().SetStyle(canvas.Font().Style() | tk::fsUnderline);
  const tk::TCanvasStateGuard saved(canvas);
  canvas.IntersectClip(r);
  DrawContoured(canvas, text, colors, format, r);
}

void WriteSectionText(tk::TCanvas& canvas, std::string_view text, bool enabled, const TsSkinTables* manager, bool hot,
                      int sectionIndex, UINT format, const RECT& r) {
  const TsSkinTables* t = manager ? manager : DefaultPaintTables();
  if (!t) return;
  DrawContoured(canvas, text, SectionTextColors(*t, sectionIndex, enabled, hot), format, r);
}

std::string EllipsizeText(tk::TCanvas& canvas, std::string_view text, int width) {
  if (canvas.TextWidth(text) <= width) return std::string(text);
  // Whole characters go, never a part of a UTF-8 sequence.
  auto dropLast = [](std::string& s) {
    while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80) s.pop_back();
    if (!s.empty()) s.pop_back();
  };
  std::string kept(text);
  do dropLast(kept);
  while (!kept.empty() && canvas.TextWidth(kept + "...") > width);
  return kept + "...";
}

}  // namespace skin
