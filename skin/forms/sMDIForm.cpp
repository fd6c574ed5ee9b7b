#include "sMDIForm.h"

#include "sSkinProvider.h"
#include "skin/controls/adapters/vxMDIWnd.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sPaintSection.h"

namespace skin {

TsMDIForm::TsMDIForm(TsSkinProvider& provider) : provider_(provider) {
  if (provider_.Form()) provider_.Form()->HandleNeeded();
}

TsMDIForm::~TsMDIForm() { Disconnect(); }

HWND TsMDIForm::ClientWindow() const {
  tk::TCustomForm* form = provider_.Form();
  return form && form->HandleAllocated() ? form->ClientHandle() : nullptr;
}

void TsMDIForm::Connect() {
  if (provider_.IsDesigning() || wrapper_) return;
  Disconnect();
  const HWND client = ClientWindow();
  if (!client || !provider_.SkinData().IsSkinned(false)) return;
  TsSkinProvider& provider = provider_;
  wrapper_ = TvxMainWnd::Wrap<TvxMDIWnd>(client, provider_.SkinData().SkinManager(), *provider_.Form(),
                                         [&provider]() -> const tk::Bitmap* {
                                           if (provider.skinData_->cacheStale) provider.RegenerateCache();
                                           const tk::Bitmap* cache = provider.skinData_->Cache();
                                           return cache && !cache->Empty() ? cache : nullptr;
                                         },
                                         [this] { AreaMoved(); });
}

void TsMDIForm::Disconnect() {
  if (!wrapper_) return;
  wrapper_->Unsubclass();
  const HWND client = wrapper_->Handle();
  wrapper_.reset();
  if (IsWindow(client))
    RedrawWindow(client, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TsMDIForm::Refresh() {
  Connect();
  TsCommonData& data = provider_.SkinData();
  data.cacheStale = true;
  provider_.captionInvalid_ = true;
  provider_.linesCount_ = -1;
  provider_.RepaintFrame();
}

void TsMDIForm::AreaMoved() {
  // The form's size changes before its client window follows, and a cache
  // made in between has the area at the old place: the next one is made
  // whole, not just its caption, once the move is over (the form's own
  // repaint of the size change may have come before it).
  provider_.skinData_->cacheStale = true;
  provider_.captionInvalid_ = true;
  if (const HWND form = provider_.FormHandle()) RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  if (const HWND client = ClientWindow()) RedrawWindow(client, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void TsMDIForm::FramePainted() {
  // The client window shows the area the frame's paint just put into the
  // cache (a whole refresh here would paint the frame again, endlessly).
  Connect();
  if (const HWND client = ClientWindow())
    RedrawWindow(client, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

RECT TsMDIForm::AreaRect(const TsFrameMetrics& fm) const {
  RECT r{fm.bottomStrip, 2 * fm.frameHeight + fm.captionHeight + fm.menuRows * fm.menuHeight + fm.extraBorder - 2,
         fm.width - fm.bottomStrip, fm.height - fm.bottomStrip};
  const HWND client = ClientWindow();
  if (!client) return r;
  RECT window, area;
  GetWindowRect(provider_.Form()->Handle(), &window);
  GetWindowRect(client, &area);
  OffsetRect(&area, -window.left, -window.top);
  return area;
}

void TsMDIForm::PaintArea(tk::Bitmap& cache, const TsFrameMetrics& fm) {
  const TsSkinManager* manager = provider_.SkinData().ActiveManager();
  if (!manager) return;
  const int section = manager->Tables().IndexOfSection("MDIAREA");
  if (section < 0) return;
  const RECT r = AreaRect(fm);
  PaintSectionByIndex(section, "MDIAREA", CacheInfo{}, -1, -1, &manager->Tables(), &cache, {r.left, r.top},
                      {r.left, r.top, r.right, r.bottom}, 0, true);
}

}  // namespace skin
