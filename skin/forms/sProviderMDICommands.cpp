// The system commands of a skinned MDI form. A child's maximize, restore
// and minimize change what the parent's menu line shows (the child's
// buttons and icon), so the parent's painting waits while the window
// system moves the child, and the parent is drawn once afterwards. Every
// update a command begins is ended on each of its paths: a parent left
// waiting would never paint again.
#include "sMDIForm.h"
#include "sMDIIconsWindow.h"
#include "sSkinProvider.h"
#include "toolkit/win/Application.h"

namespace skin {

namespace {

bool ParentAlive(const TsSkinProvider* self) {
  TsSkinProvider* parent = TsSkinProvider::MDISkinProvider;
  return parent && parent != self && !parent->IsDestroying() && parent->Form() && parent->Form()->HandleAllocated();
}

void BeginParentUpdate(TsSkinProvider* self) {
  if (ParentAlive(self)) TsSkinProvider::MDISkinProvider->SkinData().BeginUpdate();
}

void EndParentUpdate(TsSkinProvider* self) {
  if (ParentAlive(self)) TsSkinProvider::MDISkinProvider->SkinData().EndUpdate();
}

}  // namespace

void TsSkinProvider::HandleMDIParentSysCommand(tk::TMessage& m) {
  OldWndProc(m);
  const WPARAM command = m.WParam & 0xFFF0;
  if (command != SC_MINIMIZE && command != SC_MAXIMIZE && command != SC_RESTORE) return;
  // The caption buttons change with the state: a picture kept behind a
  // maximized child would show the old ones.
  captionInvalid_ = true;
  skinData_->cacheStale = true;
  linesCount_ = -1;
  RepaintFrame();
}

void TsSkinProvider::RedrawMDIParentAfterCommand(const TsSkinProvider* self, bool processPending) {
  if (!ParentAlive(self)) return;
  // The window system's own steps of the command come first.
  if (processPending) tk::Application().ProcessMessages();
  if (!ParentAlive(self)) return;
  TsSkinProvider& parent = *MDISkinProvider;
  parent.skinData_->EndUpdate();
  parent.skinData_->cacheStale = true;
  parent.captionInvalid_ = true;
  parent.linesCount_ = -1;
  if (parent.mdiForm_) parent.mdiForm_->Connect();
  RedrawWindow(parent.FormHandle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME | RDW_ALLCHILDREN);
}

void TsSkinProvider::RedrawWithFrame() {
  if (const HWND h = FormHandle())
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TsSkinProvider::HandleMDIChildSysCommand(tk::TMessage& m) {
  const WPARAM command = m.WParam & 0xFFF0;
  const HWND h = FormHandle();
  const bool wasMaximized = h && IsZoomed(h);
  const bool wasMinimized = h && IsIconic(h);
  const bool parentWaits = wasMaximized && command != SC_MAXIMIZE && ParentAlive(this);
  if (parentWaits) BeginParentUpdate(this);
  switch (command) {
    case SC_MINIMIZE:
      if (MDIChildProvider == this) MDIChildProvider = nullptr;
      OldWndProc(m);
      if (parentWaits) RedrawMDIParentAfterCommand(this, true);
      UpdateSystemMenuItems();
      captionCache_.reset();
      skinData_->cacheStale = true;
      RedrawMDIParentAfterCommand(this, true);
      return;
    case SC_MAXIMIZE: {
      maximizePending_ = false;
      MDIChildProvider = this;
      skinData_->BeginUpdate();
      BeginParentUpdate(this);
      OldWndProc(m);
      skinData_->EndUpdate();
      EndParentUpdate(this);
      skinData_->cacheStale = true;
      RedrawWithFrame();
      if (ParentAlive(this)) {
        MDISkinProvider->linesCount_ = -1;
        if (MDISkinProvider->mdiForm_) RedrawMDIParentAfterCommand(this, true);
      }
      UpdateSystemMenuItems();
      return;
    }
    case SC_CLOSE: {
      // Closing frees this form once the message is done; a pending
      // message processed in here would free it under its own window
      // procedure, so the parent is drawn without them.
      if (parentWaits) RedrawMDIParentAfterCommand(this, false);
      hotButton_ = 0;  // no repaint: the frame is drawn again for the close
      TsSkinProvider* parent = ParentAlive(this) ? MDISkinProvider : nullptr;
      const bool locked = parent && parent->regionLocked_;
      if (parent) parent->regionLocked_ = true;
      OldWndProc(m);
      if (parent && MDISkinProvider == parent) {
        parent->regionLocked_ = locked;
        RedrawMDIParentAfterCommand(nullptr, false);
      }
      return;
    }
    case SC_RESTORE: {
      if (MDIChildProvider == this) MDIChildProvider = nullptr;
      if (maximizePending_) {
        // Created beside a maximized child, it is maximized at its first
        // paint whatever it is told before.
        if (parentWaits) EndParentUpdate(this);
        m.Result = 0;
        return;
      }
      skinData_->BeginUpdate();
      BeginParentUpdate(this);
      OldWndProc(m);
      skinData_->cacheStale = true;
      if (h) SetWindowLongW(h, GWL_STYLE, GetWindowLongW(h, GWL_STYLE) & ~WS_SYSMENU);
      skinData_->EndUpdate();
      EndParentUpdate(this);
      RedrawWithFrame();
      RedrawOtherMDIChildren();
      if (parentWaits || wasMinimized) RedrawMDIParentAfterCommand(this, true);
      UpdateSystemMenuItems();
      return;
    }
    case SC_KEYMENU:
      if (parentWaits) EndParentUpdate(this);
      if (LOWORD(m.LParam) == ' ' && (form_->BorderIcons() & tk::biSystemMenu)) ShowSystemMenuAtIcon();
      m.Result = 0;
      return;
    default:
      OldWndProc(m);
      if (parentWaits) EndParentUpdate(this);
      return;
  }
}

namespace {
constexpr int kMDIIconsWidth = 60;
}  // namespace

HWND TsSkinProvider::MDIIconsWindow() const { return mdiIcons_ ? mdiIcons_->Handle() : nullptr; }

void TsSkinProvider::HandleEnterMenuLoop(tk::TMessage& m) {
  if (IsMDIParent() && MaximizedMDIChild()) {
    regionLocked_ = true;
    const TsFrameMetrics fm = Metrics();
    if (!mdiIcons_) {
      TsSkinProvider* self = this;
      mdiIcons_ = std::make_unique<TsMDIIconsWindow>(
          [self]() -> const tk::Bitmap* { return self->skinData_->Cache(); },
          POINT{fm.width - kMDIIconsWidth, fm.captionHeight});
    }
    RECT window{};
    GetWindowRect(FormHandle(), &window);
    const int top = window.top + fm.captionHeight;
    mdiIcons_->ShowAt({window.right - kMDIIconsWidth, top, window.right, top + GetSystemMetrics(SM_CYMENU) + 3});
  }
  OldWndProc(m);
}

void TsSkinProvider::HandleExitMenuLoop(tk::TMessage& m) {
  if (mdiIcons_) {
    regionLocked_ = false;
    mdiIcons_.reset();
  }
  OldWndProc(m);
}

void TsSkinProvider::RedrawOtherMDIChildren() {
  tk::TCustomForm* parent = form_->MDIParent();
  if (!parent) return;
  for (int i = 0; tk::TCustomForm* child = parent->MDIChildren(i); ++i) {
    if (child == form_) continue;
    if (TsSkinProvider* other = Of(child)) other->skinData_->cacheStale = true;
    RedrawWindow(child->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

}  // namespace skin
