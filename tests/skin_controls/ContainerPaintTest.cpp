// Painting of skinned containers under Wine, into memory contexts filled
// with a sentinel colour so that every pixel the routines write (or leave)
// is seen: the container's image around its children, windowless children
// painted over it, group-box windows inside adapted containers, clipped
// paints, and the notices to children.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "ControlSkins.h"
#include "ScreenPixels.h"
#include "SkinnedTestControls.h"
#include "skin/controls/sContainerPaint.h"
#include "skin/data/sSkinCommand.h"
#include "toolkit/win/Canvas.h"

namespace {

using ctlfix::TTestSkinned;
using ctlfix::TTestSkinnedGraphic;

constexpr skin::TColor kSentinel = 0x3C2814;

using ctlfix::PixelOf;

// A target context: a bitmap of the sentinel colour.
struct Target {
  Target(int w, int h) : bitmap(w, h), canvas(bitmap) { bitmap.Fill(kSentinel); }
  HDC dc() { return canvas.Handle(); }
  skin::TColor At(int x, int y) {
    GdiFlush();
    return PixelOf(bitmap, x, y);
  }
  tk::Bitmap bitmap;
  tk::TBitmapCanvas canvas;
};

class ContainerPaintTest : public ctlfix::SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    container = Place<TTestSkinned>(form, 0, 0, 200, 120, 51);
    container->SkinData().SetSkinSection("PLAIN");
    container->SkinData().RebuildCache(container->skinning.HowToPaint());
  }
  // A windowless child drawing its section and a black square at (4, 4).
  TTestSkinnedGraphic* Label(const char* section, int left, int top, int width = 40, int height = 20) {
    auto* label = Place<TTestSkinnedGraphic>(container, left, top, width, height);
    label->SkinData().SetSkinSection(section);
    label->skinning.content = [](tk::Bitmap& cache) {
      for (int y = 4; y < 6; ++y)
        for (int x = 4; x < 6; ++x) std::fill_n(cache.ScanLine(y) + 3 * x, 3, 0);
    };
    return label;
  }
  skin::TColor Cache(int x, int y) { return PixelOf(*container->SkinData().Cache(), x, y); }
  void CopyContainer(Target& t, bool fillCorners = false) {
    const RECT all{0, 0, 200, 120};
    skin::PaintFromCacheExcludingChildren(container, container->SkinData(), all, 0, 0, fillCorners, t.dc(), all);
  }

  TTestSkinned* container = nullptr;
};

TEST_F(ContainerPaintTest, ATransparentLabelIsLeftOutThenPaintedOverTheCache) {
  auto* label = Label("CLEAR", 50, 30);
  Target t(200, 120);
  CopyContainer(t);
  EXPECT_EQ(t.At(10, 10), Cache(10, 10)) << "the container's image";
  EXPECT_EQ(t.At(60, 40), kSentinel) << "the label's place is left out";
  EXPECT_EQ(t.At(89, 49), kSentinel);
  EXPECT_EQ(t.At(90, 50), Cache(90, 50)) << "just outside the label";

  skin::PaintGraphicChildren(t.dc(), container, 0, 0);
  EXPECT_EQ(label->skinning.paints, 1);
  EXPECT_EQ(t.At(60, 40), Cache(60, 40)) << "the cache shows through the label";
  EXPECT_EQ(t.At(54, 34), 0x000000) << "the label's own drawing over it";
  EXPECT_EQ(t.At(10, 10), Cache(10, 10)) << "nothing else is touched";
}

TEST_F(ContainerPaintTest, OnlyChildrenThatPaintOverAreLeftOut) {
  auto* opaque = Place<TTestSkinned>(container, 10, 10, 20, 20);
  opaque->SetControlStyle(opaque->ControlStyle() | tk::csOpaque);
  auto* clear = Place<TTestSkinned>(container, 40, 10, 20, 20);
  clear->SetControlStyle(clear->ControlStyle() & ~tk::csOpaque);
  auto* hidden = Label("PLAIN", 70, 10, 20, 20);
  hidden->SetVisible(false);
  Label("PLAIN", 100, 10, 20, 20);  // outside the destination
  Target t(200, 120);
  const RECT destination{0, 0, 95, 120};  // the last label lies outside it
  skin::PaintFromCacheExcludingChildren(container, container->SkinData(), destination, 0, 0, false, t.dc(), destination);
  const struct {
    int x, y;
    bool leftOut;
    const char* what;
  } cases[] = {{15, 15, true, "opaque window"},  {45, 15, false, "window that is not opaque"},
               {75, 15, false, "hidden label"},  {105, 15, false, "outside the destination: not painted at all"},
               {5, 5, false, "no child"}};
  for (const auto& k : cases) {
    const bool painted = k.x < 95;
    const skin::TColor expected = k.leftOut || !painted ? kSentinel : Cache(k.x, k.y);
    EXPECT_EQ(t.At(k.x, k.y), expected) << k.what;
  }
}

