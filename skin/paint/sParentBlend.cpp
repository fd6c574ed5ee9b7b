#include "sParentBlend.h"

#include <algorithm>

#include "sColorTools.h"
#include "sPixels.h"

namespace skin {

void BlendWithParentCache(tk::Bitmap& target, const CacheInfo& parentCache, TPoint position, int parentPercent) {
  const TsPixels to = TargetPixels(target);
  const TsParentPixels parent = ParentPixels(parentCache.MovedBy(position.X, position.Y));
  if (!to.Valid() || !parent.Usable()) return;
  parentPercent = std::clamp(parentPercent, 0, 100);
  const int own = 100 - parentPercent;
  // Only the rows and columns that have a parent pixel under them.
  const TRect area = IntersectRect(to.Bounds(), OffsetRect(parent.pixels.Bounds(), -parent.dx, -parent.dy));
  for (int y = area.Top; y < area.Bottom; ++y) {
    std::uint8_t* p = to.At(area.Left, y);
    const std::uint8_t* q = parent.Under(area.Left, y);
    const int step = parent.pixels.Bpp();
    for (int x = area.Left; x < area.Right; ++x, p += 3, q += step)
      for (int ch = 0; ch < 3; ++ch)
        p[ch] = static_cast<std::uint8_t>(DivRoundHalfEven(parentPercent * q[ch] + own * p[ch], 100));
  }
}

}  // namespace skin
