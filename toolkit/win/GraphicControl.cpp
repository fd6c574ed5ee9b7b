#include "toolkit/win/GraphicControl.h"

namespace tk {

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT) {
    // Painting a control that is going away would touch half-freed state.
    if (!IsDestroying() && message.WParam) {
      TPaintScope scope(canvas_, reinterpret_cast<HDC>(message.WParam));
      canvas_.Font().Assign(Font());
      Paint();
    }
    message.Result = 0;
    return;
  }
  TControl::WndProc(message);
}

}  // namespace tk
