// The skin manager component in real windows: the default manager, the
// flows that load, reload and remove a skin, the broadcasts as controls
// receive them, the application-window and dialog hooks, the hovered
// window, and the delivery helpers of the skin command.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "SkinFixtures.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/CustomControl.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/GraphicControl.h"

namespace {

using fixtures::MakePackage;
using fixtures::ToBytes;

struct Received {
  WORD sub;
  LPARAM lParam;
  bool skinLoading;
  int sequence;
};
int gSequence = 0;

// Records every skin command. Skinned probes answer SCMD_IS_SKINNED the
// direct way (lParam 1); a probe may instead answer only through the message
// result, or throw.
enum class Answer { Skinned, ResultOnly, NotSkinned, Throws };

template <class Base>
class Probe : public Base {
public:
  Probe(tk::TComponent* owner, Answer answer) : Base(owner), answer_(answer) {}
  std::vector<Received> got;
  std::function<void(WORD, LPARAM)> onCommand;
  std::vector<WORD> Subs() const {
    std::vector<WORD> s;
    for (const auto& r : got) s.push_back(r.sub);
    return s;
  }

protected:
  void WndProc(tk::TMessage& m) override {
    if (m.Msg == skin::SM_VEXACMD) {
      const WORD sub = skin::SkinSubCommand(m.WParam);
      if (sub == skin::SCMD_IS_SKINNED) {
        if (answer_ == Answer::Skinned) m.LParam = 1;
        if (answer_ == Answer::ResultOnly) m.Result = 1;
        return;
      }
      got.push_back({sub, m.LParam, skin::SkinLoading, ++gSequence});
      if (onCommand) onCommand(sub, m.LParam);
      if (answer_ == Answer::Throws) throw std::runtime_error("probe failure");
      return;
    }
    Base::WndProc(m);
  }

private:
  Answer answer_;
};
using WindowProbe = Probe<tk::TCustomControl>;
using GraphicProbe = Probe<tk::TGraphicControl>;
using FormProbe = Probe<tk::TForm>;

const char* const kEmber = "[GLOBALINFO]\r\nVERSION=5.2\r\nCOLOR=255\r\n[FORM]\r\nCOLOR=255\r\n"
                           "[GROUPBOX]\r\nBORDERSMASK=@0000@0000@0009@0018@1@1\r\n";
const char* const kGlacier = "[GLOBALINFO]\r\nVERSION=4.0\r\n[FORM]\r\nCOLOR=65280\r\n";

void AddInternalSkins(skin::TsSkinManager& m) {
  for (const auto& [name, options] : {std::pair{"Glacier (internal)", kGlacier}, std::pair{"EmberStyle (internal)", kEmber}}) {
    auto& item = m.InternalSkins().Add();
    item.SetName(name);
    const auto bytes = MakePackage({{"Options.dat", ToBytes(options)}});
    item.Data.LoadFromBytes(bytes.data(), bytes.size());
  }
}

const std::vector<WORD> kApplied = {skin::SCMD_SKIN_LOADED, skin::SCMD_STOP_FADING, skin::SCMD_REFRESH};
const std::vector<WORD> kRepainted = {skin::SCMD_STOP_FADING, skin::SCMD_REFRESH};
const std::vector<WORD> kRemoved = {skin::SCMD_SKIN_REMOVED};

class SkinManagerTest : public ::testing::Test {
protected:
  void SetUp() override {
    tk::Application().Initialize();
    ASSERT_EQ(skin::DefaultManager, nullptr);
    form = tk::Create<FormProbe>(nullptr, Answer::Skinned);
    form->SetBounds(100, 100, 400, 300);
    skinned = Place<WindowProbe>(form, Answer::Skinned, {10, 10, 50, 20});
    graphic = Place<GraphicProbe>(form, Answer::Skinned, {0, 0, 10, 10});
    plain = Place<WindowProbe>(form, Answer::NotSkinned, {10, 40, 200, 100});
    nested = Place<WindowProbe>(plain, Answer::Skinned, {5, 5, 50, 20});
    nestedGraphic = Place<GraphicProbe>(plain, Answer::Skinned, {0, 0, 10, 10});
    form->HandleNeeded();
  }
  // A probe owned by the form, placed on parent at (left, top) with a size.
  template <class T>
  T* Place(tk::TWinControl* parent, Answer answer, std::array<int, 4> bounds) {
    T* probe = tk::Create<T>(form, answer);
    probe->SetParent(parent);
    probe->SetBounds(bounds[0], bounds[1], bounds[2], bounds[3]);
    return probe;
  }
  void TearDown() override {
    tk::TComponent::Free(form);  // frees a manager it owns too
    tk::Application().ProcessMessages();
    EXPECT_EQ(skin::DefaultManager, nullptr);
  }
  skin::TsSkinManager* NewManager(bool withSkins = true) {
    auto* m = tk::Create<skin::TsSkinManager>(form);
    m->SetSkinDirectory("c:\\NoSkinsHere");
    if (withSkins) AddInternalSkins(*m);
    return m;
  }
  void ClearProbes() {
    for (auto* p : {skinned, plain, nested}) p->got.clear();
    for (auto* p : {graphic, nestedGraphic}) p->got.clear();
    form->got.clear();
  }
  // Every skinned receiver saw exactly these sub-commands, from manager m.
  void ExpectEveryoneGot(const std::vector<WORD>& subs, skin::TsSkinManager* m) {
    EXPECT_EQ(form->Subs(), subs) << "form";
    for (const auto* p : {skinned, nested}) EXPECT_EQ(p->Subs(), subs) << "windowed probe";
    for (const auto* p : {graphic, nestedGraphic}) EXPECT_EQ(p->Subs(), subs) << "graphic probe";
    for (const auto* p : {skinned, nested})
      for (const auto& r : p->got) EXPECT_EQ(r.lParam, reinterpret_cast<LPARAM>(m));
    EXPECT_TRUE(plain->got.empty()) << "an unskinned container is passed over";
  }
  skin::TColor FormColor(skin::TsSkinManager* m) {
    const int i = m->Tables().IndexOfSection("FORM");
    return i < 0 ? -1 : m->Tables().gd[static_cast<std::size_t>(i)].Color;
  }

