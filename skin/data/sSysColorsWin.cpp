#include <windows.h>

#include "sSysColors.h"

namespace skin {

TColor GetSystemColor(int index) { return static_cast<TColor>(GetSysColor(index)); }

}  // namespace skin
