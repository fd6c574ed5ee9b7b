#pragma once
// The blend of one row of bytes: t := (t * level + s * (255 - level) + 127) >> 8.
// Sixteen bytes at a time where the processor has SSE2 (every x86-64 does);
// the rest one by one.

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace skin {

inline std::uint8_t BlendByte(int t, int s, int level) {
  return static_cast<std::uint8_t>((t * level + s * (255 - level) + 127) >> 8);
}

inline void BlendRow(std::uint8_t* t, const std::uint8_t* s, std::size_t n, int level) {
  std::size_t i = 0;
#if defined(__SSE2__)
  // Every product fits 16 bits: t * level + s * (255 - level) + 127 <= 65152.
  const __m128i kLevel = _mm_set1_epi16(static_cast<short>(level));
  const __m128i kInverse = _mm_set1_epi16(static_cast<short>(255 - level));
  const __m128i kHalf = _mm_set1_epi16(127);
  const __m128i kZero = _mm_setzero_si128();
  for (; i + 16 <= n; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    auto half = [&](__m128i x, __m128i y) {
      const __m128i sum = _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(x, kLevel), _mm_mullo_epi16(y, kInverse)), kHalf);
      return _mm_srli_epi16(sum, 8);
    };
    const __m128i lo = half(_mm_unpacklo_epi8(a, kZero), _mm_unpacklo_epi8(b, kZero));
    const __m128i hi = half(_mm_unpackhi_epi8(a, kZero), _mm_unpackhi_epi8(b, kZero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(t + i), _mm_packus_epi16(lo, hi));
  }
#endif
  for (; i < n; ++i) t[i] = BlendByte(t[i], s[i], level);
}

// Byte by byte from the last one: a target row that overlaps its own source
// row further on reads each source byte before it is overwritten.
inline void BlendRowBackwards(std::uint8_t* t, const std::uint8_t* s, std::size_t n, int level) {
  for (std::size_t i = n; i-- > 0;) t[i] = BlendByte(t[i], s[i], level);
}

}  // namespace skin
