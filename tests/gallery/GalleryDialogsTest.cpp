// The gallery's system dialogs while a skin is applied, as a person meets
// them: the message box, the file-open dialog and the colour dialog come up
// skinned (frame and background from the skin, their buttons wrapped) and
// work under the real mouse and keyboard; removing the skin gives every
// adopted window its procedure back; opening and closing them again and
// again leaves no GDI objects or windows behind.
//
// The dialogs are modal: what the test does while one is up runs in steps
// from a timer that the dialog's own message loop dispatches.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "GalleryFixture.h"
#include "WindowTestSupport.h"
#include "gallery/GalleryDialogs.h"
#include "gallery/GalleryForm.h"
#include "gallery/GallerySkins.h"
#include "skin/controls/adapters/vxBtnWnd.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/dialogs/vxDialogHook.h"
#include "skin/dialogs/vxDialogWnd.h"
#include "skin/dialogs/vxProvider.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/GdiObjects.h"

namespace {

using namespace std::chrono_literals;
using namespace dialogfix;

// What the wrapper's cache must hold below the title bar: the dialog's
// section painted over the whole window.
tk::Bitmap SectionPicture(skin::TvxDialogWnd& wrapper, int width, int height) {
  tk::Bitmap picture(width, height, tk::PixelFormat::pf24bit);
  const skin::TsPaintColorsReset reset;
  skin::PaintSection(*wrapper.SkinData(), skin::CacheInfo{}, true, true, &picture, {0, 0}, {0, 0, width, height},
                     wrapper.Active() ? 1 : 0);
  return picture;
}

bool IsSubclassed(HWND w) {
  return GetWindowLongPtrW(w, GWLP_WNDPROC) != static_cast<LONG_PTR>(GetClassLongPtrW(w, GCLP_WNDPROC));
}

// The gallery fixture, with the skin switched on again before each test:
// one of them removes it.
class GalleryDialogsTest : public galleryfix::GalleryTest {
protected:
  void SetUp() override {
    form->Manager().SetActive(true);
    GalleryTest::SetUp();
  }
  // Clicks a button of the dialog with the real mouse.
  static void ClickDialogButton(HWND dialog, int id) {
    testing_support::ClickAt(CentreOnScreen(GetDlgItem(dialog, id)));
  }
};

TEST_F(GalleryDialogsTest, MessageBoxComesUpSkinnedAndItsOkButtonWorks) {
  for (const char* skinName : {gallery::kEmberStyle, gallery::kGlacier}) {
    form->UseSkin(skinName);
    HWND dialog = nullptr;
    int answer = 0;
    ModalSteps steps({
        [&] { return DialogShownSkinned(dialog); },
        [&] {
          skin::TvxDialogWnd& wrapper = *SkinnedDialog(dialog);
          const tk::Bitmap& cache = *wrapper.SkinData()->Cache();
          const skin::TvxDialogMetrics fm = wrapper.Metrics();
          EXPECT_EQ(wrapper.FrameKind(), skin::fkModalFrame) << skinName;
          EXPECT_EQ(fm.frameWidth, GetSystemMetrics(SM_CXDLGFRAME));
          // A message box has a close button only, and no system-menu style
          // left for the platform to draw its own.
          EXPECT_GT(wrapper.Button(HTCLOSE)->Rect.Width(), 0);
          EXPECT_EQ(wrapper.Button(HTMAXBUTTON)->Rect.Width(), 0);
          EXPECT_EQ(wrapper.Button(HTMINBUTTON)->Rect.Width(), 0);
          EXPECT_FALSE(GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU);
          // Below the title bar the cache is the dialog's section.
          const tk::Bitmap section = SectionPicture(wrapper, cache.Width(), cache.Height());
          EXPECT_EQ(Differing(cache, section, {0, fm.topStrip, cache.Width(), cache.Height()}), 0) << skinName;
          // The screen shows the cache: the whole frame and the client area
          // at its top-left corner (no child window there).
          const tk::Bitmap screen = CaptureWindow(dialog);
          EXPECT_EQ(Differing(screen, cache, {0, 0, fm.width, fm.topStrip}, dialog), 0) << skinName << ": title bar";
          EXPECT_EQ(Differing(screen, cache, {0, fm.height - fm.frameHeight, fm.width, fm.height}, dialog), 0) << skinName;
          EXPECT_EQ(Differing(screen, cache, {fm.clientOffsetX, fm.clientOffsetY, fm.clientOffsetX + 6, fm.clientOffsetY + 6}), 0)
              << skinName << ": client background";
          // Its buttons are wrapped.
          for (int id : {IDOK, IDCANCEL}) {
            const HWND button = GetDlgItem(dialog, id);
            EXPECT_NE(dynamic_cast<skin::TvxBtnWnd*>(skin::TvxMainWnd::Of(button)), nullptr) << id;
            EXPECT_TRUE(skin::QueryWindowSkinFlag(button, skin::SCMD_IS_SKINNED));
          }
          ClickDialogButton(dialog, IDOK);
          return true;
        },
    });
    answer = gallery::ShowMessageBox(form->Handle());
    EXPECT_FALSE(steps.TimedOut()) << skinName;
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(answer, IDOK) << skinName;
  }
}

TEST_F(GalleryDialogsTest, SkinnedCloseButtonClosesTheMessageBox) {
  HWND dialog = nullptr;
  ModalSteps steps({
      [&] { return DialogShownSkinned(dialog); },
      [&] {
        const skin::TRect r = SkinnedDialog(dialog)->Button(HTCLOSE)->Rect;
        RECT window{};
        GetWindowRect(dialog, &window);
        testing_support::ClickAt({window.left + (r.Left + r.Right) / 2, window.top + (r.Top + r.Bottom) / 2});
        return true;
      },
  });
  EXPECT_EQ(gallery::ShowMessageBox(form->Handle()), IDCANCEL);
  EXPECT_FALSE(steps.TimedOut());
}

TEST_F(GalleryDialogsTest, FileOpenDialogListsAndOpensAFile) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "gk-dialogs-test";
  std::filesystem::create_directories(folder);
  const std::filesystem::path file = folder / "gkpicked.txt";
  std::ofstream(file) << "a file the dialog lists\n";
  wchar_t saved[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, saved);
  SetCurrentDirectoryW(folder.wstring().c_str());
  HWND dialog = nullptr;
  HWND list = nullptr;
  int item = -1;
  ModalSteps steps({
      [&] { return DialogShownSkinned(dialog); },
      [&] {
        list = DescendantOfClass(dialog, L"SysListView32");
        if (!list) return false;
        LVFINDINFOW find{};
        find.flags = LVFI_PARTIAL | LVFI_STRING;
        find.psz = L"gkpicked";
        item = ListView_FindItem(list, -1, &find);
        return item >= 0;
      },
      [&] {
        // The list is wrapped, as the dialog's other children.
        EXPECT_NE(skin::TvxMainWnd::Of(list), nullptr);
        // The sizable dialog's bottom border is thicker than its frame
        // metric: the skin's client background still starts where the
        // client area does.
        const skin::TvxDialogMetrics fm = SkinnedDialog(dialog)->Metrics();
        RECT window{};
        GetWindowRect(dialog, &window);
        POINT origin{0, 0};
        ClientToScreen(dialog, &origin);
        EXPECT_EQ(fm.clientOffsetY, origin.y - window.top);
        EXPECT_EQ(fm.topStrip, origin.y - window.top);
        RECT r{};
        ListView_GetItemRect(list, item, &r, LVIR_LABEL);
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(list, &p);
        testing_support::MoveMouseTo(p);
        for (int i = 0; i < 2; ++i) {
          testing_support::LeftButtonDown();
          testing_support::LeftButtonUp();
        }
        return true;
      },
  });
  // The gallery's own button, clicked as a person does.
  testing_support::ClickAt(testing_support::ScreenPointOf(*form, 635, 100));
  testing_support::PumpUntil([&] { return steps.AllDone() && !VisibleDialog(); }, 25s);
  SetCurrentDirectoryW(saved);
  EXPECT_FALSE(steps.TimedOut());
  EXPECT_EQ(std::filesystem::path(form->OpenedFile()).filename(), file.filename());
  std::filesystem::remove_all(folder);
}

