// The main window as its stored layout builds it: every control in its
// place with its text, font, colour and tab order; the window's frame,
// size, position and caption; the broom glyph, and what reaches the screen.

#include <windows.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "toolkit/win/GraphicBitmap.h"
#include "toolkit/win/Screen.h"

namespace {

using namespace testing_support;

struct Placement {
  const char* name;
  const char* parent;
  int left, top, width, height;
  const char* text;
  int tabOrder;  // -1: takes no focus
};

// The window's controls, as designed.
const std::vector<Placement> kControls = {
    {"sSpeedButton5", "Form1", 471, 262, 23, 22, "", -1},
    {"sButton1", "Form1", 268, 240, 119, 30, "高斯-->大地", 0},
    {"sButton2", "Form1", 119, 240, 119, 30, "大地-->高斯", 1},
    {"sGroupBox1", "Form1", 16, 17, 476, 105, "大地坐标", 2},
    {"sLabel1", "sGroupBox1", 24, 31, 45, 15, "经度：", -1},
    {"sLabel3", "sGroupBox1", 307, 32, 15, 15, "度", -1},
    {"sLabel4", "sGroupBox1", 371, 32, 15, 15, "分", -1},
    {"sLabel5", "sGroupBox1", 443, 32, 15, 15, "秒", -1},
    {"sSpeedButton1", "sGroupBox1", 228, 27, 23, 22, ">>", -1},
    {"sSpeedButton2", "sGroupBox1", 197, 27, 23, 22, "<<", -1},
    {"sLabel2", "sGroupBox1", 24, 75, 45, 15, "纬度：", -1},
    {"sLabel6", "sGroupBox1", 307, 74, 15, 15, "度", -1},
    {"sLabel7", "sGroupBox1", 371, 74, 15, 15, "分", -1},
    {"sLabel8", "sGroupBox1", 443, 74, 15, 15, "秒", -1},
    {"sSpeedButton3", "sGroupBox1", 229, 70, 23, 22, ">>", -1},
    {"sSpeedButton4", "sGroupBox1", 197, 70, 23, 22, "<<", -1},
    {"edtLon", "sGroupBox1", 69, 27, 116, 23, "", 0},
    {"edtLonM", "sGroupBox1", 330, 27, 37, 24, "", 3},
    {"edtLonD", "sGroupBox1", 267, 27, 37, 24, "", 2},
    {"edtLonS", "sGroupBox1", 393, 27, 45, 24, "", 4},
    {"edtLat", "sGroupBox1", 69, 68, 116, 23, "", 1},
    {"edtLatM", "sGroupBox1", 332, 69, 37, 24, "", 6},
    {"edtLatD", "sGroupBox1", 266, 69, 37, 24, "", 5},
    {"edtLatS", "sGroupBox1", 393, 69, 45, 24, "", 7},
    {"sGroupBox2", "Form1", 16, 133, 476, 87, "高斯坐标", 3},
    {"sLabel9", "sGroupBox2", 29, 37, 30, 15, "横：", -1},
    {"sLabel10", "sGroupBox2", 197, 37, 30, 15, "纵：", -1},
    {"sLabel11", "sGroupBox2", 374, 37, 45, 15, "带号：", -1},
    {"edtGaussX", "sGroupBox2", 55, 33, 125, 23, "", 0},
    {"edtGaussY", "sGroupBox2", 223, 33, 127, 23, "", 1},
    {"edtGaussZone", "sGroupBox2", 419, 33, 39, 23, "", 2},
};

TEST_F(MainWindowTest, EveryControlSitsWhereTheLayoutPutsIt) {
  int index = 0;
  for (const Placement& p : kControls) {
    SCOPED_TRACE(p.name);
    auto* control = dynamic_cast<tk::TControl*>(form->FindComponent(p.name));
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->Parent(), nullptr);
    EXPECT_EQ(control->Parent()->Name(), p.parent);
    EXPECT_EQ(control->Text(), p.text);
    // In the stored order, which is the z-order.
    EXPECT_EQ(control->ComponentIndex(), index++);
    auto* label = dynamic_cast<tk::TCustomLabel*>(control);
    if (!label) {
      EXPECT_EQ(control->Left(), p.left);
      EXPECT_EQ(control->Top(), p.top);
      EXPECT_EQ(control->Width(), p.width);
      EXPECT_EQ(control->Height(), p.height);
    } else {
      // Labels fit their text in the face that draws it; they keep their
      // left edge, or their right edge when right-aligned, and their top.
      if (label->Alignment() == tk::taRightJustify) {
        EXPECT_EQ(control->Left() + control->Width(), p.left + p.width);
      } else {
        EXPECT_EQ(control->Left(), p.left);
      }
      EXPECT_EQ(control->Top(), p.top);
    }
    if (auto* windowed = dynamic_cast<tk::TWinControl*>(control); windowed && p.tabOrder >= 0) {
      EXPECT_EQ(windowed->TabOrder(), p.tabOrder);
    }
  }
}

