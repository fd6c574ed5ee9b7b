#pragma once
// The two internal skins as the build packs them, loaded for painting, and
// small helpers for looking at pixels.

#include <memory>
#include <string>

#include "skin/data/sSkinManagerCore.h"
#include "skin/paint/sPaintTypes.h"
#include "toolkit/core/Bitmap.h"

namespace paintfix {

enum class Skin { EmberStyle, Glacier };
constexpr Skin kSkins[] = {Skin::EmberStyle, Skin::Glacier};
const char* SkinName(Skin skin);         // "EmberStyle", "Glacier"
const char* PackagePath(Skin skin);      // the package the build made

// A fresh copy that a test may change.
std::unique_ptr<skin::TsSkinManagerCore> LoadSkin(Skin skin);
// One shared copy per skin, loaded once; never changed.
const skin::TsSkinTables& Tables(Skin skin);

int Section(const skin::TsSkinTables& t, const char* name);
int Mask(const skin::TsSkinTables& t, const char* section, const char* key);
const skin::TsMaskData& MaskData(const skin::TsSkinTables& t, const char* section, const char* key);

tk::Bitmap Filled(int width, int height, skin::TColor color);
// Two colours in squares of `cell` pixels.
tk::Bitmap Checkerboard(int width, int height, skin::TColor a, skin::TColor b, int cell = 4);
skin::TColor PixelAt(const tk::Bitmap& bitmap, int x, int y);
void SetPixelAt(tk::Bitmap& bitmap, int x, int y, skin::TColor color);
// Pixels that differ between two bitmaps of the same size (all of them when
// the sizes differ).
int DifferingPixels(const tk::Bitmap& a, const tk::Bitmap& b);

// The letters and digits of a case's description, as a test name.
std::string CaseName(const char* description);
// Names the instances of a parameterised test after their `name` field.
struct NamedCases {
  template <class Info>
  std::string operator()(const Info& info) const {
    return CaseName(info.param.name);
  }
};

}  // namespace paintfix
