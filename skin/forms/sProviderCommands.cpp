// The provider's answers to the skin command message, which reaches the
// form's window procedure. A few are given in every state (is skinned, the
// provider, the application, the skin going away) and the skin's arrival in
// both; the others only while the form is skinned.
#include "sMDIForm.h"
#include "sSkinProvider.h"
#include "sSystemMenu.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sPaintGlobals.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Colors.h"

namespace skin {

namespace {
const TsSkinCommandHandler& StandardOf(WORD sub) { return *TsSkinCommandTable::Standard().Find(sub); }
}  // namespace

class TsProviderCommands {
public:
  static const TsSkinCommandTable& Table();

private:
  using M = tk::TMessage;
  static bool Answer(M& m, bool yes) {
    m.LParam = m.Result = yes ? 1 : 0;
    return true;
  }
  // A handler for a sub-command answered only while skinned.
  template <class F>
  static TsSkinCommandHandler WhileSkinned(F f) {
    return [f](TsCommonData& d, M& m) {
      auto* p = dynamic_cast<TsSkinProvider*>(SkinDataOwner(d));
      return p && p->Skinned() ? f(*p, d, m) : false;
    };
  }
  template <class F>
  static TsSkinCommandHandler Always(F f) {
    return [f](TsCommonData& d, M& m) {
      auto* p = dynamic_cast<TsSkinProvider*>(SkinDataOwner(d));
      return p ? f(*p, d, m) : false;
    };
  }

  static bool GetCache(TsSkinProvider& p, TsCommonData& d, M&) {
    if (p.IsLoading()) return true;
    const TsFrameMetrics fm = p.Metrics();
    const tk::Bitmap* cache = d.Cache();
    CacheInfoReply = {cache, fm.clientOffsetX, fm.clientOffsetY, cache && !cache->Empty()};
    return true;
  }

  static bool BackgroundColor(TsSkinProvider& p, TsCommonData& d, M&) {
    const TsGeneralData* s = d.Section();
    if (s && !d.HasCustomColor()) BackgroundColorReply = s->HotColor;
    else BackgroundColorReply = static_cast<TColor>(tk::ColorToRGB(p.Form()->Color()));
    return true;
  }

  static bool IsBackgroundVaried(TsSkinProvider&, TsCommonData& d, M& m) {
    const TsGeneralData* s = d.Section();
    return Answer(m, s && s->GradientPercent + s->ImagePercent > 0);
  }

