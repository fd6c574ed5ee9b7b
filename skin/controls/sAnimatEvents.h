#pragma once
// Which state changes of a skinned button cross-fade. A button's own set
// may name the events itself, or aeGlobalDef for the process-wide set the
// default manager keeps (DefaultButtonEvents).

#include <windows.h>

#include "skin/data/sSkinGlobals.h"

namespace skin {

enum TvxAnimatEvent : unsigned {
  aeMouseEnter = beMouseEnter,
  aeMouseLeave = beMouseLeave,
  aeMouseDown = beMouseDown,
  aeMouseUp = beMouseUp,
  aeGlobalDef = 16,
};
using TvxAnimatEvents = unsigned;

// Windows' client-area animation setting: off, state changes show at once,
// as users who turned animations off expect.
inline bool ClientAreaAnimation() {
  BOOL on = TRUE;
  if (!SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &on, 0)) return true;
  return on != FALSE;
}

// The event is in the button's set, or the set follows the global one and
// the global one holds it; and the user has not turned animations off.
inline bool IsAnimated(TvxAnimatEvents events, TvxAnimatEvent event) {
  const bool wanted = (events & event) != 0 || ((events & aeGlobalDef) != 0 && (DefaultButtonEvents & event) != 0);
  return wanted && ClientAreaAnimation();
}

}  // namespace skin
