// Masks: the master bitmap and one mask per image value of the options.
#include "sImageValues.h"
#include "sSkinFileSystem.h"
#include "sSkinImageSource.h"
#include "sSkinTables.h"
#include "sStoredSkins.h"
#include "toolkit/core/TextCase.h"

namespace skin {

namespace {

const TsSkinFileSystem& FileSystemOf(const TsLoadSource& source) {
  return source.FileSystem ? *source.FileSystem : PlatformFileSystem();
}

}  // namespace

void TsSkinTables::LoadMasks(const TsLoadSource& source) {
  FreeMasks();
  if (!source.Options) {
    if (source.Stored) LoadLegacyMasks(*source.Stored);
  } else {
    const TsSkinImageSource images(source.Package, FileSystemOf(source), SkinData.SkinPath);
    const std::string master = source.Options->ReadString("GLOBALINFO", "MASTERBITMAP", "");
    if (!master.empty()) {
      if (auto bmp = images.Bitmap(master)) {
        bmp->SetFormat(tk::PixelFormat::pf24bit);
        MasterBitmap = std::move(*bmp);
      }
    }
    ScanMasks(*source.Options, source, false);
  }
  if (source.Common) ScanMasks(*source.Common, source, true);
}

void TsSkinTables::ScanMasks(const TsIniDocument& ini, const TsLoadSource& source, bool common) {
  const TsSkinImageSource images(source.Package, FileSystemOf(source), SkinData.SkinPath);
  for (const std::string& section : ini.Sections()) {
    const bool globalInfo = tk::SameText(section, "GLOBALINFO");
    for (const std::string& key : ini.Keys(section)) {
      if (globalInfo && tk::SameText(key, "MASTERBITMAP")) continue;
      const std::string value(ini.Find(section, key).value_or(""));
      // CommonSections take the older layout only while there is a master
      // bitmap to cut it from.
      const TsImageValue v = ParseImageValue(value, key, !common || !MasterBitmap.Empty());
      if (v.Kind == TsImageValueKind::None) continue;

      TsMaskData m;
      m.SectionName = v.NamesUpperCased ? tk::UpperCase(section) : section;
      m.PropertyName = v.NamesUpperCased ? tk::UpperCase(key) : key;
      m.R = v.R;
      m.ImageCount = v.ImageCount;
      m.MaskType = v.MaskType;
      m.BorderWidth = v.BorderWidth;
      m.DrawMode = v.DrawMode;
      m.ImgType = v.ImgType;
      m.Manager = this;
      m.WL = v.WL, m.WT = v.WT, m.WR = v.WR, m.WB = v.WB;

      if (v.Kind != TsImageValueKind::Rectangle) {
        auto bmp = images.Bitmap(v.FileName);
        if (!bmp || bmp->Width() <= 0) continue;
        const int w = bmp->Width(), h = bmp->Height();
        m.R = {0, 0, w, h};
        if (v.Kind == TsImageValueKind::PlainBitmap) {
          m.WL = m.WR = w / 9;
          m.WT = m.WB = h / 6;
        } else if (!v.WidthsGiven) {
          DeriveBorderWidths(w, h, v.ImageCount, v.MaskType, 0, m.WL, m.WT, m.WR, m.WB);
        }
        if (m.ImgType != TvxImgType::itisaTexture || v.Kind == TsImageValueKind::PlainBitmap)
          bmp->SetFormat(tk::PixelFormat::pf24bit);
        m.Bmp = std::make_unique<tk::Bitmap>(std::move(*bmp));
      }
      ma.push_back(std::move(m));
    }
  }
}

void TsSkinTables::LoadLegacyMasks(const TsStoredSkin& stored) {
  if (!stored.MasterBitmap.Empty()) {
    MasterBitmap = stored.MasterBitmap;
    MasterBitmap.SetFormat(tk::PixelFormat::pf24bit);
  }
  for (const TsSkinImage& image : stored.Images) {
    TsMaskData m;
    m.SectionName = tk::UpperCase(image.SectionName);
    m.PropertyName = tk::UpperCase(image.PropertyName);
    if (!image.Name.empty()) {
      m.Bmp = std::make_unique<tk::Bitmap>(image.Image);
      m.Bmp->SetFormat(tk::PixelFormat::pf24bit);
      m.R = {0, 0, image.Image.Width(), image.Image.Height()};
    } else {
      m.R = {image.Left, image.Top, image.Right, image.Bottom};
    }
    m.ImageCount = image.ImageCount;
    m.MaskType = image.MaskType;
    if (m.ImageCount == 0) {
      m.ImageCount = 3;
      m.MaskType = 1;
    }
    m.BorderWidth = image.BorderWidth;
    if (m.PropertyName == "PATTERN" || m.PropertyName == "HOTPATTERN") {
      m.ImgType = TvxImgType::itisaTexture;
      m.DrawMode = image.ImgType == TvxImgType::itisaTexture ? image.StretchMode : 0;
    } else {
      m.DrawMode = image.StretchMode;
      m.ImgType = image.ImgType;
    }
    m.WL = image.WL, m.WT = image.WT, m.WR = image.WR, m.WB = image.WB;
    if (m.WL + m.WT + m.WR + m.WB == 0)
      DeriveBorderWidths(m.R.Width(), m.R.Height(), m.ImageCount, m.MaskType, m.BorderWidth, m.WL, m.WT, m.WR, m.WB);
    m.Manager = this;
    ma.push_back(std::move(m));
  }
}

}  // namespace skin
