#include "sRenderControl.h"

#include <vector>

#include "skin/data/sSkinCommand.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/WinControl.h"

namespace skin {

namespace {

// Where the client area lies inside the window (its frame).
POINT ClientOffset(tk::TWinControl& control) {
  RECT window{};
  GetWindowRect(control.Handle(), &window);
  POINT client{0, 0};
  ClientToScreen(control.Handle(), &client);
  return {client.x - window.left, client.y - window.top};
}

// The toolkit's own painting of a window into a context: the frame by the
// system, then the background and the client painting (graphic children
// included) at the client offset.
void PaintTo(tk::TWinControl& control, HDC dc) {
  const HWND window = control.Handle();
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
  const POINT offset = ClientOffset(control);
  const tk::TSavedDC saved(dc);
  OffsetViewportOrgEx(dc, offset.x, offset.y, nullptr);
  RECT client{};
  GetClientRect(window, &client);
  IntersectClipRect(dc, 0, 0, client.right, client.bottom);
  control.Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

void Render(HDC dc, tk::TControl& control);

// The window position of `window` inside the window of `in`.
POINT OffsetIn(HWND window, HWND in) {
  RECT a{}, b{};
  GetWindowRect(window, &a);
  GetWindowRect(in, &b);
  return {a.left - b.left, a.top - b.top};
}

// An MDI form's client window and, over it, its MDI children from the
// bottom of the Z order up, each at its place in the form's window and
// clipped to the client window's client area (a maximized child's frame
// lies outside it).
void RenderMDIArea(HDC dc, tk::TCustomForm& form, bool printed) {
  const HWND client = form.ClientHandle();
  const HWND window = form.Handle();
  if (!client || !IsWindowVisible(client)) return;
  const tk::TSavedDC saved(dc);
  const POINT clientAt = OffsetIn(client, window);
  if (!printed) {
    const tk::TSavedDC clientSaved(dc);
    OffsetViewportOrgEx(dc, clientAt.x, clientAt.y, nullptr);
    SendMessageW(client, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
  }
  POINT area{0, 0};
  ClientToScreen(client, &area);
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  RECT inner{};
  GetClientRect(client, &inner);
  OffsetRect(&inner, area.x - windowRect.left, area.y - windowRect.top);
  IntersectClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
  for (int i = form.MDIChildCount() - 1; i >= 0; --i) {
    tk::TCustomForm* child = form.MDIChildren(i);
    if (!child || !IsWindowVisible(child->Handle())) continue;
    const POINT at = OffsetIn(child->Handle(), window);
    const tk::TSavedDC childSaved(dc);
    OffsetViewportOrgEx(dc, at.x, at.y, nullptr);
    Render(dc, *child);
  }
}

void Render(HDC dc, tk::TControl& control) {
  IntersectClipRect(dc, 0, 0, control.Width(), control.Height());
  auto* windowed = dynamic_cast<tk::TWinControl*>(&control);
  if (!windowed) {
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    return;
  }
  const bool skinned = QuerySkinFlag(windowed, SCMD_IS_SKINNED);
  if (skinned)
    SendMessageW(windowed->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
  else
    PaintTo(*windowed, dc);
  // A skinned form printed its MDI client window itself.
  auto* form = dynamic_cast<tk::TCustomForm*>(windowed);
  if (form && form->IsMDIForm()) RenderMDIArea(dc, *form, skinned);
  const POINT offset = ClientOffset(*windowed);
  std::vector<tk::TWinControl*> children;
  for (int i = 0; i < windowed->ControlCount(); ++i)
    if (auto* child = dynamic_cast<tk::TWinControl*>(windowed->Controls(i)); child && child->Visible())
      children.push_back(child);
  for (tk::TWinControl* child : children) {
    // The child's own flag: the whole form is invisible while its redrawing is off.
    if (!windowed->ContainsControl(child) || !child->HandleAllocated() ||
        (GetWindowLongPtrW(child->Handle(), GWL_STYLE) & WS_VISIBLE) == 0)
      continue;
    const tk::TSavedDC saved(dc);
    OffsetViewportOrgEx(dc, offset.x + child->Left(), offset.y + child->Top(), nullptr);
    Render(dc, *child);
  }
}

}  // namespace

void RenderControlTo(tk::Bitmap& bitmap, tk::TControl& control) {
  if (bitmap.Empty()) return;
  tk::TBitmapCanvas canvas(bitmap);
  const HDC dc = canvas.Handle();
  {
    const tk::TSavedDC saved(dc);
    Render(dc, control);
  }
  GdiFlush();
  bitmap.Sync();
}

}  // namespace skin
