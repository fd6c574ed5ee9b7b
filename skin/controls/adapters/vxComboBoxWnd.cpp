#include "vxComboBoxWnd.h"

#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintSection.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

bool TvxComboListWnd::HandleSkinCommand(tk::TMessage& m) {
  if (SkinSubCommand(m.WParam) == SCMD_LIST_SECTION) {
    m.Result = skinData_->sectionIndex + 1;
    return true;
  }
  return TvxEditWnd::HandleSkinCommand(m);
}

TvxComboBoxWnd::~TvxComboBoxWnd() {
  list_.reset();
  if (listBrush_) DeleteObject(listBrush_);
}

int TvxComboBoxWnd::ButtonState() const {
  if (SendMessageW(handle_, CB_GETDROPPEDSTATE, 0, 0)) return 2;
  const HWND focus = GetFocus();
  return (hovered_ || focus == handle_ || (focus && IsChild(handle_, focus))) ? 1 : 0;
}

void TvxComboBoxWnd::PaintFrameAndButton(HDC dc) {
  PrepareCache();
  const tk::Bitmap* cache = skinData_->Cache();
  if (!cache || cache->Empty()) return;
  CopyRing(dc, *cache, FrameWidth());
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(handle_, &info)) return;
  const RECT& b = info.rcButton;
  const int w = b.right - b.left, h = b.bottom - b.top;
  if (w <= 0 || h <= 0) return;
  const TsSkinTables& skin = manager_->Tables();
  tk::Bitmap button = NewBitmap24(w, h);
  CopyBitmapRect(button, 0, 0, *cache, {b.left, b.top, b.right, b.bottom});
  const CacheInfo under{cache, 0, 0, true};
  const int state = ButtonState();
  const int buttonSection = skin.IndexOfSection("COMBOBTN");
  if (buttonSection >= 0)
    PaintSectionByIndex(buttonSection, "COMBOBTN", under, -1, -1, &skin, &button, {b.left, b.top}, {0, 0, w, h}, state,
                        true);
  const int comboSection = skin.IndexOfSection("COMBOBOX");
  const int glyph = comboSection < 0 ? -1 : skin.IndexOfMask(comboSection, "COMBOBOX", "GLYPHMASK");
  if (glyph >= 0) {
    const auto [gw, gh] = skin.MaskFrameSize(glyph);
    DrawMaskGlyph(button, {(w - gw) / 2, (h - gh) / 2}, state, skin.ma[static_cast<std::size_t>(glyph)], 1);
  }
  const tk::TBitmapSource source(button);
  BitBlt(dc, b.left, b.top, w, h, source.Handle(), 0, 0, SRCCOPY);
}

void TvxComboBoxWnd::AnswerListColor(tk::TMessage& m) {
  const HWND listWindow = reinterpret_cast<HWND>(m.LParam);
  if (!list_ && listWindow && !TvxMainWnd::Of(listWindow))
    list_ = Wrap<TvxComboListWnd>(listWindow, true, "EDIT", manager_, nullptr);
  if (!list_ || dlgMode_) {
    CallPrevious(m);
    return;
  }
  const int section = static_cast<int>(SendSkinCommand(listWindow, SCMD_LIST_SECTION, 0)) - 1;
  const TsSkinTables& skin = manager_->Tables();
  if (!skin.IsValidSkinIndex(section)) {
    CallPrevious(m);
    return;
  }
  const TsGeneralData& s = skin.gd[static_cast<std::size_t>(section)];
  const HDC dc = reinterpret_cast<HDC>(m.WParam);
  SetTextColor(dc, static_cast<COLORREF>(s.FontColor[0]));
  SetBkColor(dc, static_cast<COLORREF>(s.Color));
  if (listBrush_) DeleteObject(listBrush_);
  listBrush_ = CreateSolidBrush(static_cast<COLORREF>(s.Color));
  m.Result = reinterpret_cast<LRESULT>(listBrush_);
}

void TvxComboBoxWnd::Repaint() { InvalidateRect(handle_, nullptr, FALSE); }

void TvxComboBoxWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxEditWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_NCPAINT:
      CallPrevious(m);
      return;
    case WM_PAINT: {
      if (skinData_->IsPaintDeferred()) {
        ValidateRect(handle_, nullptr);
        return;
      }
      EnsureColors();
      CallPrevious(m);
      const tk::TWindowDC dc(handle_);
      if (dc) PaintFrameAndButton(dc.Get());
      return;
    }
    case WM_CTLCOLORLISTBOX:
      AnswerListColor(m);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case tk::CN_COMMAND:
      TvxEditWnd::WndProc(m);
      Repaint();
      return;
    default:
      break;
  }
  TvxEditWnd::WndProc(m);
}

}  // namespace skin