  FormProbe* form = nullptr;
  WindowProbe* skinned = nullptr;
  GraphicProbe* graphic = nullptr;
  WindowProbe* plain = nullptr;
  WindowProbe* nested = nullptr;
  GraphicProbe* nestedGraphic = nullptr;
};

TEST_F(SkinManagerTest, TheFirstManagerIsTheDefaultAndHooksTheApplicationWindow) {
  bool themeSeen = false;
  skin::TsSkinManager* first = NewManager();
  const int hook = tk::Application().HookMainWindow([&](tk::TMessage& m) {
    if (m.Msg == WM_THEMECHANGED) themeSeen = true;
    return false;
  });
  EXPECT_EQ(skin::DefaultManager, first);
  EXPECT_TRUE(first->IsDefault());
  SendMessageW(tk::Application().Handle(), WM_THEMECHANGED, 0, 0);
  EXPECT_FALSE(themeSeen) << "the default manager swallows theme changes";

  skin::TsSkinManager* second = NewManager();
  EXPECT_FALSE(second->IsDefault());
  tk::TComponent::Free(first);
  EXPECT_EQ(skin::DefaultManager, nullptr);
  SendMessageW(tk::Application().Handle(), WM_THEMECHANGED, 0, 0);
  EXPECT_TRUE(themeSeen);
  tk::Application().UnhookMainWindow(hook);
  tk::TComponent::Free(second);
}

TEST_F(SkinManagerTest, PublishedDefaults) {
  skin::TsSkinManager* m = tk::Create<skin::TsSkinManager>(form);
  EXPECT_EQ(m->SkinDirectory(), "c:\\Skins");
  EXPECT_EQ(m->Version(), "5.36");
  m->SetVersion("1.0");
  EXPECT_EQ(m->Version(), "5.36");
  EXPECT_EQ(m->SkinInfo(), "N/A");
  EXPECT_TRUE(m->Active());
  EXPECT_TRUE(m->SkinnedPopups());
  EXPECT_EQ(m->HueOffset(), 0);
  EXPECT_EQ(m->SkinningRules(), skin::srStdForms | skin::srStdDialogs | skin::srThirdParty);
  EXPECT_EQ(m->AnimEffects().DialogShow().Time, 100);
  EXPECT_EQ(m->AnimEffects().SkinChanging().Time, 100);
  EXPECT_EQ(m->MenuSupport().ExtraLineWidth, 32);
  EXPECT_FALSE(m->DialogHookInstalled());
}

TEST_F(SkinManagerTest, SettingTheSkinNameLoadsAndTellsEveryControl) {
  skin::TsSkinManager* m = NewManager();
  std::vector<std::string> events;
  m->OnBeforeChange = [&](tk::TObject*) { events.push_back(skin::SkinLoading ? "before, loading" : "before"); };
  m->OnAfterChange = [&](tk::TObject*) { events.push_back(skin::SkinLoading ? "after, loading" : "after"); };
  m->SetSkinName("EmberStyle (internal)");
  EXPECT_EQ(events, (std::vector<std::string>{"before", "after"}));
  ExpectEveryoneGot(kApplied, m);
  // The whole change, repaint included, runs while SkinLoading keeps fades off.
  for (const auto& r : skinned->got) EXPECT_TRUE(r.skinLoading);
  EXPECT_FALSE(skin::SkinLoading);
  EXPECT_TRUE(m->SkinData().Active);
  EXPECT_EQ(m->SkinInfo(), "5.2");
  EXPECT_EQ(FormColor(m), 255);
  EXPECT_EQ(m->Tables().ConstData.IndexGlobalInfo, 0);
  EXPECT_TRUE(m->DialogHookInstalled());

  // The same name again reloads and tells everyone again.
  ClearProbes();
  m->SetSkinName("EmberStyle (internal)");
  ExpectEveryoneGot(kApplied, m);
}

TEST_F(SkinManagerTest, UnknownNamesTakeTheFirstInternalSkinOrSwitchSkinningOff) {
  skin::TsSkinManager* m = NewManager();
  m->SetSkinName("Nothing of that name");
  EXPECT_EQ(m->SkinName(), "Glacier (internal)");
  EXPECT_EQ(FormColor(m), 65280);
  EXPECT_TRUE(m->Active());

  m->InternalSkins().Clear();
  ClearProbes();
  m->SetSkinName("Nothing of that name");
  EXPECT_FALSE(m->Active());
  ExpectEveryoneGot(kRemoved, m);
  EXPECT_TRUE(m->Tables().gd.empty());
  EXPECT_FALSE(m->DialogHookInstalled());
}

TEST_F(SkinManagerTest, SwitchingOffAndOnRemovesAndReloads) {
  skin::TsSkinManager* m = NewManager();
  m->SetSkinName("EmberStyle (internal)");
  ClearProbes();
  m->SetActive(false);
  ExpectEveryoneGot(kRemoved, m);
  EXPECT_FALSE(m->SkinData().Active);
  EXPECT_TRUE(m->Tables().gd.empty());
  EXPECT_TRUE(m->Tables().ma.empty());
  EXPECT_EQ(m->Tables().ConstData.IndexGlobalInfo, -1);
  EXPECT_FALSE(m->DialogHookInstalled());
  EXPECT_EQ(m->SkinInfo(), "N/A");

  ClearProbes();
  m->SetActive(true);
  ExpectEveryoneGot(kApplied, m);
  EXPECT_EQ(FormColor(m), 255);
  EXPECT_TRUE(m->DialogHookInstalled());
}

TEST_F(SkinManagerTest, ColourShiftsReloadAnAppliedSkinAndWaitOtherwise) {
  skin::TsSkinManager* m = NewManager();
  m->SetActive(false);
  m->SetSkinName("EmberStyle (internal)");
  ClearProbes();
  m->SetHueOffset(120);
  EXPECT_EQ(m->HueOffset(), 120);
  EXPECT_FALSE(skin::SkinLoading);
  ExpectEveryoneGot({}, m);
  m->SetActive(true);
  EXPECT_EQ(FormColor(m), 0x00FF00) << "the stored shift applies to the next load: red turns green";

  ClearProbes();
  m->SetHueOffset(240);
  ExpectEveryoneGot(kRepainted, m);
  for (const auto& r : skinned->got) EXPECT_FALSE(r.skinLoading) << "the repaint follows the reload";
  EXPECT_EQ(FormColor(m), 0xFF0000);  // red two thirds round: blue
  ClearProbes();
  m->SetSaturation(-100);
  ExpectEveryoneGot(kRepainted, m);
  EXPECT_EQ(FormColor(m), 0x555555);  // blue made grey: every channel the mean 85
  ClearProbes();
  m->SetSaturation(-100);  // not a new value
  ExpectEveryoneGot({}, m);
}

TEST_F(SkinManagerTest, CommonSectionsLoseTheirBlanksAndReloadTheSkin) {
  skin::TsSkinManager* m = NewManager();
  m->SetSkinName("EmberStyle (internal)");
  ClearProbes();
  m->SetCommonSections({"[ FORM ]", " COLOR = 7 ", "; a comment keeps its blanks"});
  EXPECT_EQ(m->CommonSections().Items(), (std::vector<std::string>{"[FORM]", "COLOR=7", "; a comment keeps its blanks"}));
  ExpectEveryoneGot(kApplied, m);
  EXPECT_EQ(FormColor(m), 7);
}

TEST_F(SkinManagerTest, ASecondManagerMadeDefaultAppliesItsSkinEverywhere) {
  skin::TsSkinManager* first = NewManager();
  first->SetSkinName("EmberStyle (internal)");
  skin::TsSkinManager* second = NewManager();
  second->SetActive(false);
  second->SetSkinName("Glacier (internal)");
  second->SetActive(true);  // loads; not the default, so no dialog hook
  EXPECT_FALSE(second->DialogHookInstalled());
  ClearProbes();
  second->SetIsDefault(true);
  EXPECT_EQ(skin::DefaultManager, second);
  ExpectEveryoneGot(kApplied, second);
  EXPECT_TRUE(second->DialogHookInstalled());
  EXPECT_FALSE(first->DialogHookInstalled());
  // Button events are one process-wide set that only the default manager writes.
  first->AnimEffects().Buttons().SetEvents(skin::beMouseDown);
  EXPECT_EQ(skin::DefaultButtonEvents, skin::beMouseEnter | skin::beMouseLeave | skin::beMouseDown | skin::beMouseUp);
  second->AnimEffects().Buttons().SetEvents(skin::beMouseDown);
  EXPECT_EQ(skin::DefaultButtonEvents, skin::beMouseDown);
  EXPECT_EQ(first->AnimEffects().Buttons().Events(), skin::beMouseDown);
  second->AnimEffects().Buttons().SetEvents(skin::beMouseEnter | skin::beMouseLeave | skin::beMouseDown | skin::beMouseUp);
}

TEST_F(SkinManagerTest, TheDialogHookSeesWindowsBeingCreatedWhileASkinIsApplied) {
  int created = 0;
  const auto counting = skin::SkinEngineHooks().DialogHook.Register([&](int code, WPARAM, LPARAM, LRESULT&) {
    if (code == HCBT_CREATEWND) ++created;
    return false;
  });
  auto makeWindow = [] {
    HWND w = CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(w);
  };
  skin::TsSkinManager* m = NewManager();
  makeWindow();
  EXPECT_EQ(created, 0);
  m->SetSkinName("EmberStyle (internal)");
  makeWindow();
  EXPECT_EQ(created, 1);
  m->SetActive(false);
  makeWindow();
  EXPECT_EQ(created, 1);
}

TEST_F(SkinManagerTest, TheHoveredWindowHearsWhenTheMouseComesAndGoes) {
  skin::TsSkinManager* m = NewManager();
  m->SetHoveredControl(skinned->Handle());
  m->SetHoveredControl(nested->Handle());
  m->SetHoveredControl(nested->Handle());
  m->SetHoveredControl(nullptr);
  EXPECT_EQ(skinned->Subs(), (std::vector<WORD>{skin::SCMD_MOUSE_ENTERED, skin::SCMD_MOUSE_LEFT}));
  EXPECT_EQ(nested->Subs(), (std::vector<WORD>{skin::SCMD_MOUSE_ENTERED, skin::SCMD_MOUSE_LEFT}));
  EXPECT_EQ(skinned->got[0].lParam, reinterpret_cast<LPARAM>(m));
  EXPECT_EQ(m->HoveredControl(), nullptr);
}

TEST_F(SkinManagerTest, LoaderErrorsPropagateWithTheSkinRemoved) {
  skin::TsSkinManager* m = NewManager();
  m->SetSkinName("EmberStyle (internal)");
  auto& data = m->InternalSkins().Items(0).Data;
  data.SetSize(data.Size() - 4);
  ClearProbes();
  EXPECT_THROW(m->SetSkinName("Glacier (internal)"), tk::EStreamError);
  EXPECT_FALSE(skin::SkinLoading);
  ExpectEveryoneGot(kRemoved, m);
  EXPECT_FALSE(m->SkinData().Active);
}

TEST_F(SkinManagerTest, LoadedAppliesTheStoredSkin) {
  skin::TsSkinManager* m = NewManager();
  m->SetActive(false);
  m->SetSkinName("EmberStyle (internal)");
  m->SetActive(true);
  ClearProbes();
  m->Loaded();
  EXPECT_EQ(m->MenuSupport().IcoLineSkin, "ICOLINE");
  ExpectEveryoneGot(kApplied, m);
}

TEST_F(SkinManagerTest, FreeingTheManagerRemovesTheSkinFromEveryWindow) {
  skin::TsSkinManager* m = NewManager();
  m->SetSkinName("EmberStyle (internal)");
  ClearProbes();
  bool destroyingWhenTold = false;
  skinned->onCommand = [&](WORD sub, LPARAM lParam) {
    if (sub == skin::SCMD_SKIN_REMOVED) destroyingWhenTold = reinterpret_cast<skin::TsSkinManager*>(lParam)->IsDestroying();
  };
  const LPARAM id = reinterpret_cast<LPARAM>(m);
  tk::TComponent::Free(m);
  ASSERT_EQ(skinned->Subs(), kRemoved);
  EXPECT_EQ(skinned->got[0].lParam, id);
  EXPECT_TRUE(destroyingWhenTold) << "controls can tell a manager that goes from one switched off";
  EXPECT_EQ(skin::DefaultManager, nullptr);
}

TEST_F(SkinManagerTest, FormsHearTheLastCreatedFirst) {
  FormProbe* other = tk::Create<FormProbe>(nullptr, Answer::Skinned);
  skin::HookedForms.push_back(other);  // also registered: still told once
  skin::TsSkinManager* m = NewManager();
  m->SetSkinName("EmberStyle (internal)");
  ASSERT_EQ(other->Subs(), kApplied);
  ASSERT_EQ(form->Subs(), kApplied);
  EXPECT_LT(other->got[0].sequence, form->got[0].sequence);
  skin::HookedForms.clear();
  tk::TComponent::Free(other);
}

// The helpers on their own.
TEST_F(SkinManagerTest, QuerySkinFlagAsksDirectlyThenThroughTheWindow) {
  WindowProbe* resultOnly = tk::Create<WindowProbe>(form, Answer::ResultOnly);
  resultOnly->SetParent(form);
  EXPECT_TRUE(skin::QuerySkinFlag(skinned, skin::SCMD_IS_SKINNED));
  EXPECT_TRUE(skin::QuerySkinFlag(graphic, skin::SCMD_IS_SKINNED));
  EXPECT_TRUE(skin::QuerySkinFlag(resultOnly, skin::SCMD_IS_SKINNED));
  EXPECT_FALSE(skin::QuerySkinFlag(plain, skin::SCMD_IS_SKINNED));
  EXPECT_FALSE(skin::QuerySkinFlag(nullptr, skin::SCMD_IS_SKINNED));
  EXPECT_TRUE(skin::QueryWindowSkinFlag(resultOnly->Handle(), skin::SCMD_IS_SKINNED));
  EXPECT_FALSE(skin::QueryWindowSkinFlag(skinned->Handle(), skin::SCMD_IS_SKINNED)) << "answers only in lParam";
}

TEST_F(SkinManagerTest, CommandsToControlsWithoutAWindowAreNotSent) {
  WindowProbe* noWindow = tk::Create<WindowProbe>(form, Answer::Skinned);
  EXPECT_EQ(skin::SendSkinCommandToControl(noWindow, skin::SCMD_REFRESH, 5), 0);
  EXPECT_TRUE(noWindow->got.empty());
  EXPECT_FALSE(noWindow->HandleAllocated());
  skin::SendSkinCommandToControl(graphic, skin::SCMD_REFRESH, 5);
  skin::SendSkinCommandToControl(skinned, skin::SCMD_REFRESH, 6);
  ASSERT_EQ(graphic->got.size(), 1u);
  EXPECT_EQ(graphic->got[0].lParam, 5);
  ASSERT_EQ(skinned->got.size(), 1u);
  EXPECT_EQ(skinned->got[0].lParam, 6);
}

TEST_F(SkinManagerTest, BroadcastToChildrenSkipsFailuresAndSkinnedSubtrees) {
  GraphicProbe* thrower = tk::Create<GraphicProbe>(form, Answer::Throws);
  thrower->SetParent(plain);
  GraphicProbe* after = tk::Create<GraphicProbe>(form, Answer::Skinned);
  after->SetParent(plain);
  GraphicProbe* insideSkinned = tk::Create<GraphicProbe>(form, Answer::Skinned);
  insideSkinned->SetParent(skinned);
  const tk::TMessage m{skin::SM_VEXACMD, skin::SkinCommandWParam(skin::SCMD_SET_STALE), 0, 0};
  skin::BroadcastToChildren(form, m);
  EXPECT_EQ(thrower->got.size(), 1u);
  EXPECT_EQ(after->got.size(), 1u) << "delivery goes on after a failure";
  EXPECT_EQ(nested->got.size(), 1u);
  EXPECT_EQ(skinned->got.size(), 1u);
  EXPECT_TRUE(insideSkinned->got.empty()) << "a skinned container passes the message on itself";
  EXPECT_TRUE(plain->got.empty());
}

}  // namespace
