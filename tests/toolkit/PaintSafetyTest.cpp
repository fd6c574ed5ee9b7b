// Painting that throws: no GDI object leaks, no window (message box) opens,
// the failure is recorded once and the control still gets a plain paint.

#include <gtest/gtest.h>

#include <winternl.h>

#include <cstdio>
#include <set>

#include "WindowTestSupport.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/CustomControl.h"
#include "toolkit/win/ErrorRecord.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/GraphicControl.h"

namespace {

using namespace testing_support;

// Paints the way skinned controls do - an off-screen image, a brush, a font,
// a region, a saved state - and fails halfway through.
class FailingPainter : public tk::TCustomControl {
public:
  using TCustomControl::TCustomControl;
  int attempts = 0;

protected:
  void Paint() override {
    ++attempts;
    const HDC dc = Canvas().Handle();
    tk::TMemoryDC memory(dc);
    tk::TBitmapHandle image(CreateCompatibleBitmap(dc, Width(), Height()));
    tk::TSelection selected(memory.Get(), image.Get());
    tk::TBrushHandle brush(CreateSolidBrush(RGB(200, 0, 0)));
    tk::TRegionHandle region(CreateRectRgn(0, 0, Width() / 2, Height()));
    tk::TSavedDC saved(dc);
    SelectClipRgn(dc, region.Get());
    Canvas().Font().SetHeight(-15);
    Canvas().TextOut(2, 2, "half");
    const RECT all{0, 0, Width(), Height()};
    FillRect(memory.Get(), &all, brush.Get());
    throw std::runtime_error("paint failed");
  }
};

class FailingGraphic : public tk::TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;

protected:
  void Paint() override {
    Canvas().Brush().SetColor(tk::clBlue);
    Canvas().FillRect(RECT{0, 0, Width(), Height()});
    throw std::runtime_error("graphic paint failed");
  }
};


class PaintSafetyTest : public ::testing::Test {
protected:
  void SetUp() override {
    tk::Application().Initialize();
    tk::RecordedErrors().Clear();
    form = tk::Create<tk::TForm>(nullptr);
    form->SetClientSize(240, 160);
    form->SetPosition(tk::poScreenCenter);
    form->SetColor(tk::clWhite);
    painter = tk::Create<FailingPainter>(form);
    painter->SetParent(form);
    painter->SetBounds(10, 10, 100, 60);
    painter->SetColor(tk::clLime);
    graphic = tk::Create<FailingGraphic>(form);
    graphic->SetParent(form);
    graphic->SetBounds(130, 10, 60, 60);
    form->Show();
    PumpPending();
  }
  void TearDown() override {
    tk::TComponent::Free(form);
    PumpPending();
    tk::RecordedErrors().Clear();
  }
  void RepaintAll() {
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  tk::TForm* form = nullptr;
  FailingPainter* painter = nullptr;
  FailingGraphic* graphic = nullptr;
};

TEST_F(PaintSafetyTest, AThousandFailingRepaintsLeakNoGdiObjectAndOpenNoWindow) {
  RepaintAll();  // whatever the first paint creates once (fonts, brushes) exists now
  const std::set<HWND> windowsBefore = ThreadWindows();
  const DWORD before = testing_support::GdiObjectCount();
  const int attemptsBefore = painter->attempts;
  for (int i = 0; i < 1000; ++i) RepaintAll();
  PumpPending();
  const DWORD after = testing_support::GdiObjectCount();
  std::printf("GDI objects before %lu, after 1000 failing repaints %lu\n", before, after);
  {
    tk::TBrushHandle probe(CreateSolidBrush(RGB(1, 2, 3)));
    EXPECT_EQ(testing_support::GdiObjectCount(), before + 1) << "the count sees one more object";
  }
  EXPECT_EQ(after, before);
  EXPECT_EQ(painter->attempts - attemptsBefore, 1000);
  EXPECT_EQ(ThreadWindows(), windowsBefore) << "no message box or other window opened";
  ASSERT_EQ(tk::RecordedErrors().Errors().size(), 2u) << "each failure recorded once";
  for (const tk::TRecordedError& error : tk::RecordedErrors().Errors()) EXPECT_GE(error.Count, 1000) << error.What;
}

TEST_F(PaintSafetyTest, AFailedPaintLeavesThePlainLook) {
  RepaintAll();
  const tk::TWindowDC screen(painter->Handle());
  EXPECT_EQ(GetPixel(screen.Get(), 80, 40), RGB(0, 255, 0)) << "the control's plain background";
  const tk::TWindowDC formDC(form->Handle());
  EXPECT_EQ(GetPixel(formDC.Get(), 185, 65), RGB(0, 0, 255))
      << "the graphic child painted up to its failure and its neighbours are untouched";
  EXPECT_EQ(GetPixel(formDC.Get(), 220, 100), RGB(255, 255, 255));
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(painter->Handle(), &update, FALSE)) << "the failure does not repaint in a loop";
}

// A paint through a control's own WndProc that throws before any painting.
class FailingWndProc : public tk::TCustomControl {
public:
  using TCustomControl::TCustomControl;

protected:
  void WndProc(tk::TMessage& message) override {
    if (message.Msg == WM_PAINT) throw std::runtime_error("window procedure paint failed");
    TCustomControl::WndProc(message);
  }
};

TEST_F(PaintSafetyTest, AWindowProcedureFailingToPaintIsPaintedByTheSystemAndNotShown) {
  auto* failing = tk::Create<FailingWndProc>(form);
  failing->SetParent(form);
  failing->SetBounds(10, 90, 60, 40);
  const std::set<HWND> windowsBefore = ThreadWindows();
  for (int i = 0; i < 20; ++i) RedrawWindow(failing->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(ThreadWindows(), windowsBefore);
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(failing->Handle(), &update, FALSE));
  bool recorded = false;
  for (const tk::TRecordedError& error : tk::RecordedErrors().Errors())
    recorded = recorded || error.What == "window procedure paint failed";
  EXPECT_TRUE(recorded);
}

}  // namespace
