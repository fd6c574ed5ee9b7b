#include "sStoredSkinClasses.h"

#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/core/BmpCodec.h"
#include "toolkit/core/JpegCodec.h"

namespace skin {

namespace {

using tk::LayoutValue;
using tk::TReadContext;

using TsPictureDecoder = tk::Bitmap (*)(const std::uint8_t* data, std::size_t size);

// A picture of a stored record ("MasterBitmap.Data = {...}",
// "Image.Data = {...}"): the bytes of a bitmap or JPEG file, decoded into
// the record's picture as they are read.
class TsStoredPicture : public tk::TPersistent {
  TK_CLASS(TsStoredPicture)
public:
  TsStoredPicture(tk::Bitmap* target, TsPictureDecoder decode) : target_(target), decode_(decode) {}
  void LoadData(const std::vector<std::uint8_t>& bytes) {
    if (!target_ || !decode_) throw std::logic_error("this record has no picture");
    *target_ = bytes.empty() ? tk::Bitmap() : decode_(bytes.data(), bytes.size());
  }

private:
  tk::Bitmap* target_;
  TsPictureDecoder decode_;
};

// The persistent face of one record while the reader sets its properties:
// it answers to the record's class name, so the properties registered under
// that name reach the record.
template <class S>
class TsPublished : public tk::TPersistent {
public:
  TsPublished(S& record, const char* className, tk::Bitmap* picture = nullptr, TsPictureDecoder decode = nullptr)
      : Record(record), className_(className), picture_(picture, decode) {}
  const char* ClassName() const override { return className_; }
  TsStoredPicture& Picture() { return picture_; }
  S& Record;

private:
  const char* className_;
  TsStoredPicture picture_;
};

// How the items of one collection are read: their class name and, when the
// records carry a picture, where it goes and how it is decoded.
template <class I>
struct TsRecordKind {
  const char* className;
  tk::Bitmap I::*picture = nullptr;
  TsPictureDecoder decode = nullptr;
};

template <class I>
TsPublished<I> FaceOf(I& record, const TsRecordKind<I>& kind) {
  return TsPublished<I>(record, kind.className, kind.picture ? &(record.*kind.picture) : nullptr, kind.decode);
}

// The items are read aside and replace the old ones only once all of them
// were read: a fault leaves the collection as it was.
template <class I>
std::vector<I> ReadRecords(const LayoutValue& value, TReadContext& context, const TsRecordKind<I>& kind) {
  if (value.kind != LayoutValue::Kind::Collection)
    tk::FailValue(value, std::string("expected a collection, found ") + tk::DescribeKind(value.kind));
  std::vector<I> records(value.collection.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    TsPublished<I> face = FaceOf(records[i], kind);
    context.ReadProperties(face, value.collection[i].properties);
  }
  return records;
}

int ToInt(const LayoutValue& value) {
  const std::int64_t n = tk::ValueToInteger(value);
  if (n < INT_MIN || n > INT_MAX) tk::FailValue(value, "the number is out of range");
  return static_cast<int>(n);
}

TsControlBevel ToBevel(const LayoutValue& value) {
  static const std::vector<std::pair<std::string, int>> names = {
      {"cbNone", static_cast<int>(TsControlBevel::cbNone)},
      {"cbRaisedSoft", static_cast<int>(TsControlBevel::cbRaisedSoft)},
      {"cbLoweredSoft", static_cast<int>(TsControlBevel::cbLoweredSoft)},
      {"cbRaisedHard", static_cast<int>(TsControlBevel::cbRaisedHard)},
      {"cbLoweredHard", static_cast<int>(TsControlBevel::cbLoweredHard)}};
  return static_cast<TsControlBevel>(tk::ValueToEnum(value, names));
}

TvxImgType ToImgType(const LayoutValue& value) {
  static const std::vector<std::pair<std::string, int>> names = {
      {"itisaBorder", static_cast<int>(TvxImgType::itisaBorder)},
      {"itisaTexture", static_cast<int>(TvxImgType::itisaTexture)},
      {"itisaGlyph", static_cast<int>(TvxImgType::itisaGlyph)}};
  return static_cast<TvxImgType>(tk::ValueToEnum(value, names));
}

// The property table of one record class.
template <class S>
class TsRecordClass {
public:
  using Face = TsPublished<S>;

  TsRecordClass(tk::TClassRegistry& registry, const char* className)
      : builder_(registry.Register<Face>(className, "TPersistent")) {}

