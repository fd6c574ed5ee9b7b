// The cache life cycle of a skinned control in real windows under Wine:
// when the cache is rebuilt and when it is only copied, deferral while a
// skin is applied, the disabled looks, the colours of edits, and the
// reactions to moves, resizes, focus and new child windows.
#include <gtest/gtest.h>

#include <vector>

#include "ControlSkins.h"
#include "SkinnedTestControls.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/WndProcChain.h"

namespace {

using ctlfix::TTestSkinned;
using ctlfix::TTestSkinnedEdit;

skin::TColor CachePixel(const tk::Bitmap& b, int x, int y) {
  const std::uint8_t* p = b.ScanLine(y) + 3 * x;
  return p[2] | (p[1] << 8) | (p[0] << 16);
}

class CacheLifeCycleTest : public ctlfix::SkinnedFormTest {
protected:
  TTestSkinned* Control(tk::TWinControl* parent, const char* section, int left = 10, int top = 10, int width = 60,
                        int height = 30) {
    TTestSkinned* c = Place<TTestSkinned>(parent, left, top, width, height);
    c->SkinData().SetSkinSection(section);
    return c;
  }
  static void PaintNow(tk::TWinControl* c) {
    c->Invalidate();
    c->Update();
  }
};

TEST_F(CacheLifeCycleTest, TheCacheIsRebuiltOnlyWhenStale) {
  TTestSkinned* c = Control(form, "PLAIN");
  PaintNow(c);
  EXPECT_EQ(c->skinning.rebuilds, 1);
  ASSERT_EQ(c->SkinData().Cache()->Width(), 60);
  ASSERT_EQ(c->SkinData().Cache()->Height(), 30);
  EXPECT_EQ(CachePixel(*c->SkinData().Cache(), 30, 15), 0x0000FF) << "the section's red";
  {
    // What reached the window is the cache.
    HDC dc = GetDC(c->Handle());
    EXPECT_EQ(static_cast<skin::TColor>(GetPixel(dc, 30, 15)), 0x0000FF);
    ReleaseDC(c->Handle(), dc);
  }
  PaintNow(c);
  EXPECT_EQ(c->skinning.paints, 2);
  EXPECT_EQ(c->skinning.rebuilds, 1) << "a plain repaint is one copy";
  c->SkinData().InvalidateCache();
  c->Update();
  EXPECT_EQ(c->skinning.rebuilds, 2);
  c->SetBounds(10, 10, 80, 40);
  c->Update();
  EXPECT_EQ(c->skinning.rebuilds, 3) << "a resize makes it stale";
  EXPECT_EQ(c->SkinData().Cache()->Width(), 80);
  // Nothing is painted while the skin is not applied.
  manager->SkinData().Active = false;
  PaintNow(c);
  EXPECT_TRUE(c->SkinData().deferPaint);
  EXPECT_EQ(c->skinning.rebuilds, 3);
  manager->SkinData().Active = true;
}

TEST_F(CacheLifeCycleTest, ASkinChangeDefersThenRefreshes) {
  UseSkin(ctlfix::kEmberStyle);
  TTestSkinned* c = Place<TTestSkinned>(form, 10, 10, 119, 30, skin::kKindButton);
  PaintNow(c);
  const int before = c->skinning.rebuilds;
  c->skinning.commands.clear();
  UseSkin(ctlfix::kGlacier);
  EXPECT_EQ(c->skinning.Subs(),
            (std::vector<WORD>{skin::SCMD_SKIN_LOADED, skin::SCMD_STOP_FADING, skin::SCMD_REFRESH}));
  EXPECT_FALSE(c->SkinData().deferPaint);
  EXPECT_TRUE(c->SkinData().cacheStale);
  EXPECT_EQ(c->SkinData().sectionIndex, manager->Tables().IndexOfSection("BUTTON"));
  c->Update();
  EXPECT_EQ(c->skinning.rebuilds, before + 1);

  manager->SetActive(false);
  EXPECT_EQ(c->skinning.Subs().back(), skin::SCMD_SKIN_REMOVED);
  EXPECT_EQ(c->SkinData().sectionIndex, -1);
  EXPECT_EQ(c->SkinData().borderMaskIndex, -1);
  EXPECT_TRUE(c->SkinData().deferPaint);
  EXPECT_TRUE(c->SkinData().Cache()->Empty());
  EXPECT_FALSE(c->SkinData().IsSkinned());
}

TEST_F(CacheLifeCycleTest, DisabledLooks) {
  TTestSkinned* parent = Control(form, "PLAIN", 0, 0, 300, 200);
  PaintNow(parent);
  ASSERT_TRUE(parent->SkinData().Cache() && !parent->SkinData().Cache()->Empty());
  const struct {
    tk::TWinControl* parent;
    const char* section;
    skin::TsDisabledKind kind;
    skin::TColor expected;
  } cases[] = {
      {form, "PLAIN", skin::dkGrayed, 0x555555},                 // (255 + 0 + 0) div 3
      {form, "PLAIN", skin::dkBlended, 0x8080FF},                // half red, half white; 127.5 to even
      {parent, "EDIT", skin::dkBlended, 0x0715BB},               // 0.6 of the red cache, 0.4 of 0x123456
      {parent, "EDIT", skin::dkBlended | skin::dkGrayed, 0x1515AE},  // grey 52 first, then blended
      {parent, "EDIT", 0, 0x123456},                              // no disabled look
  };
  for (const auto& k : cases) {
    TTestSkinned* c = Control(k.parent, k.section, 20, 20, 40, 20);
    c->skinning.disabledKind = k.kind;
    c->SetEnabled(false);
    PaintNow(c);
    ASSERT_EQ(c->skinning.rebuilds, 1) << k.section;
    EXPECT_EQ(CachePixel(*c->SkinData().Cache(), 10, 10), k.expected) << k.section << " kind " << k.kind;
    tk::TComponent::Free(c);
  }
}

TEST_F(CacheLifeCycleTest, EditsTakeTheSectionColoursUnlessCustom) {
  const struct {
    bool customColor, customFont;
    tk::TColor skinned, skinnedFont, removed, removedFont;
  } cases[] = {
      {false, false, 0x123456, 0x0000FF, tk::clWindow, tk::clWindowText},
      {true, true, 0x00FF00, 0x00AA00, 0x00FF00, 0x00AA00},
  };
  for (const auto& k : cases) {
    manager->SetActive(true);
    auto* edit = Place<TTestSkinnedEdit>(form, 10, 10, 100, 22);
    edit->SkinData().SetCustomFont(k.customFont);
    edit->SkinData().SetCustomColor(k.customColor);
    edit->SetColor(0x00FF00);
    edit->Font().SetColor(0x00AA00);
    manager->RepaintForms();
    EXPECT_EQ(edit->Color(), k.skinned);
    EXPECT_EQ(edit->Font().Color(), k.skinnedFont);
    manager->SetActive(false);
    EXPECT_EQ(edit->Color(), k.removed);
    EXPECT_EQ(edit->Font().Color(), k.removedFont);
    tk::TComponent::Free(edit);
  }
}

TEST_F(CacheLifeCycleTest, MovesAndResizesMarkWhatDependsOnThePosition) {
  TTestSkinned* gradient = Control(form, "GRADIENT", 0, 0, 200, 150);
  TTestSkinned* plain = Control(form, "PLAIN", 210, 0, 150, 150);
  TTestSkinned* onGradient = Control(gradient, "HALF");
  TTestSkinned* onPlain = Control(plain, "PLAIN");
  auto moved = [](TTestSkinned* c) {
    for (const auto& r : c->skinning.commands)
      if (r.sub == skin::SCMD_PARENT_MOVED) return static_cast<int>(r.parameter);
    return -1;
  };
  for (auto* c : {gradient, plain, onGradient, onPlain}) c->skinning.commands.clear();
  onGradient->SetBounds(12, 12, 60, 30);
  onPlain->SetBounds(12, 12, 60, 30);
  EXPECT_EQ(moved(onGradient), 1) << "transparent over a gradient: its look moved with it";
  EXPECT_EQ(moved(onPlain), -1);

  for (auto* c : {gradient, plain, onGradient, onPlain}) c->skinning.commands.clear();
  gradient->SetBounds(0, 0, 220, 160);
  plain->SetBounds(230, 0, 160, 160);
  EXPECT_EQ(moved(onGradient), 1) << "the gradient stretched under it";
  EXPECT_EQ(moved(onPlain), -1);
  EXPECT_TRUE(plain->SkinData().cacheStale) << "a skinned control resized is stale";
}

TEST_F(CacheLifeCycleTest, FocusUpdatesAndNewChildWindows) {
  TTestSkinned* a = Control(form, "PLAIN");
  TTestSkinned* b = Control(form, "PLAIN", 100, 10);
  a->SetFocus();
  EXPECT_TRUE(a->SkinData().hasFocus);
  a->SkinData().cacheStale = false;
  b->SetFocus();
  EXPECT_FALSE(a->SkinData().hasFocus);
  EXPECT_TRUE(a->SkinData().cacheStale);
  EXPECT_TRUE(b->SkinData().hasFocus);

  a->SkinData().BeginUpdate();
  EXPECT_TRUE(a->SkinData().deferPaint);
  a->SkinData().EndUpdate();
  EXPECT_FALSE(a->SkinData().deferPaint);
  const std::vector<WORD> subs = a->skinning.Subs();
  EXPECT_EQ(std::vector<WORD>(subs.end() - 2, subs.end()),
            (std::vector<WORD>{skin::SCMD_BEGIN_UPDATE, skin::SCMD_END_UPDATE}));

  // A window created inside a skinned control: its form hears of it.
  std::vector<LPARAM> refreshed;
  tk::TScopedWndHook recorder(form->WindowProc, [&](tk::TMessage& m, const tk::TWndNext& next) {
    if (skin::IsSkinCommand(m, skin::SCMD_CONTROL_REFRESHED)) refreshed.push_back(m.LParam);
    next(m);
  });
  TTestSkinned* child = Control(a, "PLAIN", 2, 2, 20, 10);
  child->HandleNeeded();
  EXPECT_NE(std::find(refreshed.begin(), refreshed.end(), reinterpret_cast<LPARAM>(a)), refreshed.end());
}

}  // namespace
