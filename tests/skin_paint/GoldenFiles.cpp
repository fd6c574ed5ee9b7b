#include "GoldenFiles.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "PaintSkins.h"
#include "toolkit/core/PngCodec.h"

namespace paintfix {

std::optional<tk::Bitmap> ReadPng(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  try {
    return tk::DecodePng(bytes.data(), bytes.size());
  } catch (const tk::EInvalidGraphic&) {
    return std::nullopt;
  }
}

void WritePng(const std::string& path, const tk::Bitmap& picture) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  const std::vector<std::uint8_t> png = tk::EncodePng(picture);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

TextBandDifference CompareOutsideText(const tk::Bitmap& got, const tk::Bitmap& reference,
                                      const std::function<bool(int x, int y)>& inText) {
  TextBandDifference d;
  d.sameSize = reference.Width() == got.Width() && reference.Height() == got.Height();
  for (int y = 0; d.sameSize && y < got.Height(); ++y)
    for (int x = 0; x < got.Width(); ++x) {
      const bool in = inText(x, y);
      d.text += in;
      const std::uint8_t* p = got.ScanLine(y) + 3 * x;
      const std::uint8_t* q = reference.ScanLine(y) + 3 * x;
      if (p[0] != q[0] || p[1] != q[1] || p[2] != q[2]) ++(in ? d.inside : d.outside);
    }
  return d;
}

PictureDifference Compare(const tk::Bitmap& got, const tk::Bitmap& reference, int tolerance) {
  PictureDifference d;
  d.sameSize = got.Width() == reference.Width() && got.Height() == reference.Height();
  if (!d.sameSize) return d;
  for (int y = 0; y < got.Height(); ++y)
    for (int x = 0; x < got.Width(); ++x) {
      const skin::TColor a = PixelAt(got, x, y), b = PixelAt(reference, x, y);
      if (a == b) continue;
      int worst = 0;
      for (int shift : {0, 8, 16}) worst = std::max(worst, std::abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF)));
      ++d.pixels;
      d.largest = std::max(d.largest, worst);
      if (worst > tolerance) ++d.beyond;
    }
  return d;
}

std::string ActualPath(const std::string& skin, const std::string& name) {
  return std::string(GK_PAINT_ACTUAL_DIR) + "/" + skin + "/" + name + ".png";
}

GoldenResult PaintAndCompare(Skin skin, const GoldenCase& c) {
  GoldenResult r;
  const tk::Bitmap got = c.paint(skin);
  r.area = got.Width() * got.Height();
  r.actual = ActualPath(SkinName(skin), c.name);
  const std::optional<tk::Bitmap> reference = ReadPng(GoldenPath(skin, c.name));
  r.referenceFound = reference.has_value();
  if (reference) r.difference = Compare(got, *reference);
  if (!r.difference.sameSize || r.difference.pixels > 0) WritePng(r.actual, got);
  return r;
}

}  // namespace paintfix
