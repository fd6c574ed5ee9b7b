#pragma once
// Whole-pixel work on bitmaps: new bitmaps, solid fills, block copies,
// stretched copies and tiles. Every operation is clipped to the target, to
// the given clip rectangle and to the source: nothing outside a bitmap is
// read or written.

#include "sPixels.h"

namespace skin {

// Empty (all black) bitmaps of that size, stored bottom-up like the caches.
tk::Bitmap NewBitmap24(int width, int height);
tk::Bitmap NewBitmap32(int width, int height);

// Fills r with an RGB colour.
void FillBits(const TsPixels& target, TRect r, TColor rgb);
// Copies the source rectangle so that its top-left corner lands on (x, y).
void CopyBits(const TsPixels& target, const TRect& clip, int x, int y, const TsPixels& source, TRect sourceRect);
// Stretches the source rectangle over area, each target pixel taking the
// source pixel at (left + i * width div areaWidth, top + j * height div areaHeight).
// A source rectangle reaching outside the source is first cut to it.
void StretchBits(const TsPixels& target, const TRect& clip, const TRect& area, const TsPixels& source,
                 TRect sourceRect);
// Tiles the source rectangle over area from its top-left corner; tiles at
// the right and bottom edges are cut. A source rectangle reaching outside
// the source is first cut to it, so no tile has holes.
void TileBits(const TsPixels& target, const TRect& clip, const TRect& area, const TsPixels& source,
              TRect sourceRect);

// The same on bitmaps, clipped to the target.
void FillRectBitmap(tk::Bitmap& target, const TRect& r, TColor color);
void CopyBitmapRect(tk::Bitmap& target, int x, int y, const tk::Bitmap& source, const TRect& sourceRect);

}  // namespace skin
