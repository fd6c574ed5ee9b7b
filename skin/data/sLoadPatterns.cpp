// Patterns: JPEG pictures named by the options. Large ones (at least 90,000
// pixels) become patterns; smaller ones become texture masks with a bitmap
// of their own.
#include <map>

#include "sDecodedImages.h"
#include "sSkinTables.h"
#include "sStoredSkins.h"
#include "toolkit/core/TextCase.h"

namespace skin {

constexpr long long kMinPatternPixels = 90000;

void TsSkinTables::LoadPatterns(const TsLoadSource& source, TsDecodedImages& images) {
  FreePatterns();
  if (source.Options) ScanPatterns(*source.Options, false, images);
  else if (source.Stored) LoadLegacyPatterns(*source.Stored);
  // CommonSections name picture files, whatever the skin's own source.
  if (source.Common) ScanPatterns(*source.Common, true, images);
}

void TsSkinTables::ScanPatterns(const TsIniDocument& ini, bool common, TsDecodedImages& images) {
  for (std::size_t sectionNumber = 0; sectionNumber < ini.Sections().size(); ++sectionNumber) {
    const std::string& section = ini.Sections()[sectionNumber];
    ini.VisitEntries(sectionNumber, [&](std::string_view key, std::string_view written) {
      const std::string value = tk::UpperCase(written);
      if (value.find(".JPG") == std::string::npos && value.find(".JPEG") == std::string::npos) return;
      const std::shared_ptr<const tk::Bitmap> picture = images.Jpeg(value, common);
      if (!picture || picture->Width() <= 0) return;
      if (static_cast<long long>(picture->Width()) * picture->Height() >= kMinPatternPixels) {
        pa.push_back({picture, tk::UpperCase(section), tk::UpperCase(key)});
      } else {
        TsMaskData m;
        m.Bmp = images.JpegForMasks(value, common);
        m.SectionName = tk::UpperCase(section);
        m.PropertyName = tk::UpperCase(key);
        m.ImgType = TvxImgType::itisaTexture;
        m.ImageCount = 1;
        m.MaskType = 0;
        m.DrawMode = 0;
        m.Manager = this;
        ma.push_back(std::move(m));
      }
    });
  }
}

void TsSkinTables::LoadLegacyPatterns(const TsStoredSkin& stored) {
  std::map<const tk::Bitmap*, std::shared_ptr<const tk::Bitmap>> copies;
  for (const TsSkinPattern& p : stored.Patterns) {
    const tk::Bitmap* picture = &p.Image;
    if (picture->Empty()) {
      // An item without a picture shares the one of an item of the same name.
      for (const TsSkinPattern& other : stored.Patterns)
        if (!other.Image.Empty() && other.Name == p.Name) {
          picture = &other.Image;
          break;
        }
    }
    auto& copy = copies[picture];
    if (!copy) copy = std::make_shared<const tk::Bitmap>(*picture);
    pa.push_back({copy, tk::UpperCase(p.SectionName), tk::UpperCase(p.PropertyName)});
  }
}

}  // namespace skin
