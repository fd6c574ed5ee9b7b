#pragma once
// Skinned text on a canvas: the contour colours of the state drawn first,
// each one pixel to its side (left, up, right, down), then the text colour
// in place; disabled text in its mixed colour alone (sSkinTextColors.h has
// the colour rules). The brush is made clear so the background shows
// through, and DT_NOCLIP is added to the format flags.

#include <windows.h>

#include <string>
#include <string_view>

namespace tk {
class TCanvas;
}

namespace skin {

class TsSkinTables;
class TsSkinPaintData;

// For a control: the canvas takes the control's font (underlined for a hot
// WEBBUTTON) and the drawing is clipped to r; the canvas's state is saved
// and restored around it.
void WriteSkinText(tk::TCanvas& canvas, std::string_view text, bool enabled, bool hot, const TsSkinPaintData& data,
                   UINT format, const RECT& r);
// For a section: the canvas keeps its font; nothing is clipped.
void WriteSectionText(tk::TCanvas& canvas, std::string_view text, bool enabled, const TsSkinTables* manager, bool hot,
                      int sectionIndex, UINT format, const RECT& r);

// The text as it fits width in the canvas's font: whole, or cut from the end
// (whole characters) and followed by "...".
std::string EllipsizeText(tk::TCanvas& canvas, std::string_view text, int width);

}  // namespace skin
