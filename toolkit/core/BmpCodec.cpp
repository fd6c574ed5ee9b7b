#include "BmpCodec.h"

#include <array>
#include <cstring>
#include <string>

namespace tk {

namespace {

[[noreturn]] void Fail(const char* reason) { throw EInvalidGraphic(std::string("Bitmap image is not valid: ") + reason); }

// Bounds-checked little-endian reads from the file bytes.
class Reader {
public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Has(std::size_t offset, std::size_t count) const { return offset <= size_ && size_ - offset >= count; }
  std::uint32_t U32(std::size_t offset) const {
    if (!Has(offset, 4)) Fail("the header is truncated");
    const std::uint8_t* p = data_ + offset;
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
  }
  std::uint16_t U16(std::size_t offset) const {
    if (!Has(offset, 2)) Fail("the header is truncated");
    return static_cast<std::uint16_t>(data_[offset] | data_[offset + 1] << 8);
  }
  const std::uint8_t* At(std::size_t offset) const { return data_ + offset; }
  std::size_t Size() const { return size_; }

private:
  const std::uint8_t* data_;
  std::size_t size_;
};

constexpr std::uint32_t kBiRgb = 0, kBiBitfields = 3, kBiAlphaBitfields = 6;

// One colour channel described by a bit mask: where it starts and how wide it is.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(std::uint32_t m = 0) : mask(m) {
    if (m == 0) return;
    while (((m >> shift) & 1) == 0) ++shift;
    while (shift + bits < 32 && ((m >> (shift + bits)) & 1) != 0) ++bits;
  }
  std::uint8_t Extract(std::uint32_t pixel) const {
    if (bits == 0) return 0;
    const std::uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<std::uint8_t>(v >> (bits - 8));
    // Scale up so that the largest value becomes 255.
    const std::uint32_t max = (1u << bits) - 1;
    return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
  }
};

struct Header {
  std::uint32_t headerSize = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  int bitCount = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colorsUsed = 0;
  std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha
  bool hasMasks = false;
};

Header ReadHeader(const Reader& r) {
  Header h;
  h.headerSize = r.U32(14);
  if (h.headerSize == 12) {
    h.width = r.U16(18);
    h.height = static_cast<std::int16_t>(r.U16(20));
    h.bitCount = r.U16(24);
    return h;
  }
  if (h.headerSize < 40 || h.headerSize > 1024) Fail("unknown header size");
  h.width = static_cast<std::int32_t>(r.U32(18));
  h.height = static_cast<std::int32_t>(r.U32(22));
  h.bitCount = r.U16(28);
  h.compression = r.U32(30);
  h.colorsUsed = r.U32(46);
  if (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) {
    // Masks follow a 40-byte header, or sit inside the larger ones.
    const std::size_t at = 54;
    h.masks[0] = r.U32(at);
    h.masks[1] = r.U32(at + 4);
    h.masks[2] = r.U32(at + 8);
    if (h.compression == kBiAlphaBitfields || h.headerSize >= 56) h.masks[3] = r.U32(at + 12);
    h.hasMasks = true;
  }
  return h;
}

void CheckMasks(const Header& h) {
  for (int i = 0; i < 4; ++i) {
    const std::uint32_t m = h.masks[i];
    if (m == 0) continue;
    // A channel must be one run of bits and must not overlap another one.
    const Channel c(m);
    const std::uint64_t run = ((std::uint64_t{1} << c.bits) - 1) << c.shift;
    if (run != m) Fail("a colour mask is not contiguous");
    for (int j = i + 1; j < 4; ++j)
      if ((m & h.masks[j]) != 0) Fail("colour masks overlap");
  }
}

}  // namespace

