#include "sDefaultTables.h"

namespace skin {

namespace {
const TsSkinTables* defaultTables = nullptr;
}

const TsSkinTables* DefaultPaintTables() { return defaultTables; }
void SetDefaultPaintTables(const TsSkinTables* tables) { defaultTables = tables; }

}  // namespace skin
