#pragma once
// Small value types shared by the skin tables and everything that paints
// from them.

#include <cstdint>

namespace skin {

// Colours as skins write them, the Windows way (the low byte red, the third
// blue), so the numbers of an options file need no conversion. A
// negative value is not a colour but the number of a system colour, looked
// up when painting so that it follows the desktop's scheme.
using TColor = std::int32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
// Magenta never occurs in a designed skin, which is why skins use it for
// "transparent" in their images and for "no colour" in colour slots.
constexpr TColor clFuchsia = 0xFF00FF;

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const TRect&) const = default;
};

enum class TsControlBevel { cbNone, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard };

enum class TvxImgType { itisaBorder, itisaTexture, itisaGlyph };

}  // namespace skin
