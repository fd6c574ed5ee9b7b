#include "sTransitionBlend.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sPixels.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace skin {

namespace {

// One row of bytes: out := (weight * saved + (256 - weight) * fresh) >> 8,
// which is the frame's formula for 0 <= weight <= 256, where the value
// never leaves 0..255. Sixteen bytes at a time with SSE2.
void TransitionRow(std::uint8_t* out, const std::uint8_t* saved, const std::uint8_t* fresh, std::size_t n, int weight) {
  std::size_t i = 0;
#if defined(__SSE2__)
  // Both products and their sum stay within 16 bits unsigned: at most 255 * 256.
  const __m128i kWeight = _mm_set1_epi16(static_cast<short>(weight));
  const __m128i kRest = _mm_set1_epi16(static_cast<short>(256 - weight));
  const __m128i kZero = _mm_setzero_si128();
  for (; i + 16 <= n; i += 16) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(saved + i));
    const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(fresh + i));
    auto half = [&](__m128i a, __m128i b) {
      return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, kWeight), _mm_mullo_epi16(b, kRest)), 8);
    };
    const __m128i lo = half(_mm_unpacklo_epi8(s, kZero), _mm_unpacklo_epi8(f, kZero));
    const __m128i hi = half(_mm_unpackhi_epi8(s, kZero), _mm_unpackhi_epi8(f, kZero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(lo, hi));
  }
#endif
  for (; i < n; ++i) out[i] = static_cast<std::uint8_t>((weight * saved[i] + (256 - weight) * fresh[i]) >> 8);
}

}  // namespace

void BlendTransitionFrame(tk::Bitmap& frame, const tk::Bitmap& saved, const tk::Bitmap& fresh, int weight) {
  const TsPixels to(frame), from(saved), next(fresh);
  if (!to.Valid() || !from.Valid() || !next.Valid() || from.Bpp() != 3 || next.Bpp() != 3) return;
  const int w = std::min({to.Width(), from.Width(), next.Width()});
  const int h = std::min({to.Height(), from.Height(), next.Height()});
  // A weight beyond 256 would take more than all of the old screen; the
  // frames only ever count down from 255.
  weight = std::clamp(weight, 0, 256);
  const std::size_t bytes = static_cast<std::size_t>(w) * 3;
  std::vector<std::uint8_t> row(to.Bpp() == 3 ? 0 : bytes);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* out = to.Bpp() == 3 ? to.Row(y) : row.data();
    TransitionRow(out, from.Row(y), next.Row(y), bytes, weight);
    if (to.Bpp() == 3) continue;
    std::uint8_t* p = to.Row(y);
    for (int x = 0; x < w; ++x, p += 4) CopyBgr(p, &row[3 * static_cast<std::size_t>(x)]);
  }
}

}  // namespace skin
