#include "sMDIForm.h"

#include "sSkinProvider.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sPaintSection.h"

namespace skin {

TsMDIForm::TsMDIForm(TsSkinProvider& provider) : provider_(provider) {
  if (provider_.Form()) provider_.Form()->HandleNeeded();
}

HWND TsMDIForm::ClientWindow() const {
  tk::TCustomForm* form = provider_.Form();
  if (!form || !form->HandleAllocated()) return nullptr;
  return FindWindowExW(form->Handle(), nullptr, L"MDICLIENT", nullptr);
}

void TsMDIForm::Connect() {
  if (connected_ || provider_.IsDesigning()) return;
  Disconnect();
  connected_ = provider_.SkinData().IsSkinned(false) && ClientWindow() != nullptr;
}

void TsMDIForm::Disconnect() { connected_ = false; }

void TsMDIForm::Refresh() {
  TsCommonData& data = provider_.SkinData();
  data.cacheStale = true;
  provider_.captionInvalid_ = true;
  provider_.linesCount_ = -1;
  provider_.RepaintFrame();
}

RECT TsMDIForm::AreaRect(const TsFrameMetrics& fm) const {
  RECT r{fm.bottomStrip, 2 * fm.frameHeight + fm.captionHeight + fm.menuRows * fm.menuHeight + fm.extraBorder - 2,
         fm.width - fm.bottomStrip, fm.height - fm.bottomStrip};
  const HWND client = ClientWindow();
  if (!client) return r;
  // The client window lies where the form's aligned children leave room.
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