TEST_F(MainWindowTest, FontsAndColoursOfLabelsAndFields) {
  for (const Placement& p : kControls) {
    SCOPED_TRACE(p.name);
    auto* control = dynamic_cast<tk::TControl*>(form->FindComponent(p.name));
    const tk::TFont& font = control->Font();
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Height(), -15);
    EXPECT_EQ(font.Style(), 0u);
    if (dynamic_cast<tk::TCustomLabel*>(control)) {
      EXPECT_EQ(font.Color(), tk::clYellow);
      EXPECT_EQ(font.Charset(), GB2312_CHARSET);
    } else if (dynamic_cast<tk::TMaskEdit*>(control)) {
      EXPECT_EQ(control->Color(), tk::clBlack);
      EXPECT_EQ(font.Color(), tk::clLime);
      const std::string name = p.name;
      const bool degreesMinutesSeconds = name.size() == 7 && (name.back() == 'D' || name.back() == 'M' || name.back() == 'S');
      EXPECT_EQ(font.Charset(), degreesMinutesSeconds ? DEFAULT_CHARSET : GB2312_CHARSET);
    } else {
      EXPECT_EQ(font.Charset(), GB2312_CHARSET);
      EXPECT_EQ(font.Color(), tk::clWindowText);
    }
  }
}

TEST_F(MainWindowTest, TheWindowItself) {
  ASSERT_EQ(tk::Screen().PixelsPerInch(), 96);
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 506);
  EXPECT_EQ(client.bottom, 294);
  // The stored colour is the button face; while the skin is applied the
  // window follows the skin's colour.
  EXPECT_EQ(form->Color(), form->sSkinManager1->Tables().GlobalColor());
  form->sSkinManager1->SetActive(false);
  EXPECT_EQ(form->Color(), tk::clBtnFace);
  form->sSkinManager1->SetActive(true);
  EXPECT_TRUE(form->KeyPreview());
  const std::string caption = form->Caption();
  EXPECT_EQ(caption.rfind("坐标转换（", 0), 0u) << caption;
  EXPECT_GT(caption.size(), std::string("坐标转换（）").size());
  EXPECT_EQ(caption.substr(caption.size() - std::string("）").size()), "）");
  // Centred on the screen.
  RECT frame;
  GetWindowRect(form->Handle(), &frame);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  // The clear-all action answers Ctrl+Shift+X.
  ASSERT_NE(form->Action1, nullptr);
  EXPECT_EQ(form->Action1->Caption(), "Action1");
  EXPECT_EQ(form->Action1->ActionList(), form->ActionList1);
  EXPECT_TRUE(form->Action1->HasShortCut(tk::scCtrl | tk::scShift | 'X'));
}

bool IsGreen(tk::TColor c) { return GetGValue(c) > 80 && GetGValue(c) > GetRValue(c) + 40 && GetGValue(c) > GetBValue(c) + 40; }
bool IsOrange(tk::TColor c) { return GetRValue(c) > 200 && GetGValue(c) > 90 && GetBValue(c) < 90; }

TEST_F(MainWindowTest, TheBroomGlyphAndItsTransparentBackground) {
  const tk::TBitmap& glyph = form->sSpeedButton5->Glyph();
  ASSERT_EQ(glyph.Width(), 16);
  ASSERT_EQ(glyph.Height(), 16);
  EXPECT_EQ(glyph.TransparentColor(), tk::clFuchsia);
  // Green handle from the upper left, orange bristles at the lower right.
  EXPECT_TRUE(IsGreen(tk::PixelColor(glyph.Image(), 1, 1)));
  EXPECT_TRUE(IsOrange(tk::PixelColor(glyph.Image(), 12, 13)));
  EXPECT_EQ(tk::PixelColor(glyph.Image(), 15, 0), tk::clFuchsia);

  // On the screen: the glyph, centred on the button, without its magenta.
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpPending();
  const POINT origin = ScreenPointOf(*form->sSpeedButton5, (23 - 16) / 2, (22 - 16) / 2);
  HDC screen = GetDC(nullptr);
  auto at = [&](int x, int y) { return static_cast<tk::TColor>(GetPixel(screen, origin.x + x, origin.y + y)); };
  const tk::TColor handle = at(1, 1);
  const tk::TColor bristles = at(12, 13);
  const tk::TColor background = at(15, 0);
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(IsGreen(handle)) << std::hex << handle;
  EXPECT_TRUE(IsOrange(bristles)) << std::hex << bristles;
  // Around the glyph the button's skinned face shows, as its cache holds it.
  const tk::Bitmap& face = *form->sSpeedButton5->SkinData().Cache();
  EXPECT_EQ(background, tk::PixelColor(face, (23 - 16) / 2 + 15, (22 - 16) / 2)) << std::hex << background;
  EXPECT_NE(background, tk::clFuchsia);
}

TEST_F(MainWindowTest, FieldsArePaintedBlackWithGreenText) {
  form->edtGaussX->SetText("8888888");
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpPending();
  tk::TMaskEdit& edit = *form->edtGaussX;
  HDC screen = GetDC(nullptr);
  const POINT inside = ScreenPointOf(edit, edit.ClientWidth() - 3, edit.ClientHeight() / 2);
  EXPECT_EQ(GetPixel(screen, inside.x, inside.y), RGB(0, 0, 0));
  int lime = 0;
  for (int x = 0; x < 60; ++x)
    for (int y = 0; y < edit.ClientHeight(); ++y) {
      const POINT p = ScreenPointOf(edit, x, y);
      const COLORREF c = GetPixel(screen, p.x, p.y);
      if (GetGValue(c) > 150 && GetRValue(c) < 100 && GetBValue(c) < 100) ++lime;
    }
  ReleaseDC(nullptr, screen);
  EXPECT_GT(lime, 20) << "the digits are drawn in lime green";
}

}  // namespace
