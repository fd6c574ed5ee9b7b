#pragma once
// The canvas of a control. While the control paints it is attached to the
// paint context; outside painting it falls back to a memory context of the
// screen, good for measuring text with the control's font (drawing there
// reaches no screen).

#include "toolkit/win/Canvas.h"

namespace tk {

class TControlCanvas : public TCanvas {
  TK_CLASS(TControlCanvas)
public:
  TControlCanvas() = default;
  ~TControlCanvas() override;
  // Attaches the paint context for the length of one paint.
  void BeginPaint(HDC dc);
  void EndPaint();
  bool Painting() const { return painting_; }

protected:
  void CreateHandle() override;

private:
  HDC measureDC_ = nullptr;
  bool painting_ = false;
};

// Attaches a control canvas to a context for one scope.
class TPaintScope {
public:
  TPaintScope(TControlCanvas& canvas, HDC dc) : canvas_(canvas) { canvas_.BeginPaint(dc); }
  ~TPaintScope() { canvas_.EndPaint(); }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;

private:
  TControlCanvas& canvas_;
};

}  // namespace tk
