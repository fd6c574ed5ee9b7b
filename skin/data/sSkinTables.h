#pragma once
// The loaded skin: sections, masks, patterns, the master bitmap, the
// skin-wide values and the constant index table, with the loaders that fill
// them and the look-ups every skinned part uses. Portable: the Windows skin
// manager owns one of these and adds the windows side.
//
// Indexes are 0-based, -1 means none, and they are valid until the next load.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "sConstData.h"
#include "sDecodedImages.h"
#include "sIniDocument.h"
#include "sMaskData.h"

namespace skin {

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
  // The most memory the decoded pictures of one load may take.
  std::size_t MaxDecodedBytes = kMaxDecodedSkinBytes;
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

  // LoadMasks, LoadPatterns and LoadGeneralData in that order, the first two
  // sharing the pictures they decode. An error (ESkinTooLarge among them)
  // leaves all tables empty (nothing half-loaded) and propagates.
  void Load(const TsLoadSource& source);
  void LoadMasks(const TsLoadSource& source, TsDecodedImages& images);
  void LoadPatterns(const TsLoadSource& source, TsDecodedImages& images);
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
  void ScanMasks(const TsIniDocument& ini, bool common, TsDecodedImages& images);
  void ScanPatterns(const TsIniDocument& ini, bool common, TsDecodedImages& images);
  void LoadLegacyMasks(const TsStoredSkin& stored, TsDecodedImages& images);
  void LoadLegacyPatterns(const TsStoredSkin& stored);
  void LoadLegacyGeneralData(const TsStoredSkin& stored);
  void MergeCommonSections(const TsIniDocument& common);

public:
  // How the look-ups follow PARENTCLASS: each section's parent (-1: none)
  // and the first section of every name, upper-cased. Built from gd when a
  // look-up first needs it after the sections changed in number; the loaders
  // rebuild it, code that renames sections in place calls ReindexSections().
  struct TsSectionIndex {
    std::vector<int> Parent;
    std::unordered_map<std::string, int> ByUpperName;
  };
  const TsSectionIndex& SectionIndex() const;
  void ReindexSections() const;

private:
  mutable TsSectionIndex sectionIndex_;
  mutable bool sectionIndexBuilt_ = false;
};

}  // namespace skin
