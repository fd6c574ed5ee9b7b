#pragma once
// Records of a loaded skin: one TsGeneralData per options section, one
// TsMaskData per image key, one TsPatternData per large JPEG picture, and the
// skin-wide TsSkinData.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "sGradArray.h"
#include "sSkinTypes.h"
#include "toolkit/core/Bitmap.h"

namespace skin {

class TsSkinTables;

// Text colour and the one-pixel contour around it (left, top, right,
// bottom); -1 means no contour on that side.
using TsFontColors = std::array<TColor, 5>;
constexpr TsFontColors kDefaultFontColors = {0, -1, -1, -1, -1};

struct TsGeneralData {
  std::string ParentClass;   // PARENTCLASS as written (upper-cased for merged CommonSections)
  std::string SectionName;   // the section name as written
  TColor Color = clWhite;    // COLOR, system colours converted to RGB
  TsControlBevel Bevel = TsControlBevel::cbNone;
  TsFontColors FontColor = kDefaultFontColors;     // FONTCOLOR, TCLEFT, TCTOP, TCRIGHT, TCBOTTOM
  TsFontColors HotFontColor = kDefaultFontColors;  // HOTFONTCOLOR, HOTTCLEFT ... HOTTCBOTTOM
  bool ReservedBoolean = false;
  int ShadowBlur = 6;
  TColor ShadowColor = 0;
  bool ShadowEnabled = false;
  int ShadowOffset = 3;
  int ShadowTransparency = 50;
  int Transparency = 0;
  int GradientPercent = 0;
  std::string GradientData = " ";  // one blank: no gradient
  TsGradArray GradientArray;
  int ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  int FadingIntervalIn = 5;
  int FadingIntervalOut = 5;
  int FadingIterations = 5;
  TColor HotColor = clWhite;  // HOTCOLOR, not converted from system colours
  int HotTransparency = 0;
  TsControlBevel HotBevel = TsControlBevel::cbNone;
  int HotGradientPercent = 0;
  std::string HotGradientData;
  TsGradArray HotGradientArray;
  int HotImagePercent = 0;
  TColor BorderColor1 = 0;
  TColor BorderColor2 = 0;
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

struct TsMaskData {
  // The mask's own picture, or none for a rectangle of the master bitmap.
  // Keys naming the same picture share one decoded bitmap.
  std::shared_ptr<tk::Bitmap> Bmp;
  std::string SectionName;
  std::string PropertyName;
  TRect R;                 // where the frames are: in the master bitmap, or all of Bmp
  int ImageCount = 0;      // state frames side by side in R
  int MaskType = 0;        // 1: the lower half of R holds the frames' transparency masks
  int BorderWidth = 0;
  int DrawMode = 0;
  TvxImgType ImgType = TvxImgType::itisaBorder;
  const TsSkinTables* Manager = nullptr;  // the tables the mask belongs to
  int WL = 0, WT = 0, WR = 0, WB = 0;
};
using TsMaskArray = std::vector<TsMaskData>;

struct TsPatternData {
  // The decoded JPEG picture. Patterns are never changed after loading, so
  // the keys naming the same picture share one bitmap instead of a copy each.
  std::shared_ptr<const tk::Bitmap> Img;
  std::string SectionName;
  std::string PropertyName;
};
using TsPatternArray = std::vector<TsPatternData>;

// Skin-wide values of the loaded skin.
struct TsSkinData {
  std::string SkinPath;  // folder with trailing "\" for image files; empty for internal skins
  bool Active = false;   // the windows paint with this skin now (loading alone does not set it)
  double Version = 0;
  std::string Author;
  std::string Description;
  TColor Shadow1Color = 0;
  int Shadow1Offset = 0;
  int Shadow1Blur = -1;
  int Shadow1Transparency = 0;
  TColor BorderColor = 0;
  int BISpace = 0;
};

}  // namespace skin