  TsRecordClass& Property(const char* name, std::function<void(S&, const LayoutValue&)> apply) {
    builder_.Custom(name, [apply = std::move(apply)](Face& face, const LayoutValue& v, TReadContext&) {
      apply(face.Record, v);
    });
    return *this;
  }
  TsRecordClass& Int(const char* name, int S::*field) {
    return Property(name, [field](S& s, const LayoutValue& v) { s.*field = ToInt(v); });
  }
  TsRecordClass& Text(const char* name, std::string S::*field) {
    return Property(name, [field](S& s, const LayoutValue& v) { s.*field = tk::ValueToString(v); });
  }
  TsRecordClass& Color(const char* name, TColor S::*field) {
    return Property(name, [field](S& s, const LayoutValue& v) { s.*field = tk::ValueToColor(v); });
  }
  TsRecordClass& Flag(const char* name, bool S::*field) {
    return Property(name, [field](S& s, const LayoutValue& v) { s.*field = tk::ValueToBoolean(v); });
  }
  TsRecordClass& Bevel(const char* name, TsControlBevel S::*field) {
    return Property(name, [field](S& s, const LayoutValue& v) { s.*field = ToBevel(v); });
  }
  // "Image.Data" and the like: the record's picture as a sub-object.
  TsRecordClass& Picture(const char* name) {
    builder_.Object(name, &Face::Picture);
    return *this;
  }
  template <class I>
  TsRecordClass& Records(const char* name, std::vector<I> S::*field, TsRecordKind<I> kind) {
    builder_.Custom(name, [field, kind](Face& face, const LayoutValue& v, TReadContext& context) {
      face.Record.*field = ReadRecords(v, context, kind);
    });
    return *this;
  }

private:
  tk::TClassRegistry::Builder<Face> builder_;
};

constexpr TsRecordKind<TsSkinGeneral> kGeneralKind{"TsSkinGeneral"};
constexpr TsRecordKind<TsSkinImage> kImageKind{"TsSkinImage", &TsSkinImage::Image, &tk::DecodeBmp};
constexpr TsRecordKind<TsSkinPattern> kPatternKind{"TsSkinPattern", &TsSkinPattern::Image, &tk::DecodeJpeg};
constexpr TsRecordKind<TsStoredSkin> kStoredSkinKind{"TsStoredSkin", &TsStoredSkin::MasterBitmap, &tk::DecodeBmp};

void RegisterLegacyItems(tk::TClassRegistry& registry) {
  TsRecordClass<TsSkinGeneral>(registry, kGeneralKind.className)
      .Text("SectionName", &TsSkinGeneral::SectionName)
      .Text("ParentClass", &TsSkinGeneral::ParentClass)
      .Color("Color", &TsSkinGeneral::Color)
      .Bevel("Bevel", &TsSkinGeneral::Bevel)
      .Int("ShadowBlur", &TsSkinGeneral::ShadowBlur)
      .Color("ShadowColor", &TsSkinGeneral::ShadowColor)
      .Flag("ShadowDontUse", &TsSkinGeneral::ShadowDontUse)
      .Flag("ShadowEnabled", &TsSkinGeneral::ShadowEnabled)
      .Flag("ReservedBoolean", &TsSkinGeneral::ReservedBoolean)
      .Int("ShadowOffset", &TsSkinGeneral::ShadowOffset)
      .Int("ShadowTransparency", &TsSkinGeneral::ShadowTransparency)
      .Text("FontColor", &TsSkinGeneral::FontColor)
      .Text("HotFontColor", &TsSkinGeneral::HotFontColor)
      .Int("Transparency", &TsSkinGeneral::Transparency)
      .Int("GradientPercent", &TsSkinGeneral::GradientPercent)
      .Text("GradientData", &TsSkinGeneral::GradientData)
      .Int("ImagePercent", &TsSkinGeneral::ImagePercent)
      .Flag("ShowFocus", &TsSkinGeneral::ShowFocus)
      .Flag("FadingEnabled", &TsSkinGeneral::FadingEnabled)
      .Int("FadingIntervalIn", &TsSkinGeneral::FadingIntervalIn)
      .Int("FadingIntervalOut", &TsSkinGeneral::FadingIntervalOut)
      .Int("FadingIterations", &TsSkinGeneral::FadingIterations)
      .Color("HotColor", &TsSkinGeneral::HotColor)
      .Int("HotTransparency", &TsSkinGeneral::HotTransparency)
      .Bevel("HotBevel", &TsSkinGeneral::HotBevel)
      .Int("HotGradientPercent", &TsSkinGeneral::HotGradientPercent)
      .Text("HotGradientData", &TsSkinGeneral::HotGradientData)
      .Int("HotImagePercent", &TsSkinGeneral::HotImagePercent)
      .Color("BorderColor1", &TsSkinGeneral::BorderColor1)
      .Color("BorderColor2", &TsSkinGeneral::BorderColor2)
      .Text("Name", &TsSkinGeneral::Name);

  TsRecordClass<TsSkinImage>(registry, kImageKind.className)
      .Text("SectionName", &TsSkinImage::SectionName)
      .Text("Name", &TsSkinImage::Name)
      .Text("PropertyName", &TsSkinImage::PropertyName)
      .Picture("Image")
      .Int("Left", &TsSkinImage::Left)
      .Int("Top", &TsSkinImage::Top)
      .Int("Right", &TsSkinImage::Right)
      .Int("Bottom", &TsSkinImage::Bottom)
      .Int("ImageCount", &TsSkinImage::ImageCount)
      .Int("MaskType", &TsSkinImage::MaskType)
      .Int("BorderWidth", &TsSkinImage::BorderWidth)
      .Int("StretchMode", &TsSkinImage::StretchMode)
      .Property("ImgType", [](TsSkinImage& s, const LayoutValue& v) { s.ImgType = ToImgType(v); })
      .Int("WL", &TsSkinImage::WL)
      .Int("WR", &TsSkinImage::WR)
      .Int("WT", &TsSkinImage::WT)
      .Int("WB", &TsSkinImage::WB);

  TsRecordClass<TsSkinPattern>(registry, kPatternKind.className)
      .Text("SectionName", &TsSkinPattern::SectionName)
      .Text("Name", &TsSkinPattern::Name)
      .Text("PropertyName", &TsSkinPattern::PropertyName)
      .Picture("Image");
}

}  // namespace

void RegisterStoredSkinClasses(tk::TClassRegistry& registry) {
  registry.Register<TsStoredPicture>("TsStoredPicture", "TPersistent")
      .Binary("Data", [](TsStoredPicture& picture, const std::vector<std::uint8_t>& bytes) { picture.LoadData(bytes); });
  RegisterLegacyItems(registry);
  TsRecordClass<TsStoredSkin>(registry, kStoredSkinKind.className)
      .Property("Name", [](TsStoredSkin& s, const LayoutValue& v) { s.SetName(tk::ValueToString(v)); })
      .Records("GeneralData", &TsStoredSkin::GeneralData, kGeneralKind)
      .Records("Images", &TsStoredSkin::Images, kImageKind)
      .Records("Patterns", &TsStoredSkin::Patterns, kPatternKind)
      .Picture("MasterBitmap")
      .Color("Shadow1Color", &TsStoredSkin::Shadow1Color)
      .Int("Shadow1Offset", &TsStoredSkin::Shadow1Offset)
      .Int("Shadow1Blur", &TsStoredSkin::Shadow1Blur)
      .Int("Shadow1Transparency", &TsStoredSkin::Shadow1Transparency)
      .Color("BorderColor", &TsStoredSkin::BorderColor)
      .Property("Version", [](TsStoredSkin& s, const LayoutValue& v) { s.Version = tk::ValueToFloat(v); })
      .Text("Author", &TsStoredSkin::Author)
      .Text("Description", &TsStoredSkin::Description)
      // The packed skin, tens of kilobytes: the parser has already turned
      // the digits into bytes, which are copied once into the stream.
      .Property("Data", [](TsStoredSkin& s, const LayoutValue& v) {
        if (v.kind != LayoutValue::Kind::Binary)
          tk::FailValue(v, std::string("expected binary data, found ") + tk::DescribeKind(v.kind));
        s.Data.LoadFromBytes(v.bytes.data(), v.bytes.size());
      });
}

void ReadStoredSkins(TsStoredSkins& skins, const LayoutValue& value, TReadContext& context) {
  if (value.kind != LayoutValue::Kind::Collection)
    tk::FailValue(value, std::string("expected a collection, found ") + tk::DescribeKind(value.kind));
  TsStoredSkins read;
  for (const tk::LayoutItem& item : value.collection) {
    TsPublished<TsStoredSkin> face = FaceOf(read.Add(), kStoredSkinKind);
    context.ReadProperties(face, item.properties);
  }
  skins = std::move(read);
}

}  // namespace skin
