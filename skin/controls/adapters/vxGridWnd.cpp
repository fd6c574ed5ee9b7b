#include "vxGridWnd.h"

#include "skin/data/sSkinManager.h"
#include "toolkit/win/Control.h"

namespace skin {

TvxGridLook TvxGridWnd::SkinLook(const TvxGridLook& has, const TsSkinTables& skin, int sectionIndex) {
  int header = skin.IndexOfSection("COLHEADER");
  if (header < 0) header = skin.IndexOfSection("BUTTON");
  const TsGeneralData* own = sectionIndex >= 0 ? &skin.gd[static_cast<std::size_t>(sectionIndex)] : nullptr;
  const TsGeneralData* head = header >= 0 ? &skin.gd[static_cast<std::size_t>(header)] : own;
  TvxGridLook look;
  auto set = [](std::optional<TColor>& field, const std::optional<TColor>& present, const TsGeneralData* s, bool font) {
    if (present && s) field = font ? s->FontColor[0] : s->Color;
  };
  set(look.fixedColor, has.fixedColor, head, false);
  set(look.fixedFontColor, has.fixedFontColor, head, true);
  set(look.titleColor, has.titleColor, head, false);
  set(look.titleFontColor, has.titleFontColor, head, true);
  set(look.headerFontColor, has.headerFontColor, head, true);
  set(look.footerColor, has.footerColor, head, false);
  set(look.footerCellColor, has.footerCellColor, own, false);
  set(look.indicatorIconColor, has.indicatorIconColor, own, true);
  return look;
}

TvxSkinnableGrid* TvxGridWnd::Grid() const { return dynamic_cast<TvxSkinnableGrid*>(skinData_->OwnerControl()); }

void TvxGridWnd::SaveState() {
  TvxEditWnd::SaveState();
  if (TvxSkinnableGrid* grid = Grid()) saved_ = grid->GridLook();
}

void TvxGridWnd::RestoreState() {
  TvxEditWnd::RestoreState();
  TvxSkinnableGrid* grid = Grid();
  tk::TControl* c = skinData_->OwnerControl();
  if (grid && saved_ && c && !c->IsDestroying()) grid->SetGridLook(*saved_);
}

void TvxGridWnd::SetColors() {
  TvxEditWnd::SetColors();
  TvxSkinnableGrid* grid = Grid();
  if (!grid || !saved_ || !manager_) return;
  const TvxGridLook look = SkinLook(*saved_, manager_->Tables(), skinData_->sectionIndex);
  if (grid->GridLook() != look) grid->SetGridLook(look);
}

}  // namespace skin