TEST_F(ContainerPaintTest, AChildLeavingFuchsiaAtItsCornerIsNotCopied) {
  auto* clear = Label("PLAIN", 10, 10);
  clear->skinning.content = [](tk::Bitmap& cache) {
    std::uint8_t* p = cache.ScanLine(0);
    p[0] = 0xFF, p[1] = 0x00, p[2] = 0xFF;
  };
  Label("PLAIN", 100, 10);
  Target t(200, 120);
  skin::PaintGraphicChildren(t.dc(), container, 0, 0);
  EXPECT_EQ(clear->skinning.paints, 1) << "painted off-screen";
  EXPECT_EQ(t.At(10, 10), kSentinel);
  EXPECT_EQ(t.At(30, 20), kSentinel) << "nothing of it reaches the screen";
  EXPECT_EQ(t.At(120, 20), 0x0000FF) << "the other child does";
}

TEST_F(ContainerPaintTest, ClippedPaints) {
  auto* label = Label("PLAIN", 150, 100, 40, 20);
  // Nothing to paint: the container is told it is clipped.
  {
    Target t(200, 120);
    IntersectClipRect(t.dc(), 0, 0, 0, 0);
    container->skinning.commands.clear();
    container->SkinData().partlyClipped = false;
    skin::PaintGraphicChildren(t.dc(), container, 0, 0);
    EXPECT_TRUE(container->SkinData().partlyClipped);
    EXPECT_EQ(label->skinning.paints, 0);
    EXPECT_EQ(t.At(160, 110), kSentinel);
  }
  // The label only partly visible: painted, and told.
  {
    Target t(200, 120);
    IntersectClipRect(t.dc(), 0, 0, 170, 120);
    label->SkinData().partlyClipped = false;
    skin::PaintGraphicChildren(t.dc(), container, 0, 0);
    EXPECT_TRUE(label->skinning.Got(skin::SCMD_SET_CLIPPED));
    EXPECT_EQ(t.At(160, 110), 0x0000FF);
    EXPECT_EQ(t.At(175, 110), kSentinel);
  }
  // A container without a cache leaves its children to paint themselves.
  {
    Target t(200, 120);
    container->SkinData().SetSkinSection("NOSUCH");
    const int before = label->skinning.paints;
    skin::PaintGraphicChildren(t.dc(), container, 0, 0);
    EXPECT_EQ(label->skinning.paints, before);
  }
}

TEST_F(ContainerPaintTest, ACopyIntoAClippedContextTakesEachPixelFromItsOwnPlaceInTheCache) {
  // A gradient: its pixels tell where in the cache they come from.
  container->SkinData().SetSkinSection("GRADIENT");
  container->SkinData().RebuildCache(container->skinning.HowToPaint());
  Label("PLAIN", 50, 30);  // 50..90 x 30..50
  Target t(200, 120);
  IntersectClipRect(t.dc(), 40, 25, 120, 80);
  // The source lies 15 pixels left of and 5 above the destination.
  const RECT source{5, 5, 165, 105}, destination{20, 10, 180, 110};
  skin::PaintFromCacheExcludingChildren(container, container->SkinData(), source, 0, 0, false, t.dc(), destination);
  ASSERT_NE(Cache(30, 55), Cache(45, 60)) << "a shifted copy would show";
  const struct {
    int x, y;
    bool copied;
    const char* what;
  } cases[] = {{45, 60, true, "inside the clip"},      {110, 75, true, "the clip's far corner"},
               {60, 40, false, "the label's place"},   {30, 60, false, "left of the clip"},
               {45, 90, false, "below the clip"},      {10, 5, false, "outside the destination"}};
  for (const auto& k : cases)
    EXPECT_EQ(t.At(k.x, k.y), k.copied ? Cache(k.x - 15, k.y - 5) : kSentinel) << k.what;
  // A clip that only the label covers copies nothing.
  Target covered(200, 120);
  IntersectClipRect(covered.dc(), 55, 32, 85, 48);
  skin::PaintFromCacheExcludingChildren(container, container->SkinData(), source, 0, 0, false, covered.dc(), destination);
  EXPECT_EQ(covered.At(60, 40), kSentinel);
}

