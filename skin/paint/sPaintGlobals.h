#pragma once
// The colours and the reply slot that one paint shares between the control
// being painted, its parent and the primitives. All of them live on the
// user-interface thread; nothing here is locked.

#include "sPaintTypes.h"

namespace skin {

// While a control is painted: the colour standing for its parent's
// background when the parent has no usable cache. clFuchsia: none, use the
// cache. Also the reply slot of the background-colour question.
extern TColor BackgroundColorReply;
// The colour put under transparent mask pixels when there is no parent
// cache. clFuchsia: none.
extern TColor MaskBackgroundColor;
// The reply slot of the cached-background question.
extern CacheInfo CacheInfoReply;

// Puts both painting colours back to clFuchsia when a paint ends, however
// it ends.
class TsPaintColorsReset {
public:
  TsPaintColorsReset() = default;
  ~TsPaintColorsReset() { BackgroundColorReply = MaskBackgroundColor = clFuchsia; }
  TsPaintColorsReset(const TsPaintColorsReset&) = delete;
  TsPaintColorsReset& operator=(const TsPaintColorsReset&) = delete;
};

}  // namespace skin
