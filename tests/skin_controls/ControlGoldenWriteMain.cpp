// skinned_controls_golden: paints the reference pictures of the skinned
// controls anew into tests/skin_controls/golden/<skin>/ (scripts/golden.sh
// runs it under Wine, then the contact sheet shows them).
#include <cstdio>
#include <exception>

#include "ControlGolden.h"
#include "GoldenFiles.h"
#include "toolkit/win/Form.h"

int main() {
  using namespace ctlfix;
  GoldenHost host;
  try {
    if (!MakeGoldenHost(host)) {
      std::fprintf(stderr, "skinned_controls_golden: the form could not be brought to the front\n");
      return 1;
    }
    int written = 0;
    for (const char* skin : kGoldenSkins) {
      UseGoldenSkin(host, skin);
      for (const ControlGoldenCase& c : ControlGoldenCases()) {
        paintfix::WritePng(ControlGoldenPath(skin, c.name), PaintGoldenCase(host, c));
        ++written;
      }
    }
    tk::TComponent::Free(host.form);
    std::printf("%d pictures written\n", written);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinned_controls_golden: %s\n", e.what());
    return 1;
  }
  return 0;
}
