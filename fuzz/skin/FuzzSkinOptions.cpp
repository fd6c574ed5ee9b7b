// An options file on its own, loaded against a fixed set of images (a master
// bitmap, an own bitmap, a large and a small JPEG) so that every kind of
// image value finds something to cut from; CommonSections get the same text.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string_view>

#include "FuzzQuiet.h"
#include "SeedImages.h"
#include "skin/data/sGradArray.h"
#include "skin/data/sImageValues.h"
#include "skin/data/sSkinTables.h"
#include "skin/data/vxSkinPack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::SilenceSkinWarnings();
  static const std::vector<std::uint8_t> images = fuzz::ImagesPackage();
  static tk::MemoryStream container(images);
  static skin::TvxSkinConvertor package;
  static const bool extracted = [] {
    package.SetPackedData(&container);
    package.ExtractPackedData();
    package.DetachPackedData();
    return true;
  }();
  (void)extracted;

  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const skin::TsIniDocument ini(text);
  for (const std::string& section : ini.Sections())
    for (const std::string& key : ini.Keys(section)) {
      const std::string value(ini.Find(section, key).value_or(""));
      skin::ParseGradientData(value);
      try {
        skin::ParseImageValue(value, key, true);
      } catch (const std::exception&) {
      }
    }

  skin::TsSkinTables tables;
  skin::TsLoadSource source;
  source.Options = &ini;
  source.Package = &package;
  source.Common = size % 3 == 0 ? &ini : nullptr;
  source.HueOffset = static_cast<int>(size % 720) - 360;
  source.Saturation = static_cast<int>(size % 401) - 200;
  try {
    tables.Load(source);
  } catch (const std::exception&) {
    return 0;
  }
  tables.UpdateConstData();
  // Each look-up is linear in the tables: a few sections' worth, so that a
  // skin of thousands of sections is not quadratic here.
  for (std::size_t i = 0; i < tables.gd.size() && i < 64; ++i)
    tables.IndexOfMask(static_cast<int>(i), tables.gd[i].SectionName, "BORDERSMASK");
  return 0;
}
