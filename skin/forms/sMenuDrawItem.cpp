// Drawing one popup item over the popup's background: dividers, caption
// bands and normal items (check marks, pictures, caption, shortcut), and the
// popup window's frame around the item, which the window system no longer
// paints.

#include <algorithm>

#include "sMenuPopupState.h"
#include "skin/controls/sHintSuppression.h"
#include "skin/controls/sSpeedButton.h"
#include "sSkinableMenus.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sBlend.h"
#include "skin/paint/sBorderMask.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSectionBackground.h"
#include "skin/paint/sSkinTextWin.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/ImgList.h"
#include "toolkit/win/Messages.h"
#include "toolkit/win/ShortCut.h"

namespace skin {

namespace {

// A disabled item is mixed with the popup's background, the background
// weighing 0.4.
constexpr double kDisabledItemOpacity = 0.6;
constexpr int kShortCutRight = 8;
constexpr int kColumnGap = 4;
constexpr int kLastItemSlack = 6;
constexpr TColor kDividerShadow = 0x808080;
constexpr TColor kDividerLight = 0xFFFFFF;

bool IsPopupMenuWindow(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return std::wstring_view(name) == L"#32768";
}

TRect Moved(const RECT& r, POINT by) { return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y}; }

TColor BottomLeftPixel(const tk::Bitmap& bmp) {
  bmp.Sync();
  const std::uint8_t* p = bmp.ScanLine(bmp.Height() - 1);
  return static_cast<TColor>(p[2] | (p[1] << 8) | (p[0] << 16));
}

int MaskOf(const TsSkinTables* t, const char* section, const char* property) {
  if (!t) return -1;
  const int index = t->IndexOfSection(section);
  const int mask = index < 0 ? -1 : t->IndexOfMask(index, section, property);
  return t->IsValidImgIndex(mask) ? mask : -1;
}

}  // namespace

void TsSkinableMenus::CopyBackground(tk::TCanvas& canvas, const RECT& dest, POINT source) const {
  const TsMenuPopupState& s = MenuPopupState();
  BlitBitmap(canvas.Handle(), dest.left, dest.top, s.background,
             {source.x, source.y, source.x + dest.right - dest.left, source.y + dest.bottom - dest.top});
}

void TsSkinableMenus::DrawItem(tk::TMenuItem& item, tk::TCanvas& canvas, const RECT& rect, tk::TOwnerDrawState state) {
  SetPopupActive(true);
  if (MenuButton) {
    // The button's press switched the hints off, and the release went to
    // the menu: the hints come back, and the button is no longer hot.
    RestoreHints();
    MenuButton->Perform(WM_MOUSELEAVE, 0, 0);
  }
  HWND window = nullptr;
  if (!paintingToBitmap_) {
    window = WindowFromDC(canvas.Handle());
    if (window && !IsPopupMenuWindow(window)) window = nullptr;
  }
  EnsurePopupState(item, window);
  const POINT offset = MenuPopupState().clientOffset;
  if (window) {
    CopyFrameParts(window, item, rect, offset);
  } else if (!paintingToBitmap_ && !preparePending_) {
    // The window could not be told from the drawing context: the
    // application's window finds it under the item once the menu shows.
    preparePending_ = true;
    PostMessageW(tk::Application().Handle(), tk::SM_MENU_PREPARE_AT_ITEM, 0, static_cast<LPARAM>(item.Command()));
  }
  switch (MenuItemTypeOf(item.Caption())) {
    case smDivider: DrawDivider(item, canvas, rect, state, offset); break;
    case smCaption: DrawCaptionBand(item, canvas, rect, state, offset); break;
    default: DrawNormalItem(item, canvas, rect, state, offset); break;
  }
}

