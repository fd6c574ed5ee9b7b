#pragma once
// TvxScrollBar: one skinned scroll bar of a TvxScrollWnd - the platform's
// scroll information, where the bar lies in the window, its parts along the
// bar (arrows, the two track halves, the thumb) and its painting from the
// skin's SCROLL* sections into an off-screen bitmap copied in one step.
//
// The arithmetic of the thumb is ScrollThumb (plain numbers, no window), so
// the edge cases can be checked without a window.

#include <windows.h>

namespace tk {
class Bitmap;
}

namespace skin {

class TvxScrollWnd;
class TsSkinTables;

// Parts along a bar (the hit codes of the bar's interaction).
enum TvxScrollPart : int {
  spNone = -1,
  spFirstArrow = 0,
  spSecondArrow = 1,
  spTrackBefore = 2,
  spTrackAfter = 3,
  spThumb = 5,
};

// The thumb of a bar of that length with those arrows, for the scroll
// information given. Lengths along the bar; offsets from the bar's start.
struct ScrollThumb {
  int barLength = 0;
  int arrowLength = 0;
  int trackLength = 0;  // between the arrows
  int size = 0;         // 0: no thumb
  int offset = 0;       // from the track's start
  bool halfArrows = false;  // no room for two arrows: each takes half the bar

  static ScrollThumb Of(const SCROLLINFO& si, int barLength, int arrowLength, int minThumb);
  // The part at a distance from the bar's start.
  TvxScrollPart PartAt(int along) const;
  // The scroll position of a thumb whose start lies that far into the track.
  static int PositionAt(const SCROLLINFO& si, int thumbStart, int trackLength, int thumbSize);
  bool HasThumb() const { return !halfArrows && size > 0 && size < trackLength; }
};

class TvxScrollBar {
public:
  TvxScrollBar(TvxScrollWnd& owner, int orientation) : owner_(owner), orientation(orientation) {}

  bool Horizontal() const { return orientation == 0; }
  int Bar() const { return Horizontal() ? SB_HORZ : SB_VERT; }
  // Reads the platform's scroll information and the arrows' states.
  void ReadInfo(HWND window);
  int Thickness() const;
  int ArrowLength(const TsSkinTables* skin) const;
  // The thumb in the bar's present rectangle.
  ScrollThumb Thumb(const TsSkinTables* skin) const;
  // Along the bar, from its start, for a point in window coordinates.
  int Along(POINT windowPoint) const;
  bool Disabled(HWND window) const;
  // Paints the bar into a bitmap of its size; pressed and hot parts as
  // given, the thumb at its own place or (dragging) at dragStart.
  void Paint(tk::Bitmap& target, TvxScrollPart hot, TvxScrollPart pressed, int dragStart) const;

  TvxScrollWnd& owner_;
  int orientation;
  unsigned flags = 0;  // 1, 2: an arrow disabled; 8: the window style holds the bar
  bool shown = false;
  SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  int forcedArrowLength = -1;
  int forcedThickness = -1;
  int minThumbSize = 10;
  RECT rect{};  // in window coordinates

private:
  void PaintTracks(tk::Bitmap& target, const ScrollThumb& t, TvxScrollPart pressed, int thumbStart) const;
  void PaintArrows(tk::Bitmap& target, const ScrollThumb& t, TvxScrollPart hot, TvxScrollPart pressed) const;
  void PaintPiece(tk::Bitmap& target, const char* section, const RECT& r, int state, bool glyph) const;
};

}  // namespace skin
