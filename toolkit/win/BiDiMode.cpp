#include "BiDiMode.h"

namespace tk {

bool SystemReadsRightToLeft() { return GetSystemMetrics(SM_MIDEASTENABLED) != 0; }

UINT DrawTextBiDiModeFlags(UINT flags, TBiDiMode mode, bool systemReadsRightToLeft) {
  if (!systemReadsRightToLeft || mode == bdLeftToRight) return flags;
  if (mode == bdRightToLeft) {
    // DT_LEFT is 0: a text that is neither right-aligned nor centred is left-aligned.
    if ((flags & DT_RIGHT) == DT_RIGHT)
      flags &= ~static_cast<UINT>(DT_RIGHT);
    else if ((flags & DT_CENTER) != DT_CENTER)
      flags |= DT_RIGHT;
  }
  return flags | DT_RTLREADING;
}

}  // namespace tk
