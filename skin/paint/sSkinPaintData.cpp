#include "sSkinPaintData.h"

#include "skin/data/sSkinTables.h"

namespace skin {

void TsSkinPaintRecord::ResolveSection(const TsSkinTables& skin, const char* sectionName) {
  tables = &skin;
  sectionIndex = skin.IndexOfSection(sectionName);
  if (sectionIndex < 0) {
    patternIndex = hotPatternIndex = -1;
    return;
  }
  borderMaskIndex = skin.IndexOfMask(sectionIndex, sectionName, "BORDERSMASK");
  patternIndex = skin.IndexOfTextureMask(sectionIndex, sectionName, "PATTERN");
  hotPatternIndex = skin.IndexOfTextureMask(sectionIndex, sectionName, "HOTPATTERN");
}

}  // namespace skin
