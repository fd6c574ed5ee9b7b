#pragma once
// TvxGroupBoxWnd: a group box that does not skin itself painted from the
// skin: its frame from the GROUPBOX section starting at the middle of the
// caption strip, the caption over the parent's background (a CHECKBOX
// strip where the parent keeps a cached background), its windowless
// children over that picture; children that waited for it paint then. It
// answers the caption strip's height, so that containers around it leave
// its inside to it.
//
// In a system dialog the platform paints the group box first and keeps its
// inside: the wrapper then draws only the frame and the caption strip from
// its cache over the platform's picture.

#include "vxMainWnd.h"

namespace skin {

class TvxGroupBoxWnd : public TvxMainWnd {
public:
  using TvxMainWnd::TvxMainWnd;
  // The caption strip: the text's height in the window's font and 2.
  RECT CaptionRect();
  // What the frame surrounds: inside the border mask's widths and below the
  // caption strip and the top border. In a dialog it stays the platform's.
  RECT InsideRect();

protected:
  void WndProc(tk::TMessage& m) override;
  bool HandleSkinCommand(tk::TMessage& m) override;
  void PrepareCache() override;

private:
  void Paint(HDC dc, bool notifyChildren);
  // In a dialog: the platform's picture, then the frame and caption over it.
  void PaintAfterPlatform(tk::TMessage& m);
  void PaintFrameAndCaption(HDC dc);
  void DrawCaption(const RECT& c, const CacheInfo& parentCache);
};

}  // namespace skin
