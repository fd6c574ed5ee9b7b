// The main window driven like a user drives it: real clicks and keys.

#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "toolkit/core/NumberText.h"

namespace {

using namespace testing_support;

double Number(const tk::TControl* edit) {
  auto value = tk::TryStrToFloat(edit->Text());
  return value ? *value : NAN;
}

std::vector<tk::TMaskEdit*> AllFields(TForm1* f) {
  return {f->edtLon, f->edtLat, f->edtLonD, f->edtLonM, f->edtLonS, f->edtLatD,
          f->edtLatM, f->edtLatS, f->edtGaussX, f->edtGaussY, f->edtGaussZone};
}

TEST_F(MainWindowTest, GeodeticToGaussFromTypedDegrees) {
  TypeInto(form->edtLon, L"116.391");
  TypeInto(form->edtLat, L"39.907");
  ClickControl(*form->sButton2);
  ASSERT_TRUE(PumpUntil([&] { return !form->edtGaussY->Text().empty(); }));
  EXPECT_EQ(form->edtGaussZone->Text(), "20");
  EXPECT_NEAR(Number(form->edtGaussX), 447924.4946, 0.001);
  EXPECT_NEAR(Number(form->edtGaussY), 4419380.4477, 0.001);
}

TEST_F(MainWindowTest, GaussToGeodeticGivesTheDegreesBack) {
  TypeInto(form->edtGaussZone, L"20");
  TypeInto(form->edtGaussX, L"447924.494641");
  TypeInto(form->edtGaussY, L"4419380.447749");
  ClickControl(*form->sButton1);
  ASSERT_TRUE(PumpUntil([&] { return !form->edtLat->Text().empty(); }));
  EXPECT_NEAR(Number(form->edtLon), 116.391, 1e-7);
  EXPECT_NEAR(Number(form->edtLat), 39.907, 1e-7);
  // The degree/minute/second fields are not touched.
  EXPECT_EQ(form->edtLonD->Text(), "");
}

TEST_F(MainWindowTest, AFailedConversionEmptiesItsOutputs) {
  TypeInto(form->edtGaussZone, L"20");
  TypeInto(form->edtGaussX, L"20500000");
  TypeInto(form->edtGaussY, L"4419380");
  TypeInto(form->edtLon, L"1");
  ClickControl(*form->sButton1);
  ASSERT_TRUE(PumpUntil([&] { return form->edtLon->Text().empty(); }));
  EXPECT_EQ(form->edtLat->Text(), "");
  EXPECT_EQ(form->edtGaussX->Text(), "20500000");
}

TEST_F(MainWindowTest, SplitAndJoinBothAngles) {
  TypeInto(form->edtLon, L"116.391");
  ClickControl(*form->sSpeedButton1);
  ASSERT_TRUE(PumpUntil([&] { return !form->edtLonS->Text().empty(); }));
  EXPECT_EQ(form->edtLonD->Text(), "116");
  EXPECT_EQ(form->edtLonM->Text(), "23");
  EXPECT_NEAR(Number(form->edtLonS), 27.6, 1e-9);

  TypeInto(form->edtLon, L"");
  ClickControl(*form->sSpeedButton2);
  ASSERT_TRUE(PumpUntil([&] { return !form->edtLon->Text().empty(); }));
  EXPECT_NEAR(Number(form->edtLon), 116.391, 1e-12);

  TypeInto(form->edtLatD, L"10");
  TypeInto(form->edtLatM, L"90");
  TypeInto(form->edtLatS, L"0");
  ClickControl(*form->sSpeedButton4);
  ASSERT_TRUE(PumpUntil([&] { return !form->edtLat->Text().empty(); }));
  EXPECT_EQ(form->edtLat->Text(), "11.5");
  ClickControl(*form->sSpeedButton3);
  ASSERT_TRUE(PumpUntil([&] { return form->edtLatM->Text() == "30"; }));
  EXPECT_EQ(form->edtLatD->Text(), "11");
}

class Filled : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    int n = 1;
    for (tk::TMaskEdit* edit : AllFields(form)) edit->SetText(std::to_string(n++));
  }
  bool AllEmpty() {
    for (tk::TMaskEdit* edit : AllFields(form))
      if (!edit->Text().empty()) return false;
    return true;
  }
};

