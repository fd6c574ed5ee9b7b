#include "sSkinQueries.h"

#include "skin/data/sSkinCommand.h"
#include "skin/paint/sPaintGlobals.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/WinControl.h"

namespace skin {

bool IsReadyForSkinPaint(const tk::TControl* control) {
  if (!control) return false;
  if (auto* windowed = dynamic_cast<const tk::TWinControl*>(control); windowed && !windowed->HandleAllocated())
    return false;
  if ((control->ControlState() & (tk::csCreating | tk::csReadingState)) != 0) return false;
  if (control->IsLoading() || control->IsReading() || control->IsDestroying()) return false;
  return control->Parent() != nullptr;
}

void NotifyFormControlRefreshed(tk::TControl* control) {
  if (!control || control->IsDesigning()) return;
  tk::TCustomForm* form = tk::GetParentForm(control);
  if (!form || form == control) return;
  SendSkinCommandToControl(form, SCMD_CONTROL_REFRESHED, reinterpret_cast<LPARAM>(control));
}

TColor GetBackgroundColorOf(tk::TControl* control) {
  if (!control) return clFuchsia;
  BackgroundColorReply = clFuchsia;
  SendSkinCommandToControl(control, SCMD_GET_BG_COLOR, 0);
  if (BackgroundColorReply == clFuchsia) return static_cast<TColor>(tk::ColorToRGB(control->Color()));
  return static_cast<TColor>(tk::ColorToRGB(BackgroundColorReply));
}

namespace {

// The reply slot is cleared, the question sent, the answer taken at once.
template <class Send>
CacheInfo AskForCache(Send send) {
  CacheInfoReply.ready = false;
  try {
    send();
  } catch (...) {
    return {};
  }
  return CacheInfoReply.ready ? CacheInfoReply : CacheInfo{};
}

}  // namespace

CacheInfo CacheInfoOf(tk::TControl* container) {
  if (!container) {
    CacheInfoReply.ready = false;
    return {};
  }
  return AskForCache([&] { SendSkinCommandToControl(container, SCMD_GET_CACHE, 0); });
}

CacheInfo GetParentCacheInfoOfWindow(HWND window) {
  const HWND parent = window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
  if (!parent) {
    CacheInfoReply.ready = false;
    return {};
  }
  return AskForCache([&] { SendSkinCommand(parent, SCMD_GET_CACHE, 0); });
}

}  // namespace skin
