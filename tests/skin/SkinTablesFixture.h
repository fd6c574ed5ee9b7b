#pragma once
// Loading a skin made in the test: an options text plus image members, packed
// and read back, then loaded into tables.

#include <memory>
#include <string>
#include <vector>

#include "SkinFixtures.h"
#include "skin/data/sSkinTables.h"
#include "skin/data/vxSkinPack.h"

namespace fixtures {

struct SkinOptions {
  int hue = 0;
  int saturation = 0;
  std::string common;  // CommonSections text, empty for none
  const skin::TsSkinFileSystem* fileSystem = nullptr;
  std::string skinPath;
  std::size_t maxDecodedBytes = skin::kMaxDecodedSkinBytes;
};

// Pixel (x, y) of the test master bitmap: distinct, non-grey colours.
std::uint32_t MasterColour(int x, int y);
// Master.bmp of 120 x 110 pixels with MasterColour.
Bytes MasterBmp();
// A 24-bit bitmap file of w x h pixels in one colour.
Bytes PlainBmp(int w, int h, std::uint32_t colour);

class LoadedSkin {
public:
  LoadedSkin(const std::string& options, std::vector<PackedMember> images, const SkinOptions& extra = {});
  skin::TsSkinTables tables;

  int Section(const char* name) const { return tables.IndexOfSection(name); }
  const skin::TsGeneralData& Gd(const char* name) const;
  int Mask(const char* section, const char* key) const {
    return tables.IndexOfMask(tables.IndexOfSection(section), section, key);
  }

private:
  skin::TvxSkinConvertor package_;
  tk::MemoryStream data_;
};

}  // namespace fixtures
