// A packed skin as it would come from a file or a stored internal skin: the
// container reader, then the whole load (options, masks, patterns, sections)
// and the look-ups painting code would make on the result.
#include <cstddef>
#include <cstdint>
#include <exception>

#include "FuzzQuiet.h"
#include "skin/data/sSkinFileSystem.h"
#include "skin/data/sSkinManagerCore.h"

namespace {

constexpr std::size_t kLookedUpSections = 64;

class NoFiles final : public skin::TsSkinFileSystem {
public:
  bool FileExists(const std::string&) const override { return false; }
  bool DirectoryExists(const std::string&) const override { return false; }
  std::vector<skin::TsDirEntry> List(const std::string&) const override { return {}; }
  bool ReadFile(const std::string&, std::vector<std::uint8_t>&) const override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::SilenceSkinWarnings();
  static const NoFiles files;
  skin::TsSkinManagerCore core(&files);
  core.SetProgramFolder("C:\\Program\\");
  core.SetSkinDirectory("C:\\Skins");
  auto& item = core.InternalSkins.Add();
  item.SetName("Fuzz (internal)");
  item.Data.LoadFromBytes(data, size);
  core.SkinName = "Fuzz (internal)";
  core.HueOffset = size % 7 == 0 ? static_cast<int>(size % 360) : 0;
  try {
    if (core.LoadSkin() != skin::TsSkinLoadResult::Loaded) return 0;
  } catch (const std::exception&) {
    return 0;
  }
  skin::TsSkinTables& t = core.Tables;
  t.UpdateConstData();
  // Each look-up is linear in the tables; those of a few sections cover the
  // paths without making a skin of 10,000 sections quadratic here.
  for (std::size_t i = 0; i < t.gd.size() && i < kLookedUpSections; ++i) {
    const int index = static_cast<int>(i);
    const std::string& name = t.gd[i].SectionName;
    for (const char* key : {"BORDERSMASK", "PATTERN", "HOTPATTERN", "GLYPHMASK"}) {
      const int m = t.IndexOfMask(index, name, key);
      t.IndexOfTextureMask(index, name, key);
      t.IndexOfPattern(index, name, key);
      if (m >= 0) {
        t.MaskFrameSize(m);
        t.MaskWidthLeft(m);
        t.MaskWidthTop(m);
        t.MaskWidthRight(m);
        t.MaskWidthBottom(m);
      }
    }
  }
  t.GlobalColor();
  t.GlobalFontColor();
  t.GlobalHotColor();
  return 0;
}
