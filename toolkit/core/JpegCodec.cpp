#include "JpegCodec.h"

// jpeglib.h needs size_t and FILE declared first.
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include <jpeglib.h>

namespace tk {

namespace {

// The library's error manager extended with the jump target and the text of
// the first fatal error.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

extern "C" void OnFatalError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings (corrupt data the library can live with) are not shown anywhere.
extern "C" void OnMessage(j_common_ptr) {}

// A progressive picture may hold any number of scans, each a pass over the
// whole image; hostile files use thousands to make decoding take minutes.
constexpr long kMaxScans = 256;

extern "C" void OnProgress(j_common_ptr cinfo) {
  if (cinfo->is_decompressor &&
      reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::snprintf(err->message, sizeof err->message, "more than %ld scans", kMaxScans);
    std::longjmp(err->jump, 1);
  }
}

// Plain-C state of one decompression. Everything here is trivially
// destructible, so leaving Run() through longjmp skips no destructor.
struct Decompressor {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  jpeg_progress_mgr progress;
};

enum class Stage { kHeader, kPixels };

// Runs the library between setjmp and the end; returns false with
// err.message filled on a fatal error. Writes rows into out when stage is
// kPixels, after the caller sized it from the header.
struct Job {
  const std::uint8_t* data;
  std::size_t size;
  Bitmap* out;              // sized from the header before the pixel stage
  std::uint8_t* top = nullptr;   // out's first row and row step
  std::ptrdiff_t stride = 0;
  int width = 0;
  int height = 0;
  const char* refusal = nullptr;  // set when we refuse the header ourselves
};

void ConvertCmykRow(const JSAMPLE* src, std::uint8_t* dst, int width, bool inverted) {
  for (int x = 0; x < width; ++x) {
    int c = src[4 * x], m = src[4 * x + 1], y = src[4 * x + 2], k = src[4 * x + 3];
    if (inverted) {  // Adobe writes CMYK inverted: 255 means no ink
      dst[3 * x + 2] = static_cast<std::uint8_t>(c * k / 255);
      dst[3 * x + 1] = static_cast<std::uint8_t>(m * k / 255);
      dst[3 * x] = static_cast<std::uint8_t>(y * k / 255);
    } else {
      dst[3 * x + 2] = static_cast<std::uint8_t>((255 - c) * (255 - k) / 255);
      dst[3 * x + 1] = static_cast<std::uint8_t>((255 - m) * (255 - k) / 255);
      dst[3 * x] = static_cast<std::uint8_t>((255 - y) * (255 - k) / 255);
    }
  }
}

// Returns true on success, false with err.message filled on a fatal error.
// Nothing between setjmp and the return owns a resource with a destructor,
// and nothing here throws: the row buffer comes from the library's own pool
// and the output bitmap was sized by the caller before.
bool Run(Decompressor& d, Job& job, Stage stage, JSAMPARRAY* cmykRow) {
  d.cinfo.err = jpeg_std_error(&d.err.pub);
  d.err.pub.error_exit = OnFatalError;
  d.err.pub.output_message = OnMessage;
  d.err.message[0] = '\0';
  d.progress.progress_monitor = OnProgress;
  if (setjmp(d.err.jump)) {
    jpeg_destroy_decompress(&d.cinfo);
    return false;
  }
  jpeg_create_decompress(&d.cinfo);
  d.cinfo.progress = &d.progress;
  jpeg_mem_src(&d.cinfo, job.data, static_cast<unsigned long>(job.size));
  jpeg_read_header(&d.cinfo, TRUE);
  job.width = static_cast<int>(d.cinfo.image_width);
  job.height = static_cast<int>(d.cinfo.image_height);
  if (stage == Stage::kHeader || job.refusal) {
    jpeg_destroy_decompress(&d.cinfo);
    return true;
  }
  const bool cmyk = d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK;
  d.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
  jpeg_start_decompress(&d.cinfo);
  if (static_cast<int>(d.cinfo.output_width) != job.out->Width() ||
      static_cast<int>(d.cinfo.output_height) != job.out->Height()) {
    jpeg_destroy_decompress(&d.cinfo);
    job.refusal = "the decoded size differs from the header";
    return true;
  }
  const bool inverted = d.cinfo.saw_Adobe_marker != 0;
  if (cmyk)
    *cmykRow = (*d.cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.cinfo), JPOOL_IMAGE,
                                            d.cinfo.output_width * 4, 1);
  while (d.cinfo.output_scanline < d.cinfo.output_height) {
    std::uint8_t* row = job.top + static_cast<std::ptrdiff_t>(d.cinfo.output_scanline) * job.stride;
    if (cmyk) {
      jpeg_read_scanlines(&d.cinfo, *cmykRow, 1);
      ConvertCmykRow((*cmykRow)[0], row, job.width, inverted);
    } else {
      JSAMPROW rows[1] = {row};
      jpeg_read_scanlines(&d.cinfo, rows, 1);
    }
  }
  jpeg_finish_decompress(&d.cinfo);
  jpeg_destroy_decompress(&d.cinfo);
  return true;
}

[[noreturn]] void Fail(const std::string& reason) { throw EInvalidGraphic("JPEG image is not valid: " + reason); }

void CheckInput(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size < 4) Fail("the data is too short");
  if (size > 0x7FFFFFFF) Fail("the data is too large");
}

void CheckSize(const Job& job) {
  if (job.width <= 0 || job.height <= 0) Fail("empty picture");
  if (job.width > kMaxImageSide || job.height > kMaxImageSide ||
      static_cast<long long>(job.width) * job.height > kMaxImagePixels)
    Fail("the picture is too large");
}

}  // namespace

JpegSize ReadJpegSize(const std::uint8_t* data, std::size_t size) {
  CheckInput(data, size);
  auto d = std::make_unique<Decompressor>();
  Job job{data, size, nullptr};
  if (!Run(*d, job, Stage::kHeader, nullptr)) Fail(d->err.message);
  return {job.width, job.height};
}

Bitmap DecodeJpeg(const std::uint8_t* data, std::size_t size) {
  const JpegSize header = ReadJpegSize(data, size);
  Job job{data, size, nullptr};
  job.width = header.width;
  job.height = header.height;
  CheckSize(job);
  Bitmap out(job.width, job.height, PixelFormat::pf24bit, true);
  job.out = &out;
  job.top = out.ScanLine(0);
  job.stride = out.Stride();
  auto d = std::make_unique<Decompressor>();
  JSAMPARRAY cmykRow = nullptr;
  if (!Run(*d, job, Stage::kPixels, &cmykRow)) Fail(d->err.message);
  if (job.refusal) Fail(job.refusal);
  return out;
}

}  // namespace tk
