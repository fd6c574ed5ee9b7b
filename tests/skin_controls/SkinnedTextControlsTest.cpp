// The skinned edit, its bound label, the group box and the labels in real
// windows under Wine: typing, selecting, the clipboard, undo and input
// methods inside the skinned border; the cached face of an inactive edit
// (passwords too); where a bound label goes and how it is named; the group
// box's frame and caption; the labels' colours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinnedControlsFixture.h"
#include "ScreenPixels.h"
#include "WindowTestSupport.h"
#include "skin/controls/sEditLabel.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMaskEdit.h"
#include "skin/data/sSkinCommand.h"
#include "toolkit/win/Unicode.h"

namespace {

using namespace testing_support;
using skin::TsMaskEdit;

class SkinnedTextControlsTest : public ctlfix::SkinnedControlsTest {
protected:
  TsMaskEdit* Edit(int left, int top, int width = 116, int height = 23) {
    auto* e = Place<TsMaskEdit>(form, left, top, width, height);
    e->Font().SetName("MS Sans Serif");
    e->Font().SetHeight(-15);
    return e;
  }
  // The window's picture, its frame included.
  static tk::Bitmap Shown(tk::TWinControl* c) {
    RedrawWindow(c->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    PumpPending();
    return ctlfix::CaptureControl(*c);
  }
};

// What an edit holds after each step of the same input: text, selection.
std::vector<std::string> RunInput(tk::TCustomEdit* edit) {
  std::vector<std::string> seen;
  auto note = [&] {
    PumpPending();
    seen.push_back(edit->Text() + " @" + std::to_string(edit->SelStart()) + "+" + std::to_string(edit->SelLength()));
  };
  ClickControl(*edit);
  EXPECT_TRUE(PumpUntil([&] { return edit->Focused(); }));
  TypeText(L"116.391");
  note();
  PressKey(VK_HOME);
  PressChord({VK_SHIFT, VK_END});
  note();
  PressChord({VK_CONTROL, 'C'});
  PressKey(VK_END);
  PressChord({VK_CONTROL, 'V'});
  note();
  PressKey(VK_LEFT);
  PressChord({VK_SHIFT, VK_LEFT});
  TypeText(L"x");
  note();
  PressChord({VK_CONTROL, 'Z'});
  note();
  // A drag across the text selects it.
  MoveMouseTo(ScreenPointOf(*edit, 2, edit->ClientHeight() / 2));
  LeftButtonDown();
  MoveMouseTo(ScreenPointOf(*edit, edit->ClientWidth() - 2, edit->ClientHeight() / 2));
  LeftButtonUp();
  note();
  // An input method's character reaches the system edit.
  PressKey(VK_END);
  SendMessageW(edit->Handle(), WM_IME_CHAR, L'度', 0);
  note();
  return seen;
}

TEST_F(SkinnedTextControlsTest, TypingSelectingClipboardUndoAndInputMethodsAsInThePlainEdit) {
  auto* plain = tk::Create<tk::TMaskEdit>(form);
  plain->SetParent(form);
  plain->SetBounds(20, 100, 116, 23);
  plain->Font().SetHeight(-15);
  TsMaskEdit* edit = Edit(20, 20);
  TsMaskEdit* other = Edit(20, 60);
  ASSERT_TRUE(edit->SkinData().IsSkinned(true));
  EXPECT_EQ(edit->Color(), 0) << "the section's black";
  EXPECT_EQ(edit->Font().Color(), 0x00FF00) << "the section's green";
  const std::vector<std::string> expected = RunInput(plain);
  EXPECT_EQ(expected.front(), "116.391 @7+0");
  EXPECT_EQ(expected[2], "116.391116.391 @14+0") << "copied and pasted";
  EXPECT_EQ(expected[3], "116.391116.3x1 @13+0") << "typed over a selection";
  EXPECT_NE(expected.back().find("度 @"), std::string::npos) << "the input method's character";
  EXPECT_EQ(RunInput(edit), expected);
  EXPECT_TRUE(edit->IsActiveLook());
  POINT caret{};
  ASSERT_TRUE(GetCaretPos(&caret));
  RECT client;
  GetClientRect(edit->Handle(), &client);
  EXPECT_TRUE(PtInRect(&client, caret)) << "the system caret inside the client area";

  // The border on the screen is the skin's, focused or not.
  const tk::Bitmap active = Shown(edit);
  EXPECT_EQ(ctlfix::DifferingPixels(active, *edit->SkinData().Cache()) > 0, true)
      << "the client area is the system edit's while active";
  for (int x = 0; x < edit->Width(); ++x)
    EXPECT_EQ(ctlfix::PixelOf(active, x, 0), ctlfix::PixelOf(*edit->SkinData().Cache(), x, 0)) << "top border " << x;

  other->SetFocus();
  MoveMouseTo(ScreenPointOf(*form, 390, 290));
  ASSERT_TRUE(PumpUntil([&] { return other->Focused() && !edit->IsActiveLook(); }));
  const tk::Bitmap inactive = Shown(edit);
  EXPECT_EQ(ctlfix::DifferingPixels(inactive, *edit->SkinData().Cache()), 0) << "the whole face from the cache";
  int green = 0;
  for (int y = 0; y < edit->Height(); ++y)
    for (int x = 0; x < 20; ++x) green += ctlfix::PixelOf(inactive, x, y) == 0x00FF00;
  EXPECT_GT(green, 0) << "the text starts at the left";
}

TEST_F(SkinnedTextControlsTest, APasswordFaceShowsOneMarkPerCharacter) {
  TsMaskEdit* secret = Edit(20, 20);
  secret->SetPasswordChar(L'*');
  secret->SetText("abc");
  TsMaskEdit* stars = Edit(20, 60);
  stars->SetText("***");
  Shown(secret);
  Shown(stars);
  EXPECT_EQ(ctlfix::DifferingPixels(*secret->SkinData().Cache(), *stars->SkinData().Cache()), 0);
}

TEST_F(SkinnedTextControlsTest, ABoundLabelIsPlacedByTheEditAndNamedAfterIt) {
  TsMaskEdit* edit = Edit(69, 27);
  edit->SetName("edtLon");
  skin::TsBoundLabel& bound = edit->BoundLabel();
  EXPECT_FALSE(bound.Active());
  EXPECT_EQ(bound.TheLabel(), nullptr);
  bound.SetActive(true);
  skin::TsEditLabel* label = bound.TheLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption(), "edtLon");
  EXPECT_EQ(label->Name(), "edtLonLabel");
  EXPECT_EQ(label->Parent(), form);
  EXPECT_EQ(label->FocusControl(), edit);

