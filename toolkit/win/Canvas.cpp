#include "toolkit/win/Canvas.h"

#include <iterator>
#include <mutex>
#include <unordered_map>

#include "toolkit/win/Unicode.h"

namespace tk {

// --- TBrush ---------------------------------------------------------------

TBrush::~TBrush() {
  if (handle_) DeleteObject(handle_);
}

void TBrush::SetColor(TColor color) {
  if (color_ == color) return;
  color_ = color;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style_ == style) return;
  style_ = style;
  Changed();
}

HBRUSH TBrush::Handle() {
  if (!handle_) {
    if (style_ == bsClear) {
      LOGBRUSH lb{BS_NULL, 0, 0};
      handle_ = CreateBrushIndirect(&lb);
    } else {
      handle_ = CreateSolidBrush(ColorToRGB(color_));
    }
  }
  return handle_;
}

void TBrush::Assign(const TPersistent& source) {
  auto* other = dynamic_cast<const TBrush*>(&source);
  if (!other) return TPersistent::Assign(source);
  if (color_ == other->color_ && style_ == other->style_) return;
  color_ = other->color_;
  style_ = other->style_;
  Changed();
}

void TBrush::Changed() {
  if (OnChange) OnChange(*this);
  if (handle_) DeleteObject(handle_);
  handle_ = nullptr;
}

// --- TPen -----------------------------------------------------------------

TPen::~TPen() {
  if (handle_) DeleteObject(handle_);
}

void TPen::SetColor(TColor color) {
  if (color_ == color) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width_ == width) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style_ == style) return;
  style_ = style;
  Changed();
}

HPEN TPen::Handle() {
  if (!handle_) {
    int style = PS_SOLID;
    switch (style_) {
      case psDash: style = PS_DASH; break;
      case psDot: style = PS_DOT; break;
      case psDashDot: style = PS_DASHDOT; break;
      case psClear: style = PS_NULL; break;
      default: break;
    }
    handle_ = CreatePen(style, width_, ColorToRGB(color_));
  }
  return handle_;
}

void TPen::Assign(const TPersistent& source) {
  auto* other = dynamic_cast<const TPen*>(&source);
  if (!other) return TPersistent::Assign(source);
  color_ = other->color_;
  width_ = other->width_;
  style_ = other->style_;
  Changed();
}

void TPen::Changed() {
  if (OnChange) OnChange(*this);
  if (handle_) DeleteObject(handle_);
  handle_ = nullptr;
}

// --- TCanvas --------------------------------------------------------------

TCanvas::TCanvas() {
  // A brush or pen about to be released must not stay selected.
  brush_.OnChange = [this](TBrush&) {
    if (dc_ && selectedBrush_) {
      SelectObject(dc_, originalBrush_ ? originalBrush_ : GetStockObject(WHITE_BRUSH));
      selectedBrush_ = nullptr;
    }
  };
  pen_.OnChange = [this](TPen&) {
    if (dc_ && selectedPen_) {
      SelectObject(dc_, originalPen_ ? originalPen_ : GetStockObject(BLACK_PEN));
      selectedPen_ = nullptr;
    }
  };
}

TCanvas::~TCanvas() {
  ReleaseObjects();
  brush_.OnChange = nullptr;
  pen_.OnChange = nullptr;
}

HDC TCanvas::Handle() {
  if (!dc_) CreateHandle();
  return dc_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc_ == dc) return;
  ReleaseObjects();
  dc_ = dc;
}

void TCanvas::ReleaseObjects() {
  if (dc_) {
    if (originalFont_) SelectObject(dc_, originalFont_);
    if (originalBrush_) SelectObject(dc_, originalBrush_);
    if (originalPen_) SelectObject(dc_, originalPen_);
  }
  selectedFont_ = selectedBrush_ = selectedPen_ = nullptr;
  originalFont_ = originalBrush_ = originalPen_ = nullptr;
}

void TCanvas::RequireFont() {
  HDC dc = Handle();
  HFONT font = font_.Handle();
  if (selectedFont_ != font) {
    HGDIOBJ old = SelectObject(dc, font);
    if (!originalFont_) originalFont_ = old;
    selectedFont_ = font;
  }
  SetTextColor(dc, ColorToRGB(font_.Color()));
  if (brush_.Style() == bsClear) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorToRGB(brush_.Color()));
  }
}

