// skin_dialogs_golden: takes the skinned message box in both internal skins
// into dialogs-golden/<skin>/message-box.png (run under Wine in a prefix
// with Wine's own fonts; scripts/golden.sh does it).
#include <cstdio>
#include <exception>

#include "DialogGolden.h"
#include "GoldenFiles.h"
#include "WindowTestSupport.h"
#include "gallery/GalleryForm.h"
#include "toolkit/win/Application.h"

int main() {
  using namespace dialogfix;
  try {
    tk::Application().Initialize();
    auto* form = tk::Application().CreateForm<gallery::TGalleryForm>();
    form->Show();
    if (!testing_support::BringToFront(form->Handle())) {
      std::fprintf(stderr, "skin_dialogs_golden: the gallery could not be brought to the front\n");
      return 1;
    }
    int written = 0;
    for (const DialogGoldenSkin& skin : DialogGoldenSkins()) {
      const DialogPicture shot = MessageBoxPicture(*form, skin);
      if (!shot.taken) {
        std::fprintf(stderr, "skin_dialogs_golden: no skinned message box in %s\n", skin.folder);
        return 1;
      }
      paintfix::WritePng(DialogGoldenPath(skin, "message-box"), shot.picture);
      ++written;
    }
    tk::TComponent::Free(form);
    std::printf("%d pictures written\n", written);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin_dialogs_golden: %s\n", e.what());
    return 1;
  }
  return 0;
}
