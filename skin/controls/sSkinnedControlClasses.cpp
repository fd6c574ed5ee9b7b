#include "sSkinnedControlClasses.h"

#include "sButton.h"
#include "sCommonDataClass.h"
#include "sEditLabel.h"
#include "sGroupBox.h"
#include "sLabel.h"
#include "sMaskEdit.h"
#include "sSpeedButton.h"
#include "toolkit/win/ImgList.h"
#include "toolkit/win/Menus.h"

namespace skin {

namespace {

const std::initializer_list<std::pair<const char*, unsigned>> kAnimatEvents = {
    {"aeMouseEnter", aeMouseEnter}, {"aeMouseLeave", aeMouseLeave}, {"aeMouseDown", aeMouseDown},
    {"aeMouseUp", aeMouseUp}, {"aeGlobalDef", aeGlobalDef}};
const std::initializer_list<std::pair<const char*, unsigned>> kDisabledKinds = {{"dkBlended", dkBlended},
                                                                                 {"dkGrayed", dkGrayed}};
const std::initializer_list<std::pair<const char*, tk::TAlignment>> kAlignments = {
    {"taLeftJustify", tk::taLeftJustify}, {"taRightJustify", tk::taRightJustify}, {"taCenter", tk::taCenter}};

void RegisterButtons(tk::TClassRegistry& r) {
  r.Register<TsButton>("TsButton", "TButton")
      .Creatable()
      .Object("SkinData", &TsButton::SkinData)
      .Set("AnimatEvents", &TsButton::SetAnimatEvents, kAnimatEvents)
      .Set("DisabledKind", &TsButton::SetDisabledKind, kDisabledKinds)
      .Boolean("Down", &TsButton::SetDown)
      .Integer("FocusMargin", &TsButton::SetFocusMargin)
      .Event("OnMouseEnter", &TsButton::OnMouseEnter)
      .Event("OnMouseLeave", &TsButton::OnMouseLeave);
  r.Register<TsSpeedButton>("TsSpeedButton", "TSpeedButton")
      .Creatable()
      .Object("SkinData", &TsSpeedButton::SkinData)
      .Set("AnimatEvents", &TsSpeedButton::SetAnimatEvents, kAnimatEvents)
      .Enum<tk::TAlignment>("Alignment", &TsSpeedButton::SetAlignment, kAlignments)
      .Integer("Blend", &TsSpeedButton::SetBlend)
      .Enum<TsButtonStyle>("ButtonStyle", &TsSpeedButton::SetButtonStyle,
                           {{"tbsButton", tbsButton}, {"tbsCheck", tbsCheck}, {"tbsDropDown", tbsDropDown},
                            {"tbsSeparator", tbsSeparator}, {"tbsDivider", tbsDivider}})
      .Set("DisabledGlyphKind", &TsSpeedButton::SetDisabledGlyphKind, {{"dgBlended", dgBlended}, {"dgGrayed", dgGrayed}})
      .Set("DisabledKind", &TsSpeedButton::SetDisabledKind, kDisabledKinds)
      .Reference("DropdownMenu", &TsSpeedButton::SetDropdownMenu)
      .Boolean("DrawOverBorder", &TsSpeedButton::SetDrawOverBorder)
      .Boolean("Grayed", &TsSpeedButton::SetGrayed)
      .Integer("ImageIndex", &TsSpeedButton::SetImageIndex)
      .Reference("Images", &TsSpeedButton::SetImages)
      .Boolean("ShowCaption", &TsSpeedButton::SetShowCaption)
      .Enum<tk::TAlignment>("TextAlignment", &TsSpeedButton::SetTextAlignment, kAlignments)
      .Integer("TextOffset", &TsSpeedButton::SetTextOffset)
      .Event("OnMouseEnter", &TsSpeedButton::OnMouseEnter)
      .Event("OnMouseLeave", &TsSpeedButton::OnMouseLeave);
}

void RegisterTextControls(tk::TClassRegistry& r) {
  r.Register<TsBoundLabel>("TsBoundLabel", "TPersistent")
      .Boolean("Active", &TsBoundLabel::SetActive)
      .String("Caption", &TsBoundLabel::SetCaption)
      .Object("Font", &TsBoundLabel::Font)
      .Integer("Indent", &TsBoundLabel::SetIndent)
      .Enum<TsBoundLabel::TsCaptionLayout>("Layout", &TsBoundLabel::SetLayout,
                                           {{"sclLeft", TsBoundLabel::sclLeft},
                                            {"sclTopLeft", TsBoundLabel::sclTopLeft},
                                            {"sclTopCenter", TsBoundLabel::sclTopCenter},
                                            {"sclTopRight", TsBoundLabel::sclTopRight}})
      .Integer("MaxWidth", &TsBoundLabel::SetMaxWidth)
      .Boolean("UseSkinColor", &TsBoundLabel::SetUseSkinColor);
  r.Register<TsMaskEdit>("TsMaskEdit", "TMaskEdit")
      .Creatable()
      .Object("SkinData", &TsMaskEdit::SkinData)
      .Object("BoundLabel", &TsMaskEdit::BoundLabel)
      .Set("DisabledKind", &TsMaskEdit::SetDisabledKind, kDisabledKinds);
  r.Register<TsGroupBox>("TsGroupBox", "TGroupBox")
      .Creatable()
      .Object("SkinData", &TsGroupBox::SkinData)
      .Enum<TsGroupBox::TsCaptionLayout>("CaptionLayout", &TsGroupBox::SetCaptionLayout,
                                         {{"clTopLeft", TsGroupBox::clTopLeft},
                                          {"clTopCenter", TsGroupBox::clTopCenter},
                                          {"clTopRight", TsGroupBox::clTopRight}})
      .Integer("CaptionYOffset", &TsGroupBox::SetCaptionYOffset)
      .String("CaptionSkin", &TsGroupBox::SetCaptionSkin);
  r.Register<TsCustomLabel>("TsCustomLabel", "TCustomLabel")
      .String("SkinSection", &TsCustomLabel::SetSkinSection)
      .Event("OnMouseEnter", &TsCustomLabel::OnMouseEnter)
      .Event("OnMouseLeave", &TsCustomLabel::OnMouseLeave);
  r.Register<TsLabel>("TsLabel", "TsCustomLabel").Creatable().Boolean("UseSkinColor", &TsLabel::SetUseSkinColor);
  r.Register<TsEditLabel>("TsEditLabel", "TsLabel");
}

}  // namespace

void RegisterSkinnedControlClasses(tk::TClassRegistry& registry) {
  RegisterButtons(registry);
  RegisterTextControls(registry);
}

void RegisterSkinnedControlClasses() {
  static const bool registered =
      (RegisterCommonDataClass(), RegisterSkinnedControlClasses(tk::ClassRegistry()), true);
  (void)registered;
}

}  // namespace skin