void TCanvas::RequireBrush() {
  HDC dc = Handle();
  HBRUSH brush = brush_.Handle();
  if (selectedBrush_ != brush) {
    HGDIOBJ old = SelectObject(dc, brush);
    if (!originalBrush_) originalBrush_ = old;
    selectedBrush_ = brush;
  }
}

void TCanvas::RequirePen() {
  HDC dc = Handle();
  HPEN pen = pen_.Handle();
  if (selectedPen_ != pen) {
    HGDIOBJ old = SelectObject(dc, pen);
    if (!originalPen_) originalPen_ = old;
    selectedPen_ = pen;
  }
}

void TCanvas::FillRect(const RECT& rect) {
  if (brush_.Style() == bsClear) return;
  ::FillRect(Handle(), &rect, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
  if (brush_.Style() == bsClear) return;
  ::FrameRect(Handle(), &rect, brush_.Handle());
}

void TCanvas::Rectangle(const RECT& rect) {
  RequireBrush();
  RequirePen();
  ::Rectangle(Handle(), rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::MoveTo(int x, int y) {
  MoveToEx(Handle(), x, y, nullptr);
  penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
  RequirePen();
  ::LineTo(Handle(), x, y);
  penPos_ = {x, y};
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  RequireFont();
  const std::wstring wide = Utf8ToWide(text);
  ExtTextOutW(Handle(), x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

void TCanvas::TextRect(const RECT& rect, int x, int y, std::string_view text) {
  RequireFont();
  const std::wstring wide = Utf8ToWide(text);
  UINT options = ETO_CLIPPED;
  if (brush_.Style() != bsClear) options |= ETO_OPAQUE;
  ExtTextOutW(Handle(), x, y, options, &rect, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

int TCanvas::DrawText(std::string_view text, RECT& rect, UINT format) {
  RequireFont();
  std::wstring wide = Utf8ToWide(text);
  return ::DrawTextW(Handle(), wide.data(), static_cast<int>(wide.size()), &rect, format);
}

SIZE TCanvas::TextExtent(std::string_view text) {
  RequireFont();
  const std::wstring wide = Utf8ToWide(text);
  SIZE size{0, 0};
  GetTextExtentPoint32W(Handle(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

TColor TCanvas::Pixel(int x, int y) { return static_cast<TColor>(GetPixel(Handle(), x, y)); }

void TCanvas::SetPixel(int x, int y, TColor color) { SetPixelV(Handle(), x, y, ColorToRGB(color)); }

void TCanvas::Draw(int x, int y, const Bitmap& bitmap) {
  if (bitmap.Empty()) return;
  TBitmapSource source(bitmap);
  BitBlt(Handle(), x, y, bitmap.Width(), bitmap.Height(), source.Handle(), 0, 0, SRCCOPY);
}

void TCanvas::DrawTransparent(int x, int y, const Bitmap& bitmap, TColor transparentColor) {
  if (bitmap.Empty()) return;
  TBitmapSource source(bitmap);
  TransparentBlt(Handle(), x, y, bitmap.Width(), bitmap.Height(), source.Handle(), 0, 0, bitmap.Width(),
                 bitmap.Height(), ColorToRGB(transparentColor));
}

void TCanvas::StretchDraw(const RECT& dest, const Bitmap& bitmap) {
  if (bitmap.Empty()) return;
  TBitmapSource source(bitmap);
  HDC dc = Handle();
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, dest.left, dest.top, RectWidth(dest), RectHeight(dest), source.Handle(), 0, 0, bitmap.Width(),
             bitmap.Height(), SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  HDC dc = Handle();
  if (RectWidth(dest) == RectWidth(sourceRect) && RectHeight(dest) == RectHeight(sourceRect)) {
    BitBlt(dc, dest.left, dest.top, RectWidth(dest), RectHeight(dest), source.Handle(), sourceRect.left,
           sourceRect.top, CopyMode);
  } else {
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, dest.left, dest.top, RectWidth(dest), RectHeight(dest), source.Handle(), sourceRect.left,
               sourceRect.top, RectWidth(sourceRect), RectHeight(sourceRect), CopyMode);
    SetStretchBltMode(dc, oldMode);
  }
}

RECT TCanvas::ClipRect() {
  RECT r{0, 0, 0, 0};
  GetClipBox(Handle(), &r);
  return r;
}

void TCanvas::IntersectClip(const RECT& rect) {
  IntersectClipRect(Handle(), rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::ExcludeClip(const RECT& rect) { ExcludeClipRect(Handle(), rect.left, rect.top, rect.right, rect.bottom); }

void TCanvas::MoveOrigin(int x, int y) { OffsetViewportOrgEx(Handle(), x, y, nullptr); }

int TCanvas::SaveState() { return SaveDC(Handle()); }

void TCanvas::RestoreState(int savedState) {
  if (!dc_) return;
  RestoreDC(dc_, savedState);
  // Whatever was selected at SaveDC time is back; select ours again on demand.
  selectedFont_ = selectedBrush_ = selectedPen_ = nullptr;
}

// --- Contexts holding bitmaps ---------------------------------------------

namespace {

// The memory context each bitmap canvas holds its DIB section in. Reading
// from that context spares a copy of the whole picture for each read (a
// control's cache is read on every paint of the control and of each child);
// under Wine every new DIB section also costs a page fault per page.
std::mutex& HoldersLock() {
  static std::mutex lock;
  return lock;
}

std::unordered_map<HBITMAP, HDC>& Holders() {
  static std::unordered_map<HBITMAP, HDC> holders;
  return holders;
}

void NoteHolder(HBITMAP bitmap, HDC dc) {
  const std::lock_guard<std::mutex> guard(HoldersLock());
  Holders()[bitmap] = dc;
}

void ForgetHolder(HDC dc) {
  const std::lock_guard<std::mutex> guard(HoldersLock());
  auto& holders = Holders();
  for (auto it = holders.begin(); it != holders.end();) it = it->second == dc ? holders.erase(it) : std::next(it);
}

// The context that holds the bitmap right now and reads it with canvas
// coordinates equal to the bitmap's pixels, or nullptr.
HDC PlainHolderOf(HBITMAP bitmap) {
  HDC dc = nullptr;
  {
    const std::lock_guard<std::mutex> guard(HoldersLock());
    const auto& holders = Holders();
    const auto it = holders.find(bitmap);
    if (it == holders.end()) return nullptr;
    dc = it->second;
  }
  if (GetCurrentObject(dc, OBJ_BITMAP) != bitmap) return nullptr;
  POINT viewport{}, window{};
  if (!GetViewportOrgEx(dc, &viewport) || !GetWindowOrgEx(dc, &window)) return nullptr;
  if (viewport.x != 0 || viewport.y != 0 || window.x != 0 || window.y != 0) return nullptr;
  if (GetMapMode(dc) != MM_TEXT || GetGraphicsMode(dc) != GM_COMPATIBLE) return nullptr;
  return dc;
}

}  // namespace

// --- TBitmapCanvas --------------------------------------------------------

TBitmapCanvas::~TBitmapCanvas() { FreeContext(); }

void TBitmapCanvas::CreateHandle() {
  dc_ = CreateCompatibleDC(nullptr);
  Bind();
}

void TBitmapCanvas::Bind() {
  const auto bitmap = static_cast<HBITMAP>(bitmap_->NativeHandle());
  if (!bitmap) return;
  originalBitmap_ = SelectObject(dc_, bitmap);
  if (originalBitmap_) NoteHolder(bitmap, dc_);
}

void TBitmapCanvas::Unbind() {
  if (!dc_ || !originalBitmap_) return;
  ForgetHolder(dc_);
  SelectObject(dc_, originalBitmap_);
  originalBitmap_ = nullptr;
}

void TBitmapCanvas::Rebind() {
  if (!dc_) return;
  Unbind();
  Bind();
}

void TBitmapCanvas::FreeContext() {
  if (!dc_) return;
  ForgetHolder(dc_);
  ReleaseObjects();
  if (originalBitmap_) SelectObject(dc_, originalBitmap_);
  DeleteDC(dc_);
  dc_ = nullptr;
  originalBitmap_ = nullptr;
}

// --- TBitmapSource --------------------------------------------------------

TBitmapSource::TBitmapSource(const Bitmap& bitmap) {
  auto handle = static_cast<HBITMAP>(bitmap.NativeHandle());
  if (handle) {
    if (HDC holder = PlainHolderOf(handle)) {
      dc_ = holder;
      shared_ = true;
      return;
    }
  }
  dc_ = CreateCompatibleDC(nullptr);
  if (!handle) return;
  original_ = SelectObject(dc_, handle);
  if (!original_) {
    copy_ = bitmap;
    original_ = SelectObject(dc_, static_cast<HBITMAP>(copy_.NativeHandle()));
  }
}

TBitmapSource::~TBitmapSource() {
  if (shared_) return;
  if (original_) SelectObject(dc_, original_);
  DeleteDC(dc_);
}

}  // namespace tk
