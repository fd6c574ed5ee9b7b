#pragma once
// TvxScrollWnd: a window wrapper whose window shows skinned scroll bars in
// place of the platform's. The platform is made to reserve no room for its
// own bars (the style bits are hidden from its frame calculation); the
// wrapper takes that room itself, paints the bars from the skin and turns
// mouse actions on them into the scroll messages the platform's bars send:
// one request at a press, again after 300 ms and then every 55 ms while the
// mouse stays on the pressed part; SB_THUMBTRACK while the thumb is dragged,
// SB_THUMBPOSITION and SB_ENDSCROLL at the release.
//
// Hover, press and drag are one interaction at a time in the whole program
// (vxScrollInteraction.cpp).

#include "vxMainWnd.h"
#include "vxScrollBar.h"

namespace skin {

class TsSkinTables;
struct CacheInfo;

class TvxScrollWnd : public TvxMainWnd {
public:
  TvxScrollWnd(HWND window, bool recalcFrame, std::string_view section, TsSkinManager* manager,
               TsCommonData* skinData);
  ~TvxScrollWnd() override;

  TvxScrollBar& HorzBar() { return horz_; }
  TvxScrollBar& VertBar() { return vert_; }
  const TvxScrollBar& HorzBar() const { return horz_; }
  const TvxScrollBar& VertBar() const { return vert_; }
  // GetScrollInfo of both bars, then the bars repainted.
  void UpdateScrollInfo();
  // Paints both bars and the size box into the window's device context.
  void PaintBars();
  void PaintBars(HDC windowDC);
  // The size box between the bars (empty unless both are shown).
  RECT SizeBoxRect() const;

  // What the bars paint with.
  const TsSkinTables* PaintTables() const;
  CacheInfo ParentBackground() const;
  // Where a bar's top-left corner lies in the parent's client area.
  POINT BarOrigin(const TvxScrollBar& bar) const;

  int edgeLeft = 0, edgeRight = 0, edgeTop = 0, edgeBottom = 0;
  bool leftScrollBar = false;
  bool suspendPainting = false;

protected:
  void Attach() override;
  void WndProc(tk::TMessage& m) override;
  // A window that does not scroll by the position a thumb request carries
  // (list views read the platform's own tracking position) moves itself
  // here from the bar's present position; true when it did.
  virtual bool ScrollToThumb(TvxScrollBar& /*bar*/, int /*position*/) { return false; }

private:
  friend class TvxScrollInteraction;
  void HandleNcCalcSize(tk::TMessage& m);
  void HandleNcHitTest(tk::TMessage& m);
  void LayOutBars();
  bool GripShown() const;
  void PaintSizeBox(HDC dc);
  // The bar under a window point, or none.
  TvxScrollBar* BarAt(POINT windowPoint);
  POINT WindowPointOfScreen(POINT screen) const;
  // Sends one scroll request of the bar (SB_* code) the way the platform's
  // bar would, with the begin / end update commands around it.
  void SendScroll(TvxScrollBar& bar, int code, int position);
  void RepaintIfScrolled();

  TvxScrollBar horz_{*this, 0};
  TvxScrollBar vert_{*this, 1};
  bool preventStyleChange_ = false;
};

}  // namespace skin
