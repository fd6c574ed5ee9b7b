// gallery_screenshots: shows the gallery in each of its internal skins and
// writes what the screen shows of its window as the README's screenshots
// (<folder>/gallery-EmberStyle.png, gallery-Glacier.png). scripts/golden.sh
// runs it under Wine.
#include <cstdio>
#include <exception>
#include <string>

#include "GoldenFiles.h"
#include "ScreenPixels.h"
#include "WindowTestSupport.h"
#include "gallery/GalleryForm.h"
#include "gallery/GallerySkins.h"
#include "toolkit/win/Application.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gallery_screenshots <folder>\n");
    return 2;
  }
  try {
    tk::Application().Initialize();
    tk::Application().SetTitle("皮肤样例");
    auto* form = tk::Application().CreateForm<gallery::TGalleryForm>();
    form->Show();
    if (!testing_support::BringToFront(form->Handle())) throw std::runtime_error("the gallery did not come to the front");
    // The mouse away from the window: nothing is hot.
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    testing_support::MoveMouseTo({r.right + 40, r.bottom + 40});
    const struct {
      const char* skin;
      const char* file;
    } shots[] = {{gallery::kEmberStyle, "gallery-EmberStyle.png"}, {gallery::kGlacier, "gallery-Glacier.png"}};
    for (const auto& shot : shots) {
      form->UseSkin(shot.skin);
      testing_support::PumpPending();
      RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      testing_support::PumpPending();
      paintfix::WritePng(std::string(argv[1]) + "/" + shot.file, ctlfix::CaptureWindow(form->Handle()));
    }
    tk::TComponent::Free(form);
    std::printf("gallery screenshots written to %s\n", argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gallery_screenshots: %s\n", e.what());
    return 1;
  }
  return 0;
}
