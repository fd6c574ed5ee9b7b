// A skinned MDI parent form: its client window shows the MDI area the
// provider painted into its cache; a maximized child's buttons sit on the
// parent's menu line, answer their hit codes and act on the child under
// real clicks; a picture of the parent includes its children.
#include <gtest/gtest.h>

#include "SkinnedFrameFixture.h"
#include "skin/controls/sRenderControl.h"
#include "skin/forms/sTitleButtons.h"
#include "toolkit/win/Canvas.h"

namespace {

using namespace formfix;
using namespace testing_support;

class MDIFrameTest : public ::testing::Test, protected SkinnedFrame {
protected:
  void SetUp() override {
    FrameSetup setup;
    setup.borderStyle = tk::bsSizeable;
    setup.borderIcons = tk::biSystemMenu | tk::biMinimize | tk::biMaximize;
    setup.mdiParent = true;
    Build(setup);
  }
  void TearDown() override { Free(); }

  HWND Client() const { return form->ClientHandle(); }
  bool ChildMaximized(tk::TForm* child) const {
    bool maximized = false;
    return form->ActiveMDIChild(&maximized) == child && maximized;
  }
  // Maximizes the child and waits until the parent's menu line shows its buttons.
  void Maximize(tk::TForm* child) {
    form->MDIMaximize(child);
    ASSERT_TRUE(PumpUntil([&] { return ChildMaximized(child) && provider->Button(skin::HTCHILDCLOSE)->Rect.Width() > 0; }))
        << "the child's buttons are laid out on the menu line";
  }
  // What the client window shows, as it prints itself.
  tk::Bitmap PrintClient() const {
    RECT r{};
    GetWindowRect(Client(), &r);
    tk::Bitmap picture(r.right - r.left, r.bottom - r.top, tk::PixelFormat::pf24bit);
    tk::TBitmapCanvas canvas(picture);
    SendMessageW(Client(), WM_PRINT, reinterpret_cast<WPARAM>(canvas.Handle()),
                 PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
    canvas.Unbind();
    GdiFlush();
    picture.Sync();
    return picture;
  }
  // The client window's rectangle in the form's window.
  RECT ClientInWindow() const {
    RECT client{}, window{};
    GetWindowRect(Client(), &client);
    GetWindowRect(form->Handle(), &window);
    OffsetRect(&client, -window.left, -window.top);
    return client;
  }
};

int DifferingPixels(const tk::Bitmap& a, int ax, int ay, const tk::Bitmap& b, int bx, int by, int w, int h) {
  int differing = 0;
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* p = a.ScanLine(ay + y) + 3 * ax;
    const std::uint8_t* q = b.ScanLine(by + y) + 3 * bx;
    for (int x = 0; x < 3 * w; ++x)
      if (p[x] != q[x]) {
        ++differing;
        x += 2 - x % 3;
      }
  }
  return differing;
}

TEST_F(MDIFrameTest, TheClientWindowShowsTheMDIAreaOfTheProvidersCache) {
  ASSERT_NE(Client(), nullptr);
  ASSERT_TRUE(provider->SkinData().Cache() && !provider->SkinData().Cache()->Empty());
  const tk::Bitmap skinned = *provider->SkinData().Cache();
  const tk::Bitmap* cache = &skinned;
  const RECT area = ClientInWindow();
  const tk::Bitmap shown = PrintClient();
  const int w = area.right - area.left, h = area.bottom - area.top;
  ASSERT_EQ(shown.Width(), w);
  ASSERT_EQ(shown.Height(), h);
  EXPECT_EQ(DifferingPixels(shown, 0, 0, *cache, area.left, area.top, w, h), 0)
      << "the edge and the area are the cache's pixels where the client window lies";

  // Without the skin the client window is the platform's again.
  manager->SetActive(false);
  PumpPending();
  EXPECT_NE(DifferingPixels(PrintClient(), 0, 0, *cache, area.left, area.top, w, h), 0);
}

TEST_F(MDIFrameTest, AMaximizedChildsButtonsAnswerTheirHitCodes) {
  tk::TForm* child = AddMDIChild("Child");
  EXPECT_EQ(provider->Button(skin::HTCHILDCLOSE)->Rect.Width(), 0) << "no buttons while no child is maximized";
  Maximize(child);
  const skin::TsFrameMetrics fm = provider->Metrics();
  const struct {
    int id;
    const char* what;
  } buttons[] = {{skin::HTCHILDMIN, "minimize"}, {skin::HTCHILDMAX, "restore"}, {skin::HTCHILDCLOSE, "close"}};
  int previousRight = 0;
  for (const auto& b : buttons) {
    const skin::TRect r = provider->Button(b.id)->Rect;
    EXPECT_GT(r.Left, previousRight) << b.what << ": left to right, minimize, restore, close";
    EXPECT_GE(r.Top, fm.TitleHeight()) << b.what << ": on the menu line";
    EXPECT_LE(r.Bottom, fm.topStrip) << b.what;
    previousRight = r.Right - 1;
    const POINT p = ButtonCentre(b.id);
    EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), b.id) << b.what;
  }
  EXPECT_EQ(provider->Button(skin::HTCHILDCLOSE)->Rect.Right, fm.width - fm.frameWidth - 1);
}

