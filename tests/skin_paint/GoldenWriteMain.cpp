// skin_paint_golden: paints every reference case from both internal skins
// into <folder>/<skin>/<case>.png. The native build writes the portable
// cases; the Windows build (run under Wine) writes the text cases.
#include <cstdio>
#include <exception>

#include "GoldenCases.h"
#include "GoldenFiles.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skin_paint_golden <folder>\n");
    return 2;
  }
  using namespace paintfix;
  try {
#ifdef _WIN32
    const std::vector<GoldenCase>& cases = TextGoldenCases();
#else
    const std::vector<GoldenCase>& cases = PortableGoldenCases();
#endif
    int written = 0;
    for (Skin s : kSkins)
      for (const GoldenCase& c : cases) {
        WritePng(std::string(argv[1]) + "/" + SkinName(s) + "/" + c.name + ".png", c.paint(s));
        ++written;
      }
    std::printf("%d reference pictures written to %s\n", written, argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin_paint_golden: %s\n", e.what());
    return 1;
  }
  return 0;
}
