#include "sSkinManagerCore.h"

#include "sSkinDirectory.h"
#include "sSkinFileSystem.h"
#include "toolkit/core/NumberText.h"
#include "toolkit/core/StartupMarks.h"
#include "vxSkinPack.h"

namespace skin {

TsSkinManagerCore::TsSkinManagerCore(const TsSkinFileSystem* fileSystem)
    : fileSystem_(fileSystem), programFolder_(skin::ProgramFolder()) {}

const TsSkinFileSystem& TsSkinManagerCore::Fs() const { return fileSystem_ ? *fileSystem_ : PlatformFileSystem(); }

void TsSkinManagerCore::SetSkinDirectory(std::string_view directory) {
  if (directory == skinDirectory_) return;
  skinDirectory_ = directory;
  SkinData().SkinPath = GetFullSkinDirectory();
}

void TsSkinManagerCore::SetCommonSections(const tk::StringList& lines) {
  tk::StringList cleaned;
  for (const std::string& line : lines) {
    if (!line.empty() && line.front() == ';') {
      cleaned.Add(line);
      continue;
    }
    std::string s;
    for (char c : line)
      if (c != ' ') s += c;
    cleaned.Add(std::move(s));
  }
  commonSections_ = std::move(cleaned);
}

std::string TsSkinManagerCore::GetFullSkinDirectory() const {
  return ResolveSkinDirectory(skinDirectory_, programFolder_);
}

std::string TsSkinManagerCore::GetSkinNames(tk::StringList& list, int kinds) const {
  list.Clear();
  std::string first;
  tk::StringList names;
  for (std::size_t i = 0; i < InternalSkins.Count(); ++i) {
    names.Add(InternalSkins.Items(i).Name());
    if (i == 0) first = InternalSkins.Items(i).Name();
  }
  const std::string dir = GetFullSkinDirectory();
  if (Fs().DirectoryExists(dir)) {
    for (const TsDirEntry& e : Fs().List(dir)) {
      if (e.Name.empty() || e.Name.front() == '.') continue;
      std::string name;
      if (e.IsFolder) {
        if ((kinds == 0 || kinds == 2) && Fs().FileExists(dir + "\\" + e.Name + "\\Options.dat")) name = e.Name;
      } else if (kinds == 1 || kinds == 2) {
        const std::size_t lastDot = e.Name.find_last_of('.');
        if (lastDot != std::string::npos && e.Name.substr(lastDot) == ".vxz") name = e.Name.substr(0, e.Name.find('.'));
      }
      if (name.empty()) continue;
      if (first.empty()) first = name;
      names.Add(std::move(name));
    }
  }
  names.Sort();
  list = std::move(names);
  return first;
}

std::string TsSkinManagerCore::SkinInfo() const {
  return SkinData().Active ? tk::FloatToStrGeneral(SkinData().Version, ".") : "N/A";
}

TsSkinLoadResult TsSkinManagerCore::LoadSkin() {
  const std::string dir = GetFullSkinDirectory();
  try {
    // 1. A package file. Built from the resolved folder, the same one the
    //    skin list is made from, so every listed package can be loaded.
    const std::string packagePath = WithTrailingBackslash(dir) + SkinName + ".vxz";
    if (Fs().FileExists(packagePath)) {
      ReadingPacked = true;
      SkinData().SkinPath = dir + "\\";
      std::unique_ptr<TvxSkinConvertor> package;
      LoadSkinPackage(packagePath, package, true, Fs());
      if (!package || !package->Accepted) {
        Tables.FreeAll();
        return TsSkinLoadResult::Rejected;
      }
      const TsIniDocument options(package->Options ? package->Options->AsText() : std::string_view());
      return LoadFromOptions(package->Options ? &options : nullptr, nullptr, package.get());
    }
    ReadingPacked = false;

    // 2. A skin folder.
    const std::string folder = dir + "\\" + SkinName + "\\";
    std::vector<std::uint8_t> bytes;
    if (Fs().FileExists(folder + "Options.dat") && Fs().ReadFile(folder + "Options.dat", bytes)) {
      SkinData().SkinPath = folder;
      const TsIniDocument options(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
      return LoadFromOptions(&options, nullptr, nullptr);
    }

    // 3. An internal skin: the one of that name, else the first one.
    SkinData().SkinPath.clear();
    int index = InternalSkins.IndexOfInternalSkin(SkinName);
    if (index < 0) {
      if (InternalSkins.Count() == 0) {
        Tables.FreeAll();
        return TsSkinLoadResult::NotFound;
      }
      index = 0;
      SkinName = InternalSkins.Items(0).Name();
    }
    TsStoredSkin& stored = InternalSkins.Items(static_cast<std::size_t>(index));
    if (stored.IsLegacy()) return LoadFromOptions(nullptr, &stored, nullptr);
    TvxSkinConvertor package;
    package.SetPackedData(&stored.Data);  // borrowed: the item keeps its bytes
    package.ExtractPackedData();
    package.DetachPackedData();
    tk::StartupMark("skin unpacked");
    if (!package.Accepted) {
      Tables.FreeAll();
      return TsSkinLoadResult::Rejected;
    }
    const TsIniDocument options(package.Options ? package.Options->AsText() : std::string_view());
    tk::StartupMark("skin options");
    return LoadFromOptions(package.Options ? &options : nullptr, nullptr, &package);
  } catch (...) {
    Tables.FreeAll();
    throw;
  }
}

TsSkinLoadResult TsSkinManagerCore::LoadFromOptions(const TsIniDocument* options, const TsStoredSkin* stored,
                                                     const TvxSkinConvertor* package) {
  TsLoadSource source;
  source.Options = options;
  source.Stored = stored;
  source.Package = package;
  source.FileSystem = &Fs();
  source.HueOffset = HueOffset;
  source.Saturation = Saturation;
  std::unique_ptr<TsIniDocument> common;
  if (!commonSections_.Empty()) {
    common = std::make_unique<TsIniDocument>(commonSections_.Text(), "1.tmp");
    source.Common = common.get();
  }
  Tables.Load(source);
  return TsSkinLoadResult::Loaded;
}

}  // namespace skin