TEST_F(Filled, TheBroomButtonClearsAllElevenFields) {
  ClickControl(*form->sSpeedButton5);
  EXPECT_TRUE(PumpUntil([&] { return AllEmpty(); }));
}

TEST_F(Filled, CtrlShiftXClearsAllFieldsWithTheCaretInAField) {
  ClickControl(*form->edtGaussY);
  ASSERT_TRUE(PumpUntil([&] { return form->edtGaussY->Focused(); }));
  PressChord({VK_CONTROL, VK_SHIFT, 'X'});
  EXPECT_TRUE(PumpUntil([&] { return AllEmpty(); }));
  // The field did not take the keys as its own cut: the caret is still there.
  EXPECT_TRUE(form->edtGaussY->Focused());
}

TEST_F(Filled, CtrlShiftXClearsAllFieldsWithTheFocusOnAButton) {
  ASSERT_TRUE(form->sButton1->Focused());
  PressChord({VK_CONTROL, VK_SHIFT, 'X'});
  EXPECT_TRUE(PumpUntil([&] { return AllEmpty(); }));
}

TEST_F(MainWindowTest, EscClosesTheWindowOnReleaseOnly) {
  ClickControl(*form->edtLat);
  ASSERT_TRUE(PumpUntil([&] { return form->edtLat->Focused(); }));
  // Held down: the keyboard repeats the press.
  for (int i = 0; i < 5; ++i) KeyDown(VK_ESCAPE);
  PumpPending();
  EXPECT_FALSE(tk::Application().Terminated());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  KeyUp(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([&] { return tk::Application().Terminated(); }));
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

// The release of an Esc pressed elsewhere (say, to dismiss a dialog) is not
// a request to close this window.
TEST_F(MainWindowTest, AnEscReleaseWithoutItsPressDoesNotClose) {
  KeyUp(VK_ESCAPE);
  PumpPending();
  EXPECT_FALSE(tk::Application().Terminated());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  // A message box dismissed with Esc: its press closes the box, its release
  // reaches the main window.
  UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    KeyDown(VK_ESCAPE);
  });
  MessageBoxW(form->Handle(), L"?", L"", MB_OKCANCEL);
  KillTimer(nullptr, timer);
  KeyUp(VK_ESCAPE);
  PumpPending();
  EXPECT_FALSE(tk::Application().Terminated());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(MainWindowTest, TabVisitsEveryFieldInOrderAndWraps) {
  const std::vector<tk::TWinControl*> order{
      form->sButton2, form->edtLon,    form->edtLat,    form->edtLonD,    form->edtLonM,
      form->edtLonS,  form->edtLatD,   form->edtLatM,   form->edtLatS,    form->edtGaussX,
      form->edtGaussY, form->edtGaussZone, form->sButton1};
  for (tk::TWinControl* next : order) {
    PressKey(VK_TAB);
    ASSERT_TRUE(PumpUntil([&] { return next->Focused(); })) << "expected " << next->Name();
  }
  PressChord({VK_SHIFT, VK_TAB});
  EXPECT_TRUE(PumpUntil([&] { return form->edtGaussZone->Focused(); }));
}

TEST_F(MainWindowTest, EnterClicksTheFocusedButton) {
  TypeInto(form->edtLon, L"116.391");
  TypeInto(form->edtLat, L"39.907");
  form->sButton2->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return form->sButton2->Focused(); }));
  PressKey(VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return form->edtGaussZone->Text() == "20"; }));
}

