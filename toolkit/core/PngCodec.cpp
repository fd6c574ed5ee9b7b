#include "PngCodec.h"

#include <zlib.h>

#include <cstring>
#include <stdexcept>
#include <string>

namespace tk {

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

void PutBig32(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutChunk(Bytes& out, const char type[4], const Bytes& data) {
  PutBig32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(4 + data.size()));
  PutBig32(out, static_cast<std::uint32_t>(crc));
}

std::uint32_t Big32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
         static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

[[noreturn]] void Fail(const std::string& why) { throw EInvalidGraphic("PNG: " + why); }

int Paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// Undoes the row filter of `row` against the row above (`prior`, zeros for
// the first), bpp bytes a pixel.
void Unfilter(int filter, std::uint8_t* row, const std::uint8_t* prior, std::size_t n, int bpp) {
  for (std::size_t i = 0; i < n; ++i) {
    const int a = i >= static_cast<std::size_t>(bpp) ? row[i - bpp] : 0;
    const int b = prior[i];
    const int c = i >= static_cast<std::size_t>(bpp) ? prior[i - bpp] : 0;
    int add = 0;
    switch (filter) {
      case 0: add = 0; break;
      case 1: add = a; break;
      case 2: add = b; break;
      case 3: add = (a + b) / 2; break;
      case 4: add = Paeth(a, b, c); break;
      default: Fail("unknown row filter " + std::to_string(filter));
    }
    row[i] = static_cast<std::uint8_t>(row[i] + add);
  }
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap) {
  if (bitmap.Format() != PixelFormat::pf24bit || bitmap.Empty())
    throw std::invalid_argument("a PNG file is written from a non-empty 24-bit bitmap");
  const int w = bitmap.Width(), h = bitmap.Height();
  Bytes raw;
  raw.reserve(static_cast<std::size_t>(w * 3 + 1) * h);
  for (int y = 0; y < h; ++y) {
    raw.push_back(0);  // no filter
    const std::uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      raw.push_back(row[x * 3 + 2]);
      raw.push_back(row[x * 3 + 1]);
      raw.push_back(row[x * 3 + 0]);
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  Bytes packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
    throw std::runtime_error("PNG rows could not be compressed");
  packed.resize(packedSize);

  Bytes header;
  PutBig32(header, static_cast<std::uint32_t>(w));
  PutBig32(header, static_cast<std::uint32_t>(h));
  header.push_back(8);  // bits per channel
  header.push_back(2);  // truecolour
  header.push_back(0);  // deflate
  header.push_back(0);  // adaptive filtering (type 0 on every row)
  header.push_back(0);  // not interlaced

  Bytes out(kSignature, kSignature + 8);
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

Bitmap DecodePng(const std::uint8_t* data, std::size_t size) {
  if (size < 8 || std::memcmp(data, kSignature, 8) != 0) Fail("no PNG signature");
  std::size_t at = 8;
  std::uint32_t width = 0, height = 0;
  int channels = 0;
  Bytes packed;
  bool ended = false;
  while (!ended) {
    if (size - at < 12) Fail("a chunk is cut short");
    const std::uint32_t length = Big32(data + at);
    if (length > size - at - 12) Fail("a chunk is cut short");
    const std::uint8_t* type = data + at + 4;
    const std::uint8_t* body = type + 4;
    if (crc32(0L, type, length + 4) != Big32(body + length)) Fail("a chunk's CRC does not match");
    const std::string name(reinterpret_cast<const char*>(type), 4);
    if (name == "IHDR") {
      if (length != 13) Fail("IHDR of the wrong size");
      width = Big32(body);
      height = Big32(body + 4);
      if (body[8] != 8 || (body[9] != 2 && body[9] != 6) || body[10] != 0 || body[11] != 0 || body[12] != 0)
        Fail("only 8-bit RGB or RGBA without interlacing is read");
      channels = body[9] == 2 ? 3 : 4;
      if (width == 0 || height == 0 || width > static_cast<std::uint32_t>(kMaxImageSide) ||
          height > static_cast<std::uint32_t>(kMaxImageSide) ||
          static_cast<long long>(width) * height > kMaxImagePixels)
        Fail("size out of range");
    } else if (name == "IDAT") {
      packed.insert(packed.end(), body, body + length);
    } else if (name == "IEND") {
      ended = true;
    }
    at += 12 + length;
  }
  if (channels == 0) Fail("no IHDR");

  const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
  Bytes raw((rowBytes + 1) * height);
  uLongf rawSize = static_cast<uLongf>(raw.size());
  if (uncompress(raw.data(), &rawSize, packed.data(), static_cast<uLong>(packed.size())) != Z_OK || rawSize != raw.size())
    Fail("the pixel data does not inflate to the rows");

  Bitmap out(static_cast<int>(width), static_cast<int>(height), PixelFormat::pf24bit);
  const Bytes zeros(rowBytes, 0);
  for (std::uint32_t y = 0; y < height; ++y) {
    std::uint8_t* row = raw.data() + y * (rowBytes + 1);
    const std::uint8_t* prior = y == 0 ? zeros.data() : raw.data() + (y - 1) * (rowBytes + 1) + 1;
    Unfilter(row[0], row + 1, prior, rowBytes, channels);
    std::uint8_t* dst = out.ScanLine(static_cast<int>(y));
    for (std::uint32_t x = 0; x < width; ++x) {
      const std::uint8_t* p = row + 1 + x * channels;
      dst[x * 3 + 0] = p[2];
      dst[x * 3 + 1] = p[1];
      dst[x * 3 + 2] = p[0];
    }
  }
  return out;
}

}  // namespace tk
