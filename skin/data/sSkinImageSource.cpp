#include "sSkinImageSource.h"

#include "sSkinFileSystem.h"
#include "toolkit/core/BmpCodec.h"
#include "toolkit/core/JpegCodec.h"
#include "vxSkinPack.h"

namespace skin {

bool TsSkinImageSource::FileBytes(std::string_view name, std::vector<std::uint8_t>& bytes) const {
  if (name.empty()) return false;
  const std::string path = name.find(':') != std::string_view::npos ? std::string(name) : skinPath_ + std::string(name);
  return fs_.ReadFile(path, bytes);
}

std::optional<tk::Bitmap> TsSkinImageSource::Decode(std::string_view name, bool filesOnly, Decoder decode) const {
  std::vector<std::uint8_t> fileBytes;
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  if (package_ && !filesOnly) {
    // Read in place: a member can be hundreds of kilobytes.
    const TvxImageItem* item = package_->FindFile(name);
    if (!item || !item->Data) return std::nullopt;
    data = item->Data->Memory();
    size = item->Data->Size();
  } else {
    if (!FileBytes(name, fileBytes)) return std::nullopt;
    data = fileBytes.data();
    size = fileBytes.size();
  }
  try {
    return decode(data, size);
  } catch (const tk::EInvalidGraphic&) {
    return std::nullopt;
  }
}

std::optional<tk::Bitmap> TsSkinImageSource::Bitmap(std::string_view name) const {
  return Decode(name, false, &tk::DecodeBmp);
}

std::optional<tk::Bitmap> TsSkinImageSource::Jpeg(std::string_view name, bool filesOnly) const {
  return Decode(name, filesOnly, &tk::DecodeJpeg);
}

}  // namespace skin
