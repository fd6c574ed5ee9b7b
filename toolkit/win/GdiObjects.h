#pragma once
// Owners of GDI resources, so that painting code leaks nothing when it
// throws halfway: every object is deleted, every context released or ended,
// every selection and saved state undone, in reverse order, on every way out
// of the scope. Header only; each type is movable and not copyable.

#include <windows.h>

#include <utility>

namespace tk {

// A bitmap, brush, pen, font or region; deleted with DeleteObject.
template <class Handle>
class TGdiObject {
public:
  TGdiObject() = default;
  explicit TGdiObject(Handle handle) : handle_(handle) {}
  TGdiObject(TGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  ~TGdiObject() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Hands the object over (to a window region, say); no longer deleted here.
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

private:
  Handle handle_ = nullptr;
};

using TBitmapHandle = TGdiObject<HBITMAP>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TPenHandle = TGdiObject<HPEN>;
using TFontHandle = TGdiObject<HFONT>;
using TRegionHandle = TGdiObject<HRGN>;

// A memory context (CreateCompatibleDC), deleted with DeleteDC.
class TMemoryDC {
public:
  explicit TMemoryDC(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
  TMemoryDC(TMemoryDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  ~TMemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

private:
  HDC dc_;
};

// A window's context (GetDC, GetWindowDC or GetDCEx), released with ReleaseDC.
class TWindowDC {
public:
  enum TArea { Client, Whole };
  explicit TWindowDC(HWND window, TArea area = Client)
      : window_(window), dc_(area == Client ? GetDC(window) : GetWindowDC(window)) {}
  TWindowDC(HWND window, HRGN clip, DWORD flags) : window_(window), dc_(GetDCEx(window, clip, flags)) {}
  TWindowDC(TWindowDC&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  ~TWindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

private:
  HWND window_;
  HDC dc_;
};

// BeginPaint ... EndPaint.
class TPaintDC {
public:
  explicit TPaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  ~TPaintDC() { EndPaint(window_, &ps_); }
  HDC Get() const { return dc_; }
  const RECT& Area() const { return ps_.rcPaint; }
  bool Erase() const { return ps_.fErase != FALSE; }

private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// An object selected into a context; the previous one is put back.
class TSelection {
public:
  TSelection(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;
  ~TSelection() {
    if (old_) SelectObject(dc_, old_);
  }

private:
  HDC dc_;
  HGDIOBJ old_;
};

// The context's whole state (objects, origin, clipping, modes) is saved and
// restored.
class TSavedDC {
public:
  explicit TSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;
  ~TSavedDC() {
    if (saved_) RestoreDC(dc_, saved_);
  }

private:
  HDC dc_;
  int saved_;
};

}  // namespace tk
