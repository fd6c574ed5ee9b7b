#include "MockWindow.h"

#include <string>

#include "PixelFont.h"
#include "skin/data/sSkinTables.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sBorderMask.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSectionBackground.h"
#include "skin/paint/sSkinPaintData.h"
#include "skin/paint/sSkinTextColors.h"

namespace skinsheet {

namespace {

using skin::TRect;

constexpr int kFrame = 3, kTitle = 22;  // frame width and title strip height
constexpr std::int32_t kDesktop = 0x708096;  // behind the window's clear corners

// Text in a section's colours: the contours first, then the text.
void SkinText(tk::Bitmap& into, int x, int y, const std::string& text, const skin::TsTextColors& colors) {
  for (std::size_t i = 0; i < 4; ++i)
    if (colors.contour[i] != -1)
      DrawText(into, x + skin::kContourOffsets[i].X, y + skin::kContourOffsets[i].Y, text, colors.contour[i]);
  DrawText(into, x, y, text, colors.color);
}

class MockPainter {
public:
  explicit MockPainter(const skin::TsSkinTables& t) : t_(t), form_(skin::NewBitmap24(kMockWidth, kMockHeight)) {}

  tk::Bitmap Paint() {
    PaintFrame();
    PaintClient();
    CutClearCorners();
    return std::move(form_);
  }

private:
  int Mask(const char* section, const char* key) const { return t_.IndexOfMask(t_.IndexOfSection(section), section, key); }
  const skin::TsMaskData* MaskData(const char* section, const char* key) const {
    const int i = Mask(section, key);
    return t_.IsValidImgIndex(i) ? &t_.ma[static_cast<std::size_t>(i)] : nullptr;
  }
  static int FrameWidth(const skin::TsMaskData& m) { return m.R.Width() / (m.ImageCount > 0 ? m.ImageCount : 1); }
  static int FrameHeight(const skin::TsMaskData& m) { return m.R.Height() / (m.MaskType > 0 ? m.MaskType + 1 : 1); }

  // The form in its active look, the title strip, the title bar behind the
  // caption buttons, close (hot) and minimize, and the caption.
  void PaintFrame() {
    skin::TsSkinPaintRecord form;
    form.ResolveSection(t_, "FORM");
    skin::PaintSection(form, {}, false, false, &form_, {0, 0}, {0, 0, kMockWidth, kMockHeight}, 1);
    const skin::CacheInfo self{&form_, 0, 0, true};
    skin::PaintSectionByIndex(-1, "FORMTITLE", self, -1, -1, &t_, &form_, {0, 0}, {0, 0, kMockWidth, kTitle}, 1, true);
    const skin::TsMaskData* close = MaskData("GLOBALINFO", "BICONCLOSE");
    const skin::TsMaskData* minimize = MaskData("GLOBALINFO", "BICONMIN");
    if (const skin::TsMaskData* bar = MaskData("FORM", "TITLEBAR")) {
      const int buttons = (close ? FrameWidth(*close) : 0) + (minimize ? FrameWidth(*minimize) : 0);
      skin::DrawBorderMask(form_, {kMockWidth - buttons - 2 * FrameWidth(*bar) / 3, 0, kMockWidth, kTitle}, true, true, 1,
                           *bar, self);
    }
    int x = kMockWidth - kFrame;
    int state = 1;  // close is shown hot
    for (const skin::TsMaskData* b : {close, minimize}) {
      if (!b) continue;
      x -= FrameWidth(*b);
      const int h = FrameHeight(*b);
      skin::DrawMaskGlyph(form_, {x, (kTitle - h) / 2 + (h < 16 ? 2 : 0)}, state, *b, 1);
      state = 0;
    }
    SkinText(form_, kFrame + 22, 8, "ZUOBIAO ZHUANHUAN",
             skin::SectionTextColors(t_, t_.IndexOfSection("FORMTITLE"), true, true));
  }

  // A child control of the client area: its own cache painted over the
  // form's, then copied into the form.
  struct Child {
    tk::Bitmap cache;
    skin::TsSkinPaintRecord data;
    int left, top;
  };
  Child MakeChild(const char* section, int left, int top, int w, int h) {
    Child c{skin::NewBitmap24(w, h), {}, left, top};
    c.data.ResolveSection(t_, section);
    // The form's background is a picture or a gradient in both skins: what
    // lies behind a control depends on its place.
    c.data.hasParent = true;
    c.data.parentCache = Client();
    c.data.parentColor = t_.IsValidSkinIndex(t_.IndexOfSection("FORM")) ? t_.gd[static_cast<std::size_t>(t_.IndexOfSection("FORM"))].Color : skin::clWhite;
    c.data.parentVaries = c.data.dependsOnParent = true;
    c.data.bounds = {left, top, left + w, top + h};
    return c;
  }
  skin::CacheInfo Client() const { return {&form_, kFrame, kTitle, true}; }
  void Place(const Child& c) { skin::CopyBitmapRect(form_, kFrame + c.left, kTitle + c.top, c.cache, {0, 0, c.cache.Width(), c.cache.Height()}); }
  void Section(Child& c, int state, bool centre) {
    skin::PaintSection(c.data, Client(), centre, false, &c.cache, {c.left, c.top}, {0, 0, c.cache.Width(), c.cache.Height()},
                       state);
  }
  skin::TsTextColors Colors(const char* section, bool hot) const {
    return skin::SectionTextColors(t_, t_.IndexOfSection(section), true, hot);
  }

