#pragma once
// Which colours a skinned text is written in: the text colour of the state
// and the one-pixel contour drawn first to its left, top, right and bottom
// (-1: none on that side). Disabled text is 40 % text colour and 60 %
// section colour, without contour; a control with its own font colour
// (CustomFont) or without a section keeps its font colour, without contour.
// A hot WEBBUTTON is underlined. The drawing itself is the platform's.

#include <array>

#include "sPaintTypes.h"

namespace skin {

class TsSkinTables;
class TsSkinPaintData;

struct TsTextColors {
  std::array<TColor, 4> contour{-1, -1, -1, -1};  // left, top, right, bottom
  TColor color = clBlack;
  bool underline = false;
};
// How far each contour is moved from the text: left, up, right, down.
constexpr std::array<TPoint, 4> kContourOffsets{TPoint{-1, 0}, TPoint{0, -1}, TPoint{1, 0}, TPoint{0, 1}};

TsTextColors SkinTextColors(const TsSkinPaintData& data, bool enabled, bool hot);
TsTextColors SectionTextColors(const TsSkinTables& tables, int sectionIndex, bool enabled, bool hot);

}  // namespace skin