TEST_F(GalleryDialogsTest, ColourDialogComesUpSkinnedAndCloses) {
  HWND dialog = nullptr;
  ModalSteps steps({
      [&] { return DialogShownSkinned(dialog); },
      [&] {
        EXPECT_NE(dynamic_cast<skin::TvxBtnWnd*>(skin::TvxMainWnd::Of(GetDlgItem(dialog, IDCANCEL))), nullptr);
        ClickDialogButton(dialog, IDOK);
        return true;
      },
  });
  EXPECT_EQ(gallery::ChooseColour(form->Handle(), RGB(200, 120, 40)), static_cast<long>(RGB(200, 120, 40)));
  EXPECT_FALSE(steps.TimedOut());
}

TEST_F(GalleryDialogsTest, RemovingTheSkinGivesAdoptedWindowsTheirProceduresBack) {
  HWND dialog = nullptr;
  ModalSteps steps({
      [&] { return DialogShownSkinned(dialog); },
      [&] {
        const HWND ok = GetDlgItem(dialog, IDOK);
        EXPECT_TRUE(IsSubclassed(dialog));
        EXPECT_TRUE(IsSubclassed(ok));
        form->Manager().SetActive(false);
        EXPECT_FALSE(IsSubclassed(dialog));
        EXPECT_FALSE(IsSubclassed(ok));
        EXPECT_EQ(skin::TvxMainWnd::Of(dialog), nullptr);
        EXPECT_EQ(skin::TvxMainWnd::Of(ok), nullptr);
        EXPECT_EQ(skin::DialogProviderOf(dialog), nullptr);
        // The platform's frame is back, with its own close button.
        EXPECT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU);
        return true;
      },
      [&] {
        // The plain dialog still works.
        ClickDialogButton(dialog, IDOK);
        return true;
      },
  });
  EXPECT_EQ(gallery::ShowMessageBox(form->Handle()), IDOK);
  EXPECT_FALSE(steps.TimedOut());
  form->Manager().SetActive(true);
}

TEST_F(GalleryDialogsTest, RepeatedDialogsLeaveNoGdiObjectsOrWindows) {
  auto openAndClose = [&] {
    HWND dialog = nullptr;
    ModalSteps steps({
        [&] { return DialogShownSkinned(dialog); },
        [&] {
          testing_support::PressKey(VK_RETURN);
          return true;
        },
    });
    EXPECT_EQ(gallery::ShowMessageBox(form->Handle()), IDOK);
    return !steps.TimedOut();
  };
  ASSERT_TRUE(openAndClose());
  testing_support::PumpPending();
  const DWORD gdiBefore = testing_support::GdiObjectCount();
  const std::size_t windowsBefore = testing_support::ThreadWindows().size();
  for (int i = 0; i < 15; ++i) ASSERT_TRUE(openAndClose()) << i;
  testing_support::PumpPending();
  EXPECT_EQ(testing_support::GdiObjectCount(), gdiBefore);
  EXPECT_EQ(testing_support::ThreadWindows().size(), windowsBefore);
}

}  // namespace
