#pragma once
// The image values of an options file, read into a mask description.
//
//   "@LLLL@TTTT@RRRR@BBBB@C@M"                        glyph: rectangle, frames, mask type
//   "^LLLL^TTTT^RRRR^BBBB^WLWL^WTWT^WRWR^WBWB^C^M^D^W"  border: plus border widths,
//                                                        draw mode, uniform width
//   "~LLLL~TTTT~RRRR~BBBB~DD[~M]"                     texture: plus draw mode, mask type
//   "!FILE.BMP!count!masktype!imgtype[!WL!WT!WR!WB]"  a bitmap file of its own
//   "FILE.BMP"                                         a bitmap file of its own, 3 frames
//   "TAG# (L,T,R,B) (count,masktype,width,drawmode)"  the older layout
//
// Rectangles are cut from the master bitmap; the number fields of "@", "^"
// and "~" are strict decimal integers and a malformed one raises
// tk::EConvertError ("'x' is not a valid integer value"). Other values
// (colours, numbers, "N/A", JPEG names) describe no mask.
//
// The fields of a mask are 16-bit in the skin format, and the painting code
// multiplies them (frames times three, mask type plus one). The free-form
// numbers of "!" and older-layout values, which could be anything up to the
// 32-bit limits, are therefore clamped to -32768..32767 when read: a hostile
// skin gets odd masks, never an overflow.

#include <string>
#include <string_view>

#include "sMaskData.h"

namespace skin {

enum class TsImageValueKind {
  None,         // no mask
  Rectangle,    // "@", "^", "~" and the older layout: cut from the master bitmap
  OwnFile,      // "!": a bitmap file of its own
  PlainBitmap,  // a bare ".BMP" name
};

struct TsImageValue {
  TsImageValueKind Kind = TsImageValueKind::None;
  std::string FileName;    // OwnFile and PlainBitmap: the name to look up
  bool NamesUpperCased = false;  // the mask's section and key names are upper-cased
  bool WidthsGiven = false;      // OwnFile: the value carries WL, WT, WR, WB
  TRect R;
  int ImageCount = 1;
  int MaskType = 0;
  int BorderWidth = 0;
  int DrawMode = 0;
  TvxImgType ImgType = TvxImgType::itisaBorder;
  int WL = 0, WT = 0, WR = 0, WB = 0;
};

// key decides the older layout's kind (PATTERN and HOTPATTERN are textures);
// oldLayout false makes values with "#" describe no mask.
TsImageValue ParseImageValue(std::string_view value, std::string_view key, bool oldLayout);

// Border widths of a frame when a value gives none: the uniform width when
// set, else a third of one frame in each direction. Never divides by zero.
void DeriveBorderWidths(int width, int height, int imageCount, int maskType, int borderWidth, int& wl, int& wt,
                        int& wr, int& wb);

// The range every number of a mask is held in (see above).
constexpr int kMaskValueMin = -32768;
constexpr int kMaskValueMax = 32767;
int BoundedMaskValue(long long value);

// Divisor guard for frame arithmetic: counts below one count as one, so a
// value with a zero frame count or a negative mask type cannot divide by zero.
inline int AtLeastOne(int n) { return n < 1 ? 1 : n; }

}  // namespace skin
