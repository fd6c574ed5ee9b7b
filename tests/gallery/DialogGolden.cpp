#include "DialogGolden.h"

#include <cstdint>

#include "DialogTestSupport.h"
#include "WindowTestSupport.h"
#include "gallery/GalleryDialogs.h"
#include "gallery/GalleryForm.h"
#include "gallery/GallerySkins.h"
#include "skin/data/sSkinManager.h"
#include "skin/dialogs/vxDialogWnd.h"
#include "skin/dialogs/vxProvider.h"
#include "toolkit/win/GdiObjects.h"

namespace dialogfix {

namespace {

// The band of a child window that holds its text, in the dialog's
// window coordinates.
RECT BandOf(HWND child, const RECT& dialog, int inset) {
  RECT r{};
  GetWindowRect(child, &r);
  OffsetRect(&r, -dialog.left, -dialog.top);
  InflateRect(&r, -inset, -inset);
  return r;
}

void ClearOutsideRegion(HWND window, tk::Bitmap& picture) {
  tk::TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, region.Get()) == ERROR) return;
  for (int y = 0; y < picture.Height(); ++y) {
    std::uint8_t* row = picture.ScanLine(y);
    for (int x = 0; x < picture.Width(); ++x)
      if (!PtInRegion(region.Get(), x, y)) {
        row[3 * x] = 0xFF;
        row[3 * x + 1] = 0;
        row[3 * x + 2] = 0xFF;
      }
  }
}

DialogPicture TakePicture(HWND dialog) {
  DialogPicture shot;
  RECT r{};
  GetWindowRect(dialog, &r);
  testing_support::MoveMouseTo({r.right + 30, r.bottom + 30});
  testing_support::PumpPending();
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  testing_support::PumpPending();
  shot.picture = CaptureWindow(dialog);
  ClearOutsideRegion(dialog, shot.picture);
  // The caption: from the title icon to the caption buttons.
  skin::TvxDialogWnd& wrapper = *SkinnedDialog(dialog);
  const skin::TvxDialogMetrics fm = wrapper.Metrics();
  shot.textBands.push_back({fm.frameWidth, 0, fm.width - fm.frameWidth - wrapper.ButtonsWidth(), fm.topStrip});
  for (HWND child = GetTopWindow(dialog); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    const std::wstring cls = skin::WindowClassName(child);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    // The message text and the buttons' captions; the icon is no text.
    if (cls == L"Static" && (style & SS_TYPEMASK) != SS_ICON) shot.textBands.push_back(BandOf(child, r, 0));
    if (cls == L"Button") shot.textBands.push_back(BandOf(child, r, 3));
  }
  shot.taken = true;
  return shot;
}

}  // namespace

const std::vector<DialogGoldenSkin>& DialogGoldenSkins() {
  static const std::vector<DialogGoldenSkin> skins{{gallery::kEmberStyle, "EmberStyle"}, {gallery::kGlacier, "Glacier"}};
  return skins;
}

DialogPicture MessageBoxPicture(gallery::TGalleryForm& form, const DialogGoldenSkin& skin) {
  form.Manager().SetActive(true);
  form.UseSkin(skin.skin);
  testing_support::PumpPending();
  DialogPicture shot;
  HWND dialog = nullptr;
  ModalSteps steps({
      [&] { return DialogShownSkinned(dialog); },
      [&] {
        shot = TakePicture(dialog);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return true;
      },
  });
  gallery::ShowMessageBox(form.Handle());
  if (steps.TimedOut()) shot.taken = false;
  return shot;
}

std::string DialogGoldenPath(const DialogGoldenSkin& skin, const std::string& name) {
  return std::string(GK_DIALOGS_GOLDEN_DIR) + "/" + skin.folder + "/" + name + ".png";
}

std::string DialogActualPath(const DialogGoldenSkin& skin, const std::string& name) {
  return std::string(GK_DIALOGS_ACTUAL_DIR) + "/" + skin.folder + "/" + name + ".png";
}

}  // namespace dialogfix
