// skin_adapters_golden: paints the reference pictures of the wrapped
// windows anew into tests/skin_adapters/golden/<skin>/ (scripts/golden.sh
// runs it under Wine, then the contact sheet shows them).
#include <cstdio>
#include <exception>

#include "AdapterGolden.h"
#include "GoldenFiles.h"
#include "toolkit/win/Form.h"

int main() {
  using namespace adaptfix;
  ctlfix::GoldenHost host;
  try {
    if (!ctlfix::MakeGoldenHost(host)) {
      std::fprintf(stderr, "skin_adapters_golden: the form could not be brought to the front\n");
      return 1;
    }
    int written = 0;
    for (const char* skin : ctlfix::kGoldenSkins) {
      ctlfix::UseGoldenSkin(host, skin);
      for (const AdapterGoldenCase& c : AdapterGoldenCases()) {
        paintfix::WritePng(AdapterGoldenPath(skin, c.name), PaintAdapterCase(host, c));
        ++written;
      }
    }
    tk::TComponent::Free(host.form);
    std::printf("%d pictures written\n", written);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin_adapters_golden: %s\n", e.what());
    return 1;
  }
  return 0;
}
