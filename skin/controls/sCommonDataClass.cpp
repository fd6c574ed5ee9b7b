#include "sCommonDataClass.h"

#include "sCommonData.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinManagerClasses.h"

namespace skin {

void RegisterCommonDataClass(tk::TClassRegistry& r) {
  r.Register<TsCommonData>("TsCommonData", "TPersistent")
      .String("SkinSection", &TsCommonData::SetSkinSection)
      .Reference("SkinManager", &TsCommonData::SetSkinManager)
      .Boolean("CustomColor", &TsCommonData::SetCustomColor)
      .Boolean("CustomFont", &TsCommonData::SetCustomFont);
}

void RegisterCommonDataClass() {
  static const bool registered = (RegisterSkinManagerClasses(), RegisterCommonDataClass(tk::ClassRegistry()), true);
  (void)registered;
}

}  // namespace skin
