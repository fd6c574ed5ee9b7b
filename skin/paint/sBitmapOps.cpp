#include "sBitmapOps.h"

#include "sMaskPieces.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/data/sSysColors.h"

namespace skin {

tk::Bitmap NewBitmap24(int width, int height) { return tk::Bitmap(width, height, tk::PixelFormat::pf24bit); }
tk::Bitmap NewBitmap32(int width, int height) { return tk::Bitmap(width, height, tk::PixelFormat::pf32bit); }

void FillBits(const TsPixels& target, TRect r, TColor rgb) {
  if (!target.Valid()) return;
  r = IntersectRect(r, target.Bounds());
  if (RectEmpty(r)) return;
  const TsBgr c = BgrOf(rgb);
  const int bpp = target.Bpp();
  // The first row is filled pixel by pixel, the others are copies of it.
  std::uint8_t* first = target.At(r.Left, r.Top);
  for (int x = 0; x < r.Width(); ++x) PutBgr(first + x * bpp, c);
  const std::size_t bytes = static_cast<std::size_t>(r.Width()) * bpp;
  for (int y = r.Top + 1; y < r.Bottom; ++y) {
    std::uint8_t* row = target.At(r.Left, y);
    if (bpp == 3) {
      std::memcpy(row, first, bytes);
    } else {
      for (int x = 0; x < r.Width(); ++x) PutBgr(row + x * 4, c);
    }
  }
}

void CopyBits(const TsPixels& target, const TRect& clip, int x, int y, const TsPixels& source, TRect sourceRect) {
  if (!target.Valid() || !source.Valid()) return;
  sourceRect = IntersectRect(sourceRect, source.Bounds());
  if (RectEmpty(sourceRect)) return;
  TRect area;
  int dx = 0, dy = 0;
  if (!Landing(target, clip, x, y, sourceRect, area, dx, dy)) return;
  const int w = area.Width();
  for (int ty = area.Top; ty < area.Bottom; ++ty) {
    std::uint8_t* to = target.At(area.Left, ty);
    const std::uint8_t* from = source.At(area.Left - dx, ty - dy);
    if (target.Bpp() == source.Bpp()) {
      std::memmove(to, from, static_cast<std::size_t>(w) * target.Bpp());
    } else {
      for (int i = 0; i < w; ++i) CopyBgr(to + i * target.Bpp(), from + i * source.Bpp());
    }
  }
}

void StretchBits(const TsPixels& target, const TRect& clip, const TRect& area, const TsPixels& source,
                 TRect sourceRect) {
  if (!target.Valid() || !source.Valid()) return;
  sourceRect = IntersectRect(sourceRect, source.Bounds());
  if (RectEmpty(area) || RectEmpty(sourceRect)) return;
  const TRect visible = IntersectRect(IntersectRect(area, clip), target.Bounds());
  if (RectEmpty(visible)) return;
  const long long aw = area.Width(), ah = area.Height(), sw = sourceRect.Width(), sh = sourceRect.Height();
  const int tb = target.Bpp(), sb = source.Bpp();
  // Byte offset in a source row of every visible target column.
  std::vector<std::ptrdiff_t> columns(static_cast<std::size_t>(visible.Width()));
  for (int x = visible.Left; x < visible.Right; ++x)
    columns[static_cast<std::size_t>(x - visible.Left)] =
        static_cast<std::ptrdiff_t>(sourceRect.Left + (x - area.Left) * sw / aw) * sb;
  const std::size_t rowBytes = static_cast<std::size_t>(visible.Width()) * tb;
  int previous = -1;
  for (int y = visible.Top; y < visible.Bottom; ++y) {
    const int sy = sourceRect.Top + static_cast<int>((y - area.Top) * sh / ah);
    std::uint8_t* to = target.At(visible.Left, y);
    if (sy == previous) {  // the same source row again: copy the row just made
      std::memcpy(to, target.At(visible.Left, y - 1), rowBytes);
      continue;
    }
    previous = sy;
    const std::uint8_t* row = source.Row(sy);
    std::size_t i = 0;
    if (tb == 3 && sb == 3) {
      // Four bytes at a time: the fourth lands on the next target pixel,
      // which is written next, and comes from inside the source row as long
      // as the column is not the row's last.
      const std::ptrdiff_t lastColumn = static_cast<std::ptrdiff_t>(source.Width() - 1) * 3;
      for (; i + 1 < columns.size() && columns[i] < lastColumn; ++i, to += 3) std::memcpy(to, row + columns[i], 4);
    }
    for (; i < columns.size(); ++i, to += tb) CopyBgr(to, row + columns[i]);
  }
}

void TileBits(const TsPixels& target, const TRect& clip, const TRect& area, const TsPixels& source,
              TRect sourceRect) {
  TilePiece(target, clip, area, source, sourceRect, TsInk{});
}

void FillRectBitmap(tk::Bitmap& target, const TRect& r, TColor color) { FillBits(TargetPixels(target), r, ColorToRGB(color)); }

void CopyBitmapRect(tk::Bitmap& target, int x, int y, const tk::Bitmap& source, const TRect& sourceRect) {
  const TsPixels to = TargetPixels(target);
  CopyBits(to, to.Bounds(), x, y, TsPixels(source), sourceRect);
}

}  // namespace skin
