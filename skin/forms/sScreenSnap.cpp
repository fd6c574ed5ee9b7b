#include "sScreenSnap.h"

#include <cstdlib>

namespace skin {

TsSnapPlacement SnapToWorkArea(int x, int y, int width, int height, const TRect& work, int buffer,
                               bool monitorAtOrigin) {
  TsSnapPlacement p{x, y};
  if (std::abs(x + width - work.Right) < buffer) p.x = work.Right - width;
  if (std::abs(y + height - work.Bottom) < buffer) p.y = work.Bottom - height;
  if (monitorAtOrigin) {
    if (std::abs(x - work.Left) < buffer) p.x = work.Left;
    if (std::abs(y - work.Top) < buffer) p.y = work.Top;
  }
  return p;
}

TsMaximizedPlacement MaximizedPlacement(const TRect& work, int frameWidth) {
  return {-frameWidth, -frameWidth, work.Width() + 2 * frameWidth, work.Height() + 2 * frameWidth};
}

}  // namespace skin
