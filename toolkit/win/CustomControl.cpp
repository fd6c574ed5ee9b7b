#include "toolkit/win/CustomControl.h"

namespace tk {

void TCustomControl::PaintWindow(HDC dc) {
  TPaintScope scope(canvas_, dc);
  canvas_.Font().Assign(Font());
  canvas_.Brush().SetColor(Color());
  canvas_.Brush().SetStyle(bsSolid);
  Paint();
}

}  // namespace tk
