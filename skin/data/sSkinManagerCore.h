#pragma once
// Everything of the skin manager that needs no window: its stored settings
// (internal skins, skin folder, skin name, colour shifts, CommonSections),
// the choice of a skin's source, the load into the tables, and the list of
// available skins. The Windows TsSkinManager component owns one and adds
// broadcasts, hooks and repainting.

#include <memory>
#include <string>
#include <string_view>

#include "sSkinTables.h"
#include "sStoredSkins.h"
#include "toolkit/core/StringList.h"

namespace skin {

class TsSkinFileSystem;

enum class TsSkinLoadResult {
  Loaded,    // the tables hold the skin
  NotFound,  // no package, folder or internal skin: the manager deactivates
  Rejected,  // the package was not a skin package (the user was warned): the manager deactivates
};

// Kinds of GetSkinNames.
constexpr int kSkinNamesUnpacked = 0;  // internal and unpacked skins
constexpr int kSkinNamesPacked = 1;    // internal and packed skins
constexpr int kSkinNamesAll = 2;

class TsSkinManagerCore {
public:
  // fileSystem: none for the platform's.
  explicit TsSkinManagerCore(const TsSkinFileSystem* fileSystem = nullptr);

  TsSkinTables Tables;
  TsSkinData& SkinData() { return Tables.SkinData; }
  const TsSkinData& SkinData() const { return Tables.SkinData; }
  TsStoredSkins InternalSkins;

  const std::string& SkinDirectory() const { return skinDirectory_; }
  // Stores a different value and points SkinPath at the resolved folder;
  // nothing is reloaded.
  void SetSkinDirectory(std::string_view directory);
  std::string SkinName;
  int HueOffset = 0;
  int Saturation = 0;
  // The skin being loaded comes from a package file.
  bool ReadingPacked = false;

  const tk::StringList& CommonSections() const { return commonSections_; }
  // Stores the lines with every blank removed from each line that does not
  // begin with ";".
  void SetCommonSections(const tk::StringList& lines);

  // The folder of the program file with its trailing "\" (tests set their own).
  const std::string& ProgramFolder() const { return programFolder_; }
  void SetProgramFolder(std::string folder) { programFolder_ = std::move(folder); }

  std::string GetFullSkinDirectory() const;
  // Fills list with the names of the available skins (sorted ignoring case,
  // duplicates kept) and returns the first one found: the first internal
  // skin, else the first skin met in the folder.
  std::string GetSkinNames(tk::StringList& list, int kinds) const;
  // The loaded skin's version with "." whatever the locale, or "N/A".
  std::string SkinInfo() const;
  static std::string Version() { return "5.36"; }

  // Loads SkinName: a package "<folder>\<name>.vxz", else a folder
  // "<folder>\<name>\Options.dat", else the internal skin of that name, else
  // the first internal skin (SkinName changes to its name). SkinData.Active
  // is not touched. Errors of the loaders propagate with the tables emptied.
  TsSkinLoadResult LoadSkin();

private:
  TsSkinLoadResult LoadFromOptions(const TsIniDocument* options, const TsStoredSkin* stored,
                                   const class TvxSkinConvertor* package);
  const TsSkinFileSystem& Fs() const;

  const TsSkinFileSystem* fileSystem_;
  std::string skinDirectory_;
  tk::StringList commonSections_;
  std::string programFolder_;
};

}  // namespace skin
