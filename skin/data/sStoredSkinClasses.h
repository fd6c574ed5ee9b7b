#pragma once
// Internal skins as stored layouts write them: the items of a skin manager's
// InternalSkins, each a TsStoredSkin with its published properties and its
// binary property "Data" (the packed skin as hexadecimal digits), and the
// items of the older stored form (TsSkinGeneral, TsSkinImage,
// TsSkinPattern) in its GeneralData, Images and Patterns.
//
// The records themselves are portable (sStoredSkins.h); the layout reader
// sets properties of persistent objects, so each record is read through a
// short-lived persistent face registered under the record's class name.
//
//   InternalSkins = <
//     item
//       Name = 'Glacier (internal)'
//       GeneralData = <>
//       Shadow1Color = clBlack
//       Data = {56587A66...}
//     end>

#include "sStoredSkins.h"
#include "toolkit/win/ClassRegistry.h"

namespace skin {

// Registers TsStoredSkin and the older form's item classes.
void RegisterStoredSkinClasses(tk::TClassRegistry& registry);

// Replaces the items of skins with those of a stored collection value.
void ReadStoredSkins(TsStoredSkins& skins, const tk::LayoutValue& value, tk::TReadContext& context);

}  // namespace skin
