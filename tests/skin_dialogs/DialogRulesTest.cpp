// A raw dialog's frame rules: its frame kind from its styles, the caption
// buttons and system-menu items it offers in each state, and what each
// point of its frame is.
#include <gtest/gtest.h>

#include "skin/dialogs/vxDialogRules.h"

namespace {

using skin::TvxDialogFacts;

constexpr DWORD kMessageBox = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kSizable = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

TEST(DialogRulesTest, FrameKindFromStyles) {
  struct Case {
    DWORD style;
    skin::TvxFrameKind kind;
  };
  const Case cases[] = {
      {kMessageBox, skin::fkModalFrame},
      {kSizable, skin::fkStandard},
      {WS_POPUP | WS_BORDER, skin::fkPopup},                     // half a caption
      {WS_POPUP | WS_THICKFRAME, skin::fkPopup},                 // no caption at all
      {WS_POPUP | WS_CAPTION, skin::fkStandard},                 // neither modal nor sizing
      {WS_CHILD | WS_CAPTION | DS_MODALFRAME, skin::fkModalFrame},
      {WS_CHILD | DS_MODALFRAME, skin::fkModalFrame},            // not a popup: not captionless
  };
  for (const Case& c : cases) EXPECT_EQ(skin::FrameKindOfStyle(c.style), c.kind) << std::hex << c.style;
}

TvxDialogFacts Dialog(DWORD style, bool minimized = false, bool maximized = false, bool noClose = false) {
  TvxDialogFacts f;
  f.style = style;
  f.frameKind = skin::FrameKindOfStyle(style);
  f.minimized = minimized;
  f.maximized = maximized;
  f.classNoClose = noClose;
  return f;
}

TEST(DialogRulesTest, ButtonRulesByState) {
  struct Case {
    const char* what;
    TvxDialogFacts facts;
    bool close, maximize, minimize, restore;
  };
  TvxDialogFacts unread = Dialog(kSizable);
  unread.frameKind = skin::fkUnread;
  TvxDialogFacts modalWithBoxes = Dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_MAXIMIZEBOX);
  const Case cases[] = {
      {"message box", Dialog(kMessageBox), true, false, false, false},
      {"class without close", Dialog(kMessageBox, false, false, true), false, false, false, false},
      {"no system menu", Dialog(WS_POPUP | WS_CAPTION | DS_MODALFRAME), false, false, false, false},
      {"sizable, normal", Dialog(kSizable), true, true, true, false},
      {"sizable, minimized", Dialog(kSizable, true), true, true, false, true},
      {"sizable, maximized", Dialog(kSizable, false, true), true, false, true, true},
      {"styles not read yet", unread, true, true, true, false},
      {"modal frame with a maximize box", modalWithBoxes, true, false, false, false},
  };
  for (const Case& c : cases) {
    const skin::TvxDialogRules r = skin::DialogRulesOf(c.facts);
    EXPECT_EQ(r.closeAllowed, c.close) << c.what;
    EXPECT_EQ(r.maximize, c.maximize) << c.what;
    EXPECT_EQ(r.minimize, c.minimize) << c.what;
    EXPECT_EQ(r.restore, c.restore) << c.what;
  }
}

TEST(DialogRulesTest, SystemMenuItemsByState) {
  struct Case {
    const char* what;
    TvxDialogFacts facts;
    // visible/enabled: restore, move, size, minimize, maximize, close
    const char* visible;
    const char* enabled;
  };
  const Case cases[] = {
      // A message box offers Move and Close only.
      {"message box", Dialog(kMessageBox), "010001", "011001"},
      {"sizable, normal", Dialog(kSizable), "111111", "011111"},
      {"sizable, maximized", Dialog(kSizable, false, true), "111111", "101101"},
      {"sizable, minimized", Dialog(kSizable, true), "111111", "110011"},
      {"captionless popup", Dialog(WS_POPUP | WS_SYSMENU), "010001", "011001"},
  };
  for (const Case& c : cases) {
    const skin::TvxSystemMenuState s = skin::SystemMenuStateOf(c.facts);
    const bool visible[] = {s.restoreVisible, s.moveVisible, s.sizeVisible, s.minimizeVisible, s.maximizeVisible,
                            s.closeVisible};
    const bool enabled[] = {s.restoreEnabled, s.moveEnabled, s.sizeEnabled, s.minimizeEnabled, s.maximizeEnabled,
                            s.closeEnabled};
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(visible[i], c.visible[i] == '1') << c.what << " item " << i;
      EXPECT_EQ(enabled[i], c.enabled[i] == '1') << c.what << " item " << i;
    }
  }
}

