// With a manager that has no skin loaded at all, with the manager's skinning
// switched off, or with a section the skin does not hold, every skinned
// control paints exactly as the plain toolkit control it extends: side by
// side, their pixels agree.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ScreenPixels.h"
#include "SkinnedControlsFixture.h"
#include "WindowTestSupport.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMaskEdit.h"
#include "skin/controls/sSkinnedControlClasses.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/data/sSkinGlobals.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/GroupBox.h"
#include "toolkit/win/Label.h"
#include "toolkit/win/SpeedButton.h"

namespace {

using namespace testing_support;

class UnskinnedLooksTest : public ctlfix::SkinnedControlsTest {
protected:
  // A skinned control and its plain twin with the same size and text, the
  // skinned one in the upper half of the form.
  template <class Skinned, class Plain>
  void Pair(int left, int width, int height, const char* text, const char* section) {
    auto* s = Place<Skinned>(form, left, 20, width, height);
    auto* p = PlacePlain<Plain>(form, left, 160, width, height);
    for (tk::TControl* c : {static_cast<tk::TControl*>(s), static_cast<tk::TControl*>(p)}) c->SetCaption(text);
    if (section) s->SkinData().SetSkinSection(section);
    pairs.push_back({s, p});
  }
  void ExpectPairsAlike(const char* when) {
    form->Repaint();
    for (auto& [s, p] : pairs) {
      if (auto* w = dynamic_cast<tk::TWinControl*>(s)) RedrawWindow(w->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      if (auto* w = dynamic_cast<tk::TWinControl*>(p)) RedrawWindow(w->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    PumpPending();
    for (auto& [s, p] : pairs)
      EXPECT_EQ(ctlfix::DifferingPixels(ctlfix::CaptureControl(*s), ctlfix::CaptureControl(*p)), 0)
          << s->ClassName() << " " << when;
  }
  // A push button, an edit, a group box and a speed button with their plain
  // twins; each with the section it has in the converter's window, or with
  // one the skin does not hold.
  void PairEveryKind(bool ownSections) {
    Pair<skin::TsButton, tk::TButton>(10, 90, 30, "按钮", ownSections ? "BUTTON" : "NOSUCH");
    // The skinned button wraps its caption by default: the plain one with the same property.
    static_cast<tk::TButton*>(pairs.back().second)->SetWordWrap(true);
    Pair<skin::TsMaskEdit, tk::TMaskEdit>(110, 70, 23, "123.4", ownSections ? "EDIT" : "NOSUCH");
    Pair<skin::TsGroupBox, tk::TGroupBox>(190, 100, 60, "大地坐标", ownSections ? "GROUPBOX" : "NOSUCH");
    Pair<skin::TsSpeedButton, tk::TSpeedButton>(300, 23, 22, ">>", ownSections ? "SPEEDBUTTON" : "NOSUCH");
  }
  // A label and its plain twin (labels have no skin data of their own).
  void LabelPair(int left, const char* text) {
    auto* label = tk::Create<skin::TsLabel>(form);
    auto* plainLabel = PlacePlain<tk::TLabel>(form, left, 160, 45, 15);
    label->SetParent(form);
    label->SetBounds(left, 20, 45, 15);
    for (tk::TControl* c : {static_cast<tk::TControl*>(label), static_cast<tk::TControl*>(plainLabel)}) c->SetCaption(text);
    pairs.push_back({label, plainLabel});
  }
  std::vector<std::pair<tk::TControl*, tk::TControl*>> pairs;
};

TEST_F(UnskinnedLooksTest, AMissingSectionOrSkinningSwitchedOffPaintsThePlainControl) {
  // The focus on neither of a pair.
  auto* away = PlacePlain<tk::TEdit>(form, 330, 270, 60, 20);
  away->SetFocus();
  PairEveryKind(false);
  auto* label = tk::Create<skin::TsLabel>(form);
  auto* plainLabel = PlacePlain<tk::TLabel>(form, 330, 160, 45, 15);
  label->SetParent(form);
  label->SetBounds(330, 20, 45, 15);
  for (tk::TControl* c : {static_cast<tk::TControl*>(label), static_cast<tk::TControl*>(plainLabel)}) c->SetCaption("经度：");
  ExpectPairsAlike("with a section the skin does not hold");
  // The label has no section: it follows the skin's font colour until the
  // skinning is switched off.
  manager->SetActive(false);
  pairs.push_back({label, plainLabel});
  for (auto& [s, p] : pairs)
    if (auto* d = skin::SkinDataOf(s)) d->SetSkinSection(s->ClassName() == std::string("TsButton") ? "BUTTON" : "EDIT");
  ExpectPairsAlike("with the skinning switched off");
}

// A form whose manager - the process's default one - holds no skin and has
// never loaded one: it is Active, but there is nothing to paint from.
class NoSkinLoadedLooksTest : public UnskinnedLooksTest {
protected:
  static void SetUpTestSuite() {
    skin::RegisterSkinnedControlClasses();
    form = ShowTestForm(400, 300);
    if (!form) return;
    form->SetColor(tk::clWhite);
    manager = tk::Create<skin::TsSkinManager>(form);
    manager->SetSkinDirectory("c:\\NoSkinsHere");
  }
  void SetUp() override {
    ASSERT_NE(form, nullptr) << "the form could not be brought to the front";
    ASSERT_EQ(skin::DefaultManager, manager);
    BringToFront(form->Handle());
    MoveMouseTo(ScreenPointOf(*form, 395, 295));
    PumpPending();
  }
  // The controls go with the form at the end of the suite.
  void TearDown() override { LeftButtonUp(); }
};

TEST_F(NoSkinLoadedLooksTest, EveryControlPaintsAsItsPlainTwin) {
  ASSERT_TRUE(manager->Active());
  ASSERT_FALSE(manager->SkinData().Active);
  ASSERT_TRUE(manager->Tables().gd.empty());
  auto* away = PlacePlain<tk::TEdit>(form, 330, 270, 60, 20);
  away->SetFocus();
  PairEveryKind(true);
  LabelPair(330, "经度：");
  ExpectPairsAlike("with a manager that never loaded a skin");
  // The mouse passing over the buttons starts no fade and leaves nothing behind.
  auto* button = static_cast<skin::TsButton*>(pairs[0].first);
  auto* speed = static_cast<skin::TsSpeedButton*>(pairs[3].first);
  for (tk::TControl* c : {static_cast<tk::TControl*>(button), static_cast<tk::TControl*>(speed)}) {
    MoveMouseTo(CentreOf(*c));
    PumpPending();
    EXPECT_FALSE(button->FadeRunning());
    EXPECT_FALSE(speed->FadeRunning());
  }
  MoveMouseTo(ScreenPointOf(*form, 395, 295));
  ExpectPairsAlike("after the mouse passed over the buttons");
  // A skin name the manager cannot find: it gives up, and nothing changes.
  manager->SetSkinName("Nowhere");
  EXPECT_FALSE(manager->Active());
  ExpectPairsAlike("after the manager found no skin of its name");
}

}  // namespace
