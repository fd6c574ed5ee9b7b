#pragma once
// The skin manager as stored layouts name it: TsSkinManager with its
// published properties in declaration order, its sub-objects AnimEffects
// (TvxAnimEffects with Buttons, DialogShow, FormShow, PageChange,
// SkinChanging) and MenuSupport (TvxMenuSupport with its ExtraLineFont),
// and its InternalSkins (sStoredSkinClasses.h).
//
// A layout that holds a manager can only be read once these are registered:
// the form that carries one registers them before its layout is read.

#include "toolkit/win/ClassRegistry.h"

namespace skin {

void RegisterSkinManagerClasses(tk::TClassRegistry& registry);
// Into the registry every layout reader uses; the first call does the work.
void RegisterSkinManagerClasses();

}  // namespace skin
