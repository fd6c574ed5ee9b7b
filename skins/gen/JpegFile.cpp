// JPEG encoding with libjpeg into memory. libjpeg reports fatal errors
// through its error_exit hook; the hook jumps back here so that the error
// becomes an exception without unwinding through the C library.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

#include "ImageFiles.h"

namespace skingen {

namespace {
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, err->message);
  std::longjmp(err->jump, 1);
}
}  // namespace

Bytes EncodeJpeg(const tk::Bitmap& bitmap, int quality) {
  if (bitmap.Format() != tk::PixelFormat::pf24bit || bitmap.Empty())
    throw std::invalid_argument("a JPEG file is written from a non-empty 24-bit bitmap");
  jpeg_compress_struct info{};
  ErrorManager err{};
  info.err = jpeg_std_error(&err.base);
  err.base.error_exit = ErrorExit;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  std::vector<JSAMPLE> row(static_cast<std::size_t>(bitmap.Width()) * 3);
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    throw std::runtime_error(std::string("JPEG encoding failed: ") + err.message);
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(bitmap.Width());
  info.image_height = static_cast<JDIMENSION>(bitmap.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.dct_method = JDCT_ISLOW;  // the exact integer transform: same bytes everywhere
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    const std::uint8_t* src = bitmap.ScanLine(static_cast<int>(info.next_scanline));
    for (int x = 0; x < bitmap.Width(); ++x) {
      row[x * 3 + 0] = src[x * 3 + 2];
      row[x * 3 + 1] = src[x * 3 + 1];
      row[x * 3 + 2] = src[x * 3 + 0];
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

}  // namespace skingen
