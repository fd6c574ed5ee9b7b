// The skin data of a control in real windows under Wine: its section and
// manager, the hover rule, the answers to the skin command message through
// the command table, the reply slots, and the standard reactions to window
// messages.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ControlSkins.h"
#include "SkinnedTestControls.h"
#include "skin/controls/sControlKinds.h"
#include "skin/controls/sSkinQueries.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/paint/sPaintGlobals.h"
#include "toolkit/win/Application.h"

namespace {

using ctlfix::TTestSkinned;
using ctlfix::TTestSkinnedEdit;
using ctlfix::TTestSkinnedGraphic;
using skin::TsCommonData;

class CommonDataTest : public ctlfix::SkinnedFormTest {
protected:
  // A skinned control of the form in a section of the edge skin.
  TTestSkinned* Control(const char* section, int left = 10, int top = 10, int width = 60, int height = 30) {
    TTestSkinned* c = Place<TTestSkinned>(form, left, top, width, height);
    c->SkinData().SetSkinSection(section);
    return c;
  }
  static LRESULT Send(tk::TControl* c, WORD sub, LPARAM lParam = 0, WORD parameter = 0) {
    return skin::SendSkinCommandToControl(c, sub, lParam, parameter);
  }
  // The record after a direct delivery (the way QuerySkinFlag asks first).
  static tk::TMessage Deliver(tk::TControl* c, WORD sub, LPARAM lParam = 0) {
    tk::TMessage m{skin::SM_VEXACMD, skin::SkinCommandWParam(sub), lParam, 0};
    c->Deliver(m);
    return m;
  }
};

TEST(ControlKinds, DefaultSectionsAndHoverlessKinds) {
  const struct {
    int kind;
    const char* section;
  } cases[] = {{2, "EDIT"},         {10, "EDIT"},       {227, "EDIT"},        {11, "COMBOBOX"},  {82, "COMBOBOX"},
               {19, "BAR"},         {20, "BARTITLE"},   {152, "CHECKBOX"},    {33, "RADIOBUTTON"}, {73, "PANEL"},
               {58, "PANEL_LOW"},   {60, "TOOLBAR"},    {56, "DRAGBAR"},      {57, "TABSHEET"},  {74, "GROUPBOX"},
               {226, "GROUPBOX"},   {75, "SPLITTER"},   {92, "SPEEDBUTTON"},  {95, "SPEEDBUTTON"}, {93, "BUTTON"},
               {94, "BUTTON"},      {98, "TOOLBUTTON"}, {143, "PAGECONTROL"}, {151, "STATUSBAR"}, {161, "GAUGE"},
               {165, "TRACKBAR"},   {0, ""},            {9, ""},              {224, ""},         {142, ""}};
  for (const auto& c : cases) EXPECT_EQ(skin::DefaultSectionOfKind(c.kind), c.section) << "kind " << c.kind;
  for (int kind : {51, 60, 74, 110, 141, 151, 161}) EXPECT_TRUE(skin::IsNoHoverKind(kind)) << kind;
  for (int kind : {0, 50, 75, 93, 109, 140, 162, 256, 51 + 256}) EXPECT_FALSE(skin::IsNoHoverKind(kind)) << kind;
}

TEST_F(CommonDataTest, SectionNamesAreStoredUpperCaseAndEmptyBecomesUnknown) {
  TTestSkinned* c = Control("PLAIN");
  TsCommonData& d = c->SkinData();
  c->skinning.commands.clear();
  const struct {
    const char* set;
    const char* stored;
    bool skinned;
  } cases[] = {{"half", "HALF", true}, {"Plain", "PLAIN", true}, {"", "UNKNOWN", false}, {"no such", "NO SUCH", false},
               {"button", "BUTTON", false}};
  for (const auto& k : cases) {
    d.SetSkinSection(k.set);
    EXPECT_EQ(d.SkinSection(), k.stored) << k.set;
    EXPECT_EQ(d.IsSkinned(), k.skinned) << k.set;
    EXPECT_EQ(d.sectionIndex >= 0, k.skinned) << k.set;
    if (!k.skinned) {
      EXPECT_EQ(d.borderMaskIndex, -1) << "no border without a section";
    }
  }
  // Each change told the control: refresh when usable, removal when not.
  EXPECT_EQ(c->skinning.Count(skin::SCMD_REFRESH), 2) << "HALF, PLAIN";
  EXPECT_EQ(c->skinning.Count(skin::SCMD_SKIN_REMOVED), 3);
}

TEST_F(CommonDataTest, TheKindChoosesTheSectionWhenNoneIsSet) {
  UseSkin(ctlfix::kEmberStyle);
  auto* button = Place<TTestSkinned>(form, 0, 0, 50, 20, skin::kKindButton);
  auto* group = Place<TTestSkinned>(form, 0, 30, 50, 20, skin::kKindGroupBox);
  auto* other = Place<TTestSkinned>(form, 0, 60, 50, 20, 9);
  EXPECT_EQ(button->SkinData().SkinSection(), "BUTTON");
  EXPECT_TRUE(button->SkinData().IsSkinned(true));
  EXPECT_GE(button->SkinData().borderMaskIndex, 0);
  EXPECT_GE(button->SkinData().patternIndex, 0);
  EXPECT_GE(button->SkinData().hotPatternIndex, 0);
  EXPECT_EQ(group->SkinData().SkinSection(), "GROUPBOX");
  EXPECT_EQ(other->SkinData().SkinSection(), "TTESTSKINNED") << "the class name, upper-cased";
  EXPECT_FALSE(other->SkinData().IsSkinned());
}

TEST_F(CommonDataTest, ManagerChoiceFollowsTheDefault) {
  TTestSkinned* c = Control("PLAIN");
  TsCommonData& d = c->SkinData();
  d.SetSkinManager(manager);
  EXPECT_EQ(d.CustomManager(), nullptr) << "the default manager is stored as none";
  EXPECT_EQ(d.SkinManager(), manager);

  auto* second = tk::Create<skin::TsSkinManager>(form);
  second->SetSkinDirectory("c:\\NoSkinsHere");
  ctlfix::AddTestSkins(*second);
  second->SetSkinName(ctlfix::kEmberStyle);
  c->skinning.commands.clear();
  d.SetSkinManager(second);
  EXPECT_EQ(d.CustomManager(), second);
  EXPECT_FALSE(d.IsSkinned()) << "EmberStyle has no PLAIN";
  EXPECT_EQ(c->skinning.Subs(), std::vector<WORD>{skin::SCMD_SKIN_REMOVED});
  d.SetSkinSection("BUTTON");
  EXPECT_TRUE(d.IsSkinned());
  EXPECT_EQ(d.sectionIndex, second->Tables().IndexOfSection("BUTTON"));

  // A broadcast of the other manager is not for this control.
  const int index = d.sectionIndex;
  c->skinning.commands.clear();
  manager->SetSkinName(ctlfix::kGlacier);
  EXPECT_FALSE(d.deferPaint);
  EXPECT_EQ(d.sectionIndex, index);
  EXPECT_TRUE(c->skinning.Got(skin::SCMD_SKIN_LOADED)) << "it was told, and ignored it";

  // Its own manager going away sends it back to the default one.
  tk::TComponent::Free(second);
  EXPECT_EQ(d.CustomManager(), nullptr);
  EXPECT_EQ(d.SkinManager(), manager);
  EXPECT_EQ(d.sectionIndex, -1);
}

TEST_F(CommonDataTest, SkinLoadedFromAnotherManagerChangesNothing) {
  TTestSkinned* c = Control("PLAIN");
  TsCommonData& d = c->SkinData();
  d.cacheStale = false;
  const int index = d.sectionIndex;
  const tk::TMessage m = Deliver(c, skin::SCMD_SKIN_LOADED, reinterpret_cast<LPARAM>(form));
  EXPECT_EQ(m.Result, 0);
  EXPECT_FALSE(d.deferPaint);
  EXPECT_FALSE(d.cacheStale);
  EXPECT_EQ(d.sectionIndex, index);
  Deliver(c, skin::SCMD_SKIN_LOADED, reinterpret_cast<LPARAM>(manager));
  EXPECT_TRUE(d.deferPaint);
  EXPECT_TRUE(d.cacheStale);
}

TEST_F(CommonDataTest, HoverRule) {
  TTestSkinned* button = Control("PLAIN");
  TTestSkinned* group = Place<TTestSkinned>(form, 100, 10, 60, 30, skin::kKindGroupBox);
  const struct {
    TTestSkinned* control;
    bool enabled, focus, mouse, hot;
  } cases[] = {
      {button, true, false, false, false}, {button, true, false, true, true},   {button, true, true, false, true},
      {button, false, true, true, false},  {button, false, false, true, false}, {group, true, false, true, false},
      {group, true, true, false, true},
  };
  for (const auto& k : cases) {
    TsCommonData& d = k.control->SkinData();
    k.control->SetEnabled(k.enabled);
    d.hasFocus = k.focus;
    d.mouseInside = k.mouse;
    EXPECT_EQ(d.IsHot(), k.hot) << "enabled " << k.enabled << ", focus " << k.focus << ", mouse " << k.mouse
                                << ", kind " << d.controlKind;
  }
  // A windowed control with the keyboard focus is hot without the flag.
  button->SetEnabled(true);
  button->SkinData().hasFocus = button->SkinData().mouseInside = false;
  button->SetFocus();
  ASSERT_TRUE(button->Focused());
  EXPECT_TRUE(button->SkinData().IsHot());
  EXPECT_TRUE(button->SkinData().hasFocus) << "focus gained by a tab stop";
  button->SetEnabled(false);
  EXPECT_FALSE(button->SkinData().IsHot()) << "disabled, though it had the focus";
  EXPECT_FALSE(button->SkinData().hasFocus) << "the enabled change clears it";
}

TEST_F(CommonDataTest, MouseEnterAndLeave) {
  TTestSkinned* button = Control("PLAIN");
  TTestSkinned* panel = Place<TTestSkinned>(form, 100, 10, 150, 100, 51);
  auto* speed = Place<TTestSkinnedGraphic>(panel, 5, 5, 20, 20, skin::kKindSpeedButton);
  button->Perform(tk::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(button));
  EXPECT_TRUE(button->SkinData().mouseInside);
  EXPECT_EQ(manager->HoveredControl(), button->Handle());
  EXPECT_TRUE(button->skinning.Got(skin::SCMD_MOUSE_ENTERED));

  // The speed button still thinks the mouse is over it: entering its
  // container tells it otherwise; the container itself never hovers.
  speed->SkinData().mouseInside = true;
  panel->Perform(tk::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(panel));
  EXPECT_FALSE(speed->SkinData().mouseInside);
  EXPECT_FALSE(panel->SkinData().mouseInside);
  EXPECT_EQ(manager->HoveredControl(), panel->Handle());
  EXPECT_TRUE(button->skinning.Got(skin::SCMD_MOUSE_LEFT));

  // The control the notice names is left alone.
  speed->SkinData().mouseInside = true;
  panel->Perform(tk::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(speed));
  EXPECT_TRUE(speed->SkinData().mouseInside);

  button->Perform(tk::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(button));
  EXPECT_FALSE(button->SkinData().mouseInside);
  panel->SkinData().mouseInside = true;
  panel->Perform(tk::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(panel));
  EXPECT_TRUE(panel->SkinData().mouseInside) << "not recorded for containers";
}

TEST_F(CommonDataTest, PartlyClippedAtTheExactEdge) {
  TTestSkinned* c = Control("PLAIN");
  const RECT client = form->ClientRect();
  const int w = client.right, h = client.bottom;
  const struct {
    int left, top, width, height;
    bool clipped;
  } cases[] = {{0, 0, w, h, false},     {1, 0, w, h, true},      {0, 1, w, h, true},   {-1, 0, w, h, true},
               {0, 0, w - 1, h, false}, {10, 10, 20, 20, false}, {w, h, 0, 0, false}, {w - 5, 0, 6, 10, true}};
  for (const auto& k : cases) {
    c->SetBounds(k.left, k.top, k.width, k.height);
    c->SkinData().cacheStale = false;
    c->SkinData().UpdateClipping();
    EXPECT_EQ(c->SkinData().partlyClipped, k.clipped) << k.left << "," << k.top << " " << k.width << "x" << k.height;
    EXPECT_EQ(Deliver(c, skin::SCMD_IS_CLIPPED).LParam, k.clipped ? 1 : 0);
  }
  // A child of a clipped parent rebuilds even with a fresh cache.
  TTestSkinned* parent = Control("PLAIN", 0, 0, 100, 100);
  TTestSkinned* child = Place<TTestSkinned>(parent, 10, 10, 20, 20);
  child->SkinData().SetSkinSection("PLAIN");
  for (bool clipped : {false, true}) {
    parent->SkinData().partlyClipped = clipped;
    child->SkinData().cacheStale = child->SkinData().partlyClipped = false;
    child->SkinData().UpdateClipping();
    EXPECT_EQ(child->SkinData().cacheStale, clipped);
  }
}

TEST_F(CommonDataTest, BackgroundColorBehindAChild) {
  // The form does not answer: a child over it takes its colour (white).
  const struct {
    const char* section;
    bool customColor;
    skin::TColor expected;
  } cases[] = {{"PLAIN", false, 0x0000FF},   // the section's COLOR
               {"PLAIN", true, 0x00FF00},    // the control's own colour
               {"HALF", false, 0x313131},    // (50 * 255) >> 8 = 49, not 127
               {"CLEAR", false, 0xFFFFFF},   // the parent's
               {"NOSUCH", false, 0x00FF00}}; // not skinned: its own colour
  for (const auto& k : cases) {
    TTestSkinned* c = Control(k.section);
    c->SetColor(0x00FF00);
    c->SkinData().SetCustomColor(k.customColor);
    skin::BackgroundColorReply = skin::clFuchsia;
    skin::SendSkinCommand(c->Handle(), skin::SCMD_GET_BG_COLOR, 0);
    EXPECT_EQ(skin::BackgroundColorReply, k.expected) << k.section;
    EXPECT_EQ(skin::GetBackgroundColorOf(c), k.expected) << k.section;
  }
  // Nested: a half-transparent black control over a half-transparent black
  // container over white.
  TTestSkinned* outer = Control("HALF", 0, 100, 200, 100);
  TTestSkinned* inner = Place<TTestSkinned>(outer, 10, 10, 50, 20);
  inner->SkinData().SetSkinSection("HALF");
  EXPECT_EQ(skin::GetBackgroundColorOf(outer), 0x313131);
  EXPECT_EQ(skin::GetBackgroundColorOf(inner), 0x090909) << "(50 * 49) >> 8 = 9";
  // Nobody answers a plain window: its own colour.
  EXPECT_EQ(skin::GetBackgroundColorOf(form), 0xFFFFFF);
}

TEST_F(CommonDataTest, BackgroundVariesAnswers) {
  TTestSkinned* gradient = Control("GRADIENT", 0, 0, 200, 150);
  TTestSkinned* plain = Control("PLAIN", 210, 0, 150, 150);
  auto onGradient = Place<TTestSkinned>(gradient, 10, 10, 50, 20);
  auto onPlain = Place<TTestSkinned>(plain, 10, 10, 50, 20);
  auto unskinned = Control("NOSUCH", 0, 200, 50, 20);
  const struct {
    TTestSkinned* control;
    const char* section;
    bool enabled;
    LRESULT answer;
  } cases[] = {
      {gradient, "GRADIENT", true, 1},  // GRADIENTPERCENT 10
      {plain, "PLAIN", true, 0},        // nothing that varies
      {onGradient, "CLEAR", true, 1},   // TRANSPARENCY 100: as its parent
      {onPlain, "CLEAR", true, 0},
      {onGradient, "HALF", true, 1},    // transparent over a varying parent
      {onPlain, "HALF", true, 0},
      {onGradient, "PLAIN", false, 1},  // disabled: blended with what varies
      {onPlain, "PLAIN", false, 0},
  };
  for (const auto& k : cases) {
    k.control->SkinData().SetSkinSection(k.section);
    k.control->SetEnabled(k.enabled);
    const LRESULT sent = skin::SendSkinCommand(k.control->Handle(), skin::SCMD_IS_BG_VARIED, 0);
    const tk::TMessage direct = Deliver(k.control, skin::SCMD_IS_BG_VARIED);
    EXPECT_EQ(sent, k.answer) << k.section << " on " << k.control->Parent()->ClassName();
    EXPECT_EQ(direct.LParam, k.answer) << "the same in lParam";
    EXPECT_EQ(skin::QuerySkinFlag(k.control, skin::SCMD_IS_BG_VARIED), k.answer == 1);
  }
  // No section: no answer at all.
  const tk::TMessage none = Deliver(unskinned, skin::SCMD_IS_BG_VARIED, 7);
  EXPECT_EQ(none.Result, 0);
  EXPECT_EQ(none.LParam, 7) << "the record is left as it came";
  tk::TMessage again{skin::SM_VEXACMD, skin::SkinCommandWParam(skin::SCMD_IS_BG_VARIED), 0, 0};
  EXPECT_FALSE(unskinned->SkinData().HandleSkinCommand(again));
}

TEST_F(CommonDataTest, StandardAnswersOfTheFlagsAndSlots) {
  TTestSkinned* c = Control("HALF");
  TsCommonData& d = c->SkinData();
  struct Step {
    WORD sub;
    WORD parameter;
    std::function<bool()> check;
    const char* what;
  };
  const std::vector<Step> steps = {
      {skin::SCMD_SET_DEFER, 1, [&] { return d.deferPaint; }, "defer on"},
      {skin::SCMD_SET_DEFER, 0, [&] { return !d.deferPaint; }, "defer off"},
      {skin::SCMD_SET_PAINT_NOW, 1, [&] { return d.paintNow; }, "paint now"},
      {skin::SCMD_SET_PAINT_NOW, 0, [&] { return !d.paintNow; }, "paint later"},
      {skin::SCMD_SET_STALE, 0, [&] { return d.cacheStale; }, "stale"},
      {skin::SCMD_SET_CLIPPED, 0, [&] { return d.partlyClipped; }, "clipped"},
  };
  for (const Step& s : steps) {
    d.cacheStale = d.partlyClipped = false;
    Send(c, s.sub, 0, s.parameter);
    EXPECT_TRUE(s.check()) << s.what;
  }
  // Stale only when transparent, and only with parameter 1.
  for (const char* section : {"HALF", "PLAIN"})
    for (WORD parameter : {0, 1}) {
      d.SetSkinSection(section);
      d.cacheStale = false;
      Send(c, skin::SCMD_STALE_IF_TRANSPARENT, 0, parameter);
      EXPECT_EQ(d.cacheStale, parameter == 1 && std::string(section) == "HALF") << section << " " << parameter;
    }
  Send(c, skin::SCMD_SET_PAINTING_CHILD, reinterpret_cast<LPARAM>(form));
  EXPECT_EQ(d.paintingChild, form);
  Send(c, skin::SCMD_SET_PAINTING_CHILD, 0);
  EXPECT_EQ(d.paintingChild, nullptr);
  EXPECT_EQ(Send(c, skin::SCMD_GET_APPLICATION), reinterpret_cast<LRESULT>(&tk::Application()));
  EXPECT_TRUE(skin::QuerySkinFlag(c, skin::SCMD_IS_SKINNED));
  EXPECT_TRUE(skin::QueryWindowSkinFlag(c->Handle(), skin::SCMD_IS_SKINNED));
  // Sub-commands other parts answer are not answered here.
  for (int sub : std::initializer_list<int>{skin::SCMD_GET_PROVIDER, skin::SCMD_REPAINT_VIA_PARENT, skin::SCMD_POPUP_REGION_DONE,
                   skin::SCMD_CONTROL_REFRESHED, skin::SCMD_LIST_SECTION, skin::SCMD_GET_CAPTION_HEIGHT,
                   skin::SCMD_BEGIN_UPDATE, skin::SCMD_END_UPDATE, skin::SCMD_BEFORE_SCROLL, skin::SCMD_AFTER_SCROLL,
                   63, 64, 0xFFFF}) {
    tk::TMessage m{skin::SM_VEXACMD, skin::SkinCommandWParam(static_cast<WORD>(sub)), 5, 0};
    EXPECT_FALSE(d.HandleSkinCommand(m)) << sub;
    EXPECT_EQ(m.Result, 0) << sub;
    EXPECT_EQ(m.LParam, 5) << sub;
  }
}

TEST_F(CommonDataTest, CacheReplyAndDeferredQuestion) {
  TTestSkinned* parent = Control("PLAIN", 0, 0, 200, 100);
  TTestSkinned* child = Place<TTestSkinned>(parent, 10, 10, 50, 20);
  child->SkinData().SetSkinSection("PLAIN");
  // An empty cache is no cache.
  parent->SkinData().SetDeferPaint(false);
  EXPECT_FALSE(child->SkinData().GetParentCacheInfo().ready);
  parent->Invalidate();
  parent->Update();
  ASSERT_GT(parent->skinning.rebuilds, 0);
  const skin::CacheInfo info = child->SkinData().GetParentCacheInfo();
  EXPECT_TRUE(info.ready);
  EXPECT_EQ(info.bitmap, parent->SkinData().Cache());
  EXPECT_EQ(info.offsetX, 0);
  EXPECT_EQ(info.offsetY, 0);
  // A child waits while its parent is deferred or its cache is stale.
  const struct {
    bool parentStale, parentDeferred, childWaits;
  } cases[] = {{false, false, false}, {true, false, true}, {false, true, true}};
  for (const auto& k : cases) {
    parent->SkinData().cacheStale = k.parentStale;
    parent->SkinData().deferPaint = k.parentDeferred;
    child->SkinData().deferPaint = false;
    EXPECT_EQ(child->SkinData().IsPaintDeferred(), k.childWaits);
  }
  // While the skin is being applied, nothing paints.
  parent->SkinData().cacheStale = parent->SkinData().deferPaint = false;
  manager->SkinData().Active = false;
  EXPECT_TRUE(child->SkinData().IsPaintDeferred());
  manager->SkinData().Active = true;
}

}  // namespace
