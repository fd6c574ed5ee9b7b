#pragma once
// A control's picture blended with the part of its parent's cached image
// that lies under it: the disabled look of controls over a parent with a
// cache.

#include "sPaintTypes.h"

namespace tk {
class Bitmap;
}

namespace skin {

// Each channel of each pixel (x, y) of target becomes
// round((parentPercent * parent + (100 - parentPercent) * pixel) / 100),
// ties to even, the parent pixel taken at (offsetX + position.X + x,
// offsetY + position.Y + y) of the parent cache. Pixels with no parent
// pixel under them, and everything when the cache is not usable, are left
// as they are. parentPercent is held to 0..100.
void BlendWithParentCache(tk::Bitmap& target, const CacheInfo& parentCache, TPoint position, int parentPercent);

}  // namespace skin
