#pragma once
// Internal skins: skins stored with the form that owns the skin manager.
//
// A current item carries a packed skin (the "VXzf" container) in its binary
// property "Data". An item whose Data is empty is an older stored form that
// keeps the decoded sections, images and patterns in collections of its own.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sSkinTypes.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/core/Streams.h"

namespace skin {

// One section of the older stored form.
struct TsSkinGeneral {
  std::string SectionName;
  std::string ParentClass;
  TColor Color = 0;
  TsControlBevel Bevel = TsControlBevel::cbNone;
  int ShadowBlur = 0;
  TColor ShadowColor = 0;
  bool ShadowDontUse = false;
  bool ShadowEnabled = false;
  bool ReservedBoolean = false;
  int ShadowOffset = 0;
  int ShadowTransparency = 0;
  std::string FontColor;     // five colour numbers separated by blanks
  std::string HotFontColor;
  int Transparency = 0;
  int GradientPercent = 0;
  std::string GradientData;
  int ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  int FadingIntervalIn = 0;
  int FadingIntervalOut = 0;
  int FadingIterations = 0;
  TColor HotColor = 0;
  int HotTransparency = 0;
  TsControlBevel HotBevel = TsControlBevel::cbNone;
  int HotGradientPercent = 0;
  std::string HotGradientData;
  int HotImagePercent = 0;
  TColor BorderColor1 = 0;
  TColor BorderColor2 = 0;
  std::string Name;
};

// One image of the older stored form: its own bitmap (Name not empty) or a
// rectangle of the master bitmap.
struct TsSkinImage {
  std::string SectionName;
  std::string Name;
  std::string PropertyName;
  tk::Bitmap Image;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int ImageCount = 0;
  int MaskType = 0;
  int BorderWidth = 0;
  int StretchMode = 0;
  TvxImgType ImgType = TvxImgType::itisaBorder;
  int WL = 0, WR = 0, WT = 0, WB = 0;
};

// One JPEG picture of the older stored form (kept decoded).
struct TsSkinPattern {
  std::string SectionName;
  std::string Name;
  std::string PropertyName;
  tk::Bitmap Image;
};

using TsSkinGenerals = std::vector<TsSkinGeneral>;
using TsSkinImages = std::vector<TsSkinImage>;
using TsSkinPatterns = std::vector<TsSkinPattern>;

class TsStoredSkin {
public:
  const std::string& Name() const { return name_; }
  void SetName(std::string_view name) {
    if (name != name_) name_ = name;
  }

  TsSkinGenerals GeneralData;
  TsSkinImages Images;
  TsSkinPatterns Patterns;
  tk::Bitmap MasterBitmap;
  TColor Shadow1Color = 0;
  int Shadow1Offset = 0;
  int Shadow1Blur = -1;
  int Shadow1Transparency = 0;
  TColor BorderColor = clFuchsia;
  double Version = 0;
  std::string Author;
  std::string Description;

  // The binary property "Data": the packed skin, written whole and read back whole.
  tk::MemoryStream Data;
  bool IsLegacy() const { return Data.Size() == 0; }

private:
  std::string name_;
};

class TsStoredSkins {
public:
  std::size_t Count() const { return items_.size(); }
  TsStoredSkin& Items(std::size_t i) { return *items_.at(i); }
  const TsStoredSkin& Items(std::size_t i) const { return *items_.at(i); }
  TsStoredSkin& Add();
  void Clear() { items_.clear(); }
  void Assign(const TsStoredSkins& other);
  // Index of the first item whose Name equals name exactly, or -1.
  int IndexOfInternalSkin(std::string_view name) const;

private:
  std::vector<std::unique_ptr<TsStoredSkin>> items_;
};

}  // namespace skin
