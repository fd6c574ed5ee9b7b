// The MDI parent's side of the provider: the maximized MDI child's buttons
// on the parent's menu line (minimize, restore, close), where they lie,
// how they look, what they answer to the hit test and what their clicks
// do to the child.
#include "sMDIForm.h"
#include "skin/controls/adapters/vxMDIWnd.h"
#include "sSkinProvider.h"
#include "skin/data/sMaskData.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sMaskGlyph.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

namespace {
constexpr int kDefaultChildButtonSize = 16;

bool IsChildButton(int id) { return id == HTCHILDCLOSE || id == HTCHILDMAX || id == HTCHILDMIN; }
}  // namespace

tk::TCustomForm* TsSkinProvider::MaximizedMDIChild() const {
  if (!IsMDIParent() || !form_->HandleAllocated()) return nullptr;
  bool maximized = false;
  tk::TCustomForm* child = form_->ActiveMDIChild(&maximized);
  return maximized ? child : nullptr;
}

bool TsSkinProvider::HiddenBehindMaximizedSibling() const {
  if (!IsMDIChild() || !form_->HandleAllocated()) return false;
  const tk::TCustomForm* parent = form_->MDIParent();
  if (!parent || !parent->HandleAllocated()) return false;
  bool maximized = false;
  tk::TCustomForm* active = parent->ActiveMDIChild(&maximized);
  return maximized && active && active != form_ && IsWindowVisible(active->Handle());
}

bool TsSkinProvider::KeepsCacheBehindMaximizedChild(const TsFrameMetrics& fm) const {
  if (captionInvalid_ || !IsMDIParent()) return false;
  tk::TCustomForm* child = MaximizedMDIChild();
  const tk::Bitmap* cache = skinData_->Cache();
  // A cache of another size is no picture of the window at all.
  return child && IsWindowVisible(child->Handle()) && cache && cache->Width() == fm.width &&
         cache->Height() == fm.height;
}

bool TsSkinProvider::ChildButtonsShown() const {
  // A hidden child's buttons would act on a window nobody sees.
  tk::TCustomForm* child = MaximizedMDIChild();
  return child && MDIChildProvider && MDIChildProvider->Form() == child && IsWindowVisible(child->Handle()) &&
         form_->Menu() && GetMenu(FormHandle()) != nullptr;
}

std::pair<int, int> TsSkinProvider::ChildButtonSize() const {
  const TsMaskData* m = Mask(childClose_.ImageIndex);
  if (!m) return {kDefaultChildButtonSize, kDefaultChildButtonSize};
  if (m->Bmp) return {m->Bmp->Width() / 3, m->Bmp->Height() / 2};
  const int frames = m->ImageCount > 0 ? m->ImageCount : 1;
  return {m->R.Width() / frames, m->R.Height() / (m->MaskType + 1)};
}

void TsSkinProvider::LayOutChildButtons(const TsFrameMetrics& fm) {
  childMin_.Rect = childMax_.Rect = childClose_.Rect = {};
  if (!ChildButtonsShown() || fm.menuRows <= 0) return;
  const auto [w, h] = ChildButtonSize();
  const int y = fm.topStrip - (fm.menuHeight - h) / 2 - h - 1;
  const int right = fm.width - fm.frameWidth;
  childMin_.Rect = {right - 3 * w - 3, y, right - 2 * w - 3, y + h};
  childMax_.Rect = {right - 2 * w - 2, y, right - w - 2, y + h};
  childClose_.Rect = {right - w - 1, y, right - 1, y + h};
}

TsSkinProvider::TsButtonLook TsSkinProvider::ChildButtonLook(int id) const {
  TsButtonLook look;
  const TsFormRules child = MDIChildProvider ? MDIChildProvider->Rules() : TsFormRules{};
  switch (id) {
    case HTCHILDMIN:
      look.image = childMin_.ImageIndex;
      look.enabled = child.minimizeEnabled;
      break;
    case HTCHILDMAX: {
      const int normal = GlobalMask("SICONNORM");
      look.image = normal >= 0 ? normal : childMax_.ImageIndex;
      look.enabled = child.restoreEnabled;
      break;
    }
    default:
      look.image = childClose_.ImageIndex;
      break;
  }
  return look;
}

