// The skinned form's window messages: which the provider answers itself,
// which it lets the form's own handling answer first and then follows up,
// and which pass unchanged.
#include "sFormScrollWnd.h"
#include "sOutlineDrag.h"
#include "sScreenSnap.h"
#include "sSkinProvider.h"
#include "sSystemMenu.h"
#include "skin/controls/sControlKinds.h"
#include "skin/data/sMaskData.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/GraphicControl.h"

namespace skin {

namespace {

TRect WorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

// Redrawing of a window switched off for one scope.
class TRedrawOff {
public:
  explicit TRedrawOff(HWND window) : window_(window) { SendMessageW(window_, WM_SETREDRAW, FALSE, 0); }
  ~TRedrawOff() { SendMessageW(window_, WM_SETREDRAW, TRUE, 0); }
  TRedrawOff(const TRedrawOff&) = delete;
  TRedrawOff& operator=(const TRedrawOff&) = delete;

private:
  HWND window_;
};

}  // namespace

void TsSkinProvider::SysCommand(WPARAM command) {
  if (const HWND h = FormHandle()) SendMessageW(h, WM_SYSCOMMAND, command, 0);
}

bool TsSkinProvider::HandleSkinnedMessage(tk::TMessage& m) {
  if (HandleCapturedMouse(m)) return true;
  switch (m.Msg) {
    case WM_NCPAINT: HandleNcPaint(m); return true;
    case WM_PAINT: HandlePaint(m); return true;
    case WM_ERASEBKGND: m.Result = 0; return true;
    case WM_PRINT: HandlePrint(m); return true;
    case WM_PRINTCLIENT: return true;
    case WM_NCHITTEST: HandleHitTest(m); return true;
    case WM_NCLBUTTONDOWN: HandleNcLButtonDown(m); return true;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP: HandleButtonUp(m); return true;
    case WM_MOUSEMOVE: HandleMouseMoveWhileDragging(m); return true;
    case WM_NCLBUTTONDBLCLK: HandleNcLButtonDblClk(m); return true;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP: HandleNcRButton(m); return true;
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
    case tk::CM_MOUSELEAVE:
      SetHotButton(0);
      return false;
    case tk::CM_MOUSEENTER: HandleMouseEnter(m); return true;
    case WM_SYSCOMMAND: HandleSysCommand(m); return true;
    case WM_ACTIVATE: HandleActivate(m); return true;
    case WM_NCACTIVATE: HandleNcActivate(m); return true;
    case WM_WINDOWPOSCHANGING: HandleWindowPosChanging(m); return true;
    case WM_GETMINMAXINFO: HandleMinMaxInfo(m); return true;
    case WM_SIZE: HandleSize(m); return true;
    case WM_MDIACTIVATE: HandleMDIActivate(m); return true;
    case WM_CHILDACTIVATE: HandleChildActivate(m); return true;
    case tk::SM_MDICHILD_GONE: HandleMDIChildGone(); return true;
    case tk::SM_MDICHILD_CREATED: HandleMDIChildCreated(); return true;
    case WM_SHOWWINDOW: HandleShowWindow(m); return true;
    case WM_WINDOWPOSCHANGED:
    case WM_EXITSIZEMOVE:
    case WM_SIZING: HandleSizeChanged(m); return true;
    case WM_SETTEXT: HandleSetText(m); return true;
    case WM_CREATE: HandleCreate(m); return true;
    case WM_PARENTNOTIFY: HandleParentNotify(m); return true;
    case WM_SETTINGCHANGE:
      skinData_->cacheStale = true;
      captionCache_.reset();
      return false;
    case WM_ENTERIDLE: m.Result = 0; return true;
    case WM_ENTERMENULOOP: HandleEnterMenuLoop(m); return true;
    case WM_EXITMENULOOP: HandleExitMenuLoop(m); return true;
    case WM_UPDATEUISTATE:
      // The menu line's accelerators show or hide with the window's state.
      OldWndProc(m);
      if ((HIWORD(m.WParam) & UISF_HIDEACCEL) && form_->Menu()) {
        skinData_->cacheStale = true;
        captionInvalid_ = true;
        RepaintFrame();
      }
      return true;
    case tk::CM_ENABLEDCHANGED:
      OldWndProc(m);
      skinData_->cacheStale = true;
      RepaintFrame();
      return true;
    case tk::CM_COLORCHANGED:
      if (!skinData_->HasCustomColor()) return true;  // the skin's colour stays
      if (!FormCreating()) {
        skinData_->cacheStale = true;
        captionInvalid_ = true;  // the whole background takes the colour
      }
      return false;
    default: return false;
  }
}

void TsSkinProvider::HandleMouseEnter(tk::TMessage& m) {
  OldWndProc(m);
  // A windowless speed button may still show the mouse over it when the
  // mouse left it for the form: it hears that it was left.
  auto* entered = reinterpret_cast<tk::TControl*>(m.LParam);
  std::vector<tk::TControl*> pending{form_};
  while (!pending.empty()) {
    tk::TControl* c = pending.back();
    pending.pop_back();
    auto* container = dynamic_cast<tk::TWinControl*>(c);
    if (!container) continue;
    for (int i = 0; i < container->ControlCount(); ++i) {
      tk::TControl* child = container->Controls(i);
      pending.push_back(child);
      TsCommonData* data = SkinDataOf(child);
      if (child != entered && data && data->controlKind == kKindSpeedButton && data->mouseInside)
        child->Perform(tk::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(child));
    }
  }
}

void TsSkinProvider::HandleSysCommand(tk::TMessage& m) {
  const WPARAM command = m.WParam & 0xFFF0;
  if (m.WParam == (SC_MOVE | HTCAPTION) && FormHandle()) UpdateWindow(FormHandle());
  if (resizeMode_ == rmBorder && (command == SC_MOVE || command == SC_SIZE) && !(drag_ && drag_->Active())) {
    // The outline drag takes the mouse; the window system's own loop does not run.
    if (!drag_) drag_ = std::make_unique<TsOutlineDrag>(FormHandle());
    drag_->Prepare(command == SC_MOVE);
    // From the keyboard or the menu the outline starts where the mouse is;
    // from the title bar, where it was pressed.
    POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
    if (m.LParam == 0) GetCursorPos(&p);
    if (m.LParam == 0 || command == SC_MOVE) drag_->Start(p);
    m.Result = 0;
    return;
  }
  if (IsMDIChild() && MDISkinProvider) {
    HandleMDIChildSysCommand(m);
  } else if (command == SC_KEYMENU && LOWORD(m.LParam) == ' ') {
    if (form_->BorderIcons() & tk::biSystemMenu) ShowSystemMenuAtIcon();
    m.Result = 0;
    return;
  } else if (IsMDIParent()) {
    HandleMDIParentSysCommand(m);
  } else {
    OldWndProc(m);
  }
  if (IsDestroying() || !FormHandle()) return;
  if ((command == SC_MAXIMIZE || command == SC_RESTORE) && Button(kButtonMaximize)->Rect.Width() > 0 && Skinned()) {
    buttonMax_.State = 0;
    RepaintButton(kButtonMaximize);
  }
}

void TsSkinProvider::HandleActivate(tk::TMessage& m) {
  OldWndProc(m);
  if (FormCreating()) return;
  const bool active = LOWORD(m.WParam) != WA_INACTIVE;
  // The parent of a maximized child keeps its cache unless the caption
  // changed: a new activation state is such a change.
  if (active != formActive_ && IsMDIParent()) captionInvalid_ = true;
  formActive_ = active;
  skinData_->cacheStale = true;
  linesCount_ = -1;
  RepaintFrame();
  UpdateSystemMenuItems();
}

void TsSkinProvider::HandleNcActivate(tk::TMessage& m) {
  const HWND h = FormHandle();
  const bool active = m.WParam != FALSE;
  if (FormVisible()) {
    if (active != formActive_) skinData_->cacheStale = true;
    // The window system would draw its own title bar.
    SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    OldWndProc(m);
    if (!showAnimating_) SendMessageW(h, WM_SETREDRAW, TRUE, 0);
  } else {
    OldWndProc(m);
  }
  if (IsMDIChild() && FormVisible() && !firstPaintDone_) RefreshMDIParentForNewChild();
  if (FormCreating()) return;
  if (Metrics().framed) {
    if (active != formActive_) {
      skinData_->cacheStale = true;
      if (IsMDIParent()) captionInvalid_ = true;
    }
    formActive_ = active;
    linesCount_ = -1;
  }
  RepaintFrame();
  if (!adapter_) RescanAdapter();
  if (FormVisible() && !showAnimating_)
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TsSkinProvider::HandleParentNotify(tk::TMessage& m) {
  OldWndProc(m);
  if (form_->IsLoading()) return;
  const WORD event = LOWORD(m.WParam);
  if (event == WM_CREATE && adapter_) adapter_->AddAllItems();
  if ((event == WM_CREATE || event == WM_DESTROY) && scrollWnd_) scrollWnd_->UpdateScrollInfo();
}

void TsSkinProvider::HandleWindowPosChanging(tk::TMessage& m) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
  const HWND h = FormHandle();
  if (pos && h && screenSnap_ && !settingRegion_ && !IsZoomed(h) && !(pos->flags & SWP_NOMOVE) &&
      (pos->x != 0 || pos->y != 0)) {
    RECT window;
    GetWindowRect(h, &window);
    const int width = (pos->flags & SWP_NOSIZE) ? window.right - window.left : pos->cx;
    const int height = (pos->flags & SWP_NOSIZE) ? window.bottom - window.top : pos->cy;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(h, MONITOR_DEFAULTTONEAREST), &monitor);
    const bool atOrigin = monitor.rcMonitor.left == 0 && monitor.rcMonitor.top == 0;
    const TsSnapPlacement p = SnapToWorkArea(pos->x, pos->y, width, height, WorkArea(), snapBuffer_, atOrigin);
    pos->x = p.x;
    pos->y = p.y;
  }
  OldWndProc(m);
}

