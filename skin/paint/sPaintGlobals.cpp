#include "sPaintGlobals.h"

namespace skin {

TColor BackgroundColorReply = clFuchsia;
TColor MaskBackgroundColor = clFuchsia;
CacheInfo CacheInfoReply;

}  // namespace skin
