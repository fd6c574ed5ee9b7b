#pragma once
// Control kind codes. Each skinned class sets its code in its constructor;
// the code chooses the section used when none is set and whether the mouse
// makes the control hot.

#include <string>

namespace skin {

enum TsControlKind : int {
  kKindNone = 0,
  kKindGroupBox = 74,
  kKindSpeedButton = 92,
  kKindButton = 93,
  kKindEditLike = 97,
  kKindSkinProvider = 224,
  kKindAdaptedWindow = 227,
};

// The section a control of that kind is painted with when its SkinSection
// is empty; an empty text when the kind has none (the owner's class name
// is used then).
std::string DefaultSectionOfKind(int kind);

// Containers and passive controls: the mouse over them never makes them
// hot, and entering or leaving them is not recorded.
bool IsNoHoverKind(int kind);

}  // namespace skin
