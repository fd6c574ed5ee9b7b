// The skinned speed button: where glyph and caption go for every layout,
// the clamped and style-dependent properties, its frames under real input
// (hover, press, the second glyph frame while pressed), its drop-down menu
// under real input, and the styles that only show the background.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "SkinnedControlsFixture.h"
#include "ScreenPixels.h"
#include "WindowTestSupport.h"
#include "skin/controls/sSkinnedControlClasses.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/paint/sBitmapOps.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/Menus.h"

namespace {

using namespace testing_support;
using skin::TsGlyphCaptionLayout;
using skin::TsSpeedButton;

void ExpectRect(const RECT& got, const RECT& expected, const char* what) {
  EXPECT_EQ(got.left, expected.left) << what;
  EXPECT_EQ(got.top, expected.top) << what;
  EXPECT_EQ(got.right, expected.right) << what;
  EXPECT_EQ(got.bottom, expected.bottom) << what;
}

TsGlyphCaptionLayout Layout23x22() {
  TsGlyphCaptionLayout l;
  l.width = 23;
  l.height = 22;
  return l;
}

TEST(SpeedButtonLayout, GlyphAndCaptionPlaces) {
  // The broom: a 16 x 16 glyph without caption.
  TsGlyphCaptionLayout broom = Layout23x22();
  broom.glyph = {16, 16};
  ExpectRect(broom.GlyphRect(), {3, 3, 19, 19}, "glyph");
  broom.pressed = true;
  ExpectRect(broom.GlyphRect(), {4, 4, 20, 20}, "pressed glyph");

  // ">>" without glyph, for several measured sizes and offsets.
  for (const SIZE text : {SIZE{14, 15}, SIZE{13, 16}, SIZE{30, 15}}) {
    for (const int offset : {0, 3}) {
      TsGlyphCaptionLayout l = Layout23x22();
      l.hasCaption = true;
      l.text = text;
      l.textOffset = offset;
      const int dx = (23 - text.cx) / 2, dy = (22 - text.cy) / 2;
      ExpectRect(l.CaptionRect(), {offset - 1 + dx, dy, 23 - dx + 2 + offset, 22 - dy}, ">>");
    }
  }

  // Glyph and caption together, every layout (margin 2, spacing 4).
  const struct {
    tk::TButtonLayout layout;
    tk::TAlignment alignment;
    RECT glyph, caption;
  } cases[] = {
      {tk::blGlyphLeft, tk::taLeftJustify, {5, 17, 21, 33}, {21, 17, 67, 33}},
      {tk::blGlyphLeft, tk::taCenter, {18, 17, 34, 33}, {37, 17, 80, 33}},
      {tk::blGlyphLeft, tk::taRightJustify, {31, 17, 47, 33}, {50, 17, 93, 33}},
      {tk::blGlyphRight, tk::taLeftJustify, {45, 17, 61, 33}, {4, 17, 47, 33}},
      {tk::blGlyphRight, tk::taCenter, {62, 17, 78, 33}, {17, 17, 60, 33}},
      {tk::blGlyphRight, tk::taRightJustify, {75, 17, 91, 33}, {30, 17, 73, 33}},
      {tk::blGlyphTop, tk::taCenter, {41, 7, 57, 23}, {27, 27, 70, 43}},
      {tk::blGlyphBottom, tk::taCenter, {41, 27, 57, 43}, {27, 7, 70, 23}},
  };
  for (const auto& c : cases) {
    TsGlyphCaptionLayout l;
    l.width = 96;
    l.height = 50;
    l.margin = 2;
    l.spacing = 4;
    l.layout = c.layout;
    l.alignment = c.alignment;
    l.hasCaption = true;
    l.glyph = {16, 16};
    l.text = {40, 16};
    ExpectRect(l.GlyphRect(), c.glyph, "glyph");
    ExpectRect(l.CaptionRect(), c.caption, "caption");
  }
}

// Pixels of two pictures of the same size that differ inside r.
int DifferingPixelsIn(const tk::Bitmap& a, const tk::Bitmap& b, const RECT& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += ctlfix::PixelOf(a, x, y) != ctlfix::PixelOf(b, x, y);
  return n;
}

// Runs a check every 20 ms from a thread timer until it returns true. A
// shown popup menu runs its own message loop, which dispatches these timers
// too: the check sees the button while its menu is open.
class EveryTick {
public:
  explicit EveryTick(std::function<bool()> check) : check_(std::move(check)) {
    current_ = this;
    id_ = SetTimer(nullptr, 0, 20, &Tick);
  }
  ~EveryTick() {
    if (id_) KillTimer(nullptr, id_);
    current_ = nullptr;
  }
  EveryTick(const EveryTick&) = delete;
  EveryTick& operator=(const EveryTick&) = delete;

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    EveryTick* t = current_;
    if (!t || !t->id_ || !t->check_()) return;
    KillTimer(nullptr, t->id_);
    t->id_ = 0;
  }
  static inline EveryTick* current_ = nullptr;
  std::function<bool()> check_;
  UINT_PTR id_ = 0;
};

