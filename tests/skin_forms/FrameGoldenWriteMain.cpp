// skin_forms_golden: renders every frame case from both internal skins into
// <folder>/<skin>/<case>.png (run under Wine; scripts/golden.sh does it).
#include "FrameGoldenCases.h"
#include "GoldenFiles.h"

int main(int argc, char** argv) {
  using namespace formfix;
  return RunGoldenWriter("skin_forms_golden", argc, argv, [](const std::string& folder, SkinnedFrame& frame) {
    int written = 0;
    for (const GoldenSkin& skin : GoldenSkins())
      for (const FrameGoldenCase& c : FrameGoldenCases()) {
        paintfix::WritePng(folder + "/" + skin.folder + "/" + c.name + ".png", PaintFrameCase(frame, c, skin).picture);
        ++written;
      }
    return written;
  });
}
