#include "sSectionReader.h"

#include "sSysColors.h"
#include "toolkit/core/TextCase.h"

namespace skin {

namespace {

TsControlBevel AsBevel(int v, TsControlBevel fallback) {
  return v >= 0 && v <= 4 ? static_cast<TsControlBevel>(v) : fallback;
}

}  // namespace

std::optional<int> TsInheritingReader::OwnInteger(std::string_view key) const {
  const auto v = ini_.FindAt(section_, tk::UpperCase(key));
  if (!v) return std::nullopt;
  return TsIniDocument::ParseInteger(*v);
}

std::optional<std::string> TsDirectReader::String(std::string_view key) const {
  return PresentString(ini_.Find(section_, key));
}

std::optional<int> TsDirectReader::Integer(std::string_view key) const { return PresentInteger(ini_.Find(section_, key)); }

void FillGeneralData(const TsKeyReader& r, const TsGeneralData& base, TsGeneralData& d) {
  auto integer = [&](std::string_view key, int fallback) { return r.Integer(key).value_or(fallback); };
  auto boolean = [&](std::string_view key, bool fallback) {
    const auto v = r.String(key);
    return v ? tk::UpperCase(*v) == "TRUE" : fallback;
  };
  auto colors = [&](const char* const (&keys)[5], const TsFontColors& fallback) {
    TsFontColors c;
    for (int i = 0; i < 5; ++i) c[i] = integer(keys[i], fallback[i]);
    return c;
  };
  static const char* const kFont[5] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
  static const char* const kHotFont[5] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"};

  const auto color = r.Integer("COLOR");
  d.Color = color ? ColorToRGB(*color) : base.Color;
  const auto bevel = r.Integer("BEVEL");
  d.Bevel = bevel ? AsBevel(*bevel, base.Bevel) : base.Bevel;
  d.FontColor = colors(kFont, base.FontColor);
  d.HotFontColor = colors(kHotFont, base.HotFontColor);
  d.ReservedBoolean = boolean("RESERVEDBOOLEAN", base.ReservedBoolean);
  d.ShadowBlur = integer("SHADOWBLUR", base.ShadowBlur);
  d.ShadowColor = r.OwnInteger("SHADOWCOLOR").value_or(base.ShadowColor);
  d.ShadowEnabled = boolean("SHADOWENABLED", base.ShadowEnabled);
  d.ShadowOffset = integer("SHADOWOFFSET", base.ShadowOffset);
  d.ShadowTransparency = integer("SHADOWTRANSPARENCY", base.ShadowTransparency);
  d.Transparency = integer("TRANSPARENCY", base.Transparency);
  d.GradientPercent = integer("GRADIENTPERCENT", base.GradientPercent);
  d.GradientData = r.String("GRADIENTDATA").value_or(base.GradientData);
  d.ImagePercent = integer("IMAGEPERCENT", base.ImagePercent);
  d.ShowFocus = boolean("SHOWFOCUS", base.ShowFocus);
  d.FadingEnabled = boolean("FADINGENABLED", base.FadingEnabled);
  d.FadingIntervalIn = integer("FADINGINTERVALIN", base.FadingIntervalIn);
  d.FadingIntervalOut = integer("FADINGINTERVALOUT", base.FadingIntervalOut);
  d.FadingIterations = integer("FADINGITERATIONS", base.FadingIterations);
  d.HotColor = integer("HOTCOLOR", base.HotColor);
  d.HotTransparency = integer("HOTTRANSPARENCY", base.HotTransparency);
  const auto hotBevel = r.Integer("HOTBEVEL");
  d.HotBevel = hotBevel ? AsBevel(*hotBevel, base.HotBevel) : base.HotBevel;
  d.HotGradientPercent = integer("HOTGRADIENTPERCENT", base.HotGradientPercent);
  d.HotGradientData = r.String("HOTGRADIENTDATA").value_or(base.HotGradientData);
  d.HotImagePercent = integer("HOTIMAGEPERCENT", base.HotImagePercent);
  d.BorderColor1 = integer("BORDERCOLOR1", base.BorderColor1);
  d.BorderColor2 = integer("BORDERCOLOR2", base.BorderColor2);

  d.GradientArray = d.GradientData != " " ? ParseGradientData(d.GradientData) : TsGradArray{};
  d.HotGradientArray = ParseGradientData(d.HotGradientData);
}

}  // namespace skin