void TsSkinableMenus::CopyFrameParts(HWND window, tk::TMenuItem& item, const RECT& rect, POINT clientOffset) {
  const TsMenuPopupState& s = MenuPopupState();
  const tk::Bitmap& bg = s.background;
  const int w = bg.Width(), h = bg.Height(), b = BorderWidth;
  const std::vector<tk::TMenuItem*> items = VisibleSiblings(item);
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  if (!items.empty() && items.front() == &item) BlitBitmap(dc, 0, 0, bg, {0, 0, w, b});
  if (!items.empty() && items.back() == &item) BlitBitmap(dc, 0, h - b, bg, {0, h - b, w, h});
  const int top = rect.top + clientOffset.y, bottom = rect.bottom + clientOffset.y;
  const int left = ExtraLineWidthFor(*FirstVisibleSibling(item)) + std::max(SkinBorderWidth(), b);
  BlitBitmap(dc, 0, top, bg, {0, top, left, bottom});
  BlitBitmap(dc, w - b, top, bg, {w - b, top, w, bottom});
  ReleaseDC(window, dc);
}

void TsSkinableMenus::DrawDivider(tk::TMenuItem& item, tk::TCanvas& canvas, const RECT& rect,
                                  tk::TOwnerDrawState state, POINT offset) {
  const TsMenuPopupState& s = MenuPopupState();
  const TsSkinTables* t = Tables();
  const TRect source = Moved(rect, offset);
  tk::Bitmap row = NewBitmap24(source.Width(), source.Height());
  CopyBitmapRect(row, 0, 0, s.background, source);
  const int extra = s.firstItem ? ExtraLineWidthFor(*s.firstItem) : 0;
  const int x1 = std::max(extra + Margin + Spacing, s.icoLineWidth + 2);
  const int x2 = row.Width() - extra - 2 * Margin - Spacing;
  int mask = MaskOf(t, "DIVIDERV", "BORDERSMASK");
  if (mask < 0) mask = MaskOf(t, "TRACKBAR", "SLIDERCHANNEL");
  if (mask >= 0) {
    // A rule taller than the row (the skins draw theirs in the middle of a
    // few pixels) is centred on it, not squeezed to its empty edges.
    const int ruleHeight = std::max(row.Height(), t->MaskFrameSize(mask).second);
    const int top = (row.Height() - ruleHeight) / 2;
    DrawBorderMask(row, {x1, top, x2, top + ruleHeight}, true, true, 0, t->ma[static_cast<std::size_t>(mask)],
                   CacheInfo{&s.background, source.Left, source.Top, true});
  } else if (x2 > x1) {
    FillRectBitmap(row, {x1, 0, x2, 1}, kDividerShadow);
    FillRectBitmap(row, {x1, 1, x2, 2}, kDividerLight);
  }
  if (OnDrawItem) {
    tk::TBitmapCanvas c(row);
    OnDrawItem(&item, c, RECT{0, 0, row.Width(), row.Height()}, state, smDivider);
  }
  BlitBitmap(canvas.Handle(), rect.left, rect.top, row, {0, 0, row.Width(), row.Height()});
}

void TsSkinableMenus::DrawCaptionBand(tk::TMenuItem& item, tk::TCanvas& canvas, const RECT& rect,
                                      tk::TOwnerDrawState state, POINT offset) {
  const TsMenuPopupState& s = MenuPopupState();
  const TsSkinTables* t = Tables();
  const TRect source = Moved(rect, offset);
  tk::Bitmap band = NewBitmap24(source.Width(), source.Height());
  CopyBitmapRect(band, 0, 0, s.background, source);
  const int extra = ExtraLineWidthFor(item);
  const TRect fill{extra + 1, 1, band.Width() - 1, band.Height() - 1};
  const int toolbar = SectionIndex("TOOLBAR");
  if (toolbar >= 0 && fill.Width() > 0 && fill.Height() > 0)
    PaintSectionByIndex(toolbar, "TOOLBAR", CacheInfo{&s.background, 0, 0, true}, -1, -1, t, &band,
                        {source.Left + fill.Left, source.Top + fill.Top}, fill, 0, true);
  {
    tk::TBitmapCanvas c(band);
    c.Font().Assign(captionFont_);
    const RECT text{fill.Left, fill.Top, fill.Right, fill.Bottom};
    WriteSectionText(c, CaptionBandText(item.Caption()), true, t, false, toolbar,
                     DT_CENTER | DT_VCENTER | DT_SINGLELINE, text);
    if (OnDrawItem) OnDrawItem(&item, c, RECT{0, 0, band.Width(), band.Height()}, state, smCaption);
  }
  BlitBitmap(canvas.Handle(), rect.left, rect.top, band, {0, 0, band.Width(), band.Height()});
}

