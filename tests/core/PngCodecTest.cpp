#include "toolkit/core/PngCodec.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <string>

#include "ImageFixtures.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using fixtures::PixelAt;

tk::Bitmap Pattern(int w, int h) {
  tk::Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = b.ScanLine(y) + x * 3;
      p[0] = static_cast<std::uint8_t>(x * 40), p[1] = static_cast<std::uint8_t>(y * 80), p[2] = static_cast<std::uint8_t>(7 + x * y);
    }
  return b;
}

void PutBig32(Bytes& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<std::uint8_t>(v >> s));
}
void Chunk(Bytes& out, const std::string& type, const Bytes& data) {
  PutBig32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t at = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  PutBig32(out, static_cast<std::uint32_t>(crc32(0, out.data() + at, static_cast<uInt>(4 + data.size()))));
}

// A PNG of w x h RGBA pixels (value of channel c at x, y: f(x, y, c)), each
// row filtered by filters[y % 5], split over two IDAT chunks.
Bytes FilteredRgba(int w, int h, const std::vector<int>& filters) {
  auto f = [](int x, int y, int c) { return static_cast<std::uint8_t>((x * 37 + y * 91 + c * 53) ^ (x * y)); };
  const int bpp = 4, n = w * bpp;
  Bytes raw;
  std::vector<int> prior(n, 0), row(n);
  for (int y = 0; y < h; ++y) {
    for (int i = 0; i < n; ++i) row[i] = f(i / bpp, y, i % bpp);
    const int filter = filters[y % filters.size()];
    raw.push_back(static_cast<std::uint8_t>(filter));
    for (int i = 0; i < n; ++i) {
      const int a = i >= bpp ? row[i - bpp] : 0, b = prior[i], c = i >= bpp ? prior[i - bpp] : 0;
      int predictor = 0;
      if (filter == 1) predictor = a;
      if (filter == 2) predictor = b;
      if (filter == 3) predictor = (a + b) / 2;
      if (filter == 4) {
        const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
        predictor = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      raw.push_back(static_cast<std::uint8_t>(row[i] - predictor));
    }
    prior = row;
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  Bytes packed(packedSize);
  compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6);
  packed.resize(packedSize);
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes ihdr;
  PutBig32(ihdr, static_cast<std::uint32_t>(w));
  PutBig32(ihdr, static_cast<std::uint32_t>(h));
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});
  Chunk(out, "IHDR", ihdr);
  const auto half = static_cast<std::ptrdiff_t>(packed.size() / 2);
  Chunk(out, "IDAT", Bytes(packed.begin(), packed.begin() + half));
  Chunk(out, "tEXt", Bytes{'a', 0, 'b'});
  Chunk(out, "IDAT", Bytes(packed.begin() + half, packed.end()));
  Chunk(out, "IEND", {});
  return out;
}

TEST(Png, TheFileHoldsRgbRowsBehindChunksWithValidCrcs) {
  tk::Bitmap bmp(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      std::uint8_t* p = bmp.ScanLine(y) + x * 3;
      p[0] = static_cast<std::uint8_t>(x * 40), p[1] = static_cast<std::uint8_t>(y * 80), p[2] = 7;
    }
  // PNG: the chunks' CRCs hold and IDAT inflates to filter byte + RGB rows.
  const Bytes png = tk::EncodePng(bmp);
  ASSERT_EQ(Bytes(png.begin(), png.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  auto be32 = [&](std::size_t i) {
    return static_cast<std::uint32_t>(png[i]) << 24 | static_cast<std::uint32_t>(png[i + 1]) << 16 |
           static_cast<std::uint32_t>(png[i + 2]) << 8 | png[i + 3];
  };
  std::size_t at = 8;
  Bytes idat;
  std::vector<std::string> types;
  while (at < png.size()) {
    const std::uint32_t len = be32(at);
    types.emplace_back(png.begin() + static_cast<std::ptrdiff_t>(at + 4), png.begin() + static_cast<std::ptrdiff_t>(at + 8));
    const uLong crc = crc32(0, png.data() + at + 4, len + 4);
    const std::size_t c = at + 8 + len;
    EXPECT_EQ(crc, be32(c)) << types.back();
    if (types.back() == "IDAT") idat.insert(idat.end(), png.begin() + static_cast<std::ptrdiff_t>(at + 8), png.begin() + static_cast<std::ptrdiff_t>(c));
    at = c + 4;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  Bytes raw(3 * (1 + 5 * 3));
  uLongf rawSize = raw.size();
  ASSERT_EQ(uncompress(raw.data(), &rawSize, idat.data(), idat.size()), Z_OK);
  ASSERT_EQ(rawSize, raw.size());
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(raw[y * 16], 0);
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(raw[y * 16 + 1 + x * 3], 7);
      EXPECT_EQ(raw[y * 16 + 2 + x * 3], y * 80);
      EXPECT_EQ(raw[y * 16 + 3 + x * 3], x * 40);
    }
  }
}

TEST(Png, WhatIsWrittenReadsBackPixelForPixel) {
  const tk::Bitmap picture = Pattern(7, 5);
  const Bytes png = tk::EncodePng(picture);
  const tk::Bitmap back = tk::DecodePng(png.data(), png.size());
  ASSERT_EQ(back.Width(), 7);
  ASSERT_EQ(back.Height(), 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) EXPECT_EQ(PixelAt(back, x, y), PixelAt(picture, x, y)) << x << "," << y;
  EXPECT_THROW(tk::EncodePng(tk::Bitmap()), std::invalid_argument);
}

TEST(Png, EveryRowFilterOfRgbaFilesIsUndone) {
  const Bytes png = FilteredRgba(9, 10, {0, 1, 2, 3, 4});
  const tk::Bitmap b = tk::DecodePng(png.data(), png.size());
  ASSERT_EQ(b.Width(), 9);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 9; ++x) {
      auto f = [&](int c) { return static_cast<std::uint32_t>(static_cast<std::uint8_t>((x * 37 + y * 91 + c * 53) ^ (x * y))); };
      EXPECT_EQ(PixelAt(b, x, y), f(0) | f(1) << 8 | f(2) << 16) << x << "," << y;  // alpha dropped
    }
}

TEST(Png, DamagedFilesAreRefused) {
  const Bytes good = tk::EncodePng(Pattern(4, 4));
  std::vector<std::pair<std::string, Bytes>> bad;
  bad.emplace_back("empty", Bytes{});
  bad.emplace_back("cut in the signature", Bytes(good.begin(), good.begin() + 5));
  bad.emplace_back("cut in a chunk", Bytes(good.begin(), good.end() - 20));
  Bytes crc = good;
  crc[20] ^= 1;  // inside IHDR
  bad.emplace_back("bad CRC", crc);
  bad.emplace_back("unknown filter", FilteredRgba(3, 3, {7}));
  Bytes noEnd(good.begin(), good.end() - 12);
  bad.emplace_back("no IEND", noEnd);
  for (const auto& [what, bytes] : bad) EXPECT_THROW(tk::DecodePng(bytes.data(), bytes.size()), tk::EInvalidGraphic) << what;
}

}  // namespace
