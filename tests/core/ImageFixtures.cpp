#include "ImageFixtures.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace fixtures {

namespace {
void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
}  // namespace

Bytes MakeBmp(int width, int height, const BmpOptions& o, const std::function<std::uint32_t(int, int)>& pixel) {
  const bool core = o.headerSize == 12;
  const std::size_t paletteEntry = core ? 3 : 4;
  const std::size_t maskBytes = (o.headerSize == 40 && o.compression == 3) ? 4 * o.masks.size() : 0;
  const std::size_t paletteBytes = o.palette.size() * paletteEntry;
  const std::size_t offBits = 14 + o.headerSize + maskBytes + paletteBytes;
  const std::size_t rowBytes = ((static_cast<std::size_t>(width) * o.bitCount + 31) / 32) * 4;
  Bytes b(offBits + rowBytes * height, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, static_cast<std::uint32_t>(offBits));
  Put32(b, 14, o.headerSize);
  if (core) {
    Put16(b, 18, width);
    Put16(b, 20, height);
    Put16(b, 22, 1);
    Put16(b, 24, o.bitCount);
  } else {
    Put32(b, 18, width);
    Put32(b, 22, static_cast<std::uint32_t>(o.topDown ? -height : height));
    Put16(b, 26, 1);
    Put16(b, 28, o.bitCount);
    Put32(b, 30, o.compression);
    Put32(b, 46, o.colorsUsed);
    for (std::size_t i = 0; i < o.masks.size(); ++i) Put32(b, 54 + 4 * i, o.masks[i]);
  }
  for (std::size_t i = 0; i < o.palette.size(); ++i) {
    const std::size_t at = 14 + o.headerSize + maskBytes + i * paletteEntry;
    b[at] = static_cast<std::uint8_t>(o.palette[i]);
    b[at + 1] = static_cast<std::uint8_t>(o.palette[i] >> 8);
    b[at + 2] = static_cast<std::uint8_t>(o.palette[i] >> 16);
  }
  for (int row = 0; row < height; ++row) {
    const int y = o.topDown ? row : height - 1 - row;
    std::uint8_t* dst = b.data() + offBits + row * rowBytes;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = pixel(x, y);
      switch (o.bitCount) {
        case 1: case 4: case 8: {
          const int perByte = 8 / o.bitCount;
          const int shift = (perByte - 1 - x % perByte) * o.bitCount;
          dst[x / perByte] |= static_cast<std::uint8_t>(v << shift);
          break;
        }
        case 16:
          dst[2 * x] = static_cast<std::uint8_t>(v);
          dst[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
          break;
        case 24:
          dst[3 * x] = static_cast<std::uint8_t>(v);
          dst[3 * x + 1] = static_cast<std::uint8_t>(v >> 8);
          dst[3 * x + 2] = static_cast<std::uint8_t>(v >> 16);
          break;
        case 32:
          for (int i = 0; i < 4; ++i) dst[4 * x + i] = static_cast<std::uint8_t>(v >> (8 * i));
          break;
      }
    }
  }
  return b;
}

Bytes MakeBmp24(const tk::Bitmap& picture) {
  BmpOptions o;
  return MakeBmp(picture.Width(), picture.Height(), o, [&](int x, int y) {
    const std::uint32_t c = PixelAt(picture, x, y);  // BBGGRR -> stored RRGGBB
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  });
}

tk::Bitmap MakePicture(int width, int height, const std::function<std::uint32_t(int, int)>& colour) {
  tk::Bitmap bmp(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* p = bmp.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      p[3 * x] = static_cast<std::uint8_t>(c >> 16);
      p[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
      p[3 * x + 2] = static_cast<std::uint8_t>(c);
    }
  }
  return bmp;
}

Bytes MakeJpeg(int width, int height, const std::function<std::uint32_t(int, int)>& colour, const JpegOptions& o) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&cinfo, &out, &outSize);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = o.grayscale ? 1 : 3;
  cinfo.in_color_space = o.grayscale ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, o.quality, TRUE);
  if (o.progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      if (o.grayscale) {
        row[x] = static_cast<unsigned char>(c);
      } else {
        row[3 * x] = static_cast<unsigned char>(c);
        row[3 * x + 1] = static_cast<unsigned char>(c >> 8);
        row[3 * x + 2] = static_cast<unsigned char>(c >> 16);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes result(out, out + outSize);
  std::free(out);
  return result;
}

std::uint32_t PixelAt(const tk::Bitmap& bmp, int x, int y) {
  const std::uint8_t* p = bmp.ScanLine(y) + x * bmp.BytesPerPixel();
  return std::uint32_t{p[2]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[0]} << 16;
}

}  // namespace fixtures
