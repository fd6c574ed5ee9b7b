#include "sFastAccess.h"

#include <algorithm>

#include "sBlendRow.h"
#include "sPixels.h"

namespace skin {

namespace {
template <typename Fast>
bool AttachRows(Fast& f, const tk::Bitmap& bitmap, tk::PixelFormat format) {
  f = Fast{};
  if (bitmap.Format() != format || bitmap.Width() < 2 || bitmap.Height() < 2) return false;
  const TsPixels px(bitmap);
  f.Bitmap = &bitmap;
  f.Width = px.Width();
  f.Height = px.Height();
  f.FirstLine = px.Row(0);
  f.Stride = px.Stride();
  return true;
}
}  // namespace

bool TvxFast24::Attach(const tk::Bitmap& bitmap) { return AttachRows(*this, bitmap, tk::PixelFormat::pf24bit); }

TColor TvxFast24::Pixel(int x, int y) const { return ColorOf(FirstLine + Stride * y + 3 * x); }

void TvxFast24::SetPixel(int x, int y, TColor rgb) { PutBgr(FirstLine + Stride * y + 3 * x, BgrOf(rgb)); }

bool TvxFast32::Attach(const tk::Bitmap& bitmap) { return AttachRows(*this, bitmap, tk::PixelFormat::pf32bit); }

std::uint32_t TvxFast32::Pixel(int x, int y) const {
  const std::uint8_t* p = FirstLine + Stride * y + 4 * x;
  return static_cast<std::uint32_t>(ColorOf(p)) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void TvxFast32::SetPixel(int x, int y, std::uint32_t value) {
  std::uint8_t* p = FirstLine + Stride * y + 4 * x;
  PutBgr(p, BgrOf(static_cast<TColor>(value & 0xFFFFFF)));
  p[3] = static_cast<std::uint8_t>(value >> 24);
}

bool TvxFastSum24::Attach(tk::Bitmap& target, const tk::Bitmap& source, TPoint point, TRect srcRect) {
  Width = Height = 0;
  if (!Dst.Attach(target) || !Src.Attach(source)) return false;
  if (point.X < 0) srcRect.Left -= point.X, point.X = 0;
  if (point.Y < 0) srcRect.Top -= point.Y, point.Y = 0;
  if (srcRect.Left < 0) point.X -= srcRect.Left, srcRect.Left = 0;
  if (srcRect.Top < 0) point.Y -= srcRect.Top, srcRect.Top = 0;
  srcRect.Right = std::min(srcRect.Right, Src.Width);
  srcRect.Bottom = std::min(srcRect.Bottom, Src.Height);
  Width = std::min(srcRect.Right - srcRect.Left, Dst.Width - point.X);
  Height = std::min(srcRect.Bottom - srcRect.Top, Dst.Height - point.Y);
  if (Width <= 0 || Height <= 0) {
    Width = Height = 0;
    return false;
  }
  SrcRect = {srcRect.Left, srcRect.Top, srcRect.Left + Width, srcRect.Top + Height};
  DstRect = {point.X, point.Y, point.X + Width, point.Y + Height};
  return true;
}

void TvxFastSum24::Blend(int level) {
  if (Width <= 0 || Height <= 0) return;
  Level = std::clamp(level, 0, 255);
  const std::size_t bytes = static_cast<std::size_t>(Width) * 3;
  // From the last row backwards, as the blend of a bitmap with itself expects.
  for (int y = Height - 1; y >= 0; --y) {
    std::uint8_t* t = Dst.FirstLine + Dst.Stride * (DstRect.Top + y) + 3 * DstRect.Left;
    const std::uint8_t* s = Src.FirstLine + Src.Stride * (SrcRect.Top + y) + 3 * SrcRect.Left;
    if (Dst.Bitmap == Src.Bitmap)
      BlendRowBackwards(t, s, bytes, Level);
    else
      BlendRow(t, s, bytes, Level);
  }
}

}  // namespace skin
