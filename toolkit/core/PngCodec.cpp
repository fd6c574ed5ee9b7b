// PNG files of 8-bit RGB pixels: signature, IHDR, one IDAT holding the
// zlib-compressed rows (each with filter type 0) and IEND.
#include <zlib.h>

#include <stdexcept>

#include "ImageFiles.h"

namespace skingen {

namespace {
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
}  // namespace

Bytes EncodePng(const tk::Bitmap& bitmap) {
  if (bitmap.Format() != tk::PixelFormat::pf24bit || bitmap.Empty())
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

  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

}  // namespace skingen