void TsSkinProvider::PaintChildButton(int id, tk::Bitmap& cache) {
  const TsCaptionButton& b = *Button(id);
  if (b.Rect.Width() <= 0) return;
  const TsButtonLook look = ChildButtonLook(id);
  const TsMaskData* image = Mask(look.image);
  if (!image) return;
  const bool dimmed = !look.enabled || !formActive_;
  DrawMaskGlyph(cache, {b.Rect.Left, b.Rect.Top}, b.State, *image, dimmed ? 2 : 1);
}

void TsSkinProvider::PaintChildButtons(const TsFrameMetrics&) {
  tk::Bitmap& cache = *skinData_->Cache();
  for (int id : {HTCHILDMIN, HTCHILDMAX, HTCHILDCLOSE}) PaintChildButton(id, cache);
}

bool TsSkinProvider::RepaintChildButton(int id) {
  if (!IsChildButton(id)) return false;
  TsCaptionButton& b = *Button(id);
  tk::Bitmap* cache = skinData_->Cache();
  const HWND h = FormHandle();
  if (!cache || cache->Empty() || !h || b.Rect.Width() <= 0 || menuLineBmp_.Empty()) return true;
  const int lineTop = Metrics().TitleHeight();
  CopyBitmapRect(*cache, b.Rect.Left, b.Rect.Top, menuLineBmp_,
                 {b.Rect.Left, b.Rect.Top - lineTop, b.Rect.Right, b.Rect.Bottom - lineTop});
  PaintChildButton(id, *cache);
  tk::TWindowDC dc(h, tk::TWindowDC::Whole);
  const tk::TBitmapSource source(*cache);
  BitBlt(dc.Get(), b.Rect.Left, b.Rect.Top, b.Rect.Width(), b.Rect.Height(), source.Handle(), b.Rect.Left, b.Rect.Top,
         SRCCOPY);
  return true;
}

int TsSkinProvider::HitChildButton(POINT p) const {
  if (!ChildButtonsShown()) return HTNOWHERE;
  for (const auto* b : {&childMin_, &childMax_, &childClose_}) {
    const TRect& r = b->Rect;
    if (r.Width() > 0 && p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom)
      return b == &childMin_ ? HTCHILDMIN : b == &childMax_ ? HTCHILDMAX : HTCHILDCLOSE;
  }
  return HTNOWHERE;
}

bool TsSkinProvider::ChildButtonPressAllowed(int id) const {
  if (!MDIChildProvider) return true;
  const TsFormRules child = MDIChildProvider->Rules();
  if (id == HTCHILDMIN) return child.minimizeEnabled;
  if (id == HTCHILDMAX) return child.restoreEnabled;
  return true;
}

