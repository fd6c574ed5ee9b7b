#include "toolkit/win/GraphicBitmap.h"

#include "toolkit/core/BmpCodec.h"

namespace tk {

TColor PixelColor(const Bitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + static_cast<std::ptrdiff_t>(x) * bitmap.BytesPerPixel();
  return static_cast<TColor>(p[2] | (p[1] << 8) | (p[0] << 16));
}

TBitmap::TBitmap(int width, int height, PixelFormat format) : image_(width, height, format) {}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
  if (width == Width() && height == Height()) return;
  if (canvas_) canvas_->Unbind();
  image_.SetSize(width, height);
  if (canvas_) canvas_->Rebind();
  Changed();
}

void TBitmap::SetFormat(PixelFormat format) {
  if (format == image_.Format()) return;
  if (canvas_) canvas_->Unbind();
  image_.SetFormat(format);
  if (canvas_) canvas_->Rebind();
  Changed();
}

void TBitmap::SetImage(Bitmap image) {
  if (canvas_) canvas_->Unbind();
  image_ = std::move(image);
  if (canvas_) canvas_->Rebind();
  Changed();
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(image_);
  return *canvas_;
}

void TBitmap::SetTransparent(bool transparent) {
  if (transparent_ == transparent) return;
  transparent_ = transparent;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (transparentColor_ != clDefault) return transparentColor_;
  if (image_.Empty()) return clFuchsia;
  return PixelColor(image_, 0, image_.Height() - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  if (transparentColor_ == color) return;
  transparentColor_ = color;
  Changed();
}

void TBitmap::LoadFromBmp(const std::uint8_t* data, std::size_t size) { SetImage(DecodeBmp(data, size)); }

void TBitmap::Clear() { SetImage(Bitmap()); }

void TBitmap::Assign(const TPersistent& source) {
  auto* other = dynamic_cast<const TBitmap*>(&source);
  if (!other) return TPersistent::Assign(source);
  transparent_ = other->transparent_;
  transparentColor_ = other->transparentColor_;
  SetImage(other->image_);
}

void TBitmap::Changed() {
  if (OnChange) OnChange(*this);
}

}  // namespace tk