void TsSkinProvider::HandleMinMaxInfo(tk::TMessage& m) {
  auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
  if (!info) return OldWndProc(m);
  info->ptMaxPosition = {-1, -1};
  info->ptMaxTrackSize = {-1, -1};
  OldWndProc(m);
  const int frame = form_->BorderStyle() != tk::bsNone ? Metrics().frameWidth : 0;
  const TsMaximizedPlacement placement = MaximizedPlacement(WorkArea(), frame);
  if (info->ptMaxTrackSize.x == -1) info->ptMaxTrackSize.x = placement.width;
  if (info->ptMaxTrackSize.y == -1) info->ptMaxTrackSize.y = placement.height;
  if (info->ptMaxPosition.x == -1 && info->ptMaxPosition.y == -1) info->ptMaxPosition = {placement.left, placement.top};
}

void TsSkinProvider::HandleSize(tk::TMessage& m) {
  // The window system tells a window its size when it is first shown: a
  // frame painted for just these measures has nothing to redraw.
  const bool unchanged = !skinData_->cacheStale && cachedFrame_ && *cachedFrame_ == Metrics();
  if (!unchanged) {
    skinData_->cacheStale = true;
    regionChanged_ = true;
  }
  OldWndProc(m);
  FollowMDIChildState();
  if (unchanged) return;
  const TsGeneralData* section = skinData_->Section();
  if (section && section->GradientPercent > 0) {
    for (int i = 0; i < form_->ControlCount(); ++i) SendSkinCommandToControl(form_->Controls(i), SCMD_PARENT_MOVED, 0, 1);
  }
  if (const HWND h = FormHandle())
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

void TsSkinProvider::HandleSizeChanged(tk::TMessage& m) {
  OldWndProc(m);
  if (settingRegion_ || SkinLoading || FormCreating() || !FormVisible()) return;
  const tk::Bitmap* cache = skinData_->Cache();
  const TsFrameMetrics fm = Metrics();
  const int height = fm.minimized ? fm.TitleHeight() + 1 : fm.height;
  if (cache && cache->Width() == fm.width && cache->Height() == height) return;
  skinData_->cacheStale = true;
  if (m.Msg == WM_SIZING) return;
  regionChanged_ = true;
  RepaintFrame();
}

void TsSkinProvider::HandleSetText(tk::TMessage& m) {
  const HWND h = FormHandle();
  if (!FormVisible()) return OldWndProc(m);
  {
    // The window system would draw the new caption on its own title bar.
    TRedrawOff off(h);
    OldWndProc(m);
  }
  if (IsMDIParent()) captionInvalid_ = true;  // the text is part of the caption
  if (skinData_->IsPaintDeferred() || !Metrics().framed) return;
  skinData_->cacheStale = true;
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TsSkinProvider::HandleCreate(tk::TMessage& m) {
  captionCache_.reset();
  maximizePending_ = CreatedBesideMaximizedSibling();
  OldWndProc(m);
  PrepareForm();
  // The client window shows the child before its creation is over, and
  // what it asks to be painted then is dropped.
  if (IsMDIChild() && FormHandle()) PostMessageW(FormHandle(), tk::SM_MDICHILD_CREATED, 0, 0);
}

}  // namespace skin
