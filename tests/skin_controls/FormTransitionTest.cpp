// A form rendered into a bitmap as the screen shows it, and the form's
// cross-fade through its overlay window: the frames' count, weights and
// pixels, the overlay while it plays, and nothing left behind.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ControlSkins.h"
#include "ScreenPixels.h"
#include "SkinnedTestControls.h"
#include "WindowTestSupport.h"
#include "skin/controls/sFormTransition.h"
#include "skin/controls/sRenderControl.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/CustomControl.h"
#include "toolkit/win/GdiObjects.h"

namespace {

using ctlfix::TTestSkinned;
using ctlfix::TTestSkinnedGraphic;

constexpr skin::TColor kRed = 0x0000FF, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kEditColor = 0x123456;

using ctlfix::PixelOf;

// A windowed control of the toolkit that knows nothing of skins.
class TPlainPanel : public tk::TCustomControl {
  TK_CLASS(TPlainPanel)
public:
  explicit TPlainPanel(tk::TComponent* owner) : TCustomControl(owner) {}
};

class FormTransitionTest : public ctlfix::SkinnedFormTest {
protected:
  // Where the form's client area lies in its window.
  POINT ClientOffset() const {
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    POINT client{0, 0};
    ClientToScreen(form->Handle(), &client);
    return {client.x - window.left, client.y - window.top};
  }
  TTestSkinned* Skinned(tk::TWinControl* parent, const char* section, int left, int top, int width, int height) {
    auto* c = Place<TTestSkinned>(parent, left, top, width, height);
    c->SkinData().SetSkinSection(section);
    return c;
  }
};

TEST_F(FormTransitionTest, RenderControlToPaintsEveryWindowWhereTheScreenShowsIt) {
  auto* skinned = Skinned(form, "PLAIN", 10, 10, 60, 30);
  Skinned(skinned, "EDIT", 20, 10, 20, 10);
  auto* plain = tk::Create<TPlainPanel>(form);
  plain->SetParent(form);
  plain->SetBounds(100, 10, 60, 30);
  plain->SetColor(kBlue);
  Skinned(plain, "EDIT", 30, 15, 20, 10);
  auto* graphic = Place<TTestSkinnedGraphic>(form, 200, 10, 40, 20);
  graphic->SkinData().SetSkinSection("PLAIN");
  Skinned(form, "PLAIN", 260, 10, 40, 20)->SetVisible(false);
  tk::Application().ProcessMessages();

  tk::Bitmap picture(form->Width(), form->Height());
  skin::RenderControlTo(picture, *form);
  const POINT o = ClientOffset();
  const struct {
    int x, y;
    skin::TColor color;
    const char* what;
  } cases[] = {{5, 5, kWhite, "the form's background"},
               {15, 15, kRed, "a skinned child, from its cache"},
               {35, 25, kEditColor, "its own skinned child"},
               {105, 15, kBlue, "a plain child, by its own painting"},
               {135, 30, kEditColor, "a skinned child of the plain one"},
               {205, 15, kRed, "a windowless child, painted by the form"},
               {265, 15, kWhite, "a hidden child is not there"}};
  for (const auto& k : cases) EXPECT_EQ(PixelOf(picture, o.x + k.x, o.y + k.y), k.color) << k.what;

  // A bitmap smaller than the form: cut to it, nothing written beyond.
  tk::Bitmap small(o.x + 20, o.y + 20);
  skin::RenderControlTo(small, *form);
  EXPECT_EQ(PixelOf(small, o.x + 15, o.y + 15), kRed);
}

// The form answers SCMD_GET_PROVIDER with one of these, as its skinning does.
class TFrameSource : public tk::TObject, public skin::TsTransitionFrameSource {
public:
  void UpdateFrameForTransition() override { ++updates; }
  int updates = 0;
};

struct SeenFrame {
  int weight;
  bool final;
  skin::TColor pixel;
  bool overlayShown, formRedraws, savedImage, topmost, ownedByApplication;
  RECT overlayRegion;
};

TEST_F(FormTransitionTest, PlayFormTransitionShowsItsFramesOnAnOverlay) {
  auto* child = Skinned(form, "PLAIN", 10, 10, 60, 30);
  TFrameSource source;
  const tk::TScopedWndHook provider(form->WindowProc, [&](tk::TMessage& m, const tk::TWndNext& next) {
    if (m.Msg == skin::SM_VEXACMD && skin::SkinSubCommand(m.WParam) == skin::SCMD_GET_PROVIDER) {
      m.Result = reinterpret_cast<LRESULT>(static_cast<tk::TObject*>(&source));
      return;
    }
    next(m);
  });
  tk::Application().ProcessMessages();
  const POINT o = ClientOffset();
  const POINT spot{o.x + child->Left() + 5, o.y + child->Top() + 5};
  // The form's shape, which the overlay takes.
  SetWindowRgn(form->Handle(), CreateRectRgn(0, 0, form->Width() - 7, form->Height()), TRUE);

  const struct {
    int time;
    bool topmost, savedBefore;
    std::vector<int> weights;
  } cases[] = {{0, false, true, {}},
               {7, false, true, {}},
               {8, true, false, {255, 0}},
               {100, false, true, {255, 234, 213, 192, 171, 150, 129, 108, 87, 66, 45, 24, 3}}};
  for (const auto& k : cases) {
    SCOPED_TRACE("time " + std::to_string(k.time));
    if (k.topmost) SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The screen as it was: black, so that each frame is the new look times
    // (256 - weight) / 256.
    if (k.savedBefore) {
      skin::SavedScreenImage() = std::make_unique<tk::Bitmap>(form->Width(), form->Height());
      skin::SavedScreenImage()->Fill(0);
    }
    std::vector<SeenFrame> seen;
    const auto watch = skin::TransitionFrames().Register([&](const skin::TsTransitionFrame& f) {
      const HWND overlay = skin::TransitionOverlay;
      SeenFrame s{f.weight, f.final, PixelOf(*f.picture, spot.x, spot.y), false, true, false, false, false, {}};
      if (overlay) {
        s.overlayShown = IsWindowVisible(overlay) != FALSE;
        s.topmost = (GetWindowLongPtrW(overlay, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        s.ownedByApplication = GetWindow(overlay, GW_OWNER) == tk::Application().Handle();
        tk::TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
        if (GetWindowRgn(overlay, region.Get()) != ERROR) GetRgnBox(region.Get(), &s.overlayRegion);
        wchar_t text[32]{};
        GetWindowTextW(overlay, text, 32);
        EXPECT_STREQ(text, L"vxOutputWindow");
      }
      s.formRedraws = (GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
      s.savedImage = skin::SavedScreenImage() != nullptr;
      seen.push_back(s);
    });
    const int updatesBefore = source.updates;
    skin::PlayFormTransition(*form, k.time);

    ASSERT_EQ(seen.size(), k.weights.size() + 1);
    for (std::size_t i = 0; i < seen.size(); ++i) {
      const SeenFrame& s = seen[i];
      const bool last = i == k.weights.size();
      EXPECT_EQ(s.final, last);
      const int weight = last ? 0 : k.weights[i];
      EXPECT_EQ(s.weight, weight) << "frame " << i;
      // Over black the new look's red comes in; over the screen's copy the
      // child was red already.
      const int red = k.savedBefore ? (256 - weight) * 255 / 256 : 255;
      EXPECT_EQ(s.pixel, static_cast<skin::TColor>(red)) << "frame " << i;
      EXPECT_TRUE(s.overlayShown) << "frame " << i;
      EXPECT_FALSE(s.formRedraws) << "the form does not redraw while it plays";
      EXPECT_TRUE(s.savedImage);
      EXPECT_EQ(s.topmost, k.topmost);
      EXPECT_TRUE(s.ownedByApplication);
      EXPECT_EQ(s.overlayRegion.right, form->Width() - 7) << "the form's shape";
    }
    EXPECT_EQ(source.updates, updatesBefore + 1) << "the form's frame brought up to date once";
    EXPECT_EQ(skin::TransitionOverlay, nullptr);
    EXPECT_EQ(skin::SavedScreenImage(), nullptr);
    EXPECT_TRUE(IsWindowVisible(form->Handle())) << "redrawing again";
    if (k.topmost) SetWindowPos(form->Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  // The skin manager plays it through its hook once that is installed.
  skin::InstallFormTransition();
  skin::InstallFormTransition();
  int finals = 0;
  const auto watch = skin::TransitionFrames().Register([&](const skin::TsTransitionFrame& f) { finals += f.final; });
  skin::SkinEngineHooks().PlaySkinChangingAnimation(form, 0);
  EXPECT_EQ(finals, 1);
  EXPECT_EQ(skin::TransitionOverlay, nullptr);
}

TEST_F(FormTransitionTest, AChildFormsOverlayCoversItInsideTheSameParent) {
  auto* inner = Skinned(form, "PLAIN", 40, 30, 120, 80);
  auto* sibling = Skinned(form, "PLAIN", 200, 30, 50, 50);
  tk::Application().ProcessMessages();
  HWND overlay = nullptr, parentSeen = nullptr, justAbove = nullptr;
  RECT bounds{};
  const auto watch = skin::TransitionFrames().Register([&](const skin::TsTransitionFrame&) {
    overlay = skin::TransitionOverlay;
    parentSeen = GetParent(skin::TransitionOverlay);
    justAbove = GetWindow(inner->Handle(), GW_HWNDPREV);
    GetWindowRect(skin::TransitionOverlay, &bounds);
    MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&bounds), 2);
  });
  skin::PlayFormTransition(*inner, 16);
  EXPECT_EQ(parentSeen, form->Handle());
  ASSERT_NE(overlay, nullptr);
  EXPECT_EQ(justAbove, overlay) << "the overlay lies directly over the inner form";
  EXPECT_NE(GetWindow(sibling->Handle(), GW_HWNDPREV), overlay);
  EXPECT_EQ(bounds.left, 40);
  EXPECT_EQ(bounds.top, 30);
  EXPECT_EQ(bounds.right, 160);
  EXPECT_EQ(bounds.bottom, 110);
  EXPECT_EQ(skin::TransitionOverlay, nullptr);
}

}  // namespace