TEST_F(MainWindowTest, NoMaximizeNoSizingButMinimizeWorks) {
  const HWND window = form->Handle();
  // The skinned title bar draws its own buttons: close and minimize.
  EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU);
  EXPECT_GT(form->sSkinProvider1->Button(skin::kButtonClose)->Rect.Width(), 0);
  EXPECT_GT(form->sSkinProvider1->Button(skin::kButtonMinimize)->Rect.Width(), 0);
  EXPECT_EQ(form->sSkinProvider1->Button(skin::kButtonMaximize)->Rect.Width(), 0);
  // The plain window underneath, as the window system draws it.
  form->sSkinManager1->SetActive(false);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  HMENU menu = GetSystemMenu(window, FALSE);
  EXPECT_EQ(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));

  RECT before;
  GetWindowRect(window, &before);
  // Maximizing does nothing and the frame offers no sizing edge anywhere along it.
  auto expectFixedSize = [&](const char* look) {
    SendMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    PumpPending();
    EXPECT_FALSE(IsZoomed(window)) << look;
    for (POINT p : {POINT{before.right - 1, (before.top + before.bottom) / 2},
                    POINT{(before.left + before.right) / 2, before.bottom - 1}, POINT{before.right - 1, before.bottom - 1}}) {
      const LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
      EXPECT_FALSE(hit >= HTSIZEFIRST && hit <= HTSIZELAST) << look << " hit test " << hit;
    }
  };
  expectFixedSize("plain");
  RECT after;
  GetWindowRect(window, &after);
  EXPECT_EQ(tk::RectWidth(before), tk::RectWidth(after));

  SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(window) != FALSE; }));
  SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(window); }));

  form->sSkinManager1->SetActive(true);
  expectFixedSize("skinned");
}

TEST_F(MainWindowTest, TheBroomButtonShowsItsHint) {
  MoveMouseTo(CentreOf(*form->sSpeedButton5));
  ASSERT_TRUE(PumpUntil([&] { return tk::Application().Hints().Showing(); }));
  const HWND tooltip = tk::Application().Hints().TooltipWindow();
  EXPECT_TRUE(IsWindowVisible(tooltip));
  wchar_t text[64] = {};
  TOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = tk::Application().Handle();
  info.uId = 1;
  info.lpszText = text;
  SendMessageW(tooltip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(std::wstring(text), L"清除数据");
  // Leaving the button takes the hint away.
  MoveMouseTo(CentreOf(*form->sButton1));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(tooltip); }));
}

// The fields are the system's own edit controls: clipboard, selection and
// undo behave as everywhere else.
TEST_F(MainWindowTest, PasteSelectAndUndoInAField) {
  ASSERT_TRUE(OpenClipboard(form->Handle()));
  EmptyClipboard();
  const std::wstring pasted = L"39.907";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();

  ClickControl(*form->edtLat);
  ASSERT_TRUE(PumpUntil([&] { return form->edtLat->Focused(); }));
  PressChord({VK_CONTROL, 'V'});
  ASSERT_TRUE(PumpUntil([&] { return form->edtLat->Text() == "39.907"; })) << form->edtLat->Text();

  // Keyboard selection: Shift+Home from the end selects everything.
  PressKey(VK_END);
  PressChord({VK_SHIFT, VK_HOME});
  EXPECT_TRUE(PumpUntil([&] { return form->edtLat->SelStart() == 0 && form->edtLat->SelLength() == 6; }));

  // Undo brings back what was there before the last change.
  TypeText(L"1");
  ASSERT_TRUE(PumpUntil([&] { return form->edtLat->Text() == "1"; }));
  PressChord({VK_CONTROL, 'Z'});
  EXPECT_TRUE(PumpUntil([&] { return form->edtLat->Text() == "39.907"; })) << form->edtLat->Text();

  // Mouse selection: a drag across the text selects it.
  PressKey(VK_END);
  PumpPending();
  const tk::TMaskEdit& edit = *form->edtLat;
  MoveMouseTo(ScreenPointOf(edit, 2, edit.ClientHeight() / 2));
  LeftButtonDown();
  MoveMouseTo(ScreenPointOf(edit, edit.ClientWidth() - 2, edit.ClientHeight() / 2));
  LeftButtonUp();
  EXPECT_TRUE(PumpUntil([&] { return form->edtLat->SelLength() == 6; })) << form->edtLat->SelLength();
}

}  // namespace
