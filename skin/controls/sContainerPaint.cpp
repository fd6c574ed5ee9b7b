#include "sContainerPaint.h"

#include <algorithm>
#include <vector>

#include "sCommonData.h"
#include "sSkinQueries.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sTransparentCorners.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/WinControl.h"

namespace skin {

namespace {

bool IsGraphic(const tk::TControl* c) { return dynamic_cast<const tk::TWinControl*>(c) == nullptr; }

RECT BoundsMovedBy(const tk::TControl& c, int dx, int dy) {
  return {c.Left() + dx, c.Top() + dy, c.Left() + c.Width() + dx, c.Top() + c.Height() + dy};
}

bool Intersects(const RECT& a, const RECT& b) {
  RECT both;
  return IntersectRect(&both, &a, &b) != FALSE;
}

std::vector<tk::TControl*> ChildrenOf(const tk::TWinControl& container) {
  std::vector<tk::TControl*> children;
  for (int i = 0; i < container.ControlCount(); ++i) children.push_back(container.Controls(i));
  return children;
}

std::vector<HWND> ChildWindowsOf(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
  return children;
}

bool Covers(const RECT& outer, const RECT& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right && outer.bottom >= inner.bottom;
}

// The copy of the cache into the clipped destination, with the context
// restored on every way out. Only the part the context lets through is
// copied: a child repainted through its container (a fade frame of a
// speed button) asks for its own small place, which the child itself
// covers - then nothing is copied at all.
void CopyCacheClipped(TsCommonData& data, const RECT& source, HDC dc, const RECT& destination,
                      const std::vector<RECT>& excluded) {
  const tk::Bitmap* cache = data.Cache();
  if (!dc || !cache || cache->Empty()) return;
  RECT part = destination, box{};
  const int clip = GetClipBox(dc, &box);
  if (clip == NULLREGION) return;
  if (clip != ERROR && !IntersectRect(&part, &destination, &box)) return;
  for (const RECT& r : excluded)
    if (Covers(r, part)) return;
  const tk::TSavedDC saved(dc);
  IntersectClipRect(dc, part.left, part.top, part.right, part.bottom);
  for (const RECT& r : excluded)
    if (Intersects(r, part)) ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  const tk::TBitmapSource from(*cache);
  BitBlt(dc, part.left, part.top, tk::RectWidth(part), tk::RectHeight(part), from.Handle(),
         source.left + part.left - destination.left, source.top + part.top - destination.top, SRCCOPY);
}

// The frame of a group box window: its caption band and its three other
// borders, as wide as the default skin's GROUPBOX border.
void AddGroupBoxFrame(HWND child, const RECT& r, std::vector<RECT>& excluded) {
  const TsSkinManager* m = DefaultManager;
  if (!m) return;
  const TsSkinTables& t = m->Tables();
  const int mask = t.IndexOfMask(t.IndexOfSection("GROUPBOX"), "GROUPBOX", "BORDERSMASK");
  int wl = 0, wr = 0, wb = 0;
  if (t.IsValidImgIndex(mask)) {
    const TsMaskData& md = t.ma[static_cast<std::size_t>(mask)];
    wl = MaskWidthLeftOf(md);
    wr = MaskWidthRightOf(md);
    wb = MaskWidthBottomOf(md);
  }
  const int caption = static_cast<int>(SendSkinCommand(child, SCMD_GET_CAPTION_HEIGHT, 0));
  excluded.push_back({r.left, r.top, r.right, r.top + caption});
  excluded.push_back({r.left, r.top, r.left + wl, r.bottom});
  excluded.push_back({r.right - wr, r.top, r.right, r.bottom});
  excluded.push_back({r.left, r.bottom - wb, r.right, r.bottom});
}

}  // namespace

void PaintFromCacheExcludingChildren(tk::TWinControl* container, TsCommonData& data, const RECT& source, int ox, int oy,
                                     bool fillCorners, HDC dc, const RECT& destination) {
  if (fillCorners) FillTransparentCorners(data, 0);
  std::vector<RECT> excluded;
  if (container) {
    const bool designing = container->IsDesigning();
    for (tk::TControl* child : ChildrenOf(*container)) {
      if (!child->Visible()) continue;
      const RECT bounds = BoundsMovedBy(*child, ox, oy);
      const bool paintsOver = (child->ControlStyle() & tk::csOpaque) != 0 || IsGraphic(child) || designing;
      if (paintsOver && Intersects(bounds, destination)) excluded.push_back(bounds);
    }
  }
  CopyCacheClipped(data, source, dc, destination, excluded);
}

void PaintFromCacheExcludingChildWindows(HWND window, TsCommonData& data, const RECT& source, int ox, int oy,
                                         bool fillCorners, HDC dc, const RECT& destination) {
  if (fillCorners) FillTransparentCorners(data, 0);
  std::vector<RECT> excluded;
  RECT outer{};
  if (window && GetWindowRect(window, &outer)) {
    for (HWND child : ChildWindowsOf(window)) {
      if (!IsWindowVisible(child)) continue;
      RECT r{};
      GetWindowRect(child, &r);
      OffsetRect(&r, -outer.left - ox, -outer.top - oy);
      if ((GetWindowLongPtrW(child, GWL_STYLE) & 7) == 7)
        AddGroupBoxFrame(child, r, excluded);
      else
        excluded.push_back(r);
    }
  }
  CopyCacheClipped(data, source, dc, destination, excluded);
}

bool IsPaintableGraphicChild(const tk::TControl* child, HDC dc, int ox, int oy) {
  if (!child || !IsGraphic(child) || child->IsDestroying()) return false;
  if (!child->Visible() && !child->IsDesigning()) return false;
  if (child->Width() + child->Height() < 1 || (child->ControlStyle() & tk::csNoDesignVisible) != 0) return false;
  const RECT bounds = BoundsMovedBy(*child, ox, oy);
  return child->Width() > 0 && child->Height() > 0 && RectVisible(dc, &bounds);
}

namespace {

// The off-screen picture of one PaintGraphicChildren: made when the first
// paintable child is met, every paintable child's place filled first.
class TGraphicChildrenPicture {
public:
  TGraphicChildrenPicture(tk::TWinControl& container, const CacheInfo& cache, const std::vector<tk::TControl*>& children)
      : picture_(std::max(1, container.Width()), std::max(1, container.Height())), canvas_(picture_) {
    const tk::TBitmapSource from(*cache.bitmap);
    for (tk::TControl* child : children) {
      const RECT r = child->BoundsRect();
      if ((child->ControlStyle() & tk::csOpaque) != 0) {
        const tk::TBrushHandle brush(CreateSolidBrush(tk::ColorToRGB(child->Color())));
        FillRect(canvas_.Handle(), &r, brush.Get());
      } else {
        BitBlt(canvas_.Handle(), r.left, r.top, tk::RectWidth(r), tk::RectHeight(r), from.Handle(),
               r.left + cache.offsetX, r.top + cache.offsetY, SRCCOPY);
      }
    }
  }
  HDC Handle() { return canvas_.Handle(); }
  // The child left clFuchsia on its own top-left pixel: nothing to show.
  bool LeftClear(const tk::TControl& child) {
    GdiFlush();
    picture_.Sync();
    if (child.Left() < 0 || child.Top() < 0 || child.Left() >= picture_.Width() || child.Top() >= picture_.Height())
      return false;
    const std::uint8_t* p = picture_.ScanLine(child.Top()) + 3 * child.Left();
    return p[0] == 0xFF && p[1] == 0x00 && p[2] == 0xFF;
  }

private:
  tk::Bitmap picture_;
  tk::TBitmapCanvas canvas_;
};

bool InsideClipBox(HDC dc, const RECT& r) {
  RECT box{};
  if (GetClipBox(dc, &box) == NULLREGION) return false;
  return r.left >= box.left && r.top >= box.top && r.right <= box.right && r.bottom <= box.bottom;
}

}  // namespace

void PaintGraphicChildren(HDC dc, tk::TWinControl* container, int ox, int oy) {
  if (!dc || !container || container->ControlCount() == 0) return;
  if (!container->Visible() && !container->IsDesigning()) return;
  RECT box{};
  if (GetClipBox(dc, &box) == NULLREGION || box.right <= box.left || box.bottom <= box.top) {
    SendSkinCommandToControl(container, SCMD_SET_CLIPPED, 0);
    return;
  }
  // Children ask the same container for its cache while they paint: this
  // answer is kept apart from the reply slot.
  const CacheInfo cache = CacheInfoOf(container);
  if (!cache.Usable()) return;

  std::vector<tk::TControl*> paintable;
  for (tk::TControl* child : ChildrenOf(*container))
    if (IsPaintableGraphicChild(child, dc, ox, oy)) paintable.push_back(child);
  if (paintable.empty()) {
    CacheInfoReply.ready = false;
    return;
  }
  TGraphicChildrenPicture picture(*container, cache, paintable);
  auto* form = dynamic_cast<tk::TCustomForm*>(container);
  const bool mdiParent = form && form->IsMDIForm();
  for (tk::TControl* child : paintable) {
    if (!container->ContainsControl(child) || child->IsDestroying()) continue;
    if (mdiParent && child->Align() != tk::alNone) {
      // Beside the MDI client window: the child repaints itself where it is,
      // the form painting only that child's place.
      SendSkinCommandToControl(container, SCMD_SET_PAINTING_CHILD, reinterpret_cast<LPARAM>(child));
      child->Repaint();
      SendSkinCommandToControl(container, SCMD_SET_PAINTING_CHILD, 0);
    }
    if (!InsideClipBox(dc, BoundsMovedBy(*child, ox, oy))) SendSkinCommandToControl(child, SCMD_SET_CLIPPED, 0);
    const tk::TSavedDC saved(picture.Handle());
    SetViewportOrgEx(picture.Handle(), child->Left(), child->Top(), nullptr);
    IntersectClipRect(picture.Handle(), 0, 0, child->Width(), child->Height());
    try {
      child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(picture.Handle()), 0);
    } catch (...) {
      // The child's place keeps the container's image.
    }
  }
  for (tk::TControl* child : paintable) {
    if (!container->ContainsControl(child) || picture.LeftClear(*child)) continue;
    BitBlt(dc, child->Left() + ox, child->Top() + oy, child->Width(), child->Height(), picture.Handle(), child->Left(),
           child->Top(), SRCCOPY);
  }
  CacheInfoReply.ready = false;
}

void NotifyChildrenParentPainted(tk::TWinControl* container) {
  if (!container) return;
  try {
    for (tk::TControl* child : ChildrenOf(*container)) {
      if (IsGraphic(child) || !container->ContainsControl(child) || child->IsDestroying()) continue;
      auto* windowed = static_cast<tk::TWinControl*>(child);
      if (windowed->HandleAllocated()) {
        SendSkinCommand(windowed->Handle(), SCMD_PARENT_PAINTED, 0);
      } else {
        tk::TMessage m{SM_VEXACMD, SkinCommandWParam(SCMD_PARENT_PAINTED), 0, 0};
        child->Deliver(m);
      }
    }
  } catch (...) {
    // The children not reached yet repaint at the next refresh.
  }
}

void NotifyChildWindowsParentPainted(HWND window) {
  if (!window) return;
  for (HWND child : ChildWindowsOf(window))
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) SendSkinCommand(child, SCMD_PARENT_PAINTED, 0);
}

}  // namespace skin