Bitmap DecodeBmp(const std::uint8_t* data, std::size_t size) {
  const Reader r(data, size);
  if (!r.Has(0, 2) || data[0] != 'B' || data[1] != 'M') Fail("missing \"BM\" signature");
  const std::uint32_t offBits = r.U32(10);
  Header h = ReadHeader(r);

  if (h.width <= 0 || h.height == 0) Fail("empty or negative size");
  const bool topDown = h.height < 0;
  const std::int64_t height = topDown ? -h.height : h.height;
  if (h.width > kMaxImageSide || height > kMaxImageSide || h.width * height > kMaxImagePixels)
    Fail("the picture is too large");
  if (topDown && h.compression != kBiRgb && h.compression != kBiBitfields && h.compression != kBiAlphaBitfields)
    Fail("a top-down picture must not be compressed");

  const int bpp = h.bitCount;
  switch (bpp) {
    case 1: case 4: case 8: case 24:
      if (h.compression != kBiRgb) Fail("unsupported compression");
      break;
    case 16: case 32:
      if (h.compression != kBiRgb && !h.hasMasks) Fail("unsupported compression");
      break;
    default:
      Fail("unsupported number of bits per pixel");
  }
  if (!h.hasMasks) {
    if (bpp == 16) h.masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (bpp == 32) h.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
  }
  if (bpp == 16 || bpp == 32) CheckMasks(h);

  // Palette: right after the info header, 3-byte entries for the core header.
  std::array<RGBTriple, 256> palette{};
  if (bpp <= 8) {
    const std::size_t maxColors = std::size_t{1} << bpp;
    std::size_t colors = h.colorsUsed == 0 ? maxColors : h.colorsUsed;
    if (colors > maxColors) colors = maxColors;
    const std::size_t entry = h.headerSize == 12 ? 3 : 4;
    const std::size_t at = 14 + std::size_t{h.headerSize};
    // Writers often store fewer entries than the bit count allows; the
    // palette cannot reach into the pixels. Missing entries stay black.
    const std::size_t room = offBits > at ? (offBits - at) / entry : 0;
    if (colors > room) colors = room;
    if (!r.Has(at, colors * entry)) Fail("the palette is truncated");
    for (std::size_t i = 0; i < colors; ++i) {
      const std::uint8_t* p = r.At(at + i * entry);
      palette[i] = {p[0], p[1], p[2]};
    }
  }

  const int width = static_cast<int>(h.width);
  const int rows = static_cast<int>(height);
  const std::size_t rowBytes = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
  if (!r.Has(offBits, rowBytes * static_cast<std::size_t>(rows))) Fail("the pixel data is truncated");

  Bitmap out(width, rows, bpp == 32 ? PixelFormat::pf32bit : PixelFormat::pf24bit);
  const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]), alpha(h.masks[3]);
  const bool plain32 = bpp == 32 && h.masks[0] == 0x00FF0000 && h.masks[1] == 0x0000FF00 && h.masks[2] == 0x000000FF;
  for (int fileRow = 0; fileRow < rows; ++fileRow) {
    const std::uint8_t* src = r.At(offBits + static_cast<std::size_t>(fileRow) * rowBytes);
    std::uint8_t* dst = out.ScanLine(topDown ? fileRow : rows - 1 - fileRow);
    switch (bpp) {
      case 1: case 4: case 8: {
        const int perByte = 8 / bpp;
        const unsigned mask = (1u << bpp) - 1;
        for (int x = 0; x < width; ++x) {
          const int shift = (perByte - 1 - x % perByte) * bpp;
          const RGBTriple& c = palette[(src[x / perByte] >> shift) & mask];
          dst[3 * x] = c.b;
          dst[3 * x + 1] = c.g;
          dst[3 * x + 2] = c.r;
        }
        break;
      }
      case 24:
        std::memcpy(dst, src, static_cast<std::size_t>(width) * 3);
        break;
      case 16:
        for (int x = 0; x < width; ++x) {
          const std::uint32_t p = src[2 * x] | src[2 * x + 1] << 8;
          dst[3 * x] = blue.Extract(p);
          dst[3 * x + 1] = green.Extract(p);
          dst[3 * x + 2] = red.Extract(p);
        }
        break;
      case 32:
        if (plain32) {
          std::memcpy(dst, src, static_cast<std::size_t>(width) * 4);
          break;
        }
        for (int x = 0; x < width; ++x) {
          const std::uint8_t* s = src + 4 * x;
          const std::uint32_t p = std::uint32_t{s[0]} | std::uint32_t{s[1]} << 8 | std::uint32_t{s[2]} << 16 |
                                  std::uint32_t{s[3]} << 24;
          dst[4 * x] = blue.Extract(p);
          dst[4 * x + 1] = green.Extract(p);
          dst[4 * x + 2] = red.Extract(p);
          dst[4 * x + 3] = h.masks[3] != 0 ? alpha.Extract(p) : 0;
        }
        break;
    }
  }
  return out;
}

}  // namespace tk
