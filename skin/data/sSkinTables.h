#pragma once
// The loaded skin: sections, masks, patterns, the master bitmap, the
// skin-wide values and the constant index table, with the loaders that fill
// them and the look-ups every skinned part uses. Portable: the Windows skin
// manager owns one of these and adds the windows side.
//
// Indexes are 0-based, -1 means none, and they are valid until the next load.

#include <string>
#include <string_view>
#include <utility>

#include "sConstData.h"
#include "sIniDocument.h"
#include "sMaskData.h"

namespace skin {

class TsPictureCache;
class TsSkinFileSystem;
class TsStoredSkin;
class TvxSkinConvertor;

// Where one load takes its data from.
struct TsLoadSource {
  const TsIniDocument* Options = nullptr;     // the skin's options; none: an older stored skin
  const TsStoredSkin* Stored = nullptr;       // the older stored skin when Options is none
  const TvxSkinConvertor* Package = nullptr;  // image members; none: image files under SkinPath
  const TsSkinFileSystem* FileSystem = nullptr;  // none: the platform's
  const TsIniDocument* Common = nullptr;      // the manager's CommonSections, if any
  int HueOffset = 0;
  int Saturation = 0;
};

// The border widths of one mask: its own width on that side when above 0,
// else its BorderWidth when above 0, else a third of one frame. A frame
// count or mask type that cannot divide counts as one frame, one half.
int MaskWidthLeftOf(const TsMaskData& m);
int MaskWidthTopOf(const TsMaskData& m);
int MaskWidthRightOf(const TsMaskData& m);
int MaskWidthBottomOf(const TsMaskData& m);

class TsSkinTables {
public:
  TsSkinTables() = default;
  TsSkinTables(const TsSkinTables&) = delete;
  TsSkinTables& operator=(const TsSkinTables&) = delete;

  TsSkinData SkinData;
  TsGeneralDataArray gd;  // sections, in file order
  TsMaskArray ma;         // masks
  TsPatternArray pa;      // patterns
  tk::Bitmap MasterBitmap;
  TsConstData ConstData;

  // LoadMasks, LoadPatterns and LoadGeneralData in that order. An error
  // leaves all tables empty (nothing half-loaded) and propagates.
  void Load(const TsLoadSource& source);
  void LoadMasks(const TsLoadSource& source);
  void LoadPatterns(const TsLoadSource& source);
  void LoadGeneralData(const TsLoadSource& source);
  void UpdateConstData();
  void FreeMasks();     // masks and master bitmap
  void FreePatterns();
  void FreeSections();
  void FreeAll();

  // Look-ups.
  int IndexOfSection(std::string_view sectionName) const;
  int IndexOfMask(int skinIndex, std::string_view sectionName, std::string_view propertyName) const;
  int IndexOfTextureMask(int skinIndex, std::string_view sectionName, std::string_view propertyName) const;
  int IndexOfPattern(int skinIndex, std::string_view sectionName, std::string_view propertyName) const;
  int IndexOfOwnMask(std::string_view sectionName, std::string_view propertyName) const;
  bool IsValidSkinIndex(int i) const { return i >= 0 && i < static_cast<int>(gd.size()); }
  bool IsValidImgIndex(int i) const { return i >= 0 && i < static_cast<int>(ma.size()); }

  int MaskWidthLeft(int i);
  int MaskWidthTop(int i) const;
  int MaskWidthRight(int i) const;
  int MaskWidthBottom(int i) const;
  std::pair<int, int> MaskFrameSize(int i) const;  // width, height of one frame

  TColor GlobalColor() const;
  TColor GlobalFontColor() const;
  TColor GlobalHotColor() const;

  // The hue and saturation shift of a freshly loaded skin.
  void ApplyColorShift(int hueOffset, int saturation);

private:
  void ScanMasks(const TsIniDocument& ini, const TsLoadSource& source, bool common);
  void ScanPatterns(const TsIniDocument& ini, const TsLoadSource& source, bool common, TsPictureCache& cache);
  void LoadLegacyMasks(const TsStoredSkin& stored);
  void LoadLegacyPatterns(const TsStoredSkin& stored);
  void LoadLegacyGeneralData(const TsStoredSkin& stored);
  void MergeCommonSections(const TsIniDocument& common);
};

}  // namespace skin
