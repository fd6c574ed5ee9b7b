#include "sRenderControl.h"

#include <vector>

#include "skin/data/sSkinCommand.h"
#include "toolkit/win/Canvas.h"
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

void Render(HDC dc, tk::TControl& control) {
  IntersectClipRect(dc, 0, 0, control.Width(), control.Height());
  auto* windowed = dynamic_cast<tk::TWinControl*>(&control);
  if (!windowed) {
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    return;
  }
  if (QuerySkinFlag(windowed, SCMD_IS_SKINNED))
    SendMessageW(windowed->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
  else
    PaintTo(*windowed, dc);
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