TEST_F(ContainerPaintTest, PaintableGraphicChildren) {
  auto* label = Label("PLAIN", 10, 10, 20, 20);
  auto* windowed = Place<TTestSkinned>(container, 40, 10, 20, 20);
  Target t(200, 120);
  IntersectClipRect(t.dc(), 0, 0, 100, 100);
  const struct {
    int left, top, width, height;
    bool visible, paintable;
  } cases[] = {{10, 10, 20, 20, true, true},   {10, 10, 20, 20, false, false}, {10, 10, 0, 20, true, false},
               {10, 10, 20, 0, true, false},   {120, 10, 20, 20, true, false}, {95, 95, 20, 20, true, true}};
  for (const auto& k : cases) {
    label->SetBounds(k.left, k.top, k.width, k.height);
    label->SetVisible(k.visible);
    EXPECT_EQ(skin::IsPaintableGraphicChild(label, t.dc()), k.paintable)
        << k.left << "," << k.top << " " << k.width << "x" << k.height << (k.visible ? "" : " hidden");
  }
  EXPECT_FALSE(skin::IsPaintableGraphicChild(windowed, t.dc())) << "a window paints itself";
  EXPECT_FALSE(skin::IsPaintableGraphicChild(label, t.dc(), 200, 0)) << "moved out of the clip box";
}

LRESULT CALLBACK CaptionHeight12(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg == skin::SM_VEXACMD && skin::SkinSubCommand(wParam) == skin::SCMD_GET_CAPTION_HEIGHT) return 12;
  return DefSubclassProc(window, msg, wParam, lParam);
}

TEST_F(ContainerPaintTest, AGroupBoxWindowKeepsTheContainersImageInsideItsFrame) {
  UseSkin(ctlfix::kEmberStyle);
  container->SkinData().SetSkinSection("PANEL");
  container->SkinData().RebuildCache(container->skinning.HowToPaint());
  const HWND group = CreateWindowExW(0, L"BUTTON", L"g", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 20, 20, 100, 60,
                                     container->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(group, nullptr);
  SetWindowSubclass(group, CaptionHeight12, 1, 0);
  const HWND button = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 140, 20, 40, 20,
                                      container->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  Target t(200, 120);
  const RECT all{0, 0, 200, 120};
  skin::PaintFromCacheExcludingChildWindows(container->Handle(), container->SkinData(), all, 0, 0, false, t.dc(), all);
  // The group box's frame: caption band 12, borders 3 (the skin's GROUPBOX mask).
  const struct {
    int x, y;
    bool leftOut;
    const char* what;
  } cases[] = {{60, 25, true, "caption band"}, {60, 33, false, "just under the caption band"},
               {21, 50, true, "left border"},   {23, 50, false, "just inside the left border"},
               {118, 50, true, "right border"}, {116, 50, false, "just inside the right border"},
               {60, 78, true, "bottom border"}, {60, 76, false, "just inside the bottom border"},
               {60, 50, false, "the inside"},   {10, 10, false, "outside the group box"},
               {150, 25, true, "a push button is left out whole"}};
  for (const auto& k : cases)
    EXPECT_EQ(t.At(k.x, k.y), k.leftOut ? kSentinel : Cache(k.x, k.y)) << k.what;
  RemoveWindowSubclass(group, CaptionHeight12, 1);
  DestroyWindow(group);
  DestroyWindow(button);
}

TEST_F(ContainerPaintTest, ChildrenHearThatTheirParentPainted) {
  auto* waiting = Place<TTestSkinned>(container, 10, 10, 30, 20);
  waiting->SkinData().SetSkinSection("PLAIN");
  auto* other = Place<TTestSkinned>(container, 50, 10, 30, 20);
  auto* label = Label("PLAIN", 90, 10);
  ASSERT_TRUE(waiting->HandleAllocated());
  for (auto* c : {waiting, other}) c->skinning.commands.clear();
  waiting->SkinData().deferPaint = true;
  skin::NotifyChildrenParentPainted(container);
  EXPECT_TRUE(waiting->skinning.Got(skin::SCMD_PARENT_PAINTED));
  EXPECT_TRUE(other->skinning.Got(skin::SCMD_PARENT_PAINTED));
  EXPECT_FALSE(label->skinning.Got(skin::SCMD_PARENT_PAINTED)) << "the container paints its graphic children itself";
  EXPECT_FALSE(waiting->SkinData().deferPaint) << "a waiting child paints now";

  waiting->skinning.commands.clear();
  skin::NotifyChildWindowsParentPainted(container->Handle());
  EXPECT_EQ(waiting->skinning.Count(skin::SCMD_PARENT_PAINTED), 1);
}

}  // namespace
