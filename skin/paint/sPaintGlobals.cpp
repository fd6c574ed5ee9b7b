#include "sPaintGlobals.h"

namespace skin {

TColor BackgroundColorReply = clFuchsia;
TColor MaskBackgroundColor = clFuchsia;
TsCacheInfo CacheInfoReply;

}  // namespace skin