// The popup menu window on the screen, or none.
HWND ShownMenu() {
  const HWND menu = FindWindowW(L"#32768", nullptr);
  return menu && IsWindowVisible(menu) ? menu : nullptr;
}

class SkinnedSpeedButtonTest : public ctlfix::SkinnedControlsTest {
protected:
  TsSpeedButton* Button(int left, int top, int width = 23, int height = 22) {
    auto* b = tk::Create<TsSpeedButton>(form);
    b->SetParent(form);
    b->SetBounds(left, top, width, height);
    b->OnClick = [this](tk::TObject*) { ++clicks; };
    return b;
  }
  tk::Bitmap Look(TsSpeedButton* b) {
    EXPECT_TRUE(PumpUntil([&] { return !b->FadeRunning(); })) << "the fade ends";
    PumpPending();
    form->Update();
    EXPECT_FALSE(b->SkinData().cacheStale);
    EXPECT_EQ(ctlfix::ScreenDiffersFromCache(*b, *b->SkinData().Cache()), 0) << "the screen shows the cache";
    return *b->SkinData().Cache();
  }
  int clicks = 0;
};

TEST_F(SkinnedSpeedButtonTest, BlendIsClampedAndTheDropDownStyleWidensAtRunTime) {
  TsSpeedButton* b = Button(10, 10);
  b->SetBlend(150);
  EXPECT_EQ(b->Blend(), 100);
  b->SetBlend(-5);
  EXPECT_EQ(b->Blend(), 0);
  b->SetButtonStyle(skin::tbsDropDown);
  EXPECT_EQ(b->Width(), 39);
  EXPECT_EQ(b->DropDownWidth(), 16);
  b->SetButtonStyle(skin::tbsCheck);
  EXPECT_EQ(b->Width(), 23);
}

TEST_F(SkinnedSpeedButtonTest, ADropDownButtonReadFromALayoutKeepsItsStoredWidth) {
  auto* stored = tk::Create<tk::TForm>(nullptr);
  stored->ReadLayout(
      "object F: TForm\n"
      "  object b: TsSpeedButton\n"
      "    Left = 4\n    Top = 4\n    Width = 39\n    Height = 22\n"
      "    ButtonStyle = tbsDropDown\n    Blend = 150\n"
      "    SkinData.SkinSection = 'SPEEDBUTTON'\n"
      "  end\n"
      "end\n");
  ASSERT_EQ(stored->ComponentCount(), 1);
  auto* b = dynamic_cast<TsSpeedButton*>(stored->Components(0));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Width(), 39);
  EXPECT_EQ(b->ButtonStyle(), skin::tbsDropDown);
  EXPECT_EQ(b->Blend(), 100);
  tk::TComponent::Free(stored);
}

