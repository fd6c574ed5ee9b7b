#pragma once
// Blending bitmaps into each other: the fade frame blend, and copies with a
// transparent colour.

#include "sPaintTypes.h"

namespace tk {
class Bitmap;
}

namespace skin {

// Blends sourceRect of source into target with its top-left corner at
// point: every channel becomes (target * level + source * (255 - level) +
// 127) div 256, so level 255 keeps the target and 0 takes the source. A
// negative point moves the source rectangle's start instead; everything is
// cut to both bitmaps. Both must be 24-bit and at least 2 x 2 pixels.
void BlendBitmaps(tk::Bitmap& target, const tk::Bitmap& source, int level, TPoint point, const TRect& sourceRect);
// The whole of two bitmaps of the same size (nothing otherwise): a fade frame.
void BlendBitmaps(tk::Bitmap& target, const tk::Bitmap& source, int level);

// Copies sourceRect of source to (x, y): each channel becomes
// round(source * (1 - factor) + target * factor), ties to even; source
// pixels of the transparent colour are skipped (-1: none is).
void BlendTransparent(tk::Bitmap& target, int x, int y, TColor transparentColor, double factor, const TRect& sourceRect,
                      const tk::Bitmap& source);

// Copies sourceRect of source to (x, y) leaving out pixels of the
// transparent colour (-1: none); their place takes the parent cache's pixel
// when withParent is set and the cache is ready (the parent pixel under
// target pixel (x, y) being the cache's (offsetX + x, offsetY + y)), else
// MaskBackgroundColor when that is set.
void CopyTransparent(tk::Bitmap& target, const tk::Bitmap& source, int x, bool withParent, const CacheInfo& parentCache,
                     TColor transparentColor, const TRect& sourceRect, int y);

}  // namespace skin