  // With the window's label font the label is 45 x 15: it goes to (20, 30).
  tk::TFont font;
  font.SetName("MS Sans Serif");
  font.SetHeight(-15);
  font.SetCharset(GB2312_CHARSET);
  bound.SetFont(font);
  bound.SetCaption("经度：");
  const struct {
    skin::TsBoundLabel::TsCaptionLayout layout;
    int indent;
  } cases[] = {{skin::TsBoundLabel::sclLeft, 0},     {skin::TsBoundLabel::sclLeft, 5},
               {skin::TsBoundLabel::sclTopLeft, 2},  {skin::TsBoundLabel::sclTopCenter, 0},
               {skin::TsBoundLabel::sclTopRight, 3}};
  for (const auto& c : cases) {
    bound.SetLayout(c.layout);
    bound.SetIndent(c.indent);
    const int w = label->Width(), h = label->Height();
    int left = 0, top = 27 - h - c.indent;
    switch (c.layout) {
      case skin::TsBoundLabel::sclLeft:
        left = 69 - w - c.indent - 4;
        top = 27 + (23 - h) / 2 - 1;
        break;
      case skin::TsBoundLabel::sclTopLeft: left = 69; break;
      case skin::TsBoundLabel::sclTopCenter: left = 69 + (116 - w) / 2; break;
      case skin::TsBoundLabel::sclTopRight: left = 69 + 116 - w; break;
    }
    EXPECT_EQ(label->Left(), left) << c.layout << " indent " << c.indent;
    EXPECT_EQ(label->Top(), top) << c.layout << " indent " << c.indent;
    if (c.layout == skin::TsBoundLabel::sclLeft && c.indent == 0 && w == 45 && h == 15) {
      EXPECT_EQ(label->Left(), 20);
      EXPECT_EQ(label->Top(), 30);
    }
  }
  // It follows the edit.
  bound.SetLayout(skin::TsBoundLabel::sclLeft);
  bound.SetIndent(0);
  edit->SetLeft(100);
  EXPECT_EQ(label->Left(), 100 - label->Width() - 4);
  edit->SetEnabled(false);
  EXPECT_FALSE(label->Enabled());
  edit->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  // Freed by its owner: the bound label is inactive.
  tk::TComponent::Free(label);
  EXPECT_FALSE(bound.Active());
  EXPECT_EQ(bound.TheLabel(), nullptr);
}

// The area a group box places its children in.
class OpenGroupBox : public skin::TsGroupBox {
public:
  using TsGroupBox::TsGroupBox;
  using TsGroupBox::AdjustClientRect;
};
RECT ChildArea(OpenGroupBox* box) {
  RECT r = box->ClientRect();
  box->AdjustClientRect(r);
  return r;
}

TEST_F(SkinnedTextControlsTest, TheGroupBoxFrameStartsByTheCaptionOffset) {
  auto* box = Place<OpenGroupBox>(form, 16, 17, 200, 105);
  auto* plain = Place<OpenGroupBox>(form, 16, 130, 200, 105);
  box->SetCaption("大地坐标");
  // The first row of the left border, below the caption band.
  auto frameTop = [&] {
    Shown(box);
    const tk::Bitmap& cache = *box->SkinData().Cache();
    for (int y = 0; y < cache.Height(); ++y)
      if (ctlfix::PixelOf(cache, 1, y) != 0xFFFFFF) return y;
    return -1;
  };
  const int h = box->CaptionHeight();
  EXPECT_EQ(frameTop(), h / 2) << "at the middle of the caption strip";
  box->SetCaptionYOffset(-5);
  EXPECT_EQ(frameTop(), 0) << "from the top of the control";
  const RECT c = box->CaptionRect();
  EXPECT_EQ(c.top, -5);
  EXPECT_EQ(c.bottom, h - 5);
  box->SetCaptionYOffset(5);
  EXPECT_EQ(ChildArea(box).top, ChildArea(plain).top + 5) << "the children's area moves down too";
  EXPECT_EQ(skin::SendSkinCommand(box->Handle(), skin::SCMD_GET_CAPTION_HEIGHT, 0), h + 5);

  box->SetCaptionYOffset(0);
  box->SetCaptionLayout(skin::TsGroupBox::clTopCenter);
  const int tw = box->SkinData().CacheCanvas().TextWidth("大地坐标");
  EXPECT_EQ(box->CaptionRect().left, (200 - tw - 10) / 2) << "centred by the width in the group box's font";
  EXPECT_EQ(box->CaptionRect().right, (200 - tw - 10) / 2 + tw + 8);
  box->SetCaptionLayout(skin::TsGroupBox::clTopRight);
  EXPECT_EQ(box->CaptionRect().left, 200 - tw - 14);
}

TEST_F(SkinnedTextControlsTest, LabelsTakeTheSkinsColourAndMixItWhenDisabled) {
  form->SetColor(tk::clBlack);
  auto* label = tk::Create<skin::TsLabel>(form);
  label->SetParent(form);
  label->SetBounds(20, 20, 60, 20);
  label->Font().SetHeight(-15);
  label->SetCaption("经度：");
  label->Font().SetColor(tk::clRed);
  form->Repaint();
  PumpPending();
  EXPECT_EQ(label->Font().Color(), 0x00FFFF) << "the skin's global font colour: yellow";
  label->SetEnabled(false);
  form->Repaint();
  PumpPending();
  const tk::Bitmap shown = ctlfix::CaptureControl(*label);
  int mixed = 0, yellow = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) {
      mixed += ctlfix::PixelOf(shown, x, y) == 0x006666;
      yellow += ctlfix::PixelOf(shown, x, y) == 0x00FFFF;
    }
  EXPECT_GT(mixed, 0) << "40 % yellow over black: red 102, green 102, blue 0";
  EXPECT_EQ(yellow, 0);
  // Without the skin: the system's text colour.
  manager->SetActive(false);
  EXPECT_EQ(label->Font().Color(), tk::clWindowText);
}

}  // namespace
