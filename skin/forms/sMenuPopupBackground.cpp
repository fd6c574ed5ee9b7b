// The popup's background: MAINMENU over the whole window, the extra line
// with its upward caption and glyph, the icon line, and the corner pixels
// the window region leaves out. Built once per popup; every item is drawn
// over its part of it.

#include <algorithm>

#include "sFrameRegion.h"
#include "sMenuPopupState.h"
#include "sSkinableMenus.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sPaintSection.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Unicode.h"

namespace skin {

namespace {

constexpr int kExtraLineGlyphBottom = 12;
constexpr int kExtraLineTextAboveGlyph = 20;
constexpr int kExtraLineEscapement = -2700;

// The extra line's font: the settings' face, charset and styles, its size
// taken as the character height, always regular weight, turned to run
// upwards.
HFONT CreateExtraLineFont(const tk::TFont& font) {
  LOGFONTW lf{};
  lf.lfHeight = font.Size();
  lf.lfEscapement = kExtraLineEscapement;
  lf.lfOrientation = kExtraLineEscapement;
  lf.lfWeight = FW_NORMAL;
  lf.lfItalic = (font.Style() & tk::fsItalic) ? 1 : 0;
  lf.lfUnderline = (font.Style() & tk::fsUnderline) ? 1 : 0;
  lf.lfStrikeOut = (font.Style() & tk::fsStrikeOut) ? 1 : 0;
  lf.lfCharSet = font.Charset();
  const std::wstring face = tk::Utf8ToWide(font.Name());
  face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&lf);
}

}  // namespace

void TsSkinableMenus::EnsurePopupState(tk::TMenuItem& item, HWND window) {
  TsMenuPopupState& s = MenuPopupState();
  tk::TMenuItem& first = *FirstVisibleSibling(item);
  if (s.firstItem != &first) {
    ResetPopupState();
    s.firstItem = &first;
  }
  int width = 0, height = 0;
  if (window) {
    RECT w;
    GetWindowRect(window, &w);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    width = w.right - w.left;
    height = w.bottom - w.top;
    s.clientOffset = {origin.x - w.left, origin.y - w.top};
    s.window = window;
  } else {
    const TsMenuSize size = ComputedPopupSize(first);
    width = size.width;
    height = size.height;
    s.clientOffset = {BorderWidth, BorderWidth};
  }
  if (!s.background.Empty() && s.background.Width() == width && s.background.Height() == height) return;
  int glyphWidth = 0;
  for (tk::TMenuItem* sibling : VisibleSiblings(first)) glyphWidth = std::max(glyphWidth, GlyphSizeOf(*sibling, false).width);
  s.glyphWidth = glyphWidth > 0 ? glyphWidth : 16;
  s.icoLineWidth = Margin + s.glyphWidth + Spacing;
  BuildBackground(first, std::max(width, 1), std::max(height, 1));
  if (window) PreparePopupWindow(window);
}

void TsSkinableMenus::BuildBackground(tk::TMenuItem& firstItem, int width, int height) {
  TsMenuPopupState& s = MenuPopupState();
  s.background = NewBitmap24(width, height);
  const TsSkinTables* t = Tables();
  const int mainMenu = SectionIndex("MAINMENU");
  PaintSectionByIndex(mainMenu, "MAINMENU", CacheInfo{}, -1, -1, t, &s.background, {0, 0}, {0, 0, width, height}, 0,
                      true);
  const int extra = ExtraLineWidthFor(firstItem);
  const ExtraLine line = ExtraLineFor(firstItem);
  if (extra > 0) PaintExtraLine(line, height);
  PaintIconLine(extra, height);
  cutOuts_.clear();
  const int mask = mainMenu < 0 ? -1 : t->IndexOfMask(mainMenu, "MAINMENU", "BORDERSMASK");
  if (t && t->IsValidImgIndex(mask)) {
    const TsMaskData& m = t->ma[static_cast<std::size_t>(mask)];
    cutOuts_ = MaskCornerCuts(m, width, true, 0, true, height - m.WB);
  }
}

