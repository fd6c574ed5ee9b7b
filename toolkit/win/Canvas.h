#pragma once
// Drawing on a device context: TCanvas carries a font, a brush and a pen and
// selects them into the context when a drawing call needs them. Subclasses
// supply the context: TBitmapCanvas draws into a tk::Bitmap (a DIB section,
// selected into a memory context), TControlCanvas into a control's window.
//
// Texts are UTF-8; the DrawText formats are Win32's DT_* flags.

#include <windows.h>

#include <functional>
#include <string_view>

#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Colors.h"
#include "toolkit/win/Font.h"
#include "toolkit/win/Persistent.h"

namespace tk {

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TPersistent {
  TK_CLASS(TBrush)
public:
  TBrush() = default;
  ~TBrush() override;
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  HBRUSH Handle();
  void Assign(const TPersistent& source) override;
  // Called before the old handle is released, so a canvas can deselect it.
  std::function<void(TBrush&)> OnChange;

private:
  void Changed();
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  HBRUSH handle_ = nullptr;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psClear };

class TPen : public TPersistent {
  TK_CLASS(TPen)
public:
  TPen() = default;
  ~TPen() override;
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  HPEN Handle();
  void Assign(const TPersistent& source) override;
  std::function<void(TPen&)> OnChange;

private:
  void Changed();
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  HPEN handle_ = nullptr;
};

class TCanvas : public TPersistent {
  TK_CLASS(TCanvas)
public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The context, created on demand by subclasses that own one.
  HDC Handle();
  // Attaches a context someone else owns (nullptr detaches); the canvas puts
  // the context's original objects back before it lets go.
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  void Rectangle(const RECT& rect);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  POINT PenPos() const { return penPos_; }

  void TextOut(int x, int y, std::string_view text);
  // Text clipped to rect, its origin at (x, y); the brush fills rect first
  // unless its style is bsClear.
  void TextRect(const RECT& rect, int x, int y, std::string_view text);
  // DrawTextW with the canvas font; returns the text height. With
  // DT_CALCRECT rect receives the measured rectangle and nothing is drawn.
  int DrawText(std::string_view text, RECT& rect, UINT format);
  SIZE TextExtent(std::string_view text);
  int TextWidth(std::string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) { return TextExtent(text).cy; }

  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  // Copies a whole bitmap to (x, y); with a transparent colour, pixels of that
  // colour are left out.
  void Draw(int x, int y, const Bitmap& bitmap);
  void DrawTransparent(int x, int y, const Bitmap& bitmap, TColor transparentColor);
  void StretchDraw(const RECT& dest, const Bitmap& bitmap);
  // Copies sourceRect of another canvas into dest (stretching when the sizes
  // differ) with CopyMode.
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);
  DWORD CopyMode = SRCCOPY;

  // Clipping in logical coordinates.
  RECT ClipRect();
  void IntersectClip(const RECT& rect);
  void ExcludeClip(const RECT& rect);
  // Moves the logical origin: drawing at (0, 0) lands at (x, y) of the
  // context as it was.
  void MoveOrigin(int x, int y);

  // SaveDC / RestoreDC. Objects selected through the canvas are selected
  // again at the next drawing call after a restore.
  int SaveState();
  void RestoreState(int savedState);

protected:
  virtual void CreateHandle() {}
  // Subclasses that created their context call this before freeing it.
  void ReleaseObjects();
  HDC dc_ = nullptr;

private:
  void RequireFont();
  void RequireBrush();
  void RequirePen();

  TFont font_;
  TBrush brush_;
  TPen pen_;
  POINT penPos_{0, 0};
  HGDIOBJ selectedFont_ = nullptr;
  HGDIOBJ selectedBrush_ = nullptr;
  HGDIOBJ selectedPen_ = nullptr;
  HGDIOBJ originalFont_ = nullptr;
  HGDIOBJ originalBrush_ = nullptr;
  HGDIOBJ originalPen_ = nullptr;
};

// Saves the context state for one scope and restores it on every way out.
class TCanvasStateGuard {
public:
  explicit TCanvasStateGuard(TCanvas& canvas) : canvas_(canvas), state_(canvas.SaveState()) {}
  ~TCanvasStateGuard() { canvas_.RestoreState(state_); }
  TCanvasStateGuard(const TCanvasStateGuard&) = delete;
  TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

private:
  TCanvas& canvas_;
  int state_;
};

// A canvas on a tk::Bitmap: its DIB section selected into a memory context.
// The bitmap must outlive the canvas. Resizing a bitmap replaces its DIB
// section: call Unbind() before and Rebind() after.
class TBitmapCanvas : public TCanvas {
  TK_CLASS(TBitmapCanvas)
public:
  explicit TBitmapCanvas(Bitmap& bitmap) : bitmap_(&bitmap) {}
  ~TBitmapCanvas() override;
  void Unbind();
  void Rebind();
  Bitmap& Target() { return *bitmap_; }

protected:
  void CreateHandle() override;

private:
  void Bind();
  void FreeContext();
  Bitmap* bitmap_;
  HGDIOBJ originalBitmap_ = nullptr;
};

// A memory context to read a bitmap from for the length of one scope. A DIB
// section can be selected into one context only: when a bitmap canvas holds
// the bitmap, its context is read from directly (left as it is), provided it
// maps coordinates one to one; otherwise the bitmap is selected into a context
// of its own, or, when some other context holds it, a private copy is.
class TBitmapSource {
public:
  explicit TBitmapSource(const Bitmap& bitmap);
  ~TBitmapSource();
  TBitmapSource(const TBitmapSource&) = delete;
  TBitmapSource& operator=(const TBitmapSource&) = delete;
  HDC Handle() const { return dc_; }
  // True when the context is a bitmap canvas's, not one of its own.
  bool Shared() const { return shared_; }

private:
  HDC dc_ = nullptr;
  bool shared_ = false;
  HGDIOBJ original_ = nullptr;
  Bitmap copy_;
};

}  // namespace tk
