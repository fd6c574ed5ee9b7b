#include "MDIFrameFixture.h"

#include <vector>

#include "ScreenPixels.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"

namespace mdifix {

using namespace formfix;
using namespace testing_support;

namespace {

// A window's picture on the screen; what lies off the screen (a maximized
// window's border) stays black. The screen gives nothing at all for a
// rectangle reaching past its edges.
tk::Bitmap CaptureOnScreen(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  tk::Bitmap picture(r.right - r.left, r.bottom - r.top, tk::PixelFormat::pf24bit);
  const RECT screenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT shown{};
  if (IntersectRect(&shown, &r, &screenRect)) {
    GdiFlush();
    tk::TWindowDC screen(nullptr);
    tk::TMemoryDC memory(screen.Get());
    tk::TSelection selected(memory.Get(), static_cast<HBITMAP>(picture.NativeHandle()));
    BitBlt(memory.Get(), shown.left - r.left, shown.top - r.top, shown.right - shown.left, shown.bottom - shown.top,
           screen.Get(), shown.left, shown.top, SRCCOPY);
  }
  picture.Sync();
  return picture;
}

}  // namespace

void MDIParentFixture::SetUp() {
  FrameSetup setup;
  setup.borderStyle = tk::bsSizeable;
  setup.borderIcons = tk::biSystemMenu | tk::biMinimize | tk::biMaximize;
  setup.mdiParent = true;
  Build(setup);
}

bool MDIParentFixture::ChildMaximized(tk::TForm* child) const {
  bool maximized = false;
  return form->ActiveMDIChild(&maximized) == child && maximized;
}

void MDIParentFixture::Maximize(tk::TForm* child) {
  form->MDIMaximize(child);
  ASSERT_TRUE(PumpUntil([&] { return ChildMaximized(child) && provider->Button(skin::HTCHILDCLOSE)->Rect.Width() > 0; }))
      << "the child's buttons are laid out on the menu line";
}

tk::Bitmap MDIParentFixture::PrintClient() const {
  RECT r{};
  GetWindowRect(Client(), &r);
  tk::Bitmap picture(r.right - r.left, r.bottom - r.top, tk::PixelFormat::pf24bit);
  tk::TBitmapCanvas canvas(picture);
  SendMessageW(Client(), WM_PRINT, reinterpret_cast<WPARAM>(canvas.Handle()), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
  canvas.Unbind();
  GdiFlush();
  picture.Sync();
  return picture;
}

RECT MDIParentFixture::ClientInWindow() const {
  RECT client{}, window{};
  GetWindowRect(Client(), &client);
  GetWindowRect(form->Handle(), &window);
  OffsetRect(&client, -window.left, -window.top);
  return client;
}

void MDIParentFixture::MouseToClientCorner() const {
  RECT area{};
  GetWindowRect(Client(), &area);
  MoveMouseTo({area.right - 20, area.bottom - 20});
}

int MDIParentFixture::ParentScreenDiffersFromCache() const {
  const HWND h = form->Handle();
  const tk::Bitmap* cache = provider->SkinData().Cache();
  RECT window{};
  GetWindowRect(h, &window);
  if (!cache || cache->Width() != window.right - window.left || cache->Height() != window.bottom - window.top) return -1;
  const tk::Bitmap screen = CaptureOnScreen(h);
  // The children lie over the client window's client area only.
  RECT area{};
  GetClientRect(Client(), &area);
  MapWindowPoints(Client(), HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
  std::vector<RECT> covered;
  for (HWND c = GetWindow(Client(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT r{};
    if (IsWindowVisible(c) && GetWindowRect(c, &r) && IntersectRect(&r, &r, &area)) covered.push_back(r);
  }
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool hasRegion = GetWindowRgn(h, region) != ERROR;
  const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  int differing = 0;
  for (int y = 0; y < cache->Height(); ++y)
    for (int x = 0; x < cache->Width(); ++x) {
      const POINT s{window.left + x, window.top + y};
      if (s.x < 0 || s.y < 0 || s.x >= screenW || s.y >= screenH) continue;
      if (hasRegion && !PtInRegion(region, x, y)) continue;
      bool underChild = false;
      for (const RECT& r : covered) underChild = underChild || PtInRect(&r, s);
      if (!underChild && ctlfix::PixelOf(screen, x, y) != ctlfix::PixelOf(*cache, x, y)) ++differing;
    }
  DeleteObject(region);
  return differing;
}

void MDIParentFixture::ExpectAllPainted(const std::string& what) const {
  EXPECT_FALSE(provider->SkinData().deferPaint) << what << ": the parent's painting does not wait";
  EXPECT_FALSE(provider->SkinData().cacheStale) << what << ": the parent";
  EXPECT_FALSE(GetUpdateRect(form->Handle(), nullptr, FALSE)) << what << ": nothing of the parent left to paint";
  EXPECT_FALSE(GetUpdateRect(Client(), nullptr, FALSE)) << what << ": nothing of the client window left to paint";
  bool maximized = false;
  const tk::TCustomForm* active = form->ActiveMDIChild(&maximized);
  for (int i = 0; tk::TCustomForm* child = form->MDIChildren(i); ++i) {
    skin::TsSkinProvider* own = skin::TsSkinProvider::Of(child);
    ASSERT_NE(own, nullptr) << what;
    if (!IsWindowVisible(child->Handle())) continue;
    EXPECT_FALSE(own->SkinData().deferPaint) << what << ": " << child->Caption();
    EXPECT_FALSE(GetUpdateRect(child->Handle(), nullptr, FALSE)) << what << ": " << child->Caption();
    if (!maximized || child == active) EXPECT_FALSE(own->SkinData().cacheStale) << what << ": " << child->Caption();
  }
  EXPECT_EQ(ParentScreenDiffersFromCache(), 0) << what << ": the screen shows the parent's picture";
  // And that picture is what the parent looks like now: drawn again from
  // scratch it is the same.
  const tk::Bitmap* cache = provider->SkinData().Cache();
  ASSERT_NE(cache, nullptr) << what;
  const tk::Bitmap before = *cache;
  provider->RefreshFrame();
  PumpPending();
  cache = provider->SkinData().Cache();
  ASSERT_TRUE(cache && cache->Width() == before.Width() && cache->Height() == before.Height()) << what;
  EXPECT_EQ(DifferingPixels(before, 0, 0, *cache, 0, 0, before.Width(), before.Height()), 0)
      << what << ": the parent's picture is up to date";
}

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

int StaleTopPixels(tk::TForm& form, skin::TsSkinProvider& provider) {
  const skin::TsFrameMetrics fm = provider.Metrics();
  const tk::Bitmap screen = ctlfix::CaptureWindow(form.Handle());
  const tk::Bitmap* cache = provider.SkinData().Cache();
  if (!cache || screen.Width() != cache->Width()) return -1;
  // The corners may be cut away by the region.
  return DifferingPixels(screen, fm.frameWidth, 0, *cache, fm.frameWidth, 0, fm.width - 2 * fm.frameWidth, fm.topStrip);
}

}  // namespace mdifix
