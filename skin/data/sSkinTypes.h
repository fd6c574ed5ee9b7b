#pragma once
// Small value types shared by the skin tables and everything that paints
// from them.

#include <cstdint>

namespace skin {

// Windows colour numbers: red in the low byte, blue in the third; negative
// values name system colours.
using TColor = std::int32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
// The transparent colour of every skin image and the "none" value of colour slots.
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
