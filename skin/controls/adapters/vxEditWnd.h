#pragma once
// The wrappers of scrollable windows that paint their own client area: the
// wrapper paints only the frame (a ring of the cached section as wide as the
// window's edge) and the skinned scroll bars, and gives the control the
// section's colours.
//
//   TvxBaseWnd      any scrollable window: cache, frame and bars kept up
//                   to date across size, scroll and enabled changes.
//   TvxEditWnd      edits, memos and list boxes: the colours and the frame.
//   TvxTreeViewWnd  tree views: as the edit (list views: vxListViewWnd.h).

#include "vxScrollWnd.h"
#include "skin/data/sSkinTypes.h"

namespace skin {

class TvxBaseWnd : public TvxScrollWnd {
public:
  using TvxScrollWnd::TvxScrollWnd;
  // Repaints the frame ring and the bars now.
  void RepaintFrame();

protected:
  void WndProc(tk::TMessage& m) override;
  bool HandleSkinCommand(tk::TMessage& m) override;
};

class TvxEditWnd : public TvxBaseWnd {
public:
  using TvxBaseWnd::TvxBaseWnd;
  ~TvxEditWnd() override { Unsubclass(); }
  // The colour a raw window shows (a toolkit control shows its Color).
  TColor OwnColor() const { return ownColor_; }
  // Copies a ring of that width along the edges of the cache to dc.
  static void CopyRing(HDC dc, const tk::Bitmap& cache, int ring);

protected:
  void WndProc(tk::TMessage& m) override;
  void SaveState() override;
  void RestoreState() override;
  void SetColors() override;
  // The width of the frame ring copied from the cache.
  virtual int FrameWidth() const { return edgeLeft; }
  bool PaintsFrameOnly() const override { return true; }
  void EnsureColors();

private:
  void HandleNcPaint(tk::TMessage& m);
  void HandlePrint(tk::TMessage& m);
  // After input and list changes the scroll information may have moved.
  static bool ChangesScrolling(UINT msg);

  TColor savedColor_ = clFuchsia;
  TColor savedFontColor_ = clFuchsia;
  TColor ownColor_ = clWhite;
  bool stateSaved_ = false;
};

class TvxTreeViewWnd : public TvxEditWnd {
public:
  using TvxEditWnd::TvxEditWnd;
};

}  // namespace skin
