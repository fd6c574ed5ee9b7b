// Sections: the skin-wide values, one record per options section, the
// CommonSections merge, and the hue and saturation shift.
#include <string_view>
#include <unordered_map>

#include "sSectionReader.h"
#include "sSkinTables.h"
#include "sStoredSkins.h"
#include "toolkit/core/NumberText.h"
#include "toolkit/core/TextCase.h"

namespace skin {

namespace {

void ReadSkinWideValues(const TsIniDocument& ini, TsSkinData& d) {
  d.Version = ini.ReadFloat("GLOBALINFO", "VERSION", 0);
  d.Author = ini.ReadString("GLOBALINFO", "AUTHOR", "");
  d.Description = ini.ReadString("GLOBALINFO", "DESCRIPTION", "");
  d.Shadow1Color = ini.ReadInteger("GLOBALINFO", "SHADOW1COLOR", 0);
  d.Shadow1Offset = tk::StrToInt(ini.ReadString("GLOBALINFO", "SHADOW1OFFSET", "0"));
  d.Shadow1Blur = tk::StrToInt(ini.ReadString("GLOBALINFO", "SHADOW1BLUR", "-1"));
  d.Shadow1Transparency = tk::StrToInt(ini.ReadString("GLOBALINFO", "SHADOW1TRANSPARENCY", "0"));
  d.BISpace = ini.ReadInteger("GLOBALINFO", "BISPACE", 0);
  d.BorderColor = ini.ReadInteger("GLOBALINFO", "BORDERCOLOR", 0);
}

// "c0 c1 c2 c3 c4" of the older stored form: exactly five numbers, or the defaults.
// Split by hand: a string stream here would link the whole of the C++
// library's locale and stream code into every program of the product (about
// 700 KB), and the start-up would pay for that code's pages.
TsFontColors ParseFontColors(const std::string& text) {
  constexpr std::string_view kBlanks = " \t\n\v\f\r";
  const std::string_view rest = text;
  std::vector<std::string> parts;
  for (std::size_t at = rest.find_first_not_of(kBlanks); at != std::string_view::npos;) {
    const std::size_t end = rest.find_first_of(kBlanks, at);
    parts.emplace_back(rest.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
    at = end == std::string_view::npos ? end : rest.find_first_not_of(kBlanks, end);
  }
  if (parts.size() != 5) return kDefaultFontColors;
  TsFontColors c;
  for (std::size_t i = 0; i < 5; ++i) {
    const auto v = TsIniDocument::ParseInteger(parts[i]);
    if (!v) return kDefaultFontColors;
    c[i] = *v;
  }
  return c;
}

}  // namespace

void TsSkinTables::LoadGeneralData(const TsLoadSource& source) {
  gd.clear();
  // Nothing of the previous skin may stay: a package without options, or an
  // older stored skin that keeps no BISpace, gets the defaults.
  const TsSkinData defaults;
  SkinData.Version = defaults.Version;
  SkinData.Author = defaults.Author;
  SkinData.Description = defaults.Description;
  SkinData.Shadow1Color = defaults.Shadow1Color;
  SkinData.Shadow1Offset = defaults.Shadow1Offset;
  SkinData.Shadow1Blur = defaults.Shadow1Blur;
  SkinData.Shadow1Transparency = defaults.Shadow1Transparency;
  SkinData.BorderColor = defaults.BorderColor;
  SkinData.BISpace = defaults.BISpace;
  if (source.Options) {
    ReadSkinWideValues(*source.Options, SkinData);
    const TsGeneralData defaultSection;
    const TsInheritedValues inherited(*source.Options);
    const std::vector<std::string>& sections = source.Options->Sections();
    gd.reserve(sections.size());
    for (std::size_t i = 0; i < sections.size(); ++i) {
      TsGeneralData d;
      d.SectionName = sections[i];
      d.ParentClass = source.Options->ReadString(sections[i], "PARENTCLASS", "");
      FillGeneralData(TsInheritingReader(inherited, *source.Options, i), defaultSection, d);
      gd.push_back(std::move(d));
    }
  } else if (source.Stored) {
    LoadLegacyGeneralData(*source.Stored);
  }
  if (source.Common) MergeCommonSections(*source.Common);
  ReindexSections();
  ApplyColorShift(source.HueOffset, source.Saturation);
}

void TsSkinTables::MergeCommonSections(const TsIniDocument& common) {
  const TsGeneralData defaults;
  // The skin's sections by exact name (where a merged section goes) and by
  // upper-cased name (where a PARENTCLASS finds its base), first ones first;
  // kept up to date as sections join.
  std::unordered_map<std::string, std::size_t> exact, upper;
  for (std::size_t i = 0; i < gd.size(); ++i) {
    exact.try_emplace(gd[i].SectionName, i);
    upper.try_emplace(tk::UpperCase(gd[i].SectionName), i);
  }
  for (const std::string& section : common.Sections()) {
    const std::string parent = tk::UpperCase(common.ReadString(section, "PARENTCLASS", ""));
    // Keys the text lacks come from the skin's section its PARENTCLASS names.
    TsGeneralData base = defaults;
    if (!parent.empty()) {
      const auto found = upper.find(parent);
      if (found != upper.end()) base = gd[found->second];
    }
    TsGeneralData d;
    d.SectionName = section;
    d.ParentClass = parent;
    FillGeneralData(TsDirectReader(common, section), base, d);
    const auto existing = exact.find(section);
    if (existing != exact.end()) {
      gd[existing->second] = std::move(d);
    } else {
      // A section new to the skin joins at the end.
      exact.emplace(section, gd.size());
      upper.try_emplace(tk::UpperCase(section), gd.size());
      gd.push_back(std::move(d));
    }
  }
}

void TsSkinTables::LoadLegacyGeneralData(const TsStoredSkin& stored) {
  SkinData.Version = stored.Version;
  SkinData.Author = stored.Author;
  SkinData.Description = stored.Description;
  SkinData.Shadow1Color = stored.Shadow1Color;
  SkinData.Shadow1Offset = stored.Shadow1Offset;
  SkinData.Shadow1Blur = stored.Shadow1Blur;
  SkinData.Shadow1Transparency = stored.Shadow1Transparency;
  SkinData.BorderColor = stored.BorderColor;
  for (const TsSkinGeneral& s : stored.GeneralData) {
    TsGeneralData d;
    d.SectionName = s.SectionName;
    d.ParentClass = s.ParentClass;
    d.Color = s.Color;
    d.Bevel = s.Bevel;
    d.FontColor = ParseFontColors(s.FontColor);
    d.HotFontColor = ParseFontColors(s.HotFontColor);
    d.ReservedBoolean = s.ReservedBoolean;
    d.ShadowBlur = s.ShadowBlur;
    d.ShadowColor = s.ShadowColor;
    d.ShadowEnabled = s.ShadowEnabled;
    d.ShadowOffset = s.ShadowOffset;
    d.ShadowTransparency = s.ShadowTransparency;
    d.Transparency = s.Transparency;
    d.GradientPercent = s.GradientPercent;
    d.GradientData = s.GradientData;
    d.ImagePercent = s.ImagePercent;
    d.ShowFocus = s.ShowFocus;
    d.FadingEnabled = s.FadingEnabled;
    d.FadingIntervalIn = s.FadingIntervalIn;
    d.FadingIntervalOut = s.FadingIntervalOut;
    d.FadingIterations = s.FadingIterations;
    d.HotColor = s.HotColor;
    d.HotTransparency = s.HotTransparency;
    d.HotBevel = s.HotBevel;
    d.HotGradientPercent = s.HotGradientPercent;
    d.HotGradientData = s.HotGradientData;
    d.HotImagePercent = s.HotImagePercent;
    d.BorderColor1 = s.BorderColor1;
    d.BorderColor2 = s.BorderColor2;
    d.GradientArray = d.GradientData != " " ? ParseGradientData(d.GradientData) : TsGradArray{};
    d.HotGradientArray = ParseGradientData(d.HotGradientData);
    gd.push_back(std::move(d));
  }
}

}  // namespace skin