  void Group(int left, int top, int w, int h, const std::string& caption) {
    Child g = MakeChild("GROUPBOX", left, top, w, h);
    skin::CopyBitmapRect(g.cache, 0, 0, form_, {kFrame + left, kTitle + top, kFrame + left + w, kTitle + top + h});
    const int half = 8;
    skin::PaintSection(g.data, Client(), false, false, &g.cache, {left, top + half}, {0, half, w, h}, 0);
    const int cw = TextWidth(caption) + 8;
    skin::PaintSectionByIndex(-1, "CHECKBOX", Client(), -1, -1, &t_, &g.cache, {left + 6, top}, {6, 0, 6 + cw, 17}, 0,
                              true);
    SkinText(g.cache, 10, 5, caption, Colors("GROUPBOX", false));
    Place(g);
  }
  void Edit(int left, int top, int w, int h, const std::string& text, int state) {
    Child e = MakeChild("EDIT", left, top, w, h);
    Section(e, state, true);
    SkinText(e.cache, 4, (h - kGlyphHeight) / 2, text, Colors("EDIT", state != 0));
    Place(e);
  }
  void Label(int left, int top, const std::string& text) {
    DrawText(form_, kFrame + left, kTitle + top + 4, text, t_.GlobalFontColor());
  }
  // A speed button or push button: the caption centred, moved one pixel
  // right and down while pressed.
  void Pushed(const char* section, int left, int top, int w, int h, int textTop, bool centre, const std::string& text,
              int state) {
    Child b = MakeChild(section, left, top, w, h);
    Section(b, state, centre);
    const int shift = state == 2 ? 1 : 0;
    SkinText(b.cache, (w - TextWidth(text)) / 2 + shift, textTop + shift, text, Colors(section, state != 0));
    Place(b);
  }
  void Speed(int left, int top, const std::string& text, int state) {
    Pushed("SPEEDBUTTON", left, top, 23, 22, 8, true, text, state);
  }
  void Button(int left, int top, const std::string& text, int state) {
    Pushed("BUTTON", left, top, 119, 30, 12, false, text, state);
  }

  void PaintClient() {
    Group(16, 17, 476, 105, "DADI ZUOBIAO");
    Group(16, 133, 476, 87, "GAOSI ZUOBIAO");
    Label(16 + 24, 17 + 31, "JINGDU:");
    Label(16 + 24, 17 + 75, "WEIDU:");
    Edit(16 + 69, 17 + 27, 116, 23, "116.391275", 1);
    Edit(16 + 69, 17 + 68, 116, 23, "39.907333", 0);
    Speed(16 + 197, 17 + 27, "<<", 0);
    Speed(16 + 228, 17 + 27, ">>", 1);
    Speed(16 + 197, 17 + 70, "<<", 2);
    Speed(16 + 229, 17 + 70, ">>", 0);
    const char* dms[3][2] = {{"116", "39"}, {"23", "54"}, {"28.59", "26.4"}};
    for (int row = 0; row < 2; ++row) {
      const int y = 17 + (row ? 69 : 27);
      Edit(16 + 267, y, 37, 24, dms[0][row], 0);
      Edit(16 + 330, y, 37, 24, dms[1][row], 0);
      Edit(16 + 393, y, 45, 24, dms[2][row], 0);
      Label(16 + 307, y + 1, "D");
      Label(16 + 371, y + 1, "F");
      Label(16 + 443, y + 1, "M");
    }
    Label(16 + 29, 133 + 37, "X:");
    Label(16 + 197, 133 + 37, "Y:");
    Label(16 + 374, 133 + 37, "DAI:");
    Edit(16 + 55, 133 + 33, 125, 23, "20447206.66", 0);
    Edit(16 + 223, 133 + 33, 127, 23, "4419769.91", 0);
    Edit(16 + 419, 133 + 33, 39, 23, "20", 0);
    Button(119, 240, "DADI > GAOSI", 1);
    Button(268, 240, "GAOSI > DADI", 0);
    Speed(471, 262, "X", 0);
  }

  // What the window region leaves out: the clear corner pixels of the
  // form's frame (and of the title strip's top corners).
  void CutClearCorners() {
    std::vector<TRect> runs;
    if (const skin::TsMaskData* m = MaskData("FORM", "BORDERSMASK")) {
      tk::Bitmap scratch = skin::NewBitmap24(kMockWidth, kMockHeight);
      runs = skin::DrawBorderMaskCorners(scratch, 1, *m);
    }
    if (const skin::TsMaskData* m = MaskData("FORMTITLE", "BORDERSMASK")) {
      tk::Bitmap scratch = skin::NewBitmap24(kMockWidth, kTitle);
      for (const TRect& r : skin::DrawBorderMaskCorners(scratch, 1, *m))
        if (r.Top < kTitle / 2) runs.push_back(r);
    }
    for (const TRect& r : runs) skin::FillRectBitmap(form_, r, kDesktop);
  }

  const skin::TsSkinTables& t_;
  tk::Bitmap form_;
};

}  // namespace

tk::Bitmap PaintMockWindow(const skin::TsSkinTables& skin) { return MockPainter(skin).Paint(); }

}  // namespace skinsheet
