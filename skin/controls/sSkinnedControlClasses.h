#pragma once
// The skinned controls as stored layouts name them - TsButton,
// TsSpeedButton, TsMaskEdit, TsGroupBox, TsLabel (and TsCustomLabel,
// TsEditLabel) - each under its own class name with its published
// properties; the bound label of an edit as its sub-object "BoundLabel".

#include "toolkit/win/ClassRegistry.h"

namespace skin {

void RegisterSkinnedControlClasses(tk::TClassRegistry& registry);
// Into the registry every layout reader uses; the first call does the work
// (the skin data and manager classes included).
void RegisterSkinnedControlClasses();

}  // namespace skin
