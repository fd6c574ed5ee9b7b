// skin_paint_golden_sheet: the contact sheet of the reference pictures, for
// a person to look at before new references are committed: every picture of
// golden/<skin>/, the two skins side by side, labelled with its case.
//
//   skin_paint_golden_sheet <golden folder> <sheet.png> [title subtitle]
//
// (the skinned controls' pictures use the same sheet with their own title).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <set>

#include "GoldenFiles.h"
#include "PaintSkins.h"
#include "SheetCanvas.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: skin_paint_golden_sheet <golden folder> <sheet.png> [title subtitle]\n");
    return 2;
  }
  namespace fs = std::filesystem;
  using namespace paintfix;
  try {
    std::set<std::string> names;
    for (Skin s : kSkins)
      for (const auto& entry : fs::directory_iterator(fs::path(argv[1]) / SkinName(s)))
        if (entry.path().extension() == ".png") names.insert(entry.path().stem().string());
    skinsheet::SheetLayout layout;
    layout.title = argc == 5 ? argv[3] : "PAINTING PRIMITIVES";
    layout.subtitle = argc == 5 ? argv[4] : "REFERENCE PICTURES OF TESTS/SKIN_PAINT/GOLDEN, EACH CASE IN EMBERSTYLE, THEN GLACIER";
    layout.width = 1300;
    for (const std::string& name : names)
      for (Skin s : kSkins) {
        const std::optional<tk::Bitmap> picture = ReadPng((fs::path(argv[1]) / SkinName(s) / (name + ".png")).string());
        if (!picture) continue;
        const int scale = picture->Width() <= 300 && picture->Height() <= 200 ? 2 : 1;
        layout.tiles.push_back({*picture, scale, {name, SkinName(s) + std::string(scale == 2 ? ", X 2" : "")}});
      }
    WritePng(argv[2], skinsheet::RenderSheet(layout));
    std::printf("%zu pictures on %s\n", layout.tiles.size(), argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin_paint_golden_sheet: %s\n", e.what());
    return 1;
  }
  return 0;
}
