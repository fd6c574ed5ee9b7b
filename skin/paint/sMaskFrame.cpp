#include "sMaskFrame.h"

#include <algorithm>

#include "skin/data/sImageValues.h"
#include "skin/data/sSkinTables.h"

namespace skin {

bool MaskFrame(const TsMaskData& mask, int state, TsMaskFrame& frame) {
  return MaskFrameOf(mask, state, mask.ImageCount, mask.MaskType > 0 ? static_cast<long long>(mask.MaskType) + 1 : 1,
                     frame);
}

bool MaskFrameOf(const TsMaskData& mask, int state, int columns, long long rows, TsMaskFrame& frame) {
  frame = TsMaskFrame{};
  if (!mask.Manager) return false;
  const tk::Bitmap& bitmap = mask.Bmp ? *mask.Bmp : mask.Manager->MasterBitmap;
  frame.source = TsPixels(bitmap);
  if (!frame.source.Valid()) return false;
  const int count = AtLeastOne(columns);
  rows = rows < 1 ? 1 : rows;
  const long long w = static_cast<long long>(mask.R.Right) - mask.R.Left;
  const long long h = static_cast<long long>(mask.R.Bottom) - mask.R.Top;
  const long long fw = w / count, fh = h / rows;
  // Frames larger than the source cannot hold a pixel of it.
  if (fw <= 0 || fh <= 0 || fw > frame.source.Width() || fh > frame.source.Height()) return false;
  state = std::clamp(state, 0, count - 1);
  const long long left = mask.R.Left + static_cast<long long>(state) * fw;
  if (left >= frame.source.Width() || left + fw <= 0 || mask.R.Top >= frame.source.Height() || mask.R.Top + fh <= 0)
    return false;
  frame.rect = {static_cast<int>(left), mask.R.Top, static_cast<int>(left + fw), static_cast<int>(mask.R.Top + fh)};
  frame.maskRows = rows > 1 ? static_cast<int>(fh) : 0;
  return true;
}

TsBorderWidths BorderWidthsFor(const TsMaskData& mask, int width, int height) {
  TsBorderWidths b{MaskWidthLeftOf(mask), MaskWidthTopOf(mask), MaskWidthRightOf(mask), MaskWidthBottomOf(mask)};
  auto shrink = [](int& first, int& second, int size) {
    long long a = first, b = second;
    if (a + b > size) {
      const long long cut = (a + b - size) / 2;
      a -= cut;
      b -= cut + (size % 2 != 0 ? 1 : 0);
    }
    // No piece is wider than the rectangle it is drawn into.
    first = static_cast<int>(std::clamp<long long>(a, 0, size));
    second = static_cast<int>(std::clamp<long long>(b, 0, size));
  };
  shrink(b.left, b.right, width);
  shrink(b.top, b.bottom, height);
  return b;
}

}  // namespace skin
