#include "Bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace tk {

std::size_t Bitmap::RowBytesFor(int width, PixelFormat format) {
  const std::size_t bits = static_cast<std::size_t>(width) * static_cast<std::size_t>(format);
  return ((bits + 31) / 32) * 4;
}

Bitmap::Bitmap(int width, int height, PixelFormat format, bool topDown) : format_(format), topDown_(topDown) {
  SetSize(width, height);
}

Bitmap::Bitmap(const Bitmap& other) : format_(other.format_), topDown_(other.topDown_) {
  SetSize(other.width_, other.height_);
  if (Empty()) return;
  other.Sync();
  std::memcpy(bits_, other.bits_, rowBytes_ * static_cast<std::size_t>(height_));
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  if (this == &other) return *this;
  width_ = std::exchange(other.width_, 0);
  height_ = std::exchange(other.height_, 0);
  format_ = other.format_;
  topDown_ = other.topDown_;
  rowBytes_ = std::exchange(other.rowBytes_, 0);
  bits_ = std::exchange(other.bits_, nullptr);
  gdiTouched_ = std::exchange(other.gdiTouched_, false);
  storage_ = std::move(other.storage_);
  return *this;
}

void Bitmap::Sync() const {
  if (storage_) storage_->Sync();
  gdiTouched_ = false;
}

void Bitmap::ThrowRowOutside() { throw std::out_of_range("scan line outside the bitmap"); }

Bitmap& Bitmap::operator=(const Bitmap& other) {
  if (this != &other) {
    Bitmap copy(other);
    *this = std::move(copy);
  }
  return *this;
}

void Bitmap::SetSize(int width, int height) {
  if (width < 0 || height < 0) throw std::invalid_argument("negative bitmap size");
  // Guard against sizes whose byte count overflows or is absurd for this tool.
  if (width > 0 && height > 0 && RowBytesFor(width, format_) > (std::size_t{1} << 31) / static_cast<std::size_t>(height))
    throw std::length_error("bitmap too large");
  width_ = width;
  height_ = height;
  storage_.reset();
  bits_ = nullptr;
  rowBytes_ = 0;
  gdiTouched_ = false;
  if (width > 0 && height > 0) {
    storage_ = CreateBitmapStorage(width, height, format_, topDown_);
    if (!storage_ || !storage_->Bits()) {
      width_ = height_ = 0;
      storage_.reset();
      throw std::bad_alloc();
    }
    bits_ = storage_->Bits();
    rowBytes_ = RowBytes();
  } else {
    width_ = height_ = 0;
  }
}

std::ptrdiff_t Bitmap::Stride() const {
  const auto row = static_cast<std::ptrdiff_t>(RowBytes());
  return topDown_ ? row : -row;
}

void Bitmap::SetFormat(PixelFormat format) {
  if (format == format_) return;
  Bitmap converted(width_, height_, format, topDown_);
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* src = ScanLine(y);
    std::uint8_t* dst = converted.ScanLine(y);
    const int sb = BytesPerPixel(), db = converted.BytesPerPixel();
    for (int x = 0; x < width_; ++x) {
      dst[x * db + 0] = src[x * sb + 0];
      dst[x * db + 1] = src[x * sb + 1];
      dst[x * db + 2] = src[x * sb + 2];
      if (db == 4) dst[x * db + 3] = 0xFF;
    }
  }
  *this = std::move(converted);
}

void Bitmap::Fill(std::uint32_t colorRef) {
  const std::uint8_t r = colorRef & 0xFF, g = (colorRef >> 8) & 0xFF, b = (colorRef >> 16) & 0xFF;
  const int bpp = BytesPerPixel();
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* p = ScanLine(y);
    for (int x = 0; x < width_; ++x, p += bpp) {
      p[0] = b;
      p[1] = g;
      p[2] = r;
      if (bpp == 4) p[3] = 0xFF;
    }
  }
}

}  // namespace tk
