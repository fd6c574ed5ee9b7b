// The child windows of the platform's file-open and colour dialogs while a
// skin is applied: every child the dialog-child rules give a wrapper has
// that wrapper, the windows painted from a wrapper's cache show that cache
// on the screen wherever nothing lies over them, and the dialogs still do
// their work (a file listed and opened, a colour picked).
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <typeindex>
#include <vector>

#include "DialogTestSupport.h"
#include "GalleryFixture.h"
#include "GoldenFiles.h"
#include "WindowTestSupport.h"
#include "gallery/GalleryDialogs.h"
#include "gallery/GalleryForm.h"
#include "gallery/GallerySkins.h"
#include "skin/controls/adapters/vxBtnWnd.h"
#include "skin/controls/adapters/vxCheckBoxWnd.h"
#include "skin/controls/adapters/vxComboBoxWnd.h"
#include "skin/controls/adapters/vxDialogChildRules.h"
#include "skin/controls/adapters/vxEditWnd.h"
#include "skin/controls/adapters/vxGroupBoxWnd.h"
#include "skin/controls/adapters/vxListViewWnd.h"
#include "skin/controls/adapters/vxSizerWnd.h"
#include "skin/controls/adapters/vxSpinWnd.h"
#include "skin/controls/adapters/vxStaticWnd.h"
#include "skin/controls/adapters/vxToolBarWnd.h"
#include "skin/dialogs/vxDialogWnd.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/data/sSkinManager.h"
#include "skin/dialogs/vxProvider.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Unicode.h"

