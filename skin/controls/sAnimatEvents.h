#pragma once
// Which state changes of a skinned button cross-fade. A button's own set
// may name the events itself, or aeGlobalDef for the process-wide set the
// default manager keeps (DefaultButtonEvents).

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

// The event is in the button's set, or the set follows the global one and
// the global one holds it.
inline bool IsAnimated(TvxAnimatEvents events, TvxAnimatEvent event) {
  if (events & event) return true;
  return (events & aeGlobalDef) != 0 && (DefaultButtonEvents & event) != 0;
}

}  // namespace skin