void TsSkinableMenus::CopyColumnRest(tk::TMenuItem& item, tk::TCanvas& canvas, const RECT& rect, POINT offset) {
  const TsMenuPopupState& s = MenuPopupState();
  const std::vector<tk::TMenuItem*> items = VisibleSiblings(item);
  const auto at = std::find(items.begin(), items.end(), &item);
  if (at == items.end()) return;
  const bool last = at + 1 == items.end();
  const bool nextBreaks = !last && (*(at + 1))->Break() != tk::mbNone;
  const int clientBottom = s.background.Height() - 2 * offset.y;
  if (nextBreaks || (last && rect.bottom + offset.y < s.background.Height() - kLastItemSlack)) {
    const RECT rest{rect.left, rect.bottom, rect.right, clientBottom};
    if (rest.bottom > rest.top) CopyBackground(canvas, rest, {rect.left + offset.x, rect.bottom + offset.y});
  }
  if (item.Break() != tk::mbNone && at != items.begin()) {
    const RECT gap{rect.left - kColumnGap, 0, rect.left, clientBottom};
    CopyBackground(canvas, gap, {gap.left + offset.x, offset.y});
  }
}

void TsSkinableMenus::DrawCheckAndPicture(tk::TMenuItem& item, tk::Bitmap& bmp, bool hot) {
  const TsSkinTables* t = Tables();
  // Right-to-left menus keep the glyph column at the right where the
  // system reads right to left.
  const bool mirrored = IsRightToLeft(item) && MiddleEastSupport();
  if (item.Checked()) {
    int glyph = -1;
    if (item.RadioItem()) glyph = MaskOf(t, "GLOBALINFO", "RADIOCHECKED");
    else {
      glyph = MaskOf(t, "GLOBALINFO", "CHECK");
      if (glyph < 0) glyph = MaskOf(t, "GLOBALINFO", "BOXCHECKED");
    }
    if (glyph >= 0) {
      const auto [w, h] = t->MaskFrameSize(glyph);
      const int x = mirrored ? bmp.Width() - Margin - w : Margin;
      DrawMaskGlyph(bmp, {x, (bmp.Height() - h) / 2}, hot ? 1 : 0, t->ma[static_cast<std::size_t>(glyph)], 1);
    }
  }
  if (!item.Bitmap().Empty()) {
    const tk::Bitmap& picture = item.Bitmap().Image();
    const int d = (bmp.Height() - picture.Height()) / 2;
    const int x = mirrored ? bmp.Width() - d - picture.Width() : d;
    CopyTransparent(bmp, picture, x, false, CacheInfo{}, BottomLeftPixel(picture),
                    {0, 0, picture.Width(), picture.Height()}, d);
    return;
  }
  const tk::TCustomImageList* images = ImagesOf(item);
  if (!images || item.ImageIndex() < 0 || item.ImageIndex() >= images->Count()) return;
  const int d = (bmp.Height() - images->Height()) / 2;
  images->Draw(bmp, mirrored ? bmp.Width() - d - images->Width() : d, d, item.ImageIndex());
}

UINT TsSkinableMenus::ItemTextFormat(tk::TMenuItem& item, tk::TOwnerDrawState state, std::string& text) const {
  UINT format = Alignment == tk::taRightJustify ? DT_RIGHT : Alignment == tk::taCenter ? DT_CENTER : DT_LEFT;
  if (!text.empty() && text.front() == '\b') {
    text.erase(0, 1);
    text += "      ";
    format = DT_RIGHT;
  }
  if (IsRightToLeft(item)) format = DT_RIGHT;
  format |= DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP;
  // Opened by the mouse while the user keeps keyboard cues hidden.
  if (state & ODS_NOACCEL) format |= DT_HIDEPREFIX;
  return format;
}

