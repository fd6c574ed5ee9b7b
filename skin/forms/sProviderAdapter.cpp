// The provider's part in wrapping what does not skin itself: the adapter
// that gives the form's standard controls their wrappers, and the wrapper
// of the form's own scroll bars.
#include <algorithm>

#include "sFormScrollWnd.h"
#include "sSkinProvider.h"
#include "skin/controls/adapters/vxMainWnd.h"
#include "skin/data/sSkinCommand.h"

namespace skin {

tk::TWinControl* TsSkinProvider::AdapterRoot() { return form_; }

TsSkinManager* TsSkinProvider::AdapterManager() { return skinData_->ActiveManager(); }

void TsSkinProvider::SkinItem(tk::TComponent* control, bool& canBeAdded, std::string& section) {
  if (OnSkinItem) OnSkinItem(control, canBeAdded, section);
}

void TsSkinProvider::RescanAdapter() {
  if (!form_ || IsDesigning() || form_->IsDestroying()) return;
  if (!adapter_) adapter_ = std::make_unique<TvxCtrlAdapter>(*this);
  adapter_->AddAllItems();
}

void TsSkinProvider::FreeAdapter(LPARAM manager) {
  if (!adapter_) return;
  try {
    adapter_->Broadcast(SM_VEXACMD, SkinCommandWParam(SCMD_SKIN_REMOVED), manager);
  } catch (...) {
    // A window that failed to hear it is given back all the same.
  }
  adapter_.reset();
}

void TsSkinProvider::BroadcastToAdapted(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (adapter_) adapter_->Broadcast(msg, wParam, lParam);
}

void TsSkinProvider::FreeScrollWnd() {
  // The ones let go of earlier are out of their messages by now, unless
  // messages nest that deep.
  std::erase_if(retiredScrollWnds_, [](const auto& w) { return !w->InDispatch(); });
  if (!scrollWnd_) return;
  scrollWnd_->Unsubclass();
  if (scrollWnd_->InDispatch()) retiredScrollWnds_.push_back(std::move(scrollWnd_));
  scrollWnd_.reset();
  // The platform's own bars take their room again.
  const HWND h = FormHandle();
  if (FormHasScrollBars(h))
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TsSkinProvider::RebuildScrollWnd() {
  FreeScrollWnd();
  const HWND h = FormHandle();
  if (!h || IsDesigning() || form_->IsDestroying() || !skinData_->IsSkinned(false) || !FormHasScrollBars(h)) return;
  scrollWnd_ = TvxMainWnd::Wrap<TvxFormScrollWnd>(*form_, skinData_->ActiveManager(), skinData_.get());
}

int TsSkinProvider::SkinnedHorzBarHeight() const { return scrollWnd_ ? scrollWnd_->HorzBarHeight() : 0; }

int TsSkinProvider::SkinnedVertBarWidth() const { return scrollWnd_ ? scrollWnd_->VertBarWidth() : 0; }

}  // namespace skin
