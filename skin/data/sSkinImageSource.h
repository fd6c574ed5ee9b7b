#pragma once
// Finding and decoding the pictures a skin names: members of its package, or
// files in its folder. A picture that is missing or does not decode is simply
// not there; the loaders then make no mask or pattern of it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/Bitmap.h"

namespace skin {

class TsSkinFileSystem;
class TvxSkinConvertor;

class TsSkinImageSource {
public:
  TsSkinImageSource(const TvxSkinConvertor* package, const TsSkinFileSystem& fileSystem, std::string skinPath)
      : package_(package), fs_(fileSystem), skinPath_(std::move(skinPath)) {}

  // The file skin path + name, or name alone when it holds a drive (":").
  bool FileBytes(std::string_view name, std::vector<std::uint8_t>& bytes) const;

  // From a package: the member whose upper-cased name equals name, decoded
  // where it lies. Otherwise the file (as FileBytes finds it).
  std::optional<tk::Bitmap> Bitmap(std::string_view name) const;
  std::optional<tk::Bitmap> Jpeg(std::string_view name, bool filesOnly) const;

private:
  using Decoder = tk::Bitmap (*)(const std::uint8_t* data, std::size_t size);
  std::optional<tk::Bitmap> Decode(std::string_view name, bool filesOnly, Decoder decode) const;

  const TvxSkinConvertor* package_;
  const TsSkinFileSystem& fs_;
  std::string skinPath_;
};

}  // namespace skin
