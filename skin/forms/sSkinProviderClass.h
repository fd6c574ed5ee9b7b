#pragma once
// TsSkinProvider as stored layouts name it: SkinData, CaptionAlignment,
// GripMode, MakeSkinMenu, MenuLineSkin, ResizeMode, ScreenSnap, SnapBuffer,
// ShowAppIcon, TitleButtons (items of TsTitleButton), TitleIcon, TitleSkin,
// UseGlobalColor and OnSkinItem, in their declaration order.

#include "toolkit/win/ClassRegistry.h"

namespace skin {

void RegisterSkinProviderClass(tk::TClassRegistry& registry);
// Into the registry every layout reader uses; the first call does the work.
void RegisterSkinProviderClass();

}  // namespace skin
