#include "sButtonGlyph.h"

#include <algorithm>

#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sBlend.h"
#include "skin/paint/sColorTools.h"
#include "skin/paint/sPixels.h"
#include "toolkit/win/ImgList.h"

namespace skin {

namespace {

tk::Bitmap Copy24(const tk::Bitmap& source) {
  source.Sync();
  tk::Bitmap copy = source;
  if (copy.Format() != tk::PixelFormat::pf24bit) copy.SetFormat(tk::PixelFormat::pf24bit);
  return copy;
}

TColor PixelAt(const tk::Bitmap& bitmap, int x, int y) {
  const TsPixels pixels(bitmap);
  if (!pixels.Valid() || !pixels.Contains(x, y)) return clFuchsia;
  return ColorOf(pixels.At(x, y));
}

// The part `frame` of source, clear colour `clear`, put at the glyph's
// place: blended with the background by `factor` (0: the glyph alone) or
// copied.
void Put(tk::Bitmap& cache, const RECT& at, const tk::Bitmap& source, const TRect& frame, TColor clear, double factor) {
  if (factor > 0)
    BlendTransparent(cache, at.left, at.top, clear, factor, frame, source);
  else
    CopyTransparent(cache, source, at.left, false, CacheInfo{}, clear, frame, at.top);
}

// The disabled look of a one-image glyph.
void PutDisabled(tk::Bitmap& cache, const RECT& at, tk::Bitmap& image, const TRect& frame, TColor clear,
                 TsDisabledGlyphKind kind) {
  if (kind & dgGrayed) GrayscaleExceptColor(image, clear);
  Put(cache, at, image, frame, clear, (kind & dgBlended) ? 0.5 : 0.0);
}

}  // namespace

void DrawButtonGlyph(const tk::Bitmap& glyph, int numGlyphs, tk::Bitmap& cache, const RECT& at, const TsGlyphLook& look) {
  if (glyph.Empty() || cache.Empty()) return;
  tk::Bitmap image = Copy24(glyph);
  numGlyphs = std::max(1, numGlyphs);
  const int frameWidth = image.Width() / numGlyphs;
  const int height = image.Height();
  const TRect first{0, 0, frameWidth, height};
  if (numGlyphs == 1) {
    const TColor clear = PixelAt(image, 0, height - 1);
    if (!look.enabled) return PutDisabled(cache, at, image, first, clear, look.disabledKind);
    // The clear pixels stay clear when the glyph is greyed.
    if (look.state == 0 && look.grayed) GrayscaleExceptColor(image, clear);
    Put(cache, at, image, first, clear, look.state == 0 && look.blend >= 1 ? look.blend / 100.0 : 0.0);
    return;
  }
  if (look.enabled) {
    const int index = look.state == 2 ? std::min(numGlyphs, 4) - 1 : 0;
    const TRect frame{index * frameWidth, 0, (index + 1) * frameWidth, height};
    Put(cache, at, image, frame, PixelAt(image, frame.Left, height - 1), 0.0);
    return;
  }
  const int index = std::min(numGlyphs, 2) - 1;
  const TRect frame{index * frameWidth, 0, (index + 1) * frameWidth, height};
  const TColor clear = PixelAt(image, 0, height - 1);
  Put(cache, at, image, frame, clear, look.state == 0 && look.blend > 0 ? look.blend / 100.0 : 0.0);
}

void DrawImageListGlyph(const tk::TCustomImageList& images, int index, tk::Bitmap& cache, const RECT& at,
                        const TsGlyphLook& look) {
  if (index < 0 || index >= images.Count() || cache.Empty()) return;
  const TColor clear = static_cast<TColor>(images.TransparentColor());
  tk::Bitmap image = NewBitmap24(images.Width(), images.Height());
  FillRectBitmap(image, {0, 0, image.Width(), image.Height()}, clear);
  images.Draw(image, 0, 0, index);
  const TRect whole{0, 0, image.Width(), image.Height()};
  if (!look.enabled) return PutDisabled(cache, at, image, whole, clear, look.disabledKind);
  if (!look.hot && look.grayed) GrayscaleExceptColor(image, PixelAt(image, 0, image.Height() - 1));
  Put(cache, at, image, whole, clear, look.hot || look.blend < 1 ? 0.0 : look.blend / 100.0);
}

tk::Bitmap UnskinnedGlyphFromList(const tk::TCustomImageList& images, int index, TsDisabledGlyphKind kind,
                                  TColor buttonFace) {
  const int w = images.Width(), h = images.Height();
  const TColor clear = static_cast<TColor>(images.TransparentColor());
  tk::Bitmap glyph = NewBitmap24(2 * w, h);
  FillRectBitmap(glyph, {0, 0, w, h}, clear);
  images.Draw(glyph, 0, 0, index);
  if (kind == 0) {
    FillRectBitmap(glyph, {w, 0, 2 * w, h}, clear);
    images.Draw(glyph, w, 0, index);
    return glyph;
  }
  // The disabled image over the button face.
  tk::Bitmap disabled = NewBitmap24(w, h);
  FillRectBitmap(disabled, {0, 0, w, h}, clear);
  images.Draw(disabled, 0, 0, index);
  if (kind & dgGrayed) GrayscaleExceptColor(disabled, clear);
  FillRectBitmap(glyph, {w, 0, 2 * w, h}, buttonFace);
  const TRect whole{0, 0, w, h};
  if (kind & dgBlended)
    BlendTransparent(glyph, w, 0, clear, 0.5, whole, disabled);
  else
    CopyTransparent(glyph, disabled, w, false, CacheInfo{}, clear, whole, 0);
  return glyph;
}

}  // namespace skin
