#include "sDefaultTables.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"

namespace skin {

const TsSkinTables* DefaultPaintTables() { return DefaultManager ? &DefaultManager->Tables() : nullptr; }

}  // namespace skin
