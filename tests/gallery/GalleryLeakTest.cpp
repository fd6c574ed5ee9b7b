// Switching skins at run time leaves nothing behind: fifty changes of the
// gallery's skin chooser, each followed by a popup menu and a message box
// opened and closed, and the process's drawing objects (GDI) and window
// system objects (windows and menus) counted before and after.
#include <gtest/gtest.h>

#include <functional>

#include "GalleryFixture.h"
#include "gallery/GalleryDialogs.h"
#include "gallery/GalleryMenus.h"
#include "skin/controls/adapters/vxMainWnd.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/win/Menus.h"
#include "toolkit/win/StandardControls.h"

namespace {

class GalleryLeakTest : public galleryfix::GalleryTest {};

// Runs open() - a modal loop - and has close() tried every 20 ms from
// inside that loop until it reports that it closed what open() showed.
std::function<bool()>* pendingClose = nullptr;

void CALLBACK TryClose(HWND, UINT, UINT_PTR id, DWORD) {
  if (pendingClose && (*pendingClose)()) KillTimer(nullptr, id);
}

bool RunAndClose(const std::function<void()>& open, std::function<bool()> close) {
  bool closed = false;
  std::function<bool()> attempt = [&] { return closed = close(); };
  pendingClose = &attempt;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &TryClose);
  open();
  KillTimer(nullptr, timer);
  pendingClose = nullptr;
  return closed;
}

// The thread's shown dialog window (a message box), or none.
HWND ShownDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM out) {
        wchar_t cls[16] = L"";
        GetClassNameW(h, cls, 16);
        if (IsWindowVisible(h) && lstrcmpW(cls, L"#32770") == 0) {
          *reinterpret_cast<HWND*>(out) = h;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST_F(GalleryLeakTest, FiftySkinChangesWithMenusAndDialogsBetweenLeaveNoObjects) {
  // The counter sees one window and one menu come and go.
  const DWORD userBase = testing_support::UserObjectCount();
  const HMENU probeMenu = CreatePopupMenu();
  const HWND probeWindow = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, form->Handle(), nullptr, nullptr, nullptr);
  EXPECT_EQ(testing_support::UserObjectCount(), userBase + 2);
  DestroyWindow(probeWindow);
  DestroyMenu(probeMenu);
  ASSERT_EQ(testing_support::UserObjectCount(), userBase);

  // The gallery's own context menu, skinned while a skin is applied.
  tk::TPopupMenu* menu = &form->Menus().ContextMenu();
  tk::TComboBox& chooser = form->SkinChooser();
  ASSERT_GE(chooser.Count(), 2);
  int skinnedBoxes = 0;
  auto oneRound = [&](int round) {
    chooser.SetFocus();
    const bool down = chooser.ItemIndex() == 0;
    const std::string wanted = chooser.Item(down ? 1 : 0);
    testing_support::PressKey(down ? VK_DOWN : VK_UP);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return form->Manager().SkinName() == wanted; })) << round;
    const POINT at = testing_support::ScreenPointOf(*form, 300, 200);
    EXPECT_TRUE(RunAndClose([&] { menu->Popup(at.x, at.y); }, [] {
                              const HWND popup = FindWindowW(L"#32768", nullptr);
                              return popup && IsWindowVisible(popup) && EndMenu();
                            })) << round;
    EXPECT_TRUE(RunAndClose([&] { gallery::ShowMessageBox(form->Handle()); },
                            [&] {
                              const HWND box = ShownDialog();
                              if (!box) return false;
                              // The dialog skinning holds it by now.
                              skinnedBoxes += GetPropW(box, skin::kWrapperProperty) != nullptr;
                              return PostMessageW(box, WM_COMMAND, IDCANCEL, 0) != FALSE;
                            }))
        << round;
    testing_support::PumpPending();
  };
  // A first round makes what the first use of each skin, menu and dialog
  // makes once (cached fonts, the dialog's classes).
  oneRound(-2);
  oneRound(-1);
  const DWORD gdiBefore = testing_support::GdiObjectCount();
  const DWORD userBefore = testing_support::UserObjectCount();
  for (int round = 0; round < 50; ++round) oneRound(round);
  const DWORD gdiAfter = testing_support::GdiObjectCount();
  const DWORD userAfter = testing_support::UserObjectCount();
  RecordProperty("gdi_objects_before", static_cast<int>(gdiBefore));
  RecordProperty("gdi_objects_after", static_cast<int>(gdiAfter));
  RecordProperty("user_objects_before", static_cast<int>(userBefore));
  RecordProperty("user_objects_after", static_cast<int>(userAfter));
  std::printf("GDI objects %lu -> %lu, windows and menus %lu -> %lu over 50 changes\n",
              static_cast<unsigned long>(gdiBefore), static_cast<unsigned long>(gdiAfter),
              static_cast<unsigned long>(userBefore), static_cast<unsigned long>(userAfter));
  EXPECT_EQ(skinnedBoxes, 52) << "every message box is a skinned one";
  // One object kept per round would show as fifty.
  EXPECT_LE(gdiAfter, gdiBefore + 2);
  EXPECT_LE(userAfter, userBefore);
}

}  // namespace
