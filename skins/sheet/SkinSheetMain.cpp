// skinsheet: the contact sheet of a packed skin, drawn by the skin engine.
//
//   skinsheet <package.vxz> <title> <contact sheet.png>
//
// The package is loaded as the product loads an internal skin.
#include <cstdio>
#include <exception>
#include <fstream>
#include <stdexcept>

#include "SkinContactSheet.h"
#include "skin/data/sSkinManagerCore.h"
#include "toolkit/core/PngCodec.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: skinsheet <package.vxz> <title> <contact sheet.png>\n");
    return 2;
  }
  try {
    skin::TsSkinManagerCore core;
    auto& item = core.InternalSkins.Add();
    item.SetName("Sheet");
    item.Data.LoadFromFile(argv[1]);
    core.SkinName = "Sheet";
    if (core.LoadSkin() != skin::TsSkinLoadResult::Loaded) throw std::runtime_error("the package holds no skin");
    const std::vector<std::uint8_t> png = tk::EncodePng(skinsheet::RenderSkinContactSheet(core.Tables, argv[2]));
    std::ofstream out(argv[3], std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[3]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinsheet: %s\n", e.what());
    return 1;
  }
  return 0;
}
