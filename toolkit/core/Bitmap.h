#pragma once
// A device-independent bitmap: the pixel layout of a Windows DIB (BGR or BGRA
// bytes, rows padded to 4 bytes, bottom-up unless asked otherwise), so that the
// same memory can be painted by GDI on Windows and read or written row by row
// by the portable code (image codecs, skin loaders, pixel blending).
//
// Where the memory comes from is the platform's business: on Windows every
// bitmap is a DIB section (NativeHandle() is its HBITMAP, ready to be selected
// into a device context); elsewhere it is plain heap memory.
//
// Row access is a pointer computation, cheap enough for code that touches
// every pixel every few milliseconds (fades). GDI may still be drawing into
// a DIB section when it returns from a call, so the first row access after
// NativeHandle() was handed out waits for GDI once (Sync); code that keeps the
// bitmap selected into a context and draws on it between row accesses calls
// Sync() itself after drawing.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

namespace tk {

enum class PixelFormat : std::uint8_t { pf24bit = 24, pf32bit = 32 };

// Memory of one bitmap. Implemented per platform (BitmapStoragePortable.cpp,
// win/BitmapStorageWin.cpp).
class BitmapStorage {
public:
  virtual ~BitmapStorage() = default;
  virtual std::uint8_t* Bits() = 0;     // first byte of the lowest row in memory
  virtual void* NativeHandle() = 0;     // HBITMAP on Windows, nullptr elsewhere
  virtual void Sync() {}                // waits until the platform finished drawing
};
std::unique_ptr<BitmapStorage> CreateBitmapStorage(int width, int height, PixelFormat format, bool topDown);

struct RGBTriple {
  std::uint8_t b, g, r;
};

class Bitmap {
public:
  Bitmap() = default;
  Bitmap(int width, int height, PixelFormat format = PixelFormat::pf24bit, bool topDown = false);
  Bitmap(const Bitmap& other);
  Bitmap& operator=(const Bitmap& other);
  // A moved-from bitmap is empty.
  Bitmap(Bitmap&& other) noexcept { *this = std::move(other); }
  Bitmap& operator=(Bitmap&& other) noexcept;

  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelFormat Format() const { return format_; }
  bool TopDown() const { return topDown_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  int BytesPerPixel() const { return static_cast<int>(format_) / 8; }

  // Bytes from one row to the next *in memory*, always positive.
  std::size_t RowBytes() const { return RowBytesFor(width_, format_); }
  static std::size_t RowBytesFor(int width, PixelFormat format);

  // Row y counted from the top of the picture, whatever the memory order.
  std::uint8_t* ScanLine(int y) {
    if (y < 0 || y >= height_) ThrowRowOutside();
    if (gdiTouched_) Sync();
    return bits_ + static_cast<std::size_t>(topDown_ ? y : height_ - 1 - y) * rowBytes_;
  }
  const std::uint8_t* ScanLine(int y) const { return const_cast<Bitmap*>(this)->ScanLine(y); }
  // Waits until drawing through the native handle has reached the pixels.
  void Sync() const;
  // ScanLine(1) - ScanLine(0): negative for bottom-up bitmaps, as callers that
  // walk rows with a pointer expect.
  std::ptrdiff_t Stride() const;

  // Resizes (contents are lost, new pixels are black); keeps format and order.
  void SetSize(int width, int height);
  // Converts the pixels to another format (32 -> 24 drops alpha, 24 -> 32 sets it opaque).
  void SetFormat(PixelFormat format);
  void Fill(std::uint32_t colorRef);  // 0x00BBGGRR, as Windows colours

  // Handing the handle out means the platform may draw on the pixels.
  void* NativeHandle() const {
    if (!storage_) return nullptr;
    gdiTouched_ = true;
    return storage_->NativeHandle();
  }

private:
  [[noreturn]] static void ThrowRowOutside();
  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::pf24bit;
  bool topDown_ = false;
  std::size_t rowBytes_ = 0;
  std::uint8_t* bits_ = nullptr;
  mutable bool gdiTouched_ = false;
  std::unique_ptr<BitmapStorage> storage_;
};

}  // namespace tk
