#pragma once
// Fuzz targets run millions of inputs: the loader's warning must not pop up
// or print each time.
#include "skin/data/sSkinWarning.h"

namespace fuzz {

inline void SilenceSkinWarnings() {
  static const bool once = [] {
    skin::SetSkinWarningHandler([](const std::string&) {});
    return true;
  }();
  (void)once;
}

}  // namespace fuzz