TEST_F(SkinnedSpeedButtonTest, HoverAndPressShowTheirLooksAndThePressedGlyphFrame) {
  TsSpeedButton* b = Button(100, 100, 40, 30);
  // Two frames: red for up, blue for pressed, each 8 x 8 on magenta.
  tk::Bitmap glyph = skin::NewBitmap24(16, 8);
  skin::FillRectBitmap(glyph, {0, 0, 16, 8}, skin::clFuchsia);
  skin::FillRectBitmap(glyph, {1, 1, 7, 7}, 0x0000FF);
  skin::FillRectBitmap(glyph, {9, 1, 15, 7}, 0xFF0000);
  b->Glyph().SetImage(glyph);
  b->SetNumGlyphs(2);
  b->SetShowCaption(false);
  const tk::Bitmap normal = Look(b);
  const RECT g = b->GlyphRect();
  const int cx = (g.left + g.right) / 2, cy = (g.top + g.bottom) / 2;
  EXPECT_EQ(ctlfix::PixelOf(normal, cx, cy), 0x0000FF) << "first frame";

  MoveMouseTo(CentreOf(*b));
  ASSERT_TRUE(PumpUntil([&] { return b->CurrentState() == 1; }));
  const tk::Bitmap hot = Look(b);
  EXPECT_GT(ctlfix::DifferingPixels(normal, hot), 0);

  LeftButtonDown();
  ASSERT_TRUE(PumpUntil([&] { return b->CurrentState() == 2; }));
  const tk::Bitmap pressed = Look(b);
  EXPECT_EQ(ctlfix::PixelOf(pressed, cx + 1, cy + 1), 0xFF0000) << "second frame, one pixel right and down";
  LeftButtonUp();
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_EQ(b->CurrentState(), 1);
  EXPECT_EQ(ctlfix::PixelOf(Look(b), cx, cy), 0x0000FF);

  MoveMouseTo(ScreenPointOf(*form, 390, 290));
  ASSERT_TRUE(PumpUntil([&] { return b->CurrentState() == 0; }));
  EXPECT_EQ(ctlfix::DifferingPixels(normal, Look(b)), 0) << "back to the normal look";
}

// What a drop-down button showed while its menu was open.
struct WhileOpen {
  bool seen = false;
  RECT menu{};
  bool menuShowing = false;
  skin::TsSpeedButton* menuButton = nullptr;
  int arrowChanged = 0, mainChanged = 0;
};

class SkinnedDropDownTest : public SkinnedSpeedButtonTest {
protected:
  void SetUp() override {
    SkinnedSpeedButtonTest::SetUp();
    b = Button(10, 10);
    b->SetButtonStyle(skin::tbsDropDown);
    menu = tk::Create<tk::TPopupMenu>(form);
    for (const char* caption : {"第一", "第二"}) {
      auto* item = tk::Create<tk::TMenuItem>(menu);
      item->SetCaption(caption);
      item->OnClick = [this, caption](tk::TObject*) { chosen += caption; };
      menu->Items()->Add(item);
    }
    b->SetDropdownMenu(menu);
    normal = Look(b);
  }
  // Presses the left button at (x, y) of the button; while the menu is open
  // notes what the button shows against `before` and presses keys; releases
  // the button once the menu has closed.
  WhileOpen PressAndUseMenu(int x, int y, const tk::Bitmap& before, std::initializer_list<WORD> keys,
                            POINT mouseWhileOpen) {
    WhileOpen seen;
    const RECT arrow{b->Width() - 16, 0, b->Width(), b->Height()}, main{0, 0, b->Width() - 16, b->Height()};
    MoveMouseTo(ScreenPointOf(*b, x, y));
    PumpPending();
    EveryTick tick([&] {
      const HWND shown = ShownMenu();
      if (!shown) return false;
      seen.seen = true;
      GetWindowRect(shown, &seen.menu);
      seen.menuShowing = skin::MenuShowing;
      seen.menuButton = skin::MenuButton;
      seen.arrowChanged = DifferingPixelsIn(*b->SkinData().Cache(), before, arrow);
      seen.mainChanged = DifferingPixelsIn(*b->SkinData().Cache(), before, main);
      MoveMouseTo(mouseWhileOpen);
      for (WORD key : keys) PressKey(key);
      return true;
    });
    LeftButtonDown();
    EXPECT_TRUE(PumpUntil([&] { return seen.seen && !ShownMenu() && !skin::MenuShowing; })) << "the menu came and went";
    LeftButtonUp();
    PumpPending();
    return seen;
  }
  TsSpeedButton* b = nullptr;
  tk::TPopupMenu* menu = nullptr;
  std::string chosen;
  tk::Bitmap normal;
};

