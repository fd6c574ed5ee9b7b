#include "sSectionToDC.h"

#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sPaintSection.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

void PaintSectionToDC(int sectionIndex, std::string_view sectionName, const CacheInfo& parentCache,
                      TsSkinManager* manager, HDC dc, TPoint position, const RECT& rect, int state, bool fillCentre) {
  if (!manager) manager = DefaultManager;
  if (!manager || !dc || !manager->Tables().IsValidSkinIndex(sectionIndex)) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (rect.left < 0 || rect.top < 0 || width < 1 || height < 1) return;
  tk::TSavedDC saved(dc);
  tk::Bitmap picture = NewBitmap24(width, height);
  PaintSectionByIndex(sectionIndex, sectionName, parentCache, -1, -1, &manager->Tables(), &picture, position,
                      {0, 0, width, height}, state, fillCentre);
  const tk::TBitmapSource source(picture);
  BitBlt(dc, rect.left, rect.top, width, height, source.Handle(), 0, 0, SRCCOPY);
}

}  // namespace skin
