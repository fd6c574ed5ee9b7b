// The main window's controls as its stored layout makes them now: each the
// skinned class of its kind with its skin section, skinned by the dark
// internal skin at start-up; switching the manager's skinning off and on
// gives the plain controls and the skinned ones back, without leaking GDI
// objects.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "skin/controls/sCommonData.h"

namespace {

using namespace testing_support;

struct Skinned {
  const char* className;
  const char* section;  // none: the control keeps no section
  std::vector<const char*> names;
};

const std::vector<Skinned> kSkinned = {
    {"TsButton", "BUTTON", {"sButton1", "sButton2"}},
    {"TsSpeedButton", "SPEEDBUTTON", {"sSpeedButton1", "sSpeedButton2", "sSpeedButton3", "sSpeedButton4", "sSpeedButton5"}},
    {"TsMaskEdit", "EDIT",
     {"edtLon", "edtLonM", "edtLonD", "edtLonS", "edtLat", "edtLatM", "edtLatD", "edtLatS", "edtGaussX", "edtGaussY",
      "edtGaussZone"}},
    {"TsGroupBox", "GROUPBOX", {"sGroupBox1", "sGroupBox2"}},
    {"TsLabel", nullptr,
     {"sLabel1", "sLabel2", "sLabel3", "sLabel4", "sLabel5", "sLabel6", "sLabel7", "sLabel8", "sLabel9", "sLabel10",
      "sLabel11"}},
};

// Timer messages the user-interface thread takes from its queue while it lives.
class TimerMessageCount {
public:
  TimerMessageCount() { hook_ = SetWindowsHookExW(WH_GETMESSAGE, &Count, nullptr, GetCurrentThreadId()); }
  ~TimerMessageCount() { UnhookWindowsHookEx(hook_); }
  bool Installed() const { return hook_ != nullptr; }
  static inline int timers = 0;

private:
  static LRESULT CALLBACK Count(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_TIMER) ++timers;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_ = nullptr;
};

class MainWindowSkinnedControlsTest : public MainWindowTest {
protected:
  // Each skinned control's skin data and whether it is skinned now.
  void ExpectSkinned(bool skinned) {
    for (const Skinned& kind : kSkinned) {
      for (const char* name : kind.names) {
        SCOPED_TRACE(name);
        auto* control = dynamic_cast<tk::TControl*>(form->FindComponent(name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->ClassName(), std::string(kind.className));
        skin::TsCommonData* data = skin::SkinDataOf(control);
        if (!kind.section) {
          EXPECT_EQ(data, nullptr);
          continue;
        }
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->SkinSection(), kind.section);
        EXPECT_EQ(data->IsSkinned(true), skinned);
      }
    }
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(form->sButton1->Handle(), region) != ERROR, skinned) << "the button's shape";
    DeleteObject(region);
  }
  // Everything painted now (synchronously; nothing is waited for).
  void Repaint() {
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    tk::Application().ProcessMessages();
  }
};

TEST_F(MainWindowSkinnedControlsTest, EveryControlIsItsSkinnedClassWithItsSection) {
  Repaint();
  ExpectSkinned(true);
  // The labels take the skin's yellow, the fields its black and green.
  EXPECT_EQ(form->sLabel1->Font().Color(), tk::clYellow);
  EXPECT_EQ(form->edtLon->Color(), tk::clBlack);
  EXPECT_EQ(form->edtLon->Font().Color(), tk::clLime);
  // No bound label is switched on.
  EXPECT_FALSE(form->edtLon->BoundLabel().Active());
  EXPECT_EQ(form->edtLon->BoundLabel().Font().Height(), -11);
}

TEST_F(MainWindowSkinnedControlsTest, SkinningOffAndOnGivesPlainAndSkinnedControlsBackWithoutLeaks) {
  skin::TsSkinManager& manager = *form->sSkinManager1;
  Repaint();
  // One round first: what the first switch creates once (fonts, brushes) is not a leak.
  manager.SetActive(false);
  Repaint();
  ExpectSkinned(false);
  manager.SetActive(true);
  Repaint();
  ExpectSkinned(true);
  const DWORD before = GdiObjectCount();
  for (int i = 0; i < 100; ++i) {
    manager.SetActive(false);
    Repaint();
    manager.SetActive(true);
    Repaint();
  }
  const DWORD after = GdiObjectCount();
  EXPECT_EQ(after, before) << "GDI objects after 100 switches";
  ExpectSkinned(true);
}

