// skin_menus_golden: renders every popup menu case from both internal skins
// into <folder>/<skin>/<case>.png (run under Wine; scripts/golden.sh does it).
#include "GoldenFiles.h"
#include "MenuGoldenCases.h"

int main(int argc, char** argv) {
  using namespace formfix;
  return RunGoldenWriter("skin_menus_golden", argc, argv, [](const std::string& folder, SkinnedFrame& frame) {
    int written = 0;
    for (const GoldenSkin& skin : GoldenSkins())
      for (const MenuGoldenCase& c : MenuGoldenCases()) {
        paintfix::WritePng(folder + "/" + skin.folder + "/" + c.name + ".png", PaintMenuCase(frame, c, skin).picture);
        ++written;
      }
    return written;
  });
}
