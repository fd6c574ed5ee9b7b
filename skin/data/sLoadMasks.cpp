// Masks: the master bitmap and one mask per image value of the options.
#include "sDecodedImages.h"
#include "sImageValues.h"
#include "sSkinTables.h"
#include "sStoredSkins.h"
#include "toolkit/core/TextCase.h"

namespace skin {

void TsSkinTables::LoadMasks(const TsLoadSource& source, TsDecodedImages& images) {
  FreeMasks();
  if (!source.Options) {
    if (source.Stored) LoadLegacyMasks(*source.Stored, images);
  } else {
    const std::string master = source.Options->ReadString("GLOBALINFO", "MASTERBITMAP", "");
    if (!master.empty()) {
      // The tables' own; a mask naming the same file gets its own bitmap.
      if (auto bmp = images.Unshared24Bit(master)) MasterBitmap = std::move(*bmp);
    }
    ScanMasks(*source.Options, false, images);
  }
  if (source.Common) ScanMasks(*source.Common, true, images);
}

void TsSkinTables::ScanMasks(const TsIniDocument& ini, bool common, TsDecodedImages& images) {
  for (std::size_t sectionNumber = 0; sectionNumber < ini.Sections().size(); ++sectionNumber) {
    const std::string& section = ini.Sections()[sectionNumber];
    const bool globalInfo = tk::SameText(section, "GLOBALINFO");
    ini.VisitEntries(sectionNumber, [&](std::string_view key, std::string_view value) {
      if (globalInfo && tk::SameText(key, "MASTERBITMAP")) return;
      // CommonSections take the older layout only while there is a master
      // bitmap to cut it from.
      const TsImageValue v = ParseImageValue(value, key, !common || !MasterBitmap.Empty());
      if (v.Kind == TsImageValueKind::None) return;

      TsMaskData m;
      m.SectionName = v.NamesUpperCased ? tk::UpperCase(section) : section;
      m.PropertyName = v.NamesUpperCased ? tk::UpperCase(key) : std::string(key);
      m.R = v.R;
      m.ImageCount = v.ImageCount;
      m.MaskType = v.MaskType;
      m.BorderWidth = v.BorderWidth;
      m.DrawMode = v.DrawMode;
      m.ImgType = v.ImgType;
      m.Manager = this;
      m.WL = v.WL, m.WT = v.WT, m.WR = v.WR, m.WB = v.WB;

      if (v.Kind != TsImageValueKind::Rectangle) {
        // Textures of "!" values keep the bitmap as it is stored.
        const bool as24Bit = m.ImgType != TvxImgType::itisaTexture || v.Kind == TsImageValueKind::PlainBitmap;
        std::shared_ptr<tk::Bitmap> bmp = images.Bitmap(v.FileName, as24Bit);
        if (!bmp || bmp->Width() <= 0) return;
        const int w = bmp->Width(), h = bmp->Height();
        m.R = {0, 0, w, h};
        if (v.Kind == TsImageValueKind::PlainBitmap) {
          m.WL = m.WR = w / 9;
          m.WT = m.WB = h / 6;
        } else if (!v.WidthsGiven) {
          DeriveBorderWidths(w, h, v.ImageCount, v.MaskType, 0, m.WL, m.WT, m.WR, m.WB);
        }
        m.Bmp = std::move(bmp);
      }
      ma.push_back(std::move(m));
    });
  }
}

void TsSkinTables::LoadLegacyMasks(const TsStoredSkin& stored, TsDecodedImages& images) {
  if (!stored.MasterBitmap.Empty()) {
    MasterBitmap = stored.MasterBitmap;
    MasterBitmap.SetFormat(tk::PixelFormat::pf24bit);
    images.Count(MasterBitmap);
  }
  // The stored numbers are as free as those of "!" values; see sImageValues.h.
  auto bounded = [](int v) { return BoundedMaskValue(v); };
  for (const TsSkinImage& image : stored.Images) {
    TsMaskData m;
    m.SectionName = tk::UpperCase(image.SectionName);
    m.PropertyName = tk::UpperCase(image.PropertyName);
    if (!image.Name.empty()) {
      m.Bmp = std::make_shared<tk::Bitmap>(image.Image);
      m.Bmp->SetFormat(tk::PixelFormat::pf24bit);
      images.Count(*m.Bmp);
      m.R = {0, 0, image.Image.Width(), image.Image.Height()};
    } else {
      m.R = {bounded(image.Left), bounded(image.Top), bounded(image.Right), bounded(image.Bottom)};
    }
    m.ImageCount = bounded(image.ImageCount);
    m.MaskType = bounded(image.MaskType);
    if (m.ImageCount == 0) {
      m.ImageCount = 3;
      m.MaskType = 1;
    }
    m.BorderWidth = bounded(image.BorderWidth);
    if (m.PropertyName == "PATTERN" || m.PropertyName == "HOTPATTERN") {
      m.ImgType = TvxImgType::itisaTexture;
      m.DrawMode = image.ImgType == TvxImgType::itisaTexture ? bounded(image.StretchMode) : 0;
    } else {
      m.DrawMode = bounded(image.StretchMode);
      m.ImgType = image.ImgType;
    }
    m.WL = bounded(image.WL), m.WT = bounded(image.WT), m.WR = bounded(image.WR), m.WB = bounded(image.WB);
    if (m.WL + m.WT + m.WR + m.WB == 0)
      DeriveBorderWidths(m.R.Width(), m.R.Height(), m.ImageCount, m.MaskType, m.BorderWidth, m.WL, m.WT, m.WR, m.WB);
    m.Manager = this;
    ma.push_back(std::move(m));
  }
}

}  // namespace skin
