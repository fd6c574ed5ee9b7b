#pragma once
// Painting of skinned containers (group boxes, the form's client area,
// adapted panels): putting the container's cached image on the screen
// around its children, painting its windowless children over that image in
// one off-screen picture, and telling children that waited for the
// container's cache that they may paint now.
//
// A container's paint handler, in this order:
//   PaintFromCacheExcludingChildren(...);   // its own image, children left out
//   PaintGraphicChildren(dc, container, ox, oy);
//   NotifyChildrenParentPainted(container);
// (adapted windows use the ...ChildWindows variants).

#include <windows.h>

namespace tk {
class TControl;
class TWinControl;
}  // namespace tk

namespace skin {

class TsCommonData;

// Copies the cache of `data` from the source rectangle's top-left corner to
// the destination rectangle of dc, leaving out the places of the
// container's visible children that would paint over it anyway: opaque and
// graphic children (every child in design mode). Their bounds, moved by
// (ox, oy), are cut from the clip region. With fillCorners, the cache's
// transparent corners are filled from the container's parent first. The
// context's state is restored.
void PaintFromCacheExcludingChildren(tk::TWinControl* container, TsCommonData& data, const RECT& source, int ox, int oy,
                                     bool fillCorners, HDC dc, const RECT& destination);

// The same for a plain window and its child windows (in z-order): each
// visible child window is left out, a group box (style 7 in the low bits)
// only along its caption band and its border (the GROUPBOX border widths of
// the default skin), so that the container's image shows inside it. Child
// window rectangles are taken relative to the window's top-left corner and
// moved by (-ox, -oy).
void PaintFromCacheExcludingChildWindows(HWND window, TsCommonData& data, const RECT& source, int ox, int oy,
                                         bool fillCorners, HDC dc, const RECT& destination);

// A graphic child that is shown, not empty, not going away, and whose
// bounds - moved by (ox, oy), where the context shows the container's
// client origin - the context's clip region touches.
bool IsPaintableGraphicChild(const tk::TControl* child, HDC dc, int ox = 0, int oy = 0);

// Paints the container's graphic children into one off-screen picture of the
// container's size - each over the part of the container's cache under it
// (an opaque child over its own colour) - and copies each child's place to
// dc at (Left + ox, Top + oy). A child that left clFuchsia on its own
// top-left pixel is not copied. Nothing happens when the container keeps no
// cache (its children paint themselves as usual); a context whose clip box
// is empty tells the container it is clipped (SCMD_SET_CLIPPED) and paints
// nothing; a child only partly inside the clip box is told it is clipped.
void PaintGraphicChildren(HDC dc, tk::TWinControl* container, int ox, int oy);

// SCMD_PARENT_PAINTED to every windowed child (children waiting for the
// container's cache paint now); graphic children are painted by the
// container itself.
void NotifyChildrenParentPainted(tk::TWinControl* container);
void NotifyChildWindowsParentPainted(HWND window);

}  // namespace skin
