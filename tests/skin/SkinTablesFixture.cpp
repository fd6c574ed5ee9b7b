#include "SkinTablesFixture.h"

#include <stdexcept>

#include "ImageFixtures.h"

namespace fixtures {

std::uint32_t MasterColour(int x, int y) {
  return static_cast<std::uint32_t>(0x000010 + (x * 2) % 256 + ((y * 2) % 256 << 8) + (0x40 << 16));
}

Bytes MasterBmp() { return MakeBmp24(MakePicture(120, 110, MasterColour)); }

Bytes PlainBmp(int w, int h, std::uint32_t colour) {
  return MakeBmp24(MakePicture(w, h, [&](int, int) { return colour; }));
}

LoadedSkin::LoadedSkin(const std::string& options, std::vector<PackedMember> images, const SkinOptions& extra) {
  images.insert(images.begin(), PackedMember{"Options.dat", ToBytes(options)});
  const Bytes container = MakePackage(images);
  data_.LoadFromBytes(container.data(), container.size());
  package_.SetPackedData(&data_);
  package_.ExtractPackedData();
  const skin::TsIniDocument ini(package_.Options->AsText());
  const skin::TsIniDocument common(extra.common, "1.tmp");
  skin::TsLoadSource source;
  source.Options = &ini;
  source.Package = &package_;
  source.Common = extra.common.empty() ? nullptr : &common;
  source.FileSystem = extra.fileSystem;
  tables.SkinData.SkinPath = extra.skinPath;
  source.HueOffset = extra.hue;
  source.Saturation = extra.saturation;
  source.MaxDecodedBytes = extra.maxDecodedBytes;
  tables.Load(source);
}

const skin::TsGeneralData& LoadedSkin::Gd(const char* name) const {
  const int i = tables.IndexOfSection(name);
  if (i < 0) throw std::runtime_error(std::string("no section ") + name);
  return tables.gd[static_cast<std::size_t>(i)];
}

}  // namespace fixtures
