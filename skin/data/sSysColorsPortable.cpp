// Without a window system the classic default scheme stands in for the
// user's colours.
#include <array>

#include "sSysColors.h"

namespace skin {

TColor GetSystemColor(int index) {
  static constexpr std::array<TColor, 31> kClassic = {
      0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
      0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
      0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
      0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xFF0000, 0xC8D0D4};
  return index >= 0 && index < static_cast<int>(kClassic.size()) ? kClassic[static_cast<std::size_t>(index)] : 0;
}

}  // namespace skin
