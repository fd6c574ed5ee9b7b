#pragma once
// A control and its windowed children painted into a bitmap, as they would
// appear on the screen: skinned controls from their caches (they answer a
// print request, WM_PRINT with the context in wParam), others with the
// toolkit's own painting.

namespace tk {
class Bitmap;
class TControl;
}  // namespace tk

namespace skin {

// The bitmap's top-left corner is the control's window's top-left corner;
// everything is clipped to the control's size.
void RenderControlTo(tk::Bitmap& bitmap, tk::TControl& control);

}  // namespace skin