TEST_F(SkinnedDropDownTest, TheArrowPartOpensTheMenuBelowTheButtonAndTheChosenItemRuns) {
  MoveMouseTo(ScreenPointOf(*b, b->Width() - 8, 11));
  ASSERT_TRUE(PumpUntil([&] { return b->CurrentState() == 1; }));
  const tk::Bitmap hot = Look(b);
  const WhileOpen open = PressAndUseMenu(b->Width() - 8, 11, hot, {VK_DOWN, VK_RETURN}, ScreenPointOf(*b, b->Width() - 8, 11));
  ASSERT_TRUE(open.seen);
  const POINT below = ScreenPointOf(*b, 0, b->Height() + 1);
  EXPECT_EQ(open.menu.left, below.x) << "the menu's left edge under the button's";
  EXPECT_EQ(open.menu.top, below.y) << "one pixel below the button";
  EXPECT_TRUE(open.menuShowing);
  EXPECT_EQ(open.menuButton, b);
  EXPECT_GT(open.arrowChanged, 0) << "the arrow part drawn pressed";
  EXPECT_EQ(open.mainChanged, 0) << "a button with OnClick keeps its main part up";
  EXPECT_EQ(chosen, "第一");
  EXPECT_EQ(clicks, 0) << "a press on the arrow part is not a click";
  EXPECT_EQ(skin::MenuButton, nullptr);
  EXPECT_EQ(ctlfix::DifferingPixels(Look(b), hot), 0) << "hot again, the mouse still over it";
  // The main part of a button with OnClick clicks and opens nothing.
  MoveMouseTo(ScreenPointOf(*b, 5, 11));
  LeftButtonDown();
  LeftButtonUp();
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_EQ(ShownMenu(), nullptr);
}

TEST_F(SkinnedDropDownTest, WithoutOnClickTheWholeButtonOpensTheMenuAndIsNotHotOnceTheMouseLeftWhileItShowed) {
  b->OnClick = nullptr;
  MoveMouseTo(ScreenPointOf(*b, 5, 11));
  ASSERT_TRUE(PumpUntil([&] { return b->CurrentState() == 1; }));
  const tk::Bitmap hot = Look(b);
  // Escape closes the menu with the mouse moved away meanwhile.
  const WhileOpen open = PressAndUseMenu(5, 11, hot, {VK_ESCAPE}, ScreenPointOf(*form, 390, 290));
  ASSERT_TRUE(open.seen);
  EXPECT_GT(open.mainChanged, 0) << "the main part drawn down while the menu shows";
  EXPECT_GT(open.arrowChanged, 0);
  EXPECT_EQ(chosen, "");
  ASSERT_TRUE(PumpUntil([&] { return b->CurrentState() == 0; })) << "the mouse left while the menu showed";
  EXPECT_EQ(ctlfix::DifferingPixels(Look(b), normal), 0) << "back to the normal look";
}

TEST_F(SkinnedSpeedButtonTest, ANewReadingOrderRebuildsTheCaption) {
  TsSpeedButton* b = Button(10, 10, 60, 22);
  b->SetCaption("(1) 转换");
  b->SetTextAlignment(tk::taLeftJustify);
  const tk::Bitmap before = Look(b);
  b->SetBiDiMode(tk::bdRightToLeft);
  EXPECT_TRUE(b->SkinData().cacheStale) << "rebuilt at the next paint";
  b->RepaintThroughParent();
  const tk::Bitmap after = Look(b);
  // As for the push button: the same look where the system reads left to right.
  if (!tk::SystemReadsRightToLeft()) EXPECT_EQ(ctlfix::DifferingPixels(before, after), 0);
}

TEST_F(SkinnedSpeedButtonTest, ADisabledDividerStillDrawsItsMask) {
  TsSpeedButton* separator = Button(10, 10, 12, 22);
  separator->SetButtonStyle(skin::tbsSeparator);
  TsSpeedButton* divider = Button(30, 10, 12, 22);
  divider->SetButtonStyle(skin::tbsDivider);
  divider->SetEnabled(false);
  form->Repaint();
  const tk::Bitmap bare = Look(separator);
  const tk::Bitmap line = Look(divider);
  EXPECT_EQ(ctlfix::PixelOf(bare, 6, 11), 0xFFFFFF) << "the form's white";
  EXPECT_GT(ctlfix::DifferingPixels(bare, line), 0) << "the divider's mask";
}

}  // namespace
