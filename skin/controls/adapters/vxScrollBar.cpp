#include "vxScrollBar.h"

#include <algorithm>

#include "vxScrollWnd.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sColorTools.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sParentBlend.h"
#include "toolkit/core/Bitmap.h"

namespace skin {

// --- the thumb's arithmetic ----------------------------------------------------

ScrollThumb ScrollThumb::Of(const SCROLLINFO& si, int barLength, int arrowLength, int minThumb) {
  ScrollThumb t;
  t.barLength = barLength;
  if (2 * arrowLength >= barLength) {
    t.halfArrows = true;
    t.arrowLength = barLength / 2;
    return t;
  }
  t.arrowLength = arrowLength;
  t.trackLength = barLength - 2 * arrowLength;
  const int range = si.nMax - si.nMin;
  if (range <= 0) return t;
  const int page = static_cast<int>(si.nPage);
  t.size = page == 0 ? arrowLength : std::max(MulDiv(page, t.trackLength, range + 1), minThumb);
  const int room = t.trackLength - t.size;
  const int offset = MulDiv(si.nPos - si.nMin, room, range - std::max(page - 1, 0) + 1);
  t.offset = std::clamp(offset, 0, std::max(room, 0));
  return t;
}

TvxScrollPart ScrollThumb::PartAt(int along) const {
  if (along < 0 || along >= barLength) return spNone;
  if (halfArrows) return along < barLength / 2 ? spFirstArrow : spSecondArrow;
  if (along < arrowLength) return spFirstArrow;
  if (along >= barLength - arrowLength) return spSecondArrow;
  if (size >= trackLength || size <= 0) return spNone;
  const int inTrack = along - arrowLength;
  if (inTrack < offset) return spTrackBefore;
  if (inTrack >= offset + size) return spTrackAfter;
  return spThumb;
}

int ScrollThumb::PositionAt(const SCROLLINFO& si, int thumbStart, int trackLength, int thumbSize) {
  const int range = si.nMax - si.nMin;
  if (range < 1) return si.nMin + thumbStart;
  return si.nMin + MulDiv(thumbStart, range - static_cast<int>(si.nPage) + 1, trackLength - thumbSize);
}

// --- the bar -----------------------------------------------------------------

void TvxScrollBar::ReadInfo(HWND window) {
  si.cbSize = sizeof(SCROLLINFO);
  si.fMask = SIF_ALL;
  if (!GetScrollInfo(window, Bar(), &si)) si = SCROLLINFO{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  flags &= ~3u;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if ((flags & 8) && GetScrollBarInfo(window, Horizontal() ? OBJID_HSCROLL : OBJID_VSCROLL, &info)) {
    if (info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) flags |= 1;
    if (info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE) flags |= 2;
  }
}

int TvxScrollBar::Thickness() const {
  if (forcedThickness >= 0) return forcedThickness;
  return GetSystemMetrics(Horizontal() ? SM_CYHSCROLL : SM_CXVSCROLL);
}

int TvxScrollBar::ArrowLength(const TsSkinTables* skin) const {
  if (forcedArrowLength >= 0) return forcedArrowLength;
  const int standard = GetSystemMetrics(SM_CXHSCROLL);
  if (!skin) return standard;
  const int left = skin->IndexOfSection("SCROLLBTNLEFT");
  if (left < 0 || !skin->gd[static_cast<std::size_t>(left)].ReservedBoolean) return standard;
  const char* section = Horizontal() ? "SCROLLBTNLEFT" : "SCROLLBTNTOP";
  const int sectionIndex = skin->IndexOfSection(section);
  const int mask = sectionIndex < 0 ? -1 : skin->IndexOfMask(sectionIndex, section, "BORDERSMASK");
  if (mask < 0) return standard;
  const auto [w, h] = skin->MaskFrameSize(mask);
  return std::max(standard, Horizontal() ? w : h);
}

ScrollThumb TvxScrollBar::Thumb(const TsSkinTables* skin) const {
  const int length = Horizontal() ? rect.right - rect.left : rect.bottom - rect.top;
  return ScrollThumb::Of(si, length, ArrowLength(skin), minThumbSize);
}

int TvxScrollBar::Along(POINT p) const { return Horizontal() ? p.x - rect.left : p.y - rect.top; }

bool TvxScrollBar::Disabled(HWND window) const {
  if (!IsWindowEnabled(window) || (flags & 3) == 3) return true;
  const int range = si.nMax - si.nMin;
  return range <= 0 || static_cast<int>(si.nPage) > range;
}

// --- painting -----------------------------------------------------------------

void TvxScrollBar::PaintPiece(tk::Bitmap& target, const char* section, const RECT& r, int state, bool glyph) const {
  if (r.right <= r.left || r.bottom <= r.top) return;
  const TsSkinTables* skin = owner_.PaintTables();
  const int index = skin->IndexOfSection(section);
  if (index < 0) return;
  const POINT origin = owner_.BarOrigin(*this);
  PaintSectionByIndex(index, section, owner_.ParentBackground(), -1, -1, skin, &target,
                      {origin.x + r.left, origin.y + r.top}, {r.left, r.top, r.right, r.bottom}, state, true);
  if (!glyph) return;
  const int mask = skin->IndexOfMask(index, section, "GLYPHMASK");
  if (mask < 0) return;
  const auto [w, h] = skin->MaskFrameSize(mask);
  DrawMaskGlyph(target, {r.left + (r.right - r.left - w) / 2, r.top + (r.bottom - r.top - h) / 2}, state,
                skin->ma[static_cast<std::size_t>(mask)], 1);
}

// A rectangle of the bar from `from` to `to` along it, full thickness.
static RECT Span(bool horizontal, int from, int to, int thickness) {
  return horizontal ? RECT{from, 0, to, thickness} : RECT{0, from, thickness, to};
}

void TvxScrollBar::PaintTracks(tk::Bitmap& target, const ScrollThumb& t, TvxScrollPart pressed, int thumbStart) const {
  const bool h = Horizontal();
  const int thick = h ? target.Height() : target.Width();
  const char* first = h ? "SCROLLBAR1H" : "SCROLLBAR1V";
  const char* second = h ? "SCROLLBAR2H" : "SCROLLBAR2V";
  // Split at the thumb's middle; without a thumb, in the middle of the bar.
  const int split = t.HasThumb() ? t.arrowLength + thumbStart + t.size / 2 : t.barLength / 2;
  PaintPiece(target, first, Span(h, 0, split, thick), pressed == spTrackBefore ? 2 : 0, false);
  PaintPiece(target, second, Span(h, split, t.barLength, thick), pressed == spTrackAfter ? 2 : 0, false);
}

void TvxScrollBar::PaintArrows(tk::Bitmap& target, const ScrollThumb& t, TvxScrollPart hot,
                               TvxScrollPart pressed) const {
  const bool h = Horizontal();
  const int thick = h ? target.Height() : target.Width();
  auto state = [&](TvxScrollPart p) { return pressed == p ? 2 : (hot == p && pressed == spNone ? 1 : 0); };
  PaintPiece(target, h ? "SCROLLBTNLEFT" : "SCROLLBTNTOP", Span(h, 0, t.arrowLength, thick), state(spFirstArrow), true);
  PaintPiece(target, h ? "SCROLLBTNRIGHT" : "SCROLLBTNBOTTOM", Span(h, t.barLength - t.arrowLength, t.barLength, thick),
             state(spSecondArrow), true);
}

void TvxScrollBar::Paint(tk::Bitmap& target, TvxScrollPart hot, TvxScrollPart pressed, int dragStart) const {
  const TsSkinTables* skin = owner_.PaintTables();
  const ScrollThumb t = Thumb(skin);
  const int thumbStart = dragStart >= 0 ? dragStart : t.offset;
  PaintTracks(target, t, pressed, thumbStart);
  PaintArrows(target, t, hot, pressed);
  const HWND window = owner_.Handle();
  const bool disabled = Disabled(window);
  const int range = si.nMax - si.nMin;
  const int shownSize = range > 0 ? std::max(MulDiv(static_cast<int>(si.nPage), t.trackLength, range), minThumbSize) : 0;
  if (!disabled && t.HasThumb() && shownSize > 0 && shownSize <= t.trackLength) {
    const bool h = Horizontal();
    const int thick = h ? target.Height() : target.Width();
    const int from = t.arrowLength + thumbStart;
    PaintPiece(target, h ? "SCROLLSLIDERH" : "SCROLLSLIDERV", Span(h, from, from + t.size, thick),
               pressed == spThumb ? 1 : 0, true);
  }
  if (!disabled) return;
  const CacheInfo parent = owner_.ParentBackground();
  const POINT origin = owner_.BarOrigin(*this);
  if (parent.Usable()) {
    BlendWithParentCache(target, parent, {origin.x, origin.y}, 60);
    return;
  }
  const int bar1 = skin->IndexOfSection("SCROLLBAR1H");
  if (bar1 >= 0)
    BlendColorRect(target, {0, 0, target.Width(), target.Height()}, 40, skin->gd[static_cast<std::size_t>(bar1)].Color);
}

}  // namespace skin
