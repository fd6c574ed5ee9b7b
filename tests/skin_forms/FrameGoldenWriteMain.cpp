// skin_forms_golden: renders every frame case from both internal skins into
// <folder>/<skin>/<case>.png (run under Wine; scripts/golden.sh does it).
#include <cstdio>
#include <exception>

#include "FrameGoldenCases.h"
#include "GoldenFiles.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skin_forms_golden <folder>\n");
    return 2;
  }
  using namespace formfix;
  try {
    SkinnedFrame frame;
    int written = 0;
    for (const GoldenSkin& skin : GoldenSkins())
      for (const FrameGoldenCase& c : FrameGoldenCases()) {
        paintfix::WritePng(std::string(argv[1]) + "/" + skin.folder + "/" + c.name + ".png",
                           PaintFrameCase(frame, c, skin).picture);
        ++written;
      }
    std::printf("%d reference pictures written to %s\n", written, argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin_forms_golden: %s\n", e.what());
    return 1;
  }
  return 0;
}
