#include "sSkinProviderClass.h"

#include "sSkinProvider.h"
#include "skin/controls/sCommonDataClass.h"

namespace skin {

void RegisterSkinProviderClass(tk::TClassRegistry& r) {
  r.Register<TsTitleIcon>("TsTitleIcon", "TPersistent")
      .Object("Glyph", &TsTitleIcon::Glyph)
      .Integer("Height", &TsTitleIcon::SetHeight)
      .Integer("Width", &TsTitleIcon::SetWidth);
  r.Register<TsTitleButton>("TsTitleButton", "TCollectionItem")
      .Boolean("Enabled", &TsTitleButton::SetEnabled)
      .Object("Glyph", &TsTitleButton::Glyph)
      .String("Name", &TsTitleButton::SetName)
      .Boolean("UseSkinData", &TsTitleButton::SetUseSkinData)
      .Event("OnMouseDown", &TsTitleButton::OnMouseDown)
      .Event("OnMouseUp", &TsTitleButton::OnMouseUp);
  r.Register<TsSkinProvider>("TsSkinProvider", "TComponent")
      .Creatable()
      .Enum("CaptionAlignment", &TsSkinProvider::SetCaptionAlignment,
            {{"taLeftJustify", tk::taLeftJustify}, {"taRightJustify", tk::taRightJustify}, {"taCenter", tk::taCenter}})
      .Object("SkinData", &TsSkinProvider::SkinData)
      .Enum("GripMode", &TsSkinProvider::SetGripMode, {{"gmNone", gmNone}, {"gmRightBottom", gmRightBottom}})
      .Boolean("MakeSkinMenu", &TsSkinProvider::SetMakeSkinMenu)
      .String("MenuLineSkin", &TsSkinProvider::SetMenuLineSkin)
      .Enum("ResizeMode", &TsSkinProvider::SetResizeMode, {{"rmStandard", rmStandard}, {"rmBorder", rmBorder}})
      .Boolean("ScreenSnap", &TsSkinProvider::SetScreenSnap)
      .Integer("SnapBuffer", &TsSkinProvider::SetSnapBuffer)
      .Boolean("ShowAppIcon", &TsSkinProvider::SetShowAppIcon)
      .Collection("TitleButtons", &TsSkinProvider::TitleButtons)
      .Object("TitleIcon", &TsSkinProvider::TitleIcon)
      .String("TitleSkin", &TsSkinProvider::SetTitleSkin)
      .Boolean("UseGlobalColor", &TsSkinProvider::SetUseGlobalColor)
      .Event("OnSkinItem", &TsSkinProvider::OnSkinItem);
}

void RegisterSkinProviderClass() {
  static const bool registered = (RegisterCommonDataClass(), RegisterSkinProviderClass(tk::ClassRegistry()), true);
  (void)registered;
}

}  // namespace skin
