#pragma once
// TBitmap: a picture with a canvas - a tk::Bitmap (DIB section) plus the
// transparency rule of glyphs (by default the colour of the bottom-left
// pixel is transparent). Loaded from ".bmp" bytes with the toolkit's BMP
// decoder; stored layouts keep those bytes as its "Data" property.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/Colors.h"
#include "toolkit/win/Persistent.h"

namespace tk {

class TBitmap : public TPersistent {
  TK_CLASS(TBitmap)
public:
  TBitmap() = default;
  TBitmap(int width, int height, PixelFormat format = PixelFormat::pf24bit);
  ~TBitmap() override;

  int Width() const { return image_.Width(); }
  int Height() const { return image_.Height(); }
  bool Empty() const { return image_.Empty(); }
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }
  PixelFormat Format() const { return image_.Format(); }
  void SetFormat(PixelFormat format);

  // Direct pixel rows. Resize through SetSize, not through the image, so the
  // canvas follows.
  Bitmap& Image() { return image_; }
  const Bitmap& Image() const { return image_; }
  void SetImage(Bitmap image);

  TCanvas& Canvas();

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // clDefault: the colour of the bottom-left pixel.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);

  // ".bmp" file bytes; throws EInvalidGraphic for anything the decoder refuses.
  void LoadFromBmp(const std::uint8_t* data, std::size_t size);
  void Clear();

  void Assign(const TPersistent& source) override;

  // Notifies OnChange; call it after drawing into the bitmap.
  void Changed();
  std::function<void(TBitmap&)> OnChange;

private:
  Bitmap image_;
  std::unique_ptr<TBitmapCanvas> canvas_;
  bool transparent_ = false;
  TColor transparentColor_ = clDefault;
};

// The colour of a pixel of a 24- or 32-bit bitmap as a TColor.
TColor PixelColor(const Bitmap& bitmap, int x, int y);

}  // namespace tk
