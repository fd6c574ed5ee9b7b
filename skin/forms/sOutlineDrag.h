#pragma once
// Moving and sizing a skinned window by an outline: while the button is
// held an inverted rectangle on the desktop shows where the window will go,
// and the window is placed once, when the button is released. One drag at
// a time for the whole program (the mouse is captured).

#include <windows.h>

namespace skin {

class TsOutlineDrag {
public:
  explicit TsOutlineDrag(HWND window) : window_(window) {}
  TsOutlineDrag(const TsOutlineDrag&) = delete;
  TsOutlineDrag& operator=(const TsOutlineDrag&) = delete;
  ~TsOutlineDrag();

  // The kind of the next drag, as the hit test saw the point: HTCAPTION
  // (a move) or one of the sizing edges HTLEFT ... HTBOTTOMRIGHT.
  void SetEdgeKind(int kind) { edgeKind_ = kind; }
  int EdgeKind() const { return edgeKind_; }
  // Captures the mouse for a move or a size of the remembered edge kind.
  void Prepare(bool moving, int minWidth = 0, int minHeight = 0);
  bool Prepared() const { return prepared_; }
  // Starts the outline at a screen point.
  void Start(POINT screen);
  // Follows the mouse (a screen point).
  void Track(POINT screen);
  // Ends at a screen point: the outline goes, the window is placed.
  void End(POINT screen);
  bool Active() const { return active_; }
  RECT Outline() const { return outline_; }

private:
  void DrawOutline();
  void Finish();

  HWND window_;
  bool prepared_ = false;
  bool active_ = false;
  bool moving_ = true;
  int edgeKind_ = 0;
  int sizingKind_ = 0;
  bool firstMove_ = true;
  bool moved_ = false;
  RECT outline_{};
  RECT start_{};
  POINT startPoint_{};
  POINT last_{};
  int minWidth_ = 0;
  int minHeight_ = 0;
  HDC desktop_ = nullptr;
  int savedState_ = 0;
};

}  // namespace skin