void TsSkinableMenus::DrawItemText(tk::TMenuItem& item, tk::Bitmap& bmp, bool hot, tk::TOwnerDrawState state) {
  const TsMenuPopupState& s = MenuPopupState();
  const TsSkinTables* t = Tables();
  const int section = SectionIndex("MENUITEM");
  tk::TBitmapCanvas c(bmp);
  SelectMenuFont(c, item, item.Default());
  std::string text = item.Caption();
  const UINT format = ItemTextFormat(item, state, text);
  const int textStart = s.glyphWidth + 2 * Margin + Spacing;
  RECT r{textStart, 0, bmp.Width(), bmp.Height()};
  RECT keys{0, 0, bmp.Width() - kShortCutRight, bmp.Height()};
  UINT keysFormat = DT_RIGHT;
  if (IsRightToLeft(item)) {
    // Read from the right: the caption ends where a left-to-right one
    // starts, the shortcut stands at the left.
    r = {0, 0, bmp.Width() - textStart, bmp.Height()};
    keys = {kShortCutRight, 0, bmp.Width(), bmp.Height()};
    keysFormat = DT_LEFT;
  }
  WriteSectionText(c, text, item.Enabled(), t, hot, section, format, r);
  if (item.ShortCut() != 0)
    WriteSectionText(c, tk::ShortCutToText(item.ShortCut()), item.Enabled(), t, hot, section,
                     keysFormat | DT_VCENTER | DT_SINGLELINE, keys);
}

void TsSkinableMenus::DrawNormalItem(tk::TMenuItem& item, tk::TCanvas& canvas, const RECT& rect,
                                     tk::TOwnerDrawState state, POINT offset) {
  const TsMenuPopupState& s = MenuPopupState();
  const TsSkinTables* t = Tables();
  CopyColumnRest(item, canvas, rect, offset);
  const int extra = ExtraLineWidthFor(item);
  const TRect source{rect.left + extra + offset.x, rect.top + offset.y, rect.right + offset.x, rect.bottom + offset.y};
  if (source.Width() <= 0 || source.Height() <= 0) return;
  tk::Bitmap bmp = NewBitmap24(source.Width(), source.Height());
  CopyBitmapRect(bmp, 0, 0, s.background, source);
  const bool selected = (state & ODS_SELECTED) != 0;
  const bool hot = selected && item.Enabled();
  const int section = SectionIndex("MENUITEM");
  const TRect whole{0, 0, bmp.Width(), bmp.Height()};
  const CacheInfo parent{&s.background, 0, 0, true};
  if (section >= 0) {
    if (hot)
      PaintSectionByIndex(section, "MENUITEM", parent, -1, -1, t, &bmp, {source.Left, source.Top}, whole, 1, true);
    else
      PaintSectionBackgroundByIndex(section, "MENUITEM", parent, clFuchsia, -1, -1, t, bmp, {source.Left, source.Top},
                                    whole, 0);
  }
  DrawCheckAndPicture(item, bmp, hot);
  const bool hotText = item.Enabled() && (selected || (state & ODS_HOTLIGHT) != 0);
  DrawItemText(item, bmp, hotText, state);
  if (OnDrawItem) {
    tk::TBitmapCanvas c(bmp);
    OnDrawItem(&item, c, RECT{0, 0, bmp.Width(), bmp.Height()}, state, smNormal);
  }
  bmp.Sync();
  if (!item.Enabled()) BlendTransparent(bmp, 0, 0, -1, kDisabledItemOpacity, source, s.background);
  BlitBitmap(canvas.Handle(), rect.left + extra, rect.top, bmp, whole);
  if (!s.window && extra > 0) CopyBackground(canvas, {rect.left, rect.top, rect.left + extra, rect.bottom},
                                             {rect.left + offset.x, rect.top + offset.y});
}

}  // namespace skin