void TsSkinableMenus::PaintExtraLine(const ExtraLine& line, int height) {
  TsMenuPopupState& s = MenuPopupState();
  const TsSkinTables* t = Tables();
  const int section = t ? t->IndexOfSection(line.section) : -1;
  if (section < 0) return;
  const int border = SkinBorderWidth();
  const TRect strip{border, border, border + manager_->MenuSupport().ExtraLineWidth, height - border};
  if (strip.Width() <= 0 || strip.Height() <= 0) return;
  const tk::Bitmap parent = s.background;
  PaintSectionByIndex(section, line.section, CacheInfo{&parent, 0, 0, true}, -1, -1, t, &s.background,
                      {strip.Left, strip.Top}, strip, 0, true);
  int glyphHeight = 0;
  if (!line.glyph.Empty()) {
    glyphHeight = line.glyph.Height();
    const int x = strip.Left + (strip.Width() - line.glyph.Width()) / 2;
    const int y = strip.Bottom - kExtraLineGlyphBottom - glyphHeight;
    CopyBitmapRect(s.background, x, y, line.glyph, {0, 0, line.glyph.Width(), line.glyph.Height()});
  }
  if (line.caption.empty()) return;
  tk::TBitmapCanvas canvas(s.background);
  const tk::TGdiObject<HFONT> font(CreateExtraLineFont(manager_->MenuSupport().ExtraLineFont()));
  HDC dc = canvas.Handle();
  tk::TSelection selected(dc, font.Get());
  const std::wstring text = tk::Utf8ToWide(line.caption);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, t->gd[static_cast<std::size_t>(section)].FontColor[0]);
  const int x = strip.Left + (strip.Width() - tm.tmHeight) / 2;
  const int y = strip.Top + strip.Height() -
                (line.glyph.Empty() ? kExtraLineGlyphBottom : glyphHeight + kExtraLineTextAboveGlyph);
  const RECT clip{strip.Left, strip.Top, strip.Right, strip.Bottom};
  ExtTextOutW(dc, x, y, ETO_CLIPPED, &clip, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  GdiFlush();
}

void TsSkinableMenus::PaintIconLine(int extra, int height) {
  TsMenuPopupState& s = MenuPopupState();
  const TsSkinTables* t = Tables();
  if (!t || !manager_) return;
  const std::string& name = manager_->MenuSupport().IcoLineSkin;
  const int section = name.empty() ? -1 : t->IndexOfSection(name);
  if (section < 0) return;
  const int border = SkinBorderWidth();
  const TRect strip{border + extra, border, border + extra + s.icoLineWidth, height - border};
  if (strip.Width() <= 0 || strip.Height() <= 0) return;
  const tk::Bitmap parent = s.background;
  PaintSectionByIndex(section, name, CacheInfo{&parent, 0, 0, true}, -1, -1, t, &s.background, {strip.Left, strip.Top},
                      strip, 0, true);
}

std::vector<TRect> TsSkinableMenus::PaintPopupTo(tk::TMenuItem& parent, tk::Bitmap& target, int selected,
                                                 tk::TOwnerDrawState extraState) {
  std::vector<TRect> rects;
  if (parent.Count() == 0) return rects;
  const std::vector<tk::TMenuItem*> items = VisibleSiblings(*parent.Items(0));
  if (items.empty()) return rects;
  paintingToBitmap_ = true;
  try {
    ResetPopupState();
    EnsurePopupState(*items.front(), nullptr);
    TsMenuPopupState& s = MenuPopupState();
    target = s.background;
    std::vector<TsMenuColumnItem> measured;
    tk::Bitmap scratch(1, 1);
    {
      tk::TBitmapCanvas canvas(scratch);
      for (tk::TMenuItem* item : items) {
        TsMenuColumnItem m;
        MeasureItem(*item, canvas, m.width, m.height);
        m.breakBefore = item->Break() != tk::mbNone && !measured.empty();
        measured.push_back(m);
      }
    }
    const std::vector<TsMenuItemPlace> places = PopupItemPlaces(measured);
    tk::TBitmapCanvas canvas(target);
    HDC dc = canvas.Handle();
    SetViewportOrgEx(dc, s.clientOffset.x, s.clientOffset.y, nullptr);
    for (std::size_t i = 0; i < items.size(); ++i) {
      const TsMenuItemPlace& p = places[i];
      const RECT rect{p.left, p.top, p.left + p.width, p.top + p.height};
      rects.push_back({rect.left + s.clientOffset.x, rect.top + s.clientOffset.y, rect.right + s.clientOffset.x,
                       rect.bottom + s.clientOffset.y});
      tk::TOwnerDrawState state = extraState | (items[i]->Enabled() ? 0 : ODS_GRAYED | ODS_DISABLED);
      if (static_cast<int>(i) == selected) state |= ODS_SELECTED;
      if (items[i]->Checked()) state |= ODS_CHECKED;
      DrawItem(*items[i], canvas, rect, state);
    }
    SetViewportOrgEx(dc, 0, 0, nullptr);
    GdiFlush();
  } catch (...) {
    paintingToBitmap_ = false;
    throw;
  }
  paintingToBitmap_ = false;
  target.Sync();
  return rects;
}

}  // namespace skin