namespace {

using namespace dialogfix;
using K = skin::TvxWrapperKind;

// The wrapper class each kind of the rules stands for.
const std::map<K, std::type_index>& WrapperClasses() {
  static const std::map<K, std::type_index> classes{
      {K::Static, typeid(skin::TvxStaticWnd)},       {K::Icon, typeid(skin::TvxIconWnd)},
      {K::TransPanel, typeid(skin::TvxTransPanelWnd)}, {K::GroupBox, typeid(skin::TvxGroupBoxWnd)},
      {K::CheckBox, typeid(skin::TvxCheckBoxWnd)},   {K::Button, typeid(skin::TvxBtnWnd)},
      {K::ComboBox, typeid(skin::TvxComboBoxWnd)},   {K::Edit, typeid(skin::TvxEditWnd)},
      {K::Sizer, typeid(skin::TvxSizerWnd)},         {K::ListView, typeid(skin::TvxListViewWnd)},
      {K::Spin, typeid(skin::TvxSpinWnd)},           {K::Link, typeid(skin::TvxLinkWnd)},
      {K::ToolBar, typeid(skin::TvxToolBarWnd)},     {K::TreeView, typeid(skin::TvxTreeViewWnd)},
  };
  return classes;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(
      parent,
      [](HWND w, LPARAM p) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string Describe(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  std::ostringstream s;
  s << tk::WideToUtf8(skin::WindowClassName(w)) << " id " << GetDlgCtrlID(w) << " style 0x" << std::hex
    << GetWindowLongW(w, GWL_STYLE) << std::dec << " " << r.right - r.left << "x" << r.bottom - r.top;
  return s.str();
}

// Every child the rules give a wrapper, without the wrapper they name.
std::vector<std::string> UnwrappedChildren(HWND dialog) {
  std::vector<std::string> missing;
  for (HWND child : Descendants(dialog)) {
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (!(style & WS_CHILD)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    const skin::TvxDialogChildRule rule =
        skin::ChooseDialogChildWrapper(skin::WindowClassName(child), style, r.right - r.left, r.bottom - r.top);
    if (rule.wrapper == K::None) continue;
    skin::TvxMainWnd* wrapper = skin::TvxMainWnd::Of(child);
    if (!wrapper || std::type_index(typeid(*wrapper)) != WrapperClasses().at(rule.wrapper))
      missing.push_back(Describe(child) + (wrapper ? ": another wrapper" : ": no wrapper"));
  }
  return missing;
}

// Where a window shows on the screen: its rectangle inside each ancestor's
// client area, without the visible windows that may lie over it (its
// children and the siblings of it and of each ancestor), in screen
// coordinates.
tk::TGdiObject<HRGN> ShownRegion(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  tk::TGdiObject<HRGN> shown(CreateRectRgnIndirect(&r));
  auto subtract = [&](HWND other) {
    RECT o{};
    if (!IsWindowVisible(other) || !GetWindowRect(other, &o)) return;
    tk::TGdiObject<HRGN> cut(CreateRectRgnIndirect(&o));
    CombineRgn(shown.Get(), shown.Get(), cut.Get(), RGN_DIFF);
  };
  for (HWND child = GetTopWindow(w); child; child = GetWindow(child, GW_HWNDNEXT)) subtract(child);
  for (HWND level = w; GetWindowLongW(level, GWL_STYLE) & WS_CHILD; level = GetParent(level)) {
    // Siblings without clipping paint over each other in the order they
    // paint: where two overlap neither is sure to show.
    for (HWND sibling = GetTopWindow(GetParent(level)); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
      if (sibling != level) subtract(sibling);
    const HWND parent = GetParent(level);
    RECT client{};
    GetClientRect(parent, &client);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
    tk::TGdiObject<HRGN> inside(CreateRectRgnIndirect(&client));
    CombineRgn(shown.Get(), shown.Get(), inside.Get(), RGN_AND);
  }
  return shown;
}

// Where a test writes the screen's picture of a dialog it found wrongly
// painted.
std::string ScreenShotPath(HWND dialog) {
  wchar_t title[64] = L"";
  GetWindowTextW(dialog, title, 64);
  return (std::filesystem::temp_directory_path() / ("gk-dialog-" + tk::WideToUtf8(title) + ".png")).string();
}

std::vector<RECT> RectsOf(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<char> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (!size || !GetRegionData(region, size, data)) return {};
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  return {rects, rects + data->rdh.nCount};
}

// The wrappers that paint their whole window from their cache.
bool PaintsFromCache(const skin::TvxMainWnd& w) {
  const std::type_index t = typeid(w);
  return t == typeid(skin::TvxStaticWnd) || t == typeid(skin::TvxIconWnd) || t == typeid(skin::TvxBtnWnd) ||
         t == typeid(skin::TvxCheckBoxWnd) || t == typeid(skin::TvxSizerWnd) || t == typeid(skin::TvxTransPanelWnd) ||
         t == typeid(skin::TvxGroupBoxWnd);
}

// Pixels of the screen (the dialog's picture) where the window shows that
// are not the wrapper's cache; the dialog itself is looked at in its
// client area.
int UnlikeCache(HWND dialog, const tk::Bitmap& screen, skin::TvxMainWnd& wrapper) {
  const HWND w = wrapper.Handle();
  const tk::Bitmap* cache = wrapper.SkinData()->Cache();
  RECT dialogRect{}, windowRect{};
  GetWindowRect(dialog, &dialogRect);
  GetWindowRect(w, &windowRect);
  tk::TGdiObject<HRGN> shown = ShownRegion(w);
  // A group box in a dialog leaves its inside to the platform.
  if (auto* group = dynamic_cast<skin::TvxGroupBoxWnd*>(&wrapper); group && group->DlgMode()) {
    RECT inside = group->InsideRect();
    OffsetRect(&inside, windowRect.left, windowRect.top);
    tk::TGdiObject<HRGN> platform(CreateRectRgnIndirect(&inside));
    CombineRgn(shown.Get(), shown.Get(), platform.Get(), RGN_DIFF);
  }
  RECT box{};
  if (GetRgnBox(shown.Get(), &box) == NULLREGION) return 0;
  if (!cache || cache->Width() != windowRect.right - windowRect.left ||
      cache->Height() != windowRect.bottom - windowRect.top)
    return -1;
  // Where the cache's (0, 0) lies on the screen: the window's corner; for
  // the dialog, its client area shows the cache from the client offset on.
  POINT origin{windowRect.left, windowRect.top};
  if (w == dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    tk::TGdiObject<HRGN> inside(CreateRectRgnIndirect(&client));
    CombineRgn(shown.Get(), shown.Get(), inside.Get(), RGN_AND);
    const skin::TvxDialogMetrics fm = static_cast<skin::TvxDialogWnd&>(wrapper).Metrics();
    origin = {client.left - fm.clientOffsetX, client.top - fm.clientOffsetY};
    // What the dialog skinning leaves to the platform by the dialog's kind.
    std::vector<RECT> platforms;
    const skin::TvxProvider& provider = static_cast<skin::TvxDialogWnd&>(wrapper).Provider();
    if (provider.DialogKind() == 1) platforms.push_back(skin::kDialogPreviewRect);
    if (provider.DialogKind() == 3) platforms.assign(std::begin(skin::kDialogFixedAreas), std::end(skin::kDialogFixedAreas));
    for (RECT p : platforms) {
      OffsetRect(&p, client.left, client.top);
      tk::TGdiObject<HRGN> left(CreateRectRgnIndirect(&p));
      CombineRgn(shown.Get(), shown.Get(), left.Get(), RGN_DIFF);
    }
  }
  int differing = 0;
  for (const RECT& r : RectsOf(shown.Get()))
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        differing += Pixel(screen, x - dialogRect.left, y - dialogRect.top) != Pixel(*cache, x - origin.x, y - origin.y);
  return differing;
}

// A static of a dialog shows its section over the dialog's picture, its
// text over that: the pixels of its cache that are not that section
// (the text's) are fewer than half.
std::vector<std::string> StaticsNotShowingTheirSection(HWND dialog) {
  std::vector<std::string> wrong;
  for (HWND w : Descendants(dialog)) {
    skin::TvxMainWnd* wrapper = skin::TvxMainWnd::Of(w);
    if (!wrapper || typeid(*wrapper) != typeid(skin::TvxStaticWnd) || !IsWindowVisible(w)) continue;
    skin::TsCommonData& d = *wrapper->SkinData();
    const tk::Bitmap* cache = d.Cache();
    if (!cache || cache->Empty()) {
      wrong.push_back(Describe(w) + ": no picture");
      continue;
    }
    tk::Bitmap section(cache->Width(), cache->Height(), tk::PixelFormat::pf24bit);
    {
      const skin::TsPaintColorsReset reset;
      const skin::TRect b = d.OwnerBounds();
      skin::PaintSection(d, d.ParentCacheInfo(), true, true, &section, {b.Left, b.Top},
                         {0, 0, section.Width(), section.Height()}, 0);
    }
    const int area = section.Width() * section.Height();
    const int text = Differing(*cache, section, {0, 0, section.Width(), section.Height()});
    if (2 * text >= area) wrong.push_back(Describe(w) + ": " + std::to_string(text) + " of " + std::to_string(area));
  }
  return wrong;
}

// The dialog and each shown child painted from a wrapper's cache, with the
// pixels where the screen does not show that cache.
std::vector<std::string> WronglyPainted(HWND dialog) {
  // Nothing hot: the mouse away from the dialog.
  RECT r{};
  GetWindowRect(dialog, &r);
  testing_support::MoveMouseTo({r.right + 20, r.bottom + 20});
  testing_support::PumpPending();
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  testing_support::PumpPending();
  const tk::Bitmap screen = CaptureWindow(dialog);
  std::vector<std::string> wrong;
  std::vector<HWND> windows = Descendants(dialog);
  windows.push_back(dialog);
  int looked = 0;
  for (HWND w : windows) {
    skin::TvxMainWnd* wrapper = w == dialog ? SkinnedDialog(dialog) : skin::TvxMainWnd::Of(w);
    if (!wrapper || !IsWindowVisible(w) || (w != dialog && !PaintsFromCache(*wrapper))) continue;
    ++looked;
    const int n = UnlikeCache(dialog, screen, *wrapper);
    if (n != 0) wrong.push_back(Describe(w) + ": " + std::to_string(n) + " pixels");
  }
  if (!wrong.empty()) paintfix::WritePng(ScreenShotPath(dialog), screen);
  if (looked < 2) wrong.push_back("no child painted from a cache");
  return wrong;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& l : lines) all += "\n  " + l;
  return all;
}

}  // namespace

namespace {

class GalleryDialogChildrenTest : public galleryfix::GalleryTest {
protected:
  void SetUp() override {
    form->Manager().SetActive(true);
    GalleryTest::SetUp();
  }
};

TEST_F(GalleryDialogChildrenTest, FileDialogChildrenAreWrappedAndPainted) {
  for (const char* skinName : {gallery::kEmberStyle, gallery::kGlacier}) {
    form->UseSkin(skinName);
    HWND dialog = nullptr;
    ModalSteps steps({
        [&] { return DialogShownSkinned(dialog); },
        [&] {
          // The list has been filled and every late child scanned.
          return DescendantOfClass(dialog, L"SysListView32") && SkinnedDialog(dialog)->FirstPaintDone();
        },
        [&] {
          EXPECT_EQ(Lines(UnwrappedChildren(dialog)), "") << skinName;
          EXPECT_EQ(Lines(WronglyPainted(dialog)), "") << skinName << "; see " << ScreenShotPath(dialog);
          EXPECT_EQ(Lines(StaticsNotShowingTheirSection(dialog)), "") << skinName;
          PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
          return true;
        },
    });
    EXPECT_EQ(gallery::ChooseFileToOpen(form->Handle()), L"");
    EXPECT_FALSE(steps.TimedOut()) << skinName;
  }
}

TEST_F(GalleryDialogChildrenTest, ColourDialogChildrenAreWrappedAndPaintedAndAColourIsPicked) {
  for (const char* skinName : {gallery::kEmberStyle, gallery::kGlacier}) {
    form->UseSkin(skinName);
    HWND dialog = nullptr;
    COLORREF swatch = CLR_INVALID;
    ModalSteps steps({
        [&] { return DialogShownSkinned(dialog) && SkinnedDialog(dialog)->FirstPaintDone(); },
        [&] {
          EXPECT_EQ(Lines(UnwrappedChildren(dialog)), "") << skinName;
          EXPECT_EQ(Lines(WronglyPainted(dialog)), "") << skinName << "; see " << ScreenShotPath(dialog);
          EXPECT_EQ(Lines(StaticsNotShowingTheirSection(dialog)), "") << skinName;
          // The basic colours' third swatch of the second row, picked with
          // the real mouse: the dialog answers the colour shown there.
          RECT basic{};
          GetWindowRect(GetDlgItem(dialog, 720), &basic);
          const int columnWidth = (basic.right - basic.left) / 8, rowHeight = (basic.bottom - basic.top) / 6;
          const POINT at{basic.left + 2 * columnWidth + columnWidth / 2, basic.top + rowHeight + rowHeight / 2};
          RECT d{};
          GetWindowRect(dialog, &d);
          swatch = Pixel(CaptureWindow(dialog), at.x - d.left, at.y - d.top);
          testing_support::ClickAt(at);
          return true;
        },
        [&] {
          testing_support::ClickAt(CentreOnScreen(GetDlgItem(dialog, IDOK)));
          return true;
        },
    });
    const long picked = gallery::ChooseColour(form->Handle(), RGB(1, 2, 3));
    EXPECT_FALSE(steps.TimedOut()) << skinName;
    EXPECT_NE(picked, static_cast<long>(RGB(1, 2, 3))) << skinName;
    EXPECT_EQ(picked, static_cast<long>(swatch)) << skinName;
  }
}

// The font dialog holds group boxes: wrapped in dialog mode, their frames
// and captions from their caches, their insides the platform's.
TEST_F(GalleryDialogChildrenTest, FontDialogChildrenAndGroupBoxesAreWrappedAndPainted) {
  for (const char* skinName : {gallery::kEmberStyle, gallery::kGlacier}) {
    form->UseSkin(skinName);
    HWND dialog = nullptr;
    ModalSteps steps({
        [&] { return DialogShownSkinned(dialog) && SkinnedDialog(dialog)->FirstPaintDone(); },
        [&] {
          int groups = 0;
          for (HWND child : Descendants(dialog))
            if (auto* g = dynamic_cast<skin::TvxGroupBoxWnd*>(skin::TvxMainWnd::Of(child)))
              groups += g->DlgMode() && IsWindowVisible(child);
          EXPECT_GE(groups, 1) << skinName;
          EXPECT_EQ(Lines(UnwrappedChildren(dialog)), "") << skinName;
          EXPECT_EQ(Lines(WronglyPainted(dialog)), "") << skinName << "; see " << ScreenShotPath(dialog);
          PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
          return true;
        },
    });
    LOGFONTW font{};
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = form->Handle();
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS;
    EXPECT_FALSE(ChooseFontW(&choose));
    EXPECT_FALSE(steps.TimedOut()) << skinName;
  }
}

}  // namespace