// A 300 x 200 dialog with frame 4, caption 19 and 16-pixel-high buttons
// at x 238-254 (help), 254-270 (minimize), 270-286 (maximize), 286-296
// (close is narrower).
skin::TvxDialogHitFacts Frame(DWORD style, bool minimized = false, bool maximized = false) {
  skin::TvxDialogHitFacts f;
  f.dialog = Dialog(style, minimized, maximized);
  f.dialog.exStyle = WS_EX_CONTEXTHELP;
  f.width = 300;
  f.height = 200;
  f.frameWidth = f.frameHeight = 4;
  f.captionHeight = 19;
  f.closeHeight = 16;
  f.smallIconWidth = 16;
  f.close = {true, {286, 5, 296, 21}};
  f.maximize = {true, {270, 5, 286, 21}};
  f.minimize = {true, {254, 5, 270, 21}};
  f.help = {true, {238, 5, 254, 21}};
  return f;
}

TEST(DialogRulesTest, HitTestCodes) {
  struct Case {
    const char* what;
    skin::TvxDialogHitFacts facts;
    POINT point;
    int code;
  };
  auto withGrip = Frame(kSizable);
  withGrip.grip = true;
  withGrip.gripPoint = {280, 180};
  auto noMenu = Frame(kSizable & ~WS_SYSMENU);
  auto modal = Frame(kMessageBox);
  const Case cases[] = {
      // The band is c = (19 + 4 - 16) / 2 = 3 to 19, inclusive.
      {"title icon", Frame(kSizable), {10, 10}, HTSYSMENU},
      {"icon's right edge", Frame(kSizable), {20, 10}, HTSYSMENU},
      {"caption", Frame(kSizable), {100, 10}, HTCAPTION},
      {"close", Frame(kSizable), {290, 10}, HTCLOSE},
      {"shared edge goes to close", Frame(kSizable), {286, 10}, HTCLOSE},
      {"maximize", Frame(kSizable), {275, 10}, HTMAXBUTTON},
      {"minimize", Frame(kSizable), {260, 10}, HTMINBUTTON},
      {"help", Frame(kSizable), {240, 10}, HTHELP},
      {"band top", Frame(kSizable), {290, 3}, HTCLOSE},
      {"band bottom", Frame(kSizable), {290, 19}, HTCLOSE},
      {"above the band", Frame(kSizable), {290, 2}, 0},
      {"below the band", Frame(kSizable), {290, 20}, 0},
      {"no system menu", noMenu, {290, 10}, HTCAPTION},
      {"no system menu, icon place", noMenu, {10, 10}, HTSYSMENU},
      {"maximize forbidden: caption", modal, {275, 10}, HTCAPTION},
      {"minimize forbidden: caption", modal, {260, 10}, HTCAPTION},
      {"minimized: minimize restores", Frame(kSizable, true), {260, 10}, HTMINBUTTON},
      {"maximized: maximize restores", Frame(kSizable, false, true), {275, 10}, HTMAXBUTTON},
      {"grip", withGrip, {290, 190}, HTBOTTOMRIGHT},
      {"grip's own corner is not", withGrip, {280, 190}, 0},
      {"client", Frame(kSizable), {150, 100}, 0},
      {"maximized left edge", Frame(kSizable, false, true), {1, 100}, HTTRANSPARENT},
      {"maximized top edge", Frame(kSizable, false, true), {150, 1}, HTTRANSPARENT},
      {"maximized right edge", Frame(kSizable, false, true), {296, 100}, HTTRANSPARENT},
      {"maximized inside right", Frame(kSizable, false, true), {295, 100}, 0},
      {"maximized bottom edge", Frame(kSizable, false, true), {150, 196}, HTTRANSPARENT},
      {"maximized inside", Frame(kSizable, false, true), {2, 195}, 0},
  };
  for (Case c : cases) {
    c.facts.point = c.point;
    EXPECT_EQ(skin::DialogHitTest(c.facts), c.code) << c.what;
  }
}

}  // namespace
