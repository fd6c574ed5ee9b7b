#include "toolkit/win/ImgList.h"

#include <algorithm>

namespace tk {

namespace {

// The pixel (x, y) of a 24- or 32-bit bitmap as 0x00BBGGRR.
COLORREF PixelAt(const Bitmap& b, int x, int y) {
  const std::uint8_t* p = b.ScanLine(y) + static_cast<std::ptrdiff_t>(x) * b.BytesPerPixel();
  return RGB(p[2], p[1], p[0]);
}

void PutPixel(Bitmap& b, int x, int y, COLORREF c) {
  std::uint8_t* p = b.ScanLine(y) + static_cast<std::ptrdiff_t>(x) * b.BytesPerPixel();
  p[0] = GetBValue(c);
  p[1] = GetGValue(c);
  p[2] = GetRValue(c);
}

}  // namespace

void TCustomImageList::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = std::max(1, width);
  height_ = std::max(1, height);
  images_.clear();
}

TColor TCustomImageList::TransparentColor() const {
  return bkColor_ == clNone ? clFuchsia : static_cast<TColor>(ColorToRGB(bkColor_));
}

int TCustomImageList::Add(const Bitmap& image) {
  Bitmap stored(width_, height_);
  stored.Fill(static_cast<std::uint32_t>(TransparentColor()));
  image.Sync();
  const bool readable = image.BytesPerPixel() == 3 || image.BytesPerPixel() == 4;
  for (int y = 0; readable && y < std::min(height_, image.Height()); ++y)
    for (int x = 0; x < std::min(width_, image.Width()); ++x) PutPixel(stored, x, y, PixelAt(image, x, y));
  images_.push_back(std::move(stored));
  return Count() - 1;
}

int TCustomImageList::AddStrip(const Bitmap& strip) {
  const int first = Count();
  for (int left = 0; left + width_ <= strip.Width(); left += width_) {
    Bitmap one(width_, std::min(height_, strip.Height()));
    strip.Sync();
    for (int y = 0; y < one.Height(); ++y)
      for (int x = 0; x < width_; ++x) PutPixel(one, x, y, PixelAt(strip, left + x, y));
    Add(one);
  }
  return first;
}

void TCustomImageList::Draw(Bitmap& target, int x, int y, int index) const {
  if (index < 0 || index >= Count() || (target.BytesPerPixel() != 3 && target.BytesPerPixel() != 4)) return;
  const Bitmap& image = images_[static_cast<std::size_t>(index)];
  const auto clear = static_cast<COLORREF>(TransparentColor());
  target.Sync();
  for (int row = 0; row < height_; ++row) {
    if (y + row < 0 || y + row >= target.Height()) continue;
    for (int col = 0; col < width_; ++col) {
      if (x + col < 0 || x + col >= target.Width()) continue;
      const COLORREF c = PixelAt(image, col, row);
      if (c != clear) PutPixel(target, x + col, y + row, c);
    }
  }
}

}  // namespace tk
