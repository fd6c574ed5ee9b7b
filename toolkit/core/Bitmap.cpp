#include "Bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

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
  if (!Empty()) std::memcpy(storage_->Bits(), other.storage_->Bits(), RowBytes() * static_cast<std::size_t>(height_));
}

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
  if (width > 0 && height > 0) {
    storage_ = CreateBitmapStorage(width, height, format_, topDown_);
    if (!storage_ || !storage_->Bits()) {
      width_ = height_ = 0;
      storage_.reset();
      throw std::bad_alloc();
    }
  } else {
    width_ = height_ = 0;
  }
}

std::uint8_t* Bitmap::ScanLine(int y) {
  if (y < 0 || y >= height_) throw std::out_of_range("scan line outside the bitmap");
  const int row = topDown_ ? y : height_ - 1 - y;
  return storage_->Bits() + static_cast<std::size_t>(row) * RowBytes();
}

const std::uint8_t* Bitmap::ScanLine(int y) const { return const_cast<Bitmap*>(this)->ScanLine(y); }

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
