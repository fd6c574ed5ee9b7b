#include "vxDialogWnd.h"

#include <windowsx.h>

#include <algorithm>

#include "vxProvider.h"
#include "vxSystemMenu.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sPaintGlobals.h"

namespace skin {

namespace {

constexpr int kDefaultButtonSize = 21;

}  // namespace

bool TvxDialogWnd::ButtonPressed = false;
bool DialogRegionApplying = false;

TvxDialogWnd::TvxDialogWnd(HWND window, TsSkinManager* manager, TvxProvider& provider)
    : TvxScrollWnd(window, false, "DIALOG", manager, nullptr), provider_(provider) {
  buttonMin_.ImageIndex = buttonMax_.ImageIndex = buttonClose_.ImageIndex = buttonHelp_.ImageIndex = -1;
  systemMenu_ = std::make_unique<TvxSystemMenu>(*this);
  systemMenu_->UpdateItems();
  if (manager && manager->SkinnedPopups()) HookSystemMenuForSkinning(*systemMenu_, *manager);
}

TvxDialogWnd::~TvxDialogWnd() {
  // A dialog still open when the skin goes gets back what adoption took:
  // its system-menu style (the platform's caption buttons) and its shape;
  // its procedure first, so the frame change reaches the platform alone.
  const bool restore = !done_ && IsWindow(handle_) && frameKind_ != fkUnread;
  Unsubclass();
  systemMenu_.reset();
  if (restore) {
    if (savedStyle_ & WS_SYSMENU) SetWindowLongW(handle_, GWL_STYLE, GetWindowLongW(handle_, GWL_STYLE) | WS_SYSMENU);
    SetWindowRgn(handle_, nullptr, TRUE);
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TvxDialogWnd::ReadStyles() {
  savedStyle_ = static_cast<DWORD>(GetWindowLongW(handle_, GWL_STYLE));
  savedExStyle_ = static_cast<DWORD>(GetWindowLongW(handle_, GWL_EXSTYLE));
  frameKind_ = FrameKindOfStyle(savedStyle_);
  icon_ = reinterpret_cast<HICON>(SendMessageW(handle_, WM_GETICON, ICON_SMALL, 0));
  if (!icon_) icon_ = reinterpret_cast<HICON>(SendMessageW(handle_, WM_GETICON, ICON_BIG, 0));
  CreateCaptionFont();
  SetWindowLongW(handle_, GWL_STYLE, static_cast<LONG>(savedStyle_ & ~WS_SYSMENU));
  UpdateMenuItems();
}

void TvxDialogWnd::TakeFormSection() {
  // Every rescan meets the same children again: only a real change of
  // section makes the picture stale, and a shown dialog is then painted
  // again, as nothing else would come to paint it.
  if (skinData_->SkinSection() == "FORM") return;
  skinData_->SetSkinSection("FORM");
  skinData_->ResolveSectionIndexes();
  skinData_->cacheStale = true;
  if (IsWindowVisible(handle_)) RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TvxDialogWnd::CreateCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  captionFontRead_ = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) != FALSE;
  if (captionFontRead_) captionFont_ = metrics.lfCaptionFont;
}

TvxDialogFacts TvxDialogWnd::Facts() const {
  TvxDialogFacts f;
  f.style = savedStyle_;
  f.exStyle = savedExStyle_;
  f.classNoClose = (GetClassLongPtrW(handle_, GCL_STYLE) & CS_NOCLOSE) != 0;
  f.minimized = IsIconic(handle_) != FALSE;
  f.maximized = IsZoomed(handle_) != FALSE;
  f.frameKind = frameKind_;
  return f;
}

TvxDialogMetrics TvxDialogWnd::Metrics() const {
  TvxDialogMetrics fm;
  RECT window{}, client{};
  GetWindowRect(handle_, &window);
  GetClientRect(handle_, &client);
  fm.width = window.right - window.left;
  fm.height = window.bottom - window.top;
  fm.clientWidth = client.right;
  fm.clientHeight = client.bottom;
  fm.minimized = IsIconic(handle_) != FALSE;
  fm.maximized = IsZoomed(handle_) != FALSE;
  switch (frameKind_) {
    case fkPopup: break;
    case fkModalFrame:
      fm.frameWidth = GetSystemMetrics(SM_CXDLGFRAME);
      fm.frameHeight = GetSystemMetrics(SM_CYDLGFRAME);
      break;
    default:
      fm.frameWidth = GetSystemMetrics(SM_CXFRAME);
      fm.frameHeight = GetSystemMetrics(SM_CYFRAME);
      break;
  }
  const DWORD style = static_cast<DWORD>(GetWindowLongW(handle_, GWL_STYLE));
  const bool caption = (style & WS_CAPTION) == WS_CAPTION;
  if (frameKind_ != fkPopup && caption) fm.captionHeight = GetSystemMetrics(SM_CYCAPTION);
  auto* self = const_cast<TvxDialogWnd*>(this);
  const int vBar = self->VertBar().shown ? self->VertBar().rect.right - self->VertBar().rect.left : 0;
  const int hBar = self->HorzBar().shown ? self->HorzBar().rect.bottom - self->HorzBar().rect.top : 0;
  fm.clientOffsetX = (fm.width - fm.clientWidth - vBar) / 2;
  fm.clientOffsetY = fm.height - fm.clientHeight - (fm.captionHeight != 0 ? fm.frameHeight : 0) - hBar;
  fm.topStrip = std::max(caption ? fm.height - fm.clientHeight - fm.frameHeight : fm.height - fm.clientHeight, 0);
  if (fm.minimized) fm.topStrip += fm.frameHeight;
  fm.topStrip -= hBar;
  // Both take the bottom border to be one frame high. A sizable dialog with
  // an extra edge (the file dialog) has a thicker one, and the client
  // background would be drawn a row off: where the client area really begins
  // is asked of the window system instead.
  if (fm.captionHeight != 0 && !fm.minimized) {
    POINT origin{0, 0};
    if (ClientToScreen(handle_, &origin)) fm.clientOffsetY = fm.topStrip = origin.y - window.top;
  }
  return fm;
}

// --- Skin look-ups ---------------------------------------------------------------

const TsSkinTables* TvxDialogWnd::Skin() const { return manager_ ? &manager_->Tables() : nullptr; }

const TsMaskData* TvxDialogWnd::Mask(int index) const {
  const TsSkinTables* skin = Skin();
  return skin && skin->IsValidImgIndex(index) ? &skin->ma[static_cast<std::size_t>(index)] : nullptr;
}

int TvxDialogWnd::GlobalMask(std::string_view key) const {
  const TsSkinTables* skin = Skin();
  return skin ? skin->IndexOfMask(skin->IndexOfSection("GLOBALINFO"), "GLOBALINFO", key) : -1;
}

int TvxDialogWnd::SectionMask(std::string_view key) const {
  const TsSkinTables* skin = Skin();
  return skin ? skin->IndexOfMask(skinData_->sectionIndex, skinData_->SkinSection(), key) : -1;
}

int TvxDialogWnd::TitleSection() const {
  const TsSkinTables* skin = Skin();
  return skin ? skin->IndexOfSection("FORMTITLE") : -1;
}

int TvxDialogWnd::RestoreImage() const {
  const int global = GlobalMask("BICONNORM");
  return global >= 0 ? global : SectionMask("BICONNORM");
}

void TvxDialogWnd::ChooseButtonImages() {
  const TsSkinTables* skin = Skin();
  if (!skin || skin->IndexOfSection("GLOBALINFO") < 0) return;
  auto useBig = [this] {
    buttonMin_.ImageIndex = GlobalMask("BICONMIN");
    buttonMax_.ImageIndex = GlobalMask("BICONMAX");
    buttonClose_.ImageIndex = GlobalMask("BICONCLOSE");
    buttonHelp_.ImageIndex = GlobalMask("BICONHELP");
  };
  if (GlobalMask("BICONCLOSE") < 0) {
    const int form = skin->IndexOfSection("FORM");
    buttonMin_.ImageIndex = skin->IndexOfMask(form, "FORM", "BICONMIN");
    buttonMax_.ImageIndex = skin->IndexOfMask(form, "FORM", "BICONMAX");
    buttonClose_.ImageIndex = skin->IndexOfMask(form, "FORM", "BICONCLOSE");
    buttonHelp_.ImageIndex = skin->IndexOfMask(form, "FORM", "BICONHELP");
    return;
  }
  if (frameKind_ == fkStandard) {
    useBig();
  } else {
    buttonClose_.ImageIndex = GlobalMask("SICONCLOSE");
    buttonMin_.ImageIndex = GlobalMask("SICONMIN");
    buttonMax_.ImageIndex = GlobalMask("SICONMAX");
    buttonHelp_.ImageIndex = GlobalMask("SICONHELP");
    if (buttonHelp_.ImageIndex < 0) buttonHelp_.ImageIndex = GlobalMask("BICONHELP");
  }
  if (buttonClose_.ImageIndex < 0) useBig();
}

std::pair<int, int> TvxDialogWnd::ButtonSize(int imageIndex) const {
  const TsMaskData* m = Mask(imageIndex);
  if (!m) return {kDefaultButtonSize, kDefaultButtonSize};
  const int frames = std::max(m->ImageCount, 1);
  if (m->Bmp) return {m->Bmp->Width() / frames, m->Bmp->Height() / 2};
  return {m->R.Width() / frames, m->R.Height() / (m->MaskType + 1)};
}

int TvxDialogWnd::ButtonsWidth() const {
  const TvxDialogFacts f = Facts();
  if (!f.HasSystemMenu()) return 0;
  int width = ButtonSize(buttonClose_.ImageIndex).first;
  if (f.HasMaximizeBox()) width += ButtonSize(buttonMax_.ImageIndex).first;
  if (f.HasMinimizeBox()) width += ButtonSize(buttonMin_.ImageIndex).first;
  if (f.HasHelpButton()) width += ButtonSize(buttonHelp_.ImageIndex).first;
  return width;
}

TsCaptionButton* TvxDialogWnd::Button(int id) {
  switch (id) {
    case HTMINBUTTON: return &buttonMin_;
    case HTMAXBUTTON: return &buttonMax_;
    case HTCLOSE: return &buttonClose_;
    case HTHELP: return &buttonHelp_;
    default: return nullptr;
  }
}

// --- Messages ------------------------------------------------------------------------

bool TvxDialogWnd::HandleSkinCommand(tk::TMessage& m) {
  TsCommonData& d = *skinData_;
  switch (SkinSubCommand(m.WParam)) {
    case SCMD_SKIN_LOADED:
      if (d.IsOwnManager(m.LParam)) {
        d.ResolveSectionIndexes();
        ChooseButtonImages();
        d.cacheStale = true;
        regionChanged_ = true;
        dialogBrush_.Reset();
      }
      return true;
    case SCMD_GET_CACHE: {
      // The children's backgrounds are read from where the client area lies
      // in the cache, as from a skinned form's.
      const TvxDialogMetrics fm = Metrics();
      const tk::Bitmap* cache = d.Cache();
      CacheInfoReply = {cache, fm.clientOffsetX, fm.clientOffsetY, cache && !cache->Empty() && !d.cacheStale};
      return true;
    }
    case SCMD_SET_DEFER:
      d.deferPaint = SkinCommandParameter(m.WParam) == 1;
      if (d.IsPaintDeferred()) d.cacheStale = true;
      return false;
    case SCMD_IS_DEFERRED:
      m.LParam = m.Result = (d.cacheStale || d.IsPaintDeferred()) ? 1 : 0;
      return true;
    case SCMD_IS_BG_VARIED: {
      const TsGeneralData* s = d.Section();
      m.LParam = m.Result = s && s->GradientPercent + s->ImagePercent > 0 ? 1 : 0;
      return true;
    }
    case SCMD_GET_BG_COLOR:
      if (const TsGeneralData* s = d.Section(); s && d.IsSkinned(false)) BackgroundColorReply = s->HotColor;
      return true;
    default:
      return TvxScrollWnd::HandleSkinCommand(m);
  }
}

void TvxDialogWnd::WithRedrawOff(tk::TMessage& m) {
  SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
  CallPrevious(m);
  SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
}

void TvxDialogWnd::RedrawAll() {
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

// Activation, enabling and a new caption change the frame: the platform
// handles the message unseen and the skinned frame is painted again.
bool TvxDialogWnd::HandleStateChange(tk::TMessage& m) {
  if (!IsWindowVisible(handle_)) return false;
  WithRedrawOff(m);
  if (m.Msg == WM_SETTEXT) ReadCaption();
  skinData_->cacheStale = true;
  if (m.Msg == WM_ACTIVATE) {
    active_ = LOWORD(m.WParam) != WA_INACTIVE;
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    UpdateMenuItems();
    return true;
  }
  if (m.Msg == WM_NCACTIVATE) active_ = m.WParam != 0;
  SendMessageW(handle_, WM_NCPAINT, 1, 0);
  return true;
}

void TvxDialogWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxScrollWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_NCPAINT:
      if (IsWindowVisible(handle_)) return HandleNcPaint(m);
      break;
    case WM_PAINT:
      if (IsWindowVisible(handle_)) return HandlePaint(m);
      break;
    case WM_ERASEBKGND:
      return HandleEraseBackground(m);
    case WM_NCHITTEST:
      return HandleNcHitTest(m);
    case WM_NCLBUTTONDOWN:
      return HandleNcButtonDown(m);
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      return HandleButtonUp(m);
    case WM_NCLBUTTONDBLCLK:
      return HandleNcDoubleClick(m);
    case WM_NCRBUTTONDOWN:
      if (m.WParam == HTCAPTION || m.WParam == HTSYSMENU) return;
      break;
    case WM_NCRBUTTONUP:
      if (m.WParam == HTCAPTION || m.WParam == HTSYSMENU) {
        MakeHot(0);
        PopUpSystemMenu({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      }
      return;
    case WM_MOUSELEAVE:
      MakeHot(0);
      break;
    case WM_SIZE:
      skinData_->cacheStale = true;
      regionChanged_ = true;
      break;
    case WM_WINDOWPOSCHANGED:
      // Showing, moving or restacking leaves the picture as it is. Showing
      // paints the frame before this message arrives, so calling the cache
      // stale here would leave it stale with nothing to paint it again.
      if (!(reinterpret_cast<const WINDOWPOS*>(m.LParam)->flags & SWP_NOSIZE)) {
        skinData_->cacheStale = true;
        regionChanged_ = true;
      }
      break;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
    case WM_ENABLE:
    case WM_SETTEXT:
      if (HandleStateChange(m)) return;
      break;
    case WM_DRAWITEM:
      if (const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam); item && item->CtlType == ODT_STATIC)
        SetBkMode(item->hDC, TRANSPARENT);
      break;
    case WM_GETDLGCODE:
      m.Result = 0;
      return;
    case WM_CTLCOLORDLG:
      // One brush for the dialog's life in a skin, not one per question.
      if (!dialogBrush_) dialogBrush_.Reset(CreateSolidBrush(static_cast<COLORREF>(manager_->Tables().GlobalColor())));
      m.Result = reinterpret_cast<LRESULT>(dialogBrush_.Get());
      return;
    case tk::SM_DIALOG_RESCAN:
      SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
      TvxScrollWnd::WndProc(m);
      provider_.ScanChildren(handle_);
      SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
      RedrawAll();
      return;
    case WM_SYSCOMMAND: {
      TvxScrollWnd::WndProc(m);
      const WPARAM command = m.WParam & 0xFFF0;
      if (m.WParam == (SC_MOVE | HTCAPTION)) RedrawAll();
      if ((command == SC_MAXIMIZE || command == SC_RESTORE) && Facts().HasMaximizeBox()) {
        buttonMax_.State = 0;
        RepaintButton(HTMAXBUTTON);
        MakeHot(0);
      }
      return;
    }
    default:
      break;
  }
  TvxScrollWnd::WndProc(m);
}

}  // namespace skin