  // 51 and 52: a scroll step of the form's skinned scroll bars.
  static bool FreezeForScroll(TsSkinProvider& p, TsCommonData& d, M&, bool before) {
    if (!d.DependsOnParentBackground()) return true;
    const HWND h = p.FormHandle();
    if (!h) return true;
    SendMessageW(h, WM_SETREDRAW, before ? FALSE : TRUE, 0);
    if (!before)
      RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    return true;
  }
};

const TsSkinCommandTable& TsProviderCommands::Table() {
  using P = TsSkinProvider;
  using D = TsCommonData;
  static const TsSkinCommandTable table =
      TsSkinCommandTable()
          .Set(SCMD_SKIN_LOADED, Always([](P& p, D&, M& m) { return p.OnSkinLoaded(m), true; }))
          .Set(SCMD_SKIN_REMOVED, Always([](P& p, D&, M& m) { return p.OnSkinRemoved(m), true; }))
          .Set(SCMD_REFRESH, WhileSkinned([](P& p, D&, M& m) { return p.OnRefresh(m), true; }))
          .Set(SCMD_GET_PROVIDER, Always([](P& p, D&, M& m) {
                 m.Result = reinterpret_cast<LRESULT>(static_cast<tk::TObject*>(&p));
                 return true;
               }))
          .Set(SCMD_GET_CACHE, WhileSkinned(&GetCache))
          .Set(SCMD_IS_SKINNED, Always([](P&, D&, M& m) { return Answer(m, true); }))
          .Set(SCMD_SET_DEFER, WhileSkinned([](P&, D& d, M& m) {
                 d.deferPaint = SkinCommandParameter(m.WParam) == 1;
                 if (d.IsPaintDeferred()) d.cacheStale = true;
                 return true;
               }))
          .Set(SCMD_SET_PAINT_NOW, WhileSkinned([](P& p, D& d, M& m) {
                 StandardOf(SCMD_SET_PAINT_NOW)(d, m);
                 if (d.paintNow) p.RegenerateCache();
                 return true;
               }))
          .Set(SCMD_IS_DEFERRED, WhileSkinned([](P&, D& d, M& m) { return Answer(m, d.cacheStale || d.IsPaintDeferred()); }))
          .Set(SCMD_SET_PAINTING_CHILD, WhileSkinned([](P&, D& d, M& m) {
                 d.paintingChild = reinterpret_cast<tk::TControl*>(m.LParam);
                 return true;
               }))
          .Set(SCMD_IS_BG_VARIED, WhileSkinned(&IsBackgroundVaried))
          .Set(SCMD_GET_BG_COLOR, WhileSkinned(&BackgroundColor))
          .Set(SCMD_CONTROL_REFRESHED, WhileSkinned([](P& p, D&, M& m) {
                 auto* control = reinterpret_cast<tk::TControl*>(m.LParam);
                 if (!p.Form()->IsLoading() && p.adapter_ && control) p.adapter_->AddNewItem(control);
                 return true;
               }))
          .Set(SCMD_BEFORE_SCROLL,
               WhileSkinned([](P& p, D& d, M& m) { return FreezeForScroll(p, d, m, true); }))
          .Set(SCMD_AFTER_SCROLL,
               WhileSkinned([](P& p, D& d, M& m) { return FreezeForScroll(p, d, m, false); }))
          .Set(SCMD_GET_APPLICATION, Always([](P&, D&, M& m) {
                 m.Result = reinterpret_cast<LRESULT>(static_cast<tk::TObject*>(&tk::Application()));
                 return true;
               }));
  return table;
}

const TsSkinCommandTable& TsSkinProvider::CommandTable() { return TsProviderCommands::Table(); }

bool TsSkinProvider::HandleSkinCommand(tk::TMessage& m) { return form_ && skinData_->HandleSkinCommand(m); }

void TsSkinProvider::OnSkinLoaded(tk::TMessage& m) {
  if (!skinData_->IsOwnManager(m.LParam) || form_->IsDestroying()) return;
  if (!systemMenu_) PrepareForm();
  const bool wasSkinned = Skinned();
  // The standard answer: painting waits, the indexes follow the new skin.
  skinData_->deferPaint = true;
  skinData_->ResolveSectionIndexes();
  ChooseButtonImages();
  LookUpUserButtonMask();
  captionInvalid_ = true;
  captionCache_.reset();
  skinData_->cacheStale = true;
  linesCount_ = -1;
  HookFormMenus(skinData_->IsSkinned(false));
  if (wasSkinned) {
    if (form_->BorderIcons() != 0) RemoveSystemMenuStyle();
    RepaintFrame();
    if (IsMDIParent()) {
      EnsureMDIArea();
      if (mdiForm_) mdiForm_->Refresh();
    }
    return;
  }
  if (skinData_->IsSkinned(false) && form_->BorderIcons() != 0 && !IsMDIChild()) RemoveSystemMenuStyle();
  EnsureMDIArea();
  FollowGlobalColor();
  RescanAdapter();
  RebuildScrollWnd();
  // The form's children hear the skin from the manager's broadcast, which
  // reaches them right after the form: passing it on here as well would
  // make each of them resolve its section twice.
}

void TsSkinProvider::OnSkinRemoved(tk::TMessage& m) {
  if (!skinData_->IsOwnManager(m.LParam)) return;
  // Whatever was held or hot is let go.
  if (buttonCaptured_) {
    buttonCaptured_ = false;
    if (FormHandle() && GetCapture() == FormHandle()) ReleaseCapture();
  }
  hotButton_ = 0;
  ButtonPressed = false;
  // The wrapped windows get their own procedures back.
  FreeScrollWnd();
  FreeAdapter(m.LParam);
  StandardOf(SCMD_SKIN_REMOVED)(*skinData_, m);
  captionCache_.reset();
  captionInvalid_ = true;
  linesCount_ = -1;
  if (useGlobalColor_ && !skinData_->HasCustomColor()) form_->SetColor(tk::clBtnFace);
  RestoreSystemMenuStyle();
  HookFormMenus(false);
  mdiForm_.reset();
  const HWND h = FormHandle();
  if (h && !regionLocked_) {
    SetWindowRgn(h, nullptr, FALSE);
    regionRects_.clear();
    regionChanged_ = true;
  }
  // The window system draws the plain frame again.
  if (h && IsWindowVisible(h))
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TsSkinProvider::OnRefresh(tk::TMessage& m) {
  if (!skinData_->IsOwnManager(m.LParam)) return;
  RescanAdapter();
  RebuildScrollWnd();
  StandardOf(SCMD_REFRESH)(*skinData_, m);
  captionCache_.reset();
  if (Metrics().framed) regionChanged_ = true;
  const HWND h = FormHandle();
  if (h && IsWindowVisible(h)) {
    SendMessageW(h, WM_NCPAINT, 1, 0);
    InvalidateRect(h, nullptr, FALSE);
    UpdateWindow(h);
  }
  FollowGlobalColor();
  if (mdiForm_) mdiForm_->Refresh();
  try {
    BroadcastToAdapted(SM_VEXACMD, m.WParam, m.LParam);
  } catch (...) {
    // One failing window does not keep the refresh from the others.
  }
}

}  // namespace skin
