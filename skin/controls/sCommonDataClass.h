#pragma once
// TsCommonData as stored layouts name it: the published sub-object that
// skinned controls store as "SkinData", with SkinSection, SkinManager,
// CustomColor and CustomFont. A control class registers its own table with
// `.Object("SkinData", &TsButton::SkinData)` after these are registered.

#include "toolkit/win/ClassRegistry.h"

namespace skin {

void RegisterCommonDataClass(tk::TClassRegistry& registry);
// Into the registry every layout reader uses; the first call does the work.
void RegisterCommonDataClass();

}  // namespace skin