TEST_F(MDIFrameTest, RealClicksOnTheChildButtonsRestoreMinimizeAndCloseTheChild) {
  tk::TForm* first = AddMDIChild("First");
  tk::TForm* second = AddMDIChild("Second");

  Maximize(second);
  ClickAt(ButtonCentre(skin::HTCHILDMAX));
  EXPECT_TRUE(PumpUntil([&] { return !IsZoomed(second->Handle()); })) << "restore";
  EXPECT_TRUE(PumpUntil([&] { return provider->Button(skin::HTCHILDCLOSE)->Rect.Width() == 0; }))
      << "the buttons leave the menu line with the maximized child";

  Maximize(second);
  ClickAt(ButtonCentre(skin::HTCHILDMIN));
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(second->Handle()) != FALSE; })) << "minimize";

  Maximize(first);
  const HWND firstWindow = first->Handle();
  ClickAt(ButtonCentre(skin::HTCHILDCLOSE));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(firstWindow); })) << "close: the child is gone";
  EXPECT_EQ(form->MDIChildCount(), 1);
}

TEST_F(MDIFrameTest, APictureOfTheParentIncludesItsChildren) {
  tk::TForm* child = AddMDIChild("Child");
  PumpPending();
  tk::Bitmap whole(form->Width(), form->Height(), tk::PixelFormat::pf24bit);
  skin::RenderControlTo(whole, *form);
  tk::Bitmap alone(child->Width(), child->Height(), tk::PixelFormat::pf24bit);
  skin::RenderControlTo(alone, *child);

  RECT at{}, window{};
  GetWindowRect(child->Handle(), &at);
  GetWindowRect(form->Handle(), &window);
  const int x = at.left - window.left, y = at.top - window.top;
  ASSERT_GT(x, 0);
  ASSERT_LE(x + child->Width(), whole.Width());
  ASSERT_LE(y + child->Height(), whole.Height());
  EXPECT_EQ(DifferingPixels(whole, x, y, alone, 0, 0, child->Width(), child->Height()), 0)
      << "the child is pictured whole at its place in the parent";
  // Next to the child the parent shows its MDI area.
  const RECT area = ClientInWindow();
  const tk::Bitmap* cache = provider->SkinData().Cache();
  const int px = x + child->Width() + 5, py = y + 5;
  ASSERT_LT(px, area.right - 2);
  EXPECT_EQ(DifferingPixels(whole, px, py, *cache, px, py, 1, 1), 0);
}

}  // namespace