TEST_F(MainWindowSkinnedControlsTest, OnceTheFadesEndTheIdleWindowGetsNoTimerMessages) {
  // A hover and a leave, each a fade of 20 frames on a 10 ms timer.
  TimerMessageCount count;
  ASSERT_TRUE(count.Installed());
  TimerMessageCount::timers = 0;
  MoveMouseTo(CentreOf(*form->sButton2));
  ASSERT_TRUE(PumpUntil([&] { return form->sButton2->ButtonState() == 1; }));
  MoveMouseTo(CentreOf(*form->sSpeedButton1));
  ASSERT_TRUE(PumpUntil([&] { return form->sSpeedButton1->CurrentState() == 1; }));
  MoveMouseTo(ScreenPointOf(*form, 2, 2));
  ASSERT_TRUE(PumpUntil([&] {
    return !form->sButton2->FadeRunning() && !form->sSpeedButton1->FadeRunning() && form->sButton2->ButtonState() == 0;
  }));
  // The mouse still over the bare window: nothing ticks. GK_IDLE_SECONDS
  // lengthens the watch (1 s in the test run).
  const char* seconds = std::getenv("GK_IDLE_SECONDS");
  const int watch = seconds ? std::max(1, std::atoi(seconds)) : 1;
  EXPECT_GT(TimerMessageCount::timers, 0) << "the count sees the fades' timer messages";
  TimerMessageCount::timers = 0;
  PumpUntil([] { return false; }, std::chrono::seconds(watch));
  EXPECT_EQ(TimerMessageCount::timers, 0) << "timer messages in " << watch << " s";
}

}  // namespace

namespace {

// The pixels of a button's cached image, row by row.
std::vector<std::uint8_t> CachePixels(skin::TsButton& button) {
  std::vector<std::uint8_t> pixels;
  tk::Bitmap* cache = skin::SkinDataOf(&button)->Cache();
  if (!cache || cache->Empty()) return pixels;
  cache->Sync();
  for (int y = 0; y < cache->Height(); ++y)
    pixels.insert(pixels.end(), cache->ScanLine(y), cache->ScanLine(y) + cache->RowBytes());
  return pixels;
}

// How many pixels the button shows on the screen differently from its cached
// image, within its window region (the corners outside it show the parent).
int ScreenPixelsOffTheCache(skin::TsButton& button) {
  tk::Bitmap* cache = skin::SkinDataOf(&button)->Cache();
  const int w = button.Width(), h = button.Height();
  if (!cache || cache->Width() != w || cache->Height() != h) return -1;
  cache->Sync();
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP shot = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, shot);
  HDC window = GetDC(button.Handle());
  BitBlt(memory, 0, 0, w, h, window, 0, 0, SRCCOPY);
  ReleaseDC(button.Handle(), window);
  GdiFlush();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool shaped = GetWindowRgn(button.Handle(), region) != ERROR;
  const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) & ~std::size_t{3};
  int off = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (shaped && !PtInRegion(region, x, y)) continue;
      const std::uint8_t* seen = static_cast<const std::uint8_t*>(bits) + y * stride + x * 3;
      const std::uint8_t* cached = cache->ScanLine(y) + x * 3;
      if (seen[0] != cached[0] || seen[1] != cached[1] || seen[2] != cached[2]) ++off;
    }
  DeleteObject(region);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(shot);
  return off;
}

}  // namespace

TEST_F(MainWindowSkinnedControlsTest, TheFocusedButtonKeepsItsHotLookWhileTheMouseIsOverTheOtherOne) {
  // 高斯-->大地 (sButton1) has the focus from start-up and is drawn hot; the
  // mouse comes to rest over 大地-->高斯 (sButton2), straight or across the
  // focused button.
  const struct {
    const char* path;
    bool acrossTheFocusedButton;
  } cases[] = {{"straight", false}, {"across the focused button", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    MoveMouseTo(ScreenPointOf(*form, 2, 2));
    ASSERT_TRUE(PumpUntil([&] {
      return !form->sButton1->FadeRunning() && !form->sButton2->FadeRunning() && form->sButton2->ButtonState() == 0;
    }));
    Repaint();
    ASSERT_TRUE(form->sButton1->Focused());
    ASSERT_EQ(form->sButton1->ButtonState(), 1) << "focused, not hovered";
    const std::vector<std::uint8_t> focusedLook = CachePixels(*form->sButton1);
    ASSERT_FALSE(focusedLook.empty());

    if (c.acrossTheFocusedButton) {
      MoveMouseTo(CentreOf(*form->sButton1));
      ASSERT_TRUE(PumpUntil([&] { return form->sButton1->MouseInControl(); }));
    }
    MoveMouseTo(CentreOf(*form->sButton2));
    ASSERT_TRUE(PumpUntil([&] {
      return form->sButton2->MouseInControl() && !form->sButton1->FadeRunning() && !form->sButton2->FadeRunning();
    }));
    Repaint();
    EXPECT_TRUE(form->sButton1->Focused());
    EXPECT_EQ(form->sButton2->ButtonState(), 1) << "under the mouse";
    EXPECT_EQ(form->sButton1->ButtonState(), 1) << "the focused button";
    EXPECT_TRUE(CachePixels(*form->sButton1) == focusedLook) << "the focused button's picture changed";
    EXPECT_EQ(ScreenPixelsOffTheCache(*form->sButton1), 0) << "the screen shows what the cache holds";
  }
}
