#include "vxAdoptionRules.h"

namespace skin {

TvxAdoption ChooseAdoption(const TvxActivationFacts& f) {
  if (f.skinAware || !f.hasManager || f.adoptedBefore) return TvxAdoption::None;
  // The application window and the print preview keep their own look.
  if (f.className == L"TApplication" || f.className == L"TQRStandardPreview") return TvxAdoption::None;
  if (f.toolkitForm) {
    if (f.formHasProvider) return TvxAdoption::None;
    if (f.formClass == "TMessageForm") return (f.rules & srStdDialogs) ? TvxAdoption::MessageForm : TvxAdoption::None;
    if (!(f.rules & srStdForms) || f.formCaption == "Mgn" || f.formCaption == "Calculator") return TvxAdoption::None;
    return TvxAdoption::Form;
  }
  if (!(f.rules & srStdDialogs)) return TvxAdoption::None;
  return !f.rawDialogVisible || f.hasToolBar ? TvxAdoption::Dialog : TvxAdoption::None;
}

}  // namespace skin