void TsSkinProvider::ReleaseChildButton(int id) {
  const bool pressed = ButtonPressed;
  tk::TCustomForm* child = form_->ActiveMDIChild();
  if (id == HTCHILDMIN) {
    SetHotButton(0);
    if (pressed && child) {
      skinData_->BeginUpdate();
      SendMessageW(child->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
    return;
  }
  // Close and restore: the button goes without a repaint, the line is
  // painted again for the new state anyway.
  if (TsCaptionButton* b = Button(id)) b->State = 0;
  hotButton_ = 0;
  ButtonPressed = false;
  if (pressed && child) SendMessageW(child->Handle(), WM_SYSCOMMAND, id == HTCHILDCLOSE ? SC_CLOSE : SC_RESTORE, 0);
}

void TsSkinProvider::PaintMDIChildIcon(const TsFrameMetrics& fm) {
  tk::TCustomForm* child = MaximizedMDIChild();
  if (!child || !(child->BorderIcons() & tk::biSystemMenu)) return;
  if (const TsSkinProvider* childProvider = Of(child); childProvider && !childProvider->ShowAppIcon()) return;
  const int size = fm.menuHeight - 2;
  if (size <= 0) return;
  // The child's own icon is the one given to its window.
  auto icon = reinterpret_cast<HICON>(SendMessageW(child->Handle(), WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = DefaultSmallIcon();
  tk::Bitmap& cache = *skinData_->Cache();
  {
    tk::TMemoryDC dc;
    tk::TSelection selected(dc.Get(), static_cast<HBITMAP>(cache.NativeHandle()));
    DrawIconEx(dc.Get(), fm.frameWidth + 1, fm.TitleHeight() + 1, icon, size, size, 0, nullptr, DI_NORMAL);
  }
  cache.Sync();
}

// --- The MDI child's side -------------------------------------------------------

TsSkinProvider* TsSkinProvider::MarkMDIParentStale() {
  TsSkinProvider* parent = MDISkinProvider;
  if (!parent || parent == this || parent->IsDestroying() || !parent->FormHandle()) return nullptr;
  parent->skinData_->cacheStale = true;
  parent->captionInvalid_ = true;
  parent->linesCount_ = -1;
  return parent;
}

void TsSkinProvider::RefreshMDIParent() {
  TsSkinProvider* parent = MarkMDIParentStale();
  if (parent && parent->mdiForm_) parent->mdiForm_->Refresh();
}

void TsSkinProvider::HandleMDIActivate(tk::TMessage& m) {
  OldWndProc(m);
  if (!IsMDIChild() || !MDISkinProvider || MDISkinProvider->IsDestroying()) return;
  menuOwnerDrawSet_ = false;
  if (reinterpret_cast<HWND>(m.LParam) == FormHandle()) {
    MDIChildProvider = this;
    // The child's items now show on the parent's line: drawn by the skin.
    if (Skinned()) HookFormMenus(true);
  }
  RefreshMDIParent();
}

void TsSkinProvider::HandleChildActivate(tk::TMessage& m) {
  OldWndProc(m);
  if (!IsMDIChild() || !MDISkinProvider || MDISkinProvider->IsDestroying()) return;
  // A menu given to the child since it was activated is drawn by the skin too.
  if (Skinned()) HookFormMenus(true);
  if (MDISkinProvider->MaximizedMDIChild()) MDISkinProvider->RepaintFrame();
}

void TsSkinProvider::FollowMDIChildState() {
  if (!IsMDIChild() || !MDISkinProvider || MDISkinProvider->IsDestroying() || !FormHandle()) return;
  const bool zoomed = IsZoomed(FormHandle()) != FALSE;
  if (zoomed && MDISkinProvider->MaximizedMDIChild() == form_) MDIChildProvider = this;
  if (!zoomed && MDIChildProvider == this) MDIChildProvider = nullptr;
  if (zoomed == mdiChildZoomed_) return;
  mdiChildZoomed_ = zoomed;
  RefreshMDIParent();
}

void TsSkinProvider::TellMDIParentChildGoes() {
  if (TsSkinProvider* parent = MarkMDIParentStale()) PostMessageW(parent->FormHandle(), tk::SM_MDICHILD_GONE, 0, 0);
}

void TsSkinProvider::HandleMDIChildGone() {
  const HWND h = FormHandle();
  if (!h || !IsMDIParent()) return;
  skinData_->cacheStale = true;
  captionInvalid_ = true;
  linesCount_ = -1;
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  // Without an active child left nothing else paints the client window.
  if (!form_->ActiveMDIChild() && mdiForm_)
    if (const HWND client = mdiForm_->ClientWindow())
      RedrawWindow(client, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool TsSkinProvider::CreatedBesideMaximizedSibling() const {
  const TsSkinProvider* parent = MDISkinProvider;
  if (!IsMDIChild() || !parent || parent->IsDestroying() || !parent->mdiForm_ || form_->MDIParent() != parent->Form())
    return false;
  const TvxMDIWnd* client = parent->mdiForm_->Wrapper();
  return client && client->CreatingBesideMaximizedChild();
}

void TsSkinProvider::MaximizeIfPending() {
  if (!maximizePending_ || !IsMDIChild() || !FormHandle()) return;
  maximizePending_ = false;
  MDIChildProvider = this;
  SysCommand(SC_MAXIMIZE);
}

void TsSkinProvider::HandleMDIChildCreated() {
  const HWND h = FormHandle();
  if (h && IsWindowVisible(h)) RedrawWithFrame();
}

void TsSkinProvider::RefreshMDIParentForNewChild() {
  TsSkinProvider* parent = MarkMDIParentStale();
  if (!parent) return;
  if (parent->mdiForm_) parent->mdiForm_->Connect();
  parent->RepaintFrame();
  if (const HWND client = parent->mdiForm_ ? parent->mdiForm_->ClientWindow() : nullptr)
    SendMessageW(client, WM_NCPAINT, 1, 0);
}

void TsSkinProvider::HandleShowWindow(tk::TMessage& m) {
  OldWndProc(m);
  const HWND h = FormHandle();
  if (!IsMDIChild() || !h || !IsZoomed(h)) return;
  // The child's visibility changes only after this message: the parent is
  // drawn from the queue, once it has.
  if (TsSkinProvider* parent = MarkMDIParentStale())
    RedrawWindow(parent->FormHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

}  // namespace skin
