#include "FamilyTestControls.h"

#include "toolkit/win/ClassRegistry.h"

namespace adaptfix {

void TScrollingTestControl::CreateParams(tk::TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_VSCROLL | WS_HSCROLL;
}

void TTestGrid::SetGridLook(const skin::TvxGridLook& value) {
  using Field = std::optional<skin::TColor> skin::TvxGridLook::*;
  for (Field f : {&skin::TvxGridLook::fixedColor, &skin::TvxGridLook::fixedFontColor, &skin::TvxGridLook::titleColor,
                  &skin::TvxGridLook::titleFontColor, &skin::TvxGridLook::headerFontColor,
                  &skin::TvxGridLook::footerColor, &skin::TvxGridLook::footerCellColor,
                  &skin::TvxGridLook::indicatorIconColor})
    if (value.*f) look.*f = value.*f;
}

void TTestGridEh::Register() {
  static bool done = false;
  if (done) return;
  done = true;
  tk::ClassRegistry().Register<TTestGridEh>("TTestGridEh", "TCustomControl").Integer("OptionsEh", &TTestGridEh::SetOptionsEh);
}

}  // namespace adaptfix
