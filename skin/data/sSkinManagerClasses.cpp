#include "sSkinManagerClasses.h"

#include "sManagerSettings.h"
#include "sSkinManager.h"
#include "sStoredSkinClasses.h"

namespace skin {

namespace {

void RegisterSettings(tk::TClassRegistry& r) {
  r.Register<TvxBtnEffects>("TvxBtnEffects", "TPersistent")
      .Set("Events", &TvxBtnEffects::SetEvents,
           {{"beMouseEnter", beMouseEnter}, {"beMouseLeave", beMouseLeave}, {"beMouseDown", beMouseDown},
            {"beMouseUp", beMouseUp}});
  r.Register<TvxFormAnimation>("TvxFormAnimation", "TPersistent")
      .Boolean("Active", &TvxFormAnimation::SetActive)
      .Integer("Time", &TvxFormAnimation::SetTime);
  r.Register<TvxDialogShow>("TvxDialogShow", "TvxFormAnimation");
  r.Register<TvxFormShow>("TvxFormShow", "TvxFormAnimation");
  r.Register<TvxPageChange>("TvxPageChange", "TvxFormAnimation");
  r.Register<TvxSkinChanging>("TvxSkinChanging", "TvxFormAnimation");
  r.Register<TvxAnimEffects>("TvxAnimEffects", "TPersistent")
      .Object("Buttons", &TvxAnimEffects::Buttons)
      .Object("DialogShow", &TvxAnimEffects::DialogShow)
      .Object("FormShow", &TvxAnimEffects::FormShow)
      .Object("PageChange", &TvxAnimEffects::PageChange)
      .Object("SkinChanging", &TvxAnimEffects::SkinChanging);
  r.Register<TvxMenuSupport>("TvxMenuSupport", "TPersistent")
      .String("IcoLineSkin", &TvxMenuSupport::SetIcoLineSkin)
      .Boolean("UseExtraLine", &TvxMenuSupport::SetUseExtraLine)
      .Integer("ExtraLineWidth", &TvxMenuSupport::SetExtraLineWidth)
      .Object("ExtraLineFont", &TvxMenuSupport::ExtraLineFont);
}

}  // namespace

void RegisterSkinManagerClasses(tk::TClassRegistry& r) {
  RegisterSettings(r);
  RegisterStoredSkinClasses(r);
  // In declaration order, which is the order a layout stores them in: the
  // internal skins come before the skin directory and the skin name, so
  // setting the name finds the skin it names.
  r.Register<TsSkinManager>("TsSkinManager", "TComponent")
      .Creatable()
      .Object("AnimEffects", &TsSkinManager::AnimEffects)
      .Boolean("IsDefault", &TsSkinManager::SetIsDefault)
      .Boolean("Active", &TsSkinManager::SetActive)
      .Custom("CommonSections",
              [](TsSkinManager& m, const tk::LayoutValue& v, tk::TReadContext&) {
                m.SetCommonSections(tk::ValueToStrings(v));
              })
      .Integer("Saturation", &TsSkinManager::SetSaturation)
      .Integer("HueOffset", &TsSkinManager::SetHueOffset)
      .Custom("InternalSkins",
              [](TsSkinManager& m, const tk::LayoutValue& v, tk::TReadContext& context) {
                ReadStoredSkins(m.InternalSkins(), v, context);
              })
      .Object("MenuSupport", &TsSkinManager::MenuSupport)
      .String("SkinDirectory", &TsSkinManager::SetSkinDirectory)
      .String("SkinName", &TsSkinManager::SetSkinName)
      .String("SkinInfo", &TsSkinManager::SetSkinInfo)
      .Set("SkinningRules", &TsSkinManager::SetSkinningRules,
           {{"srStdForms", srStdForms}, {"srStdDialogs", srStdDialogs}, {"srThirdParty", srThirdParty}})
      .String("Version", &TsSkinManager::SetVersion)
      .Boolean("SkinnedPopups", &TsSkinManager::SetSkinnedPopups)
      .Event("OnAfterChange", &TsSkinManager::OnAfterChange)
      .Event("OnBeforeChange", &TsSkinManager::OnBeforeChange)
      .Event("OnGetMenuExtraLineData", &TsSkinManager::OnGetMenuExtraLineData);
}

void RegisterSkinManagerClasses() {
  static const bool registered = (RegisterSkinManagerClasses(tk::ClassRegistry()), true);
  (void)registered;
}

}  // namespace skin
