#include "sSkinImageSource.h"

#include "sSkinFileSystem.h"
#include "toolkit/core/BmpCodec.h"
#include "toolkit/core/JpegCodec.h"
#include "vxSkinPack.h"

namespace skin {

bool TsSkinImageSource::Bytes(std::string_view name, std::vector<std::uint8_t>& bytes) const {
  if (!package_) return FileBytes(name, bytes);
  const TvxImageItem* item = package_->FindFile(name);
  if (!item || !item->Data) return false;
  bytes = item->Data->Bytes();
  return true;
}

bool TsSkinImageSource::FileBytes(std::string_view name, std::vector<std::uint8_t>& bytes) const {
  if (name.empty()) return false;
  const std::string path = name.find(':') != std::string_view::npos ? std::string(name) : skinPath_ + std::string(name);
  return fs_.ReadFile(path, bytes);
}

std::optional<tk::Bitmap> TsSkinImageSource::Bitmap(std::string_view name) const {
  std::vector<std::uint8_t> bytes;
  if (!Bytes(name, bytes)) return std::nullopt;
  try {
    return tk::DecodeBmp(bytes.data(), bytes.size());
  } catch (const tk::EInvalidGraphic&) {
    return std::nullopt;
  }
}

std::optional<tk::Bitmap> TsSkinImageSource::Jpeg(std::string_view name, bool filesOnly) const {
  std::vector<std::uint8_t> bytes;
  if (!(filesOnly ? FileBytes(name, bytes) : Bytes(name, bytes))) return std::nullopt;
  try {
    return tk::DecodeJpeg(bytes.data(), bytes.size());
  } catch (const tk::EInvalidGraphic&) {
    return std::nullopt;
  }
}

}  // namespace skin
